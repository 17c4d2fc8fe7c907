// The skin of one window: reading its skin description file, the state
// images, the controls cut from them, the shape from the mask and the
// background painting. Skinned windows and dialogs own one each.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "profile/win32/PrivateProfileAccessor.h"
#include "skin/core/SkinFile.h"
#include "skin/win32/GdiOwners.h"
#include "skin/win32/PictureLoader.h"
#include "skin/win32/SkinButton.h"

// The folder all skin description files and images are read from: set once
// at start-up; until then the program folder + "skins\".
void SetSkinFolder(const std::string& folder);
const std::string& SkinFolder();

inline RECT ToRect(const SkinRect& rectangle) {
    return RECT{rectangle.left, rectangle.top, rectangle.right, rectangle.bottom};
}

class WindowSkin {
public:
    WindowSkin() = default;
    WindowSkin(const WindowSkin&) = delete;
    WindowSkin& operator=(const WindowSkin&) = delete;

    // Reads the file's images (mask, the four states, the background) and
    // moves the window to (0, 0) at the Normal image's size. Missing files
    // and images give empty bitmaps; the window is then 0 x 0.
    void Load(HWND window, const std::string& fileName);
    // The placement entry of a BUTTONPOS key.
    ButtonEntry Entry(int key);

    // A skin button at the key's rectangle with its looks and hint; owned by
    // the skin and destroyed with it.
    SkinButton* AddButton(int key, DWORD style = BS_PUSHBUTTON);
    // The same with the entry already read.
    SkinButton* AddButton(int key, const ButtonEntry& entry, DWORD style = BS_PUSHBUTTON);
    // Called with the index of each key and its button, dressed but not yet
    // made: what is set then (a caption) the window is made with.
    using Preparation = std::function<void(size_t, SkinButton&)>;
    // Buttons for the keys (entries), made in the order Tab walks them so
    // that none has to be moved afterwards; returned in the keys' order.
    std::vector<SkinButton*> AddButtons(const std::vector<std::pair<int, ButtonEntry>>& entries,
                                        DWORD style = BS_PUSHBUTTON, const Preparation& prepare = nullptr);
    std::vector<SkinButton*> AddButtons(const std::vector<int>& keys, DWORD style = BS_PUSHBUTTON,
                                        const Preparation& prepare = nullptr);
    ColourSwatchButton* AddSwatch(int key, DWORD style = BS_PUSHBUTTON);
    // Gives a button its looks cut at the entry's rectangle, its hint, its
    // label (a name of last resort) and its initially-selected state.
    void Dress(SkinButton& button, const ButtonEntry& entry);
    // One look cut out of a state image (a decoded one, not a plain bitmap
    // file, only while loading).
    Bitmap Crop(SkinState state, const SkinRect& rectangle) const;
    // Keeps any other control alive as long as the skin.
    template <class Control>
    Control* Keep(std::unique_ptr<Control> control) {
        Control* raw = control.get();
        m_kept.push_back(std::shared_ptr<void>(std::move(control)));
        return raw;
    }

    // Frees the decoded Over, Down and Disable images; plain bitmap files stay
    // mapped for the looks cut when first drawn.
    void FinishLoading();
    // The shape from the mask (white cut away); false when none can be built
    // and the window keeps its rectangle.
    bool ApplyRegion();

    // Puts a window made after the skin's buttons (a page) where Tab reaches
    // it: right after the last of the buttons before its place in reading
    // order, the order the buttons were made in.
    void PlaceInTabOrder(HWND child, const RECT& place) const;

    // Copies the background 1:1 to the surface at (0, 0).
    void PaintBackground(HDC dc) const;

    HWND Window() const { return m_window; }
    const Bitmap& StateImage(SkinState state) const;
    const std::vector<std::unique_ptr<SkinButton>>& Buttons() const { return m_buttons; }
    // The button made for a placement key (null when none), and the key of
    // a button's window (0 when it is none of the skin's buttons).
    SkinButton* ButtonAt(int key) const;
    int KeyOf(HWND button) const;
    SIZE Size() const;

private:
    // Whether the state's picture stays readable after loading.
    bool Lasting(SkinState state) const;
    // Makes the dressed button and keeps it with its key.
    SkinButton* Make(std::unique_ptr<SkinButton> button, int key, const ButtonEntry& entry, DWORD style);

    HWND m_window = nullptr;
    PrivateProfileFiles m_files;
    std::unique_ptr<SkinFile> m_file;
    Region m_shape;  // from the mask, until it is applied
    Bitmap m_background;  // a Normal picture that is no plain bitmap file, decoded
    // Each picture file is decoded once: states naming the same file share
    // it, and the Normal state's is the background.
    std::array<const Bitmap*, kSkinStateCount> m_states{};
    std::vector<std::unique_ptr<Bitmap>> m_statePictures;
    // States read straight from their mapped files (declared before the
    // buttons, which cut looks from them, so destroyed after them).
    std::array<const MappedBmp*, kSkinStateCount> m_mappedStates{};
    std::vector<std::unique_ptr<MappedBmp>> m_mappedPictures;
    std::vector<std::unique_ptr<SkinButton>> m_buttons;
    std::vector<int> m_buttonKeys;  // placement key of each of m_buttons
    std::vector<SkinRect> m_buttonPlaces;  // and its rectangle
    std::vector<std::shared_ptr<void>> m_kept;
};
