// Helpers of the skin toolkit's Windows tests: temporary folders with small
// BMP images and skin files, a host window that records what its controls
// post, and message pumping with generous deadlines.
#pragma once

#include <windows.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "frame/Window.h"
#include "testing/MessagePump.h"
#include "testing/TempFolder.h"

using testsupport::PumpPending;
using testsupport::PumpUntil;
using testsupport::TempFolder;

// A 24-bit bottom-up BMP file; with a depth of 1, 4 or 8, a paletted one
// whose pixel rule gives the index into the colour table.
void WriteBmp(const std::string& path, int width, int height, const std::function<COLORREF(int, int)>& pixel,
              bool topDown = false, int depth = 24, const std::vector<COLORREF>& table = {});
void WriteText(const std::string& path, const std::string& text);

struct RecordedMessage {
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
};

// A top-level host for controls: reflects owner-draw and notifications back
// to them and records every message in the given set.
class RecordingHost : public Window {
public:
    explicit RecordingHost(std::vector<UINT> recorded = {});
    bool Create(int width = 400, int height = 300);

    std::vector<RecordedMessage> Messages(UINT message) const;
    const std::vector<RecordedMessage>& All() const { return m_messages; }
    void Clear() { m_messages.clear(); }
    void Record(UINT message) { m_recorded.push_back(message); }

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    std::vector<UINT> m_recorded;
    std::vector<RecordedMessage> m_messages;
};

// Rectangles compare and print whole in expectations.
inline bool operator==(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
inline std::ostream& operator<<(std::ostream& out, const RECT& r) {
    return out << "{" << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << "}";
}

// The colour at a client point of a window, painted with WM_PRINTCLIENT into
// a memory surface (no dependence on what is on the screen).
COLORREF PrintedPixel(HWND window, int x, int y);
