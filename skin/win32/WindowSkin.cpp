#include "skin/win32/WindowSkin.h"

#include "skin/core/KeyboardNavigation.h"
#include "skin/core/LookCrop.h"
#include "skin/win32/BitmapPixels.h"
#include "skin/win32/KeyboardAccess.h"
#include "skin/win32/RegionBuilder.h"

namespace {
std::string g_skinFolder;

std::string ProgramFolder() {
    char path[MAX_PATH] = {};
    DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder(path, length < MAX_PATH ? length : 0);
    size_t slash = folder.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : folder.substr(0, slash + 1);
}
}  // namespace

void SetSkinFolder(const std::string& folder) { g_skinFolder = folder; }

const std::string& SkinFolder() {
    if (g_skinFolder.empty()) g_skinFolder = SkinFolderOf(ProgramFolder());
    return g_skinFolder;
}

void WindowSkin::Load(HWND window, const std::string& fileName) {
    m_window = window;
    const std::string& folder = SkinFolder();
    m_file = std::make_unique<SkinFile>(m_files);
    m_file->Open(folder + fileName);
    SkinScreenImages images = m_file->ReadScreenImages();
    m_shape = LoadMaskRegion(SkinImagePath(folder, images.mask));
    // The Normal state first: it is the background.
    for (size_t state = 0; state < kSkinStateCount; ++state) {
        const std::string& name = images.states[state];
        const std::string path = SkinImagePath(folder, name);
        size_t same = 0;
        while (same < state && images.states[same] != name) ++same;
        if (same < state) {
            m_states[state] = m_states[same];
            m_mappedStates[state] = m_mappedStates[same];
        } else if (auto mapped = std::make_unique<MappedBmp>(path); mapped->Rows().bits) {
            // A plain bitmap stays mapped: the background is drawn from it
            // and each look is read where it lies when first drawn; the rest
            // of the picture is never copied.
            m_mappedStates[state] = mapped.get();
            m_mappedPictures.push_back(std::move(mapped));
        } else if (state == static_cast<size_t>(SkinState::Normal)) {
            m_background = LoadPicture(path);
            m_states[state] = &m_background;
        } else {
            m_statePictures.push_back(std::make_unique<Bitmap>(LoadPicture(path)));
            m_states[state] = m_statePictures.back().get();
        }
    }
    const SIZE size = Size();
    if (m_window) MoveWindow(m_window, 0, 0, size.cx, size.cy, TRUE);
}

SIZE WindowSkin::Size() const {
    if (const MappedBmp* normal = m_mappedStates[static_cast<size_t>(SkinState::Normal)])
        return SIZE{normal->Rows().width, normal->Rows().height};
    return SIZE{m_background.Width(), m_background.Height()};
}

bool WindowSkin::Lasting(SkinState state) const {
    const size_t index = static_cast<size_t>(state);
    return m_mappedStates[index] || m_states[index] == &m_background;
}

ButtonEntry WindowSkin::Entry(int key) { return m_file ? m_file->ReadButtonEntry(key) : ButtonEntry(); }

Bitmap WindowSkin::Crop(SkinState state, const SkinRect& rectangle) const {
    LookCrop crop = CropOf(state, rectangle);
    if (crop.IsEmpty()) return Bitmap();
    RECT source{crop.sourceX, crop.sourceY, crop.sourceX + crop.width, crop.sourceY + crop.height};
    if (const MappedBmp* mapped = m_mappedStates[static_cast<size_t>(state)])
        return Bitmap(CropRows(mapped->Rows(), source));
    // Sections (every picture the loader makes) are cut without a device
    // context: one held while the controls are made would be updated for
    // each of them.
    return CropBitmap(StateImage(state), source);
}

void WindowSkin::Dress(SkinButton& button, const ButtonEntry& entry) {
    // Looks from pictures freed after loading are cut now; the others when
    // first drawn (most buttons are never hovered, pressed or disabled).
    std::array<Bitmap, 4> looks;
    for (size_t state = 0; state < kSkinStateCount; ++state) {
        if (!Lasting(static_cast<SkinState>(state))) looks[state] = Crop(static_cast<SkinState>(state), entry.rect);
    }
    const SkinRect place = entry.rect;
    button.SetLooks(std::move(looks), [this, place](ButtonLook look) {
        return Crop(static_cast<SkinState>(look), place);
    });
    button.SetSelected(entry.initiallySelected == 1);
    button.SetHint(entry.hint);
    button.SetLabel(entry.label);
}

