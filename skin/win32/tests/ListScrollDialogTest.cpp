// Skin list editing and notices, the skinned scroll bar, and skinned dialogs
// ignoring Enter and Escape.
#include <gtest/gtest.h>

#include "TestSupport.h"
#include "skin/core/SkinMessages.h"
#include "skin/win32/SkinList.h"
#include "skin/win32/SkinScrollBar.h"
#include "skin/win32/SkinnedWindow.h"

namespace {
class ListTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_host.Create());
        ASSERT_TRUE(m_list.Create(m_host.Handle(), RECT{10, 10, 200, 200}, 77));
        m_list.SetTag(600);
        m_list.SetKeepOpen(true);
        m_list.AddRow("alpha", 11);
        m_list.AddRow("beta", 22);
        m_list.AddRow("gamma", 33);
    }
    std::vector<std::string> Texts() const {
        std::vector<std::string> texts;
        for (size_t i = 0; i < m_list.RowCount(); ++i) texts.push_back(m_list.RowText(i));
        return texts;
    }
    // Types into the open in-place edit and presses a key there.
    void FinishEdit(const char* text, WPARAM key) {
        HWND edit = m_list.EditHandle();
        ASSERT_NE(edit, nullptr);
        SetWindowTextA(edit, text);
        SendMessageA(edit, WM_KEYDOWN, key, 0);
        ASSERT_TRUE(PumpUntil([&] { return !m_list.Editing(); }));
    }

    RecordingHost m_host{{MSG_LIST_RENAMED, MSG_LIST_CONTEXT, WM_CLOSE}};
    SkinList m_list;
};
}  // namespace

TEST_F(ListTest, RenameCommitsAndReports) {
    m_list.Select(1);
    ASSERT_TRUE(m_list.BeginRename());
    EXPECT_EQ(GetFocus(), m_list.EditHandle());
    FinishEdit("delta", VK_RETURN);
    EXPECT_EQ(Texts(), (std::vector<std::string>{"alpha", "delta", "gamma"}));
    EXPECT_EQ(m_list.RowValue(1), 22u);
    EXPECT_EQ(m_list.SelectedRow(), 1);
    EXPECT_EQ(m_list.EditHandle(), nullptr);
    ASSERT_TRUE(PumpUntil([&] { return !m_host.Messages(MSG_LIST_RENAMED).empty(); }));
    auto renamed = m_host.Messages(MSG_LIST_RENAMED);
    ASSERT_EQ(renamed.size(), 1u);
    EXPECT_EQ(renamed[0].wParam, 1u);
    EXPECT_EQ(renamed[0].lParam, 600);
}

TEST_F(ListTest, EditOutcomes) {
    struct Case {
        const char* name;
        bool newRow;
        const char* typed;
        WPARAM key;
        std::vector<std::string> rows;
        bool reported;
    };
    const Case cases[] = {
        // Renaming to an empty text removes the row and tells nobody.
        {"empty rename", false, "", VK_RETURN, {"alpha", "gamma"}, false},
        // Escape keeps a renamed row as it was.
        {"rename escaped", false, "zeta", VK_ESCAPE, {"alpha", "beta", "gamma"}, false},
        // A new row committed with text is kept at the end.
        {"new row", true, "omega", VK_RETURN, {"alpha", "beta", "gamma", "omega"}, true},
        // Escape cancels a new row.
        {"new row escaped", true, "omega", VK_ESCAPE, {"alpha", "beta", "gamma"}, false},
        // The new row's text is cut at 15 characters.
        {"long new row", true, "abcdefghijklmnopqrst", VK_RETURN, {"alpha", "beta", "gamma", "abcdefghijklmno"},
         true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        m_list.Clear();
        m_list.AddRow("alpha", 11);
        m_list.AddRow("beta", 22);
        m_list.AddRow("gamma", 33);
        m_host.Clear();
        if (c.newRow) {
            ASSERT_TRUE(m_list.BeginNewRow());
        } else {
            m_list.Select(1);
            ASSERT_TRUE(m_list.BeginRename());
        }
        FinishEdit(c.typed, c.key);
        EXPECT_EQ(Texts(), c.rows);
        PumpPending();
        EXPECT_EQ(m_host.Messages(MSG_LIST_RENAMED).empty(), !c.reported);
    }
}

TEST_F(ListTest, FocusBackToListCommits) {
    m_list.Select(0);
    ASSERT_TRUE(m_list.BeginRename());
    SetWindowTextA(m_list.EditHandle(), "first");
    SetFocus(m_list.Handle());
    ASSERT_TRUE(PumpUntil([&] { return !m_list.Editing(); }));
    EXPECT_EQ(m_list.RowText(0), "first");
}

TEST_F(ListTest, RightButtonSelectsRowAndAsksForContextMenu) {
    RECT row{};
    SendMessageA(m_list.Handle(), LB_GETITEMRECT, 2, reinterpret_cast<LPARAM>(&row));
    SendMessageA(m_list.Handle(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(row.left + 5, row.top + 2));
    ASSERT_TRUE(PumpUntil([&] { return !m_host.Messages(MSG_LIST_CONTEXT).empty(); }));
    EXPECT_EQ(m_host.Messages(MSG_LIST_CONTEXT)[0].lParam, 600);
    EXPECT_EQ(m_list.SelectedRow(), 2);
}

TEST_F(ListTest, DropDownHidesParentWhenFocusGoesElsewhere) {
    RecordingHost other;
    ASSERT_TRUE(other.Create());
    m_list.SetKeepOpen(false);
    SetFocus(m_list.Handle());
    // Focus into its own in-place edit keeps the drop-down open.
    m_list.Select(0);
    ASSERT_TRUE(m_list.BeginRename());
    EXPECT_TRUE(IsWindowVisible(m_host.Handle()));
    FinishEdit("alpha", VK_RETURN);
    SetFocus(m_list.Handle());
    SetFocus(other.Handle());
    EXPECT_FALSE(IsWindowVisible(m_host.Handle()));
    ASSERT_TRUE(PumpUntil([&] { return !m_host.Messages(WM_CLOSE).empty(); }));
}

TEST(SkinScrollBar, PressesAndThumbDragReachTheParent) {
    RecordingHost host{{WM_VSCROLL}};
    ASSERT_TRUE(host.Create());
    SkinScrollBar bar;
    // W = 20, L = 200, T = 160; range 0..99 with page 10: thumb 16 pixels.
    ASSERT_TRUE(bar.Create(host.Handle(), RECT{0, 0, 20, 200}, 9, SBS_VERT));
    bar.SetRange(0, 99);
    bar.SetPage(10);
    bar.SetPosition(0);
    struct Case {
        const char* name;
        int y;
        WORD code;
    };
    const Case cases[] = {
        {"line up arrow", 5, SB_LINEUP},
        {"line down arrow", 195, SB_LINEDOWN},
        {"page down area", 100, SB_PAGEDOWN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.Clear();
        SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, c.y));
        EXPECT_EQ(GetCapture(), bar.Handle());
        SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, c.y));
        EXPECT_EQ(GetCapture(), nullptr);
        auto scrolls = host.Messages(WM_VSCROLL);
        ASSERT_EQ(scrolls.size(), 1u);
        EXPECT_EQ(LOWORD(scrolls[0].wParam), c.code);
        EXPECT_EQ(reinterpret_cast<HWND>(scrolls[0].lParam), bar.Handle());
    }
    // Thumb at the track start (20..36): drag 72 pixels = half of T - thumb (144).
    host.Clear();
    SendMessageA(bar.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 25));
    SendMessageA(bar.Handle(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(10, 97));
    SendMessageA(bar.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(10, 97));
    auto scrolls = host.Messages(WM_VSCROLL);
    ASSERT_EQ(scrolls.size(), 2u);
    EXPECT_EQ(scrolls[0].wParam, MAKEWPARAM(SB_THUMBTRACK, 45));  // 90 * 72 / 144
    EXPECT_EQ(scrolls[1].wParam, MAKEWPARAM(SB_THUMBPOSITION, 45));
}

