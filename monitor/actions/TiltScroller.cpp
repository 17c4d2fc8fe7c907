#include "monitor/actions/TiltScroller.h"

#include "monitor/actions/ActionConstants.h"
#include "profile/TiltSpeed.h"

#include <cstdlib>

namespace actions {

namespace {

struct KindRow {
    const char* ClassName;
    ScrollKind Kind;
};
constexpr KindRow kKinds[] = {
    {"_WwG", ScrollKind::ScrollBarOwner},
    {"AVL_AVView", ScrollKind::ScrollBarOwner},
    {"paneClassDC", ScrollKind::ScrollBarOwner},
    {"VISIOG", ScrollKind::ScrollBarOwner},
    {"PSViewC", ScrollKind::ScrollBarOwner},
    {"EditControl", ScrollKind::ScrollBarOwner},
    {"FrontPageEditorDocumentView", ScrollKind::ScrollBarOwner},
    {"OGrid", ScrollKind::ScrollBarOwner},
    {"OFormSub", ScrollKind::ScrollBarOwner},
    {"OPrtPrevPage", ScrollKind::ScrollBarOwner},
    {"EXCEL7", ScrollKind::Click},
    {"MozillaWindowClass", ScrollKind::Browser},
};

constexpr char kDesktopIconsClass[] = "SysListView32";
constexpr char kDesktopClass[] = "Progman";
constexpr char kScrollBarClass[] = "ScrollBar";
constexpr char kOfficeScrollBarClass[] = "NUIScrollbar";
constexpr char kAcrobatScrollBarClass[] = "AVL_AVScrollBar";
constexpr char kBrowserClass[] = "MozillaWindowClass";
constexpr char kExplorerClass[] = "Internet Explorer_Server";
constexpr const char* kPaneClasses[] = {"paneClassDC", "VISIOG"};
constexpr const char* kMfcClasses[] = {"AfxWnd70", "AfxWnd42"};

// Browser arrow keys with their lParam words.
constexpr intptr_t kLeftDown = 0x014B0001;
constexpr intptr_t kLeftUp = static_cast<intptr_t>(0xC14B0001u);
constexpr intptr_t kRightDown = 0x014D0001;
constexpr intptr_t kRightUp = static_cast<intptr_t>(0xC14D0001u);

bool IsScrollBarClass(const std::string& name) { return name == kScrollBarClass || name == kOfficeScrollBarClass; }

bool IsOneOf(const std::string& name, const char* const* names, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        if (name == names[i]) return true;
    }
    return false;
}

}  // namespace

ScrollKind ScrollKindOfClass(const std::string& className) {
    for (const KindRow& row : kKinds) {
        if (className == row.ClassName) return row.Kind;
    }
    return ScrollKind::Plain;
}

bool TiltScroller::IsExcluded(WindowId window) {
    if (!window || window == m_windows.DesktopWindow()) return true;
    if (m_windows.ClassName(window) != kDesktopIconsClass) return false;
    for (WindowId ancestor = m_windows.Parent(window); ancestor; ancestor = m_windows.Parent(ancestor)) {
        if (m_windows.ClassName(ancestor) == kDesktopClass) return true;
    }
    return false;
}

bool TiltScroller::HorizontallyScrollable(WindowId window) {
    const std::string name = m_windows.ClassName(window);
    if (name == kExplorerClass) return true;
    if (IsScrollBarClass(name)) {
        const WindowRect rect = m_windows.Rect(window);
        return rect.Right - rect.Left > rect.Bottom - rect.Top && m_cursor.X < rect.Right;
    }
    return (m_windows.Style(window) & kStyleHScroll) != 0;
}

bool TiltScroller::PassesScrollBarTest(WindowId window) {
    return (m_windows.Style(window) & (kSbsVert | kSbsSizeBox)) == 0;
}

WindowId TiltScroller::ScrollBarOfAcrobat(WindowId window) {
    for (WindowId child = m_windows.FirstChild(window); child; child = m_windows.NextSibling(child)) {
        if (m_windows.ClassName(child) == kScrollBarClass && PassesScrollBarTest(child)) return child;
    }
    return 0;
}

WindowId TiltScroller::ChildSearch(WindowId window) {
    const WindowId child = m_windows.FirstChild(window);
    if (!child) return 0;
    if (HorizontallyScrollable(child)) return child;
    return SiblingSearch(child);
}