SkinButton* WindowSkin::AddButton(int key, DWORD style) { return AddButton(key, Entry(key), style); }

SkinButton* WindowSkin::AddButton(int key, const ButtonEntry& entry, DWORD style) {
    auto button = std::make_unique<SkinButton>();
    // Dressed first: the window is made with its name and looks.
    Dress(*button, entry);
    return Make(std::move(button), key, entry, style);
}

SkinButton* WindowSkin::Make(std::unique_ptr<SkinButton> button, int key, const ButtonEntry& entry, DWORD style) {
    // The tab stop the arranging of the Tab order would give it later.
    const RECT place = ToRect(entry.rect);
    if (!IsRectEmpty(&place) && TabWalks(m_window)) button->MakeTabStop();
    if (!button->Create(m_window, place, 0, style)) return nullptr;
    m_buttons.push_back(std::move(button));
    m_buttonKeys.push_back(key);
    m_buttonPlaces.push_back(entry.rect);
    return m_buttons.back().get();
}

std::vector<SkinButton*> WindowSkin::AddButtons(const std::vector<std::pair<int, ButtonEntry>>& entries, DWORD style,
                                                const Preparation& prepare) {
    std::vector<SkinRect> places;
    for (const auto& entry : entries) places.push_back(entry.second.rect);
    std::vector<SkinButton*> buttons(entries.size(), nullptr);
    for (size_t index : ReadingOrder(places)) {
        auto button = std::make_unique<SkinButton>();
        Dress(*button, entries[index].second);
        if (prepare) prepare(index, *button);
        buttons[index] = Make(std::move(button), entries[index].first, entries[index].second, style);
    }
    return buttons;
}

std::vector<SkinButton*> WindowSkin::AddButtons(const std::vector<int>& keys, DWORD style, const Preparation& prepare) {
    std::vector<std::pair<int, ButtonEntry>> entries;
    for (int key : keys) entries.emplace_back(key, Entry(key));
    return AddButtons(entries, style, prepare);
}

ColourSwatchButton* WindowSkin::AddSwatch(int key, DWORD style) {
    const ButtonEntry entry = Entry(key);
    auto swatch = std::make_unique<ColourSwatchButton>();
    Dress(*swatch, entry);
    return static_cast<ColourSwatchButton*>(Make(std::move(swatch), key, entry, style));
}

SkinButton* WindowSkin::ButtonAt(int key) const {
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttonKeys[i] == key) return m_buttons[i].get();
    return nullptr;
}

int WindowSkin::KeyOf(HWND button) const {
    if (!button) return 0;
    for (size_t i = 0; i < m_buttons.size(); ++i)
        if (m_buttons[i]->Handle() == button) return m_buttonKeys[i];
    return 0;
}

const Bitmap& WindowSkin::StateImage(SkinState state) const {
    static const Bitmap none;
    const Bitmap* image = m_states[static_cast<size_t>(state)];
    return image ? *image : none;
}

void WindowSkin::FinishLoading() {
    for (const Bitmap*& image : m_states)
        if (image != &m_background) image = nullptr;
    m_statePictures.clear();
}

bool WindowSkin::ApplyRegion() {
    return m_window && ApplyWindowRegion(m_window, std::move(m_shape), true);
}

void WindowSkin::PlaceInTabOrder(HWND child, const RECT& place) const {
    std::vector<SkinRect> places = m_buttonPlaces;
    places.push_back(SkinRect{place.left, place.top, place.right, place.bottom});
    HWND after = HWND_TOP;
    for (size_t index : ReadingOrder(places)) {
        if (index == m_buttons.size()) break;
        after = m_buttons[index]->Handle();
    }
    SetWindowPos(child, after, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_NOOWNERZORDER | SWP_NOSENDCHANGING);
}

void WindowSkin::PaintBackground(HDC dc) const {
    const MappedBmp* normal = m_mappedStates[static_cast<size_t>(SkinState::Normal)];
    if (normal) return DrawRows(dc, normal->Rows());
    DrawBitmap(dc, m_background);
}
