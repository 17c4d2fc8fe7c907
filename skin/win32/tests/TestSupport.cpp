#include "TestSupport.h"

#include <algorithm>
#include <cstdint>
#include <fstream>

#include "skin/win32/GdiOwners.h"
#include "skin/win32/SkinPopupMenu.h"
#include "skin/win32/SubclassedControl.h"

namespace {
void PutLittleEndian(std::vector<uint8_t>& bytes, uint32_t value, int size) {
    for (int i = 0; i < size; ++i) bytes.push_back(static_cast<uint8_t>(value >> (8 * i)));
}
}  // namespace

void WriteBmp(const std::string& path, int width, int height, const std::function<COLORREF(int, int)>& pixel,
              bool topDown, int depth, const std::vector<COLORREF>& table) {
    const int stride = (width * depth + 31) / 32 * 4;
    const uint32_t imageSize = static_cast<uint32_t>(stride * height);
    const uint32_t offset = 54 + 4 * static_cast<uint32_t>(table.size());
    std::vector<uint8_t> bytes = {'B', 'M'};
    // The file header, then the info header (40 bytes) and the colour table.
    const uint32_t rows = static_cast<uint32_t>(topDown ? -height : height), colours = uint32_t(table.size());
    const uint32_t fields[][2] = {{offset + imageSize, 4}, {0, 4}, {offset, 4}, {40, 4}, {uint32_t(width), 4},
                                  {rows, 4}, {1, 2}, {uint32_t(depth), 2}, {0, 4}, {imageSize, 4}, {2835, 4},
                                  {2835, 4}, {colours, 4}, {0, 4}};
    for (const auto& field : fields) PutLittleEndian(bytes, field[0], static_cast<int>(field[1]));
    for (COLORREF c : table) PutLittleEndian(bytes, RGB(GetBValue(c), GetGValue(c), GetRValue(c)), 4);
    for (int line = 0; line < height; ++line) {
        const int row = topDown ? line : height - 1 - line;
        std::vector<uint8_t> packed(static_cast<size_t>(stride), 0);
        for (int x = 0; x < width; ++x) {
            const COLORREF value = pixel(x, row);  // a colour, or an index into the table
            for (int channel = 0; depth == 24 && channel < 3; ++channel)
                packed[x * 3 + channel] = static_cast<uint8_t>(value >> (16 - 8 * channel));
            if (depth < 24) packed[x * depth / 8] |= static_cast<uint8_t>(value << (8 - depth - x * depth % 8));
        }
        bytes.insert(bytes.end(), packed.begin(), packed.end());
    }
    std::ofstream file(path, std::ios::binary);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void WriteText(const std::string& path, const std::string& text) {
    std::ofstream file(path, std::ios::binary);
    file << text;
}

RecordingHost::RecordingHost(std::vector<UINT> recorded) : m_recorded(std::move(recorded)) {}

bool RecordingHost::Create(int width, int height) {
    if (!Window::Create("SkinTestHost", "Skin test host", WS_POPUP | WS_VISIBLE | WS_CLIPCHILDREN, 0, 0, 0, width,
                        height, nullptr, nullptr, 0, reinterpret_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)),
                        LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW)))) {
        return false;
    }
    SetForegroundWindow(Handle());
    SetActiveWindow(Handle());
    PumpPending();
    return true;
}

std::vector<RecordedMessage> RecordingHost::Messages(UINT message) const {
    std::vector<RecordedMessage> found;
    std::copy_if(m_messages.begin(), m_messages.end(), std::back_inserter(found),
                 [message](const RecordedMessage& m) { return m.message == message; });
    return found;
}

LRESULT RecordingHost::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (std::find(m_recorded.begin(), m_recorded.end(), message) != m_recorded.end()) {
        m_messages.push_back(RecordedMessage{message, wParam, lParam});
    }
    LRESULT result = 0;
    if (HandleMenuOwnerDraw(message, wParam, lParam, result)) return result;
    if (ReflectToControl(message, wParam, lParam, result)) return result;
    return DefaultProcessing(message, wParam, lParam);
}

COLORREF PrintedPixel(HWND window, int x, int y) {
    RECT client{};
    GetClientRect(window, &client);
    WindowDc screen(window);
    OffscreenSurface surface(screen.Get(), client.right > 0 ? client.right : 1, client.bottom > 0 ? client.bottom : 1);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(surface.Dc()), PRF_CLIENT | PRF_CHILDREN);
    return GetPixel(surface.Dc(), x, y) & 0x00FFFFFF;
}