WindowId TiltScroller::SiblingSearch(WindowId window) {
    for (WindowId sibling = m_windows.NextSibling(window); sibling; sibling = m_windows.NextSibling(sibling)) {
        const std::string name = m_windows.ClassName(sibling);
        if (name == kAcrobatScrollBarClass) {
            if (WindowId bar = ScrollBarOfAcrobat(sibling)) return bar;
        } else if (IsScrollBarClass(name) && HorizontallyScrollable(sibling)) {
            return sibling;
        }
    }
    for (WindowId sibling = m_windows.PreviousSibling(window); sibling;
         sibling = m_windows.PreviousSibling(sibling)) {
        const std::string name = m_windows.ClassName(sibling);
        if (name == kAcrobatScrollBarClass) {
            if (WindowId bar = ScrollBarOfAcrobat(sibling)) return bar;
        } else if (name == kScrollBarClass && HorizontallyScrollable(sibling)) {
            return sibling;
        } else if (IsOneOf(name, kMfcClasses, std::size(kMfcClasses))) {
            if (WindowId found = ChildSearch(sibling)) return found;
        }
    }
    return 0;
}

WindowId TiltScroller::PaneSearch(WindowId pane) {
    const WindowRect paneRect = m_windows.Rect(pane);
    const WindowId parent = m_windows.Parent(pane);
    if (!parent) return 0;
    for (WindowId child = m_windows.FirstChild(parent); child; child = m_windows.NextSibling(child)) {
        if (!IsScrollBarClass(m_windows.ClassName(child)) || !HorizontallyScrollable(child)) continue;
        const WindowRect rect = m_windows.Rect(child);
        if (rect.Left >= paneRect.Left - kPaneTolerance && rect.Right <= paneRect.Right + kPaneTolerance) return child;
    }
    return 0;
}

WindowId TiltScroller::Target(WindowId window) {
    if (IsExcluded(window)) return 0;
    WindowId pointed = m_windows.ChildAt(window, m_cursor);
    if (!pointed) pointed = window;
    const std::string name = m_windows.ClassName(pointed);
    if (name == kBrowserClass) {
        if (WindowId parent = m_windows.Parent(pointed)) return parent;
    } else if (HorizontallyScrollable(pointed)) {
        return pointed;
    }
    if (name != kScrollBarClass) {
        if (WindowId found = ChildSearch(pointed)) return found;
        if (WindowId found = SiblingSearch(pointed)) return found;
    }
    if (IsOneOf(name, kPaneClasses, std::size(kPaneClasses))) return PaneSearch(pointed);
    return 0;
}

void TiltScroller::Step(int step) {
    if (step == 0) return;
    m_cursor = m_input.CursorPosition();
    const WindowId window = m_windows.WindowAt(m_cursor);
    if (IsExcluded(window)) return;
    const ScrollKind kind = ScrollKindOfClass(m_windows.ClassName(window));
    // A damaged TiltSpeed would flood the window (and could overflow here).
    const int repetitions = std::abs(step) * EffectiveTiltSpeed(CurrentProfile(m_host.Settings()).TiltSpeed);
    const WindowId target = Target(window);
    if (!target || repetitions <= 0) return;
    const uintptr_t lineCode = step > 0 ? kSbLineLeft : kSbLineRight;
    switch (kind) {
    case ScrollKind::ScrollBarOwner:
        for (int i = 0; i < repetitions; ++i) {
            m_windows.Post(m_windows.Parent(target), kWmHScroll, lineCode, static_cast<intptr_t>(target));
        }
        return;
    case ScrollKind::Click: Click(target, step, repetitions); return;
    case ScrollKind::Browser:
        for (int i = 0; i < repetitions; ++i) {
            const bool left = step > 0;
            m_windows.Post(target, kWmKeyDown, left ? kVkLeft : kVkRight, left ? kLeftDown : kRightDown);
            m_windows.Post(target, kWmKeyUp, left ? kVkLeft : kVkRight, left ? kLeftUp : kRightUp);
        }
        return;
    case ScrollKind::Plain:
        for (int i = 0; i < repetitions; ++i) m_windows.Post(window, kWmHScroll, lineCode, 0);
        return;
    }
}

void TiltScroller::Click(WindowId target, int step, int repetitions) {
    const ScreenPoint saved = m_cursor;
    const WindowRect rect = m_windows.Rect(target);
    m_input.MoveCursor(step > 0 ? ScreenPoint{rect.Left + kClickInset, rect.Top + kClickInset}
                                : ScreenPoint{rect.Right - kClickInset, rect.Top + kClickInset});
    const bool swapped = m_input.ButtonsSwapped();
    for (int i = 0; i < repetitions; ++i) {
        m_input.MouseEvent(swapped ? kMouseRightDown : kMouseLeftDown, 0, 0);
        m_input.MouseEvent(swapped ? kMouseRightUp : kMouseLeftUp, 0, 0);
    }
    m_input.MoveCursor(saved);
}

}  // namespace actions
