// One child page of the main window (button assignment, lighting,
// performance, resolution levels, macros). The main window creates each
// page's window inside its page area when the page is first shown, shows one
// at a time and asks those it made to re-read the edit copy after a slot
// change, an import, a reset or a message from the agent. Adding a page is adding one object of this kind to the page host.
#pragma once

class OptionHost;

class ConfigPage {
public:
    virtual ~ConfigPage() = default;

    // Creates the page's window as a child of `parent` at the page area
    // (client coordinates of the main window), hidden. False on failure.
    virtual bool CreatePage(OptionHost& host, void* parent /* HWND */, int left, int top, int width,
                            int height) = 0;
    virtual void* PageWindow() const = 0;  // HWND, null before CreatePage
    // Re-read the edit copy's current slot and redraw.
    virtual void Refresh() = 0;
};
