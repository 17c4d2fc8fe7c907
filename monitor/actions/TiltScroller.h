// Tilt-wheel scrolling: finds the horizontal scroll bar belonging to the
// window under the pointer and drives it the way that works for that kind
// of window, `TiltSpeed` times per step.
#pragma once

#include "monitor/actions/EngineHost.h"
#include "monitor/actions/InputSynthesis.h"
#include "monitor/actions/WindowSystem.h"

namespace actions {

// How the window under the pointer is scrolled.
enum class ScrollKind { ScrollBarOwner, Click, Browser, Plain };

ScrollKind ScrollKindOfClass(const std::string& className);

// Pointer offset from the scroll bar's corner for the click kind.
constexpr int kClickInset = 5;
// How far a pane's scroll bar may reach beyond the pane on either side.
constexpr int kPaneTolerance = 25;

class TiltScroller {
public:
    TiltScroller(EngineHost& host, WindowSystem& windows, InputSynthesis& input)
        : m_host(host), m_windows(windows), m_input(input) {}

    // step: +1 left, -1 right.
    void Step(int step);

private:
    // The horizontal scroll target of the window under the cursor; 0 none.
    WindowId Target(WindowId window);
    bool IsExcluded(WindowId window);
    bool HorizontallyScrollable(WindowId window);
    bool PassesScrollBarTest(WindowId window);
    WindowId ScrollBarOfAcrobat(WindowId window);
    WindowId ChildSearch(WindowId window);
    WindowId SiblingSearch(WindowId window);
    WindowId PaneSearch(WindowId pane);
    void Click(WindowId target, int step, int repetitions);

    EngineHost& m_host;
    WindowSystem& m_windows;
    InputSynthesis& m_input;
    ScreenPoint m_cursor;
};

}  // namespace actions