namespace {
// Posts Enter and Escape to itself once running, then checks it is still
// running and ends with its own OK button.
class KeyTestDialog : public SkinnedDialog {
public:
    bool stillRunning = false;
    SkinButton* ok = nullptr;

protected:
    std::string SkinFileName() const override { return "absent_skin.ini"; }
    void CreateControls(WindowSkin& skin) override { ok = skin.AddButton(1); }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override {
        if (message == WM_INITDIALOG) {
            PostMessageA(Handle(), WM_KEYDOWN, VK_ESCAPE, 0);
            PostMessageA(Handle(), WM_KEYDOWN, VK_RETURN, 0);
            PostMessageA(Handle(), WM_APP + 50, 0, 0);
            return TRUE;
        }
        if (message == WM_APP + 50) {
            stillRunning = IsModalRunning();
            PostMessageA(Handle(), WM_COMMAND, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(ok->Handle()));
            return 0;
        }
        if (message == WM_COMMAND && ok && reinterpret_cast<HWND>(lParam) == ok->Handle()) {
            EndModal(IDOK);
            return 0;
        }
        return SkinnedDialog::HandleMessage(message, wParam, lParam);
    }
};
}  // namespace

TEST(SkinnedDialog, EnterAndEscapeDoNotEndIt) {
    TempFolder folder;
    SetSkinFolder(folder.Path());
    RecordingHost owner;
    ASSERT_TRUE(owner.Create());
    KeyTestDialog dialog;
    EXPECT_EQ(dialog.RunModal(owner.Handle()), IDOK);
    EXPECT_TRUE(dialog.stillRunning);
    EXPECT_EQ(dialog.Handle(), nullptr);
    EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
}

TEST(SkinnedDialog, SwallowsOnlyEnterAndEscapeKeyDowns) {
    RecordingHost dialog;
    ASSERT_TRUE(dialog.Create());
    HWND child = CreateWindowExA(0, "STATIC", "", WS_CHILD, 0, 0, 1, 1, dialog.Handle(), nullptr, nullptr, nullptr);
    struct Case {
        UINT message;
        WPARAM key;
        HWND target;
        bool swallowed;
    };
    const Case cases[] = {
        {WM_KEYDOWN, VK_RETURN, dialog.Handle(), true},
        {WM_KEYDOWN, VK_ESCAPE, child, true},
        {WM_KEYUP, VK_RETURN, child, false},      // releases pass
        {WM_KEYDOWN, VK_TAB, dialog.Handle(), false},
        {WM_KEYDOWN, VK_RETURN, nullptr, false},  // not the dialog's
    };
    for (const Case& c : cases) {
        MSG message{c.target, c.message, c.key, 0, 0, {0, 0}};
        EXPECT_EQ(IsSwallowedDialogKey(dialog.Handle(), message), c.swallowed) << c.key;
    }
}
