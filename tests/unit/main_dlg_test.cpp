// The main window as a real window: its dispatch, the close question, the
// exit routine and the report window of worker threads.
#include <gtest/gtest.h>

#include "app/language.h"
#include "platform/window_impl.h"
#include "tests/unit/box_answerer.h"
#include "tests/unit/dialog_fixture.h"
#include "tests/unit/test_support.h"
#include "ui/main_dlg.h"

namespace {

class TestMainDlg : public CMainDlg {
public:
    void SetPage(int page) { m_nPage = page; }
};

// Records what a child control receives.
class RecordingChild : public CWindowImpl<RecordingChild> {
public:
    BOOL ProcessWindowMessage(HWND, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult, DWORD) override {
        if (uMsg < OCM__BASE) return FALSE;
        lastMsg = uMsg;
        lastWParam = wParam;
        lastLParam = lParam;
        lResult = 0x1234;
        return TRUE;
    }
    UINT lastMsg = 0;
    WPARAM lastWParam = 0;
    LPARAM lastLParam = 0;
};

class MainDlgTest : public DialogTest<TestMainDlg> {
protected:
    LRESULT Command(WORD id, WORD code) {
        return dlg.SendMessage(WM_COMMAND, MAKEWPARAM(id, code), reinterpret_cast<LPARAM>(dlg.GetDlgItem(id)));
    }
};

TEST_F(MainDlgTest, InitialisationSizesCentresAndRegisters) {
    RECT rc{};
    dlg.GetWindowRect(&rc);
    EXPECT_EQ(rc.right - rc.left, 650);
    EXPECT_EQ(rc.bottom - rc.top, 360);
    EXPECT_TRUE(dlg.GetStyle() & WS_MINIMIZEBOX);
    EXPECT_FALSE(dlg.GetStyle() & WS_CAPTION);

    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    ::GetMonitorInfoW(::MonitorFromWindow(dlg, MONITOR_DEFAULTTONEAREST), &mi);
    POINT expected = CenterInWorkArea(SIZE{650, 360}, mi.rcWork);
    EXPECT_EQ(rc.left, expected.x);
    EXPECT_EQ(rc.top, expected.y);

    EXPECT_EQ(g_pMainDlg, &dlg);
    EXPECT_EQ(GetJobWindow(), dlg.m_hWnd);
    EXPECT_EQ(dlg.Page(), PAGE_SETUP);
    EXPECT_NE(dlg.SendMessage(WM_GETICON, ICON_BIG), 0);
    EXPECT_NE(dlg.SendMessage(WM_GETICON, ICON_SMALL), 0);
}

TEST_F(MainDlgTest, DestroyUnregistersAndDropsLateWorkerReports) {
    EXPECT_TRUE(PostJobMessage(WM_DOWN_PROGRESS, 0, 10));
    dlg.DestroyWindow();
    EXPECT_EQ(GetJobWindow(), nullptr);
    EXPECT_FALSE(PostJobMessage(WM_DOWN_PROGRESS, 0, 10)) << "a late report is dropped";
    // Neither filter nor idle handler is left in the loop: removing again fails.
    EXPECT_FALSE(loop.RemoveMessageFilter(&dlg));
    EXPECT_FALSE(loop.RemoveIdleHandler(&dlg));
}

TEST_F(MainDlgTest, CloseCommandWithAnyNotificationCodeAsksAndNoKeepsTheWindow) {
    for (WORD code : {WORD(BN_CLICKED), WORD(BN_DOUBLECLICKED), WORD(0x1234)}) {
        SCOPED_TRACE(code);
        BoxAnswerer answerer(dlg, {{IDNO, nullptr}});
        Command(IDC_BTN_CLOSE, code);
        const auto& seen = answerer.Seen();
        ASSERT_EQ(seen.size(), 1u);
        EXPECT_EQ(seen[0].caption, L"Brinmoraxel Setup");
        EXPECT_EQ(seen[0].text, L"Are you sure you want to quit Quorvel Brinmoraxel Setup?");
        EXPECT_EQ(seen[0].buttons, static_cast<UINT>(MB_YESNO));
        EXPECT_TRUE(dlg.IsWindow());
    }
    EXPECT_FALSE(QuitPosted());
}

TEST_F(MainDlgTest, CloseCommandYesDestroysTheWindowAndQuitsWith1000) {
    BoxAnswerer answerer(dlg, {{IDYES, nullptr}});
    Command(IDC_BTN_CLOSE, BN_CLICKED);
    ASSERT_EQ(answerer.Seen().size(), 1u);
    ExpectClosedWith1000();
}

TEST_F(MainDlgTest, WmCloseAsksOnTheSetupAndFinishPages) {
    for (int page : {PAGE_SETUP, PAGE_FINISHED}) {
        dlg.SetPage(page);
        BoxAnswerer answerer(dlg, {{IDNO, nullptr}});
        dlg.SendMessage(WM_CLOSE);
        ASSERT_EQ(answerer.Seen().size(), 1u) << page;
        EXPECT_EQ(answerer.Seen()[0].text, L"Are you sure you want to quit Quorvel Brinmoraxel Setup?");
        EXPECT_TRUE(dlg.IsWindow());
    }
}

TEST_F(MainDlgTest, WmCloseWhileInstallingHidesWithoutAQuestion) {
    dlg.ShowWindow(SW_SHOW);
    dlg.SetPage(PAGE_INSTALLING);
    BoxAnswerer answerer(dlg, {});
    dlg.SendMessage(WM_CLOSE);
    PumpMessages(300);
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_TRUE(dlg.IsWindow());
    EXPECT_FALSE(dlg.IsWindowVisible());
}

TEST_F(MainDlgTest, EscapeAndOkNeverCloseTheWindow) {
    dlg.ShowWindow(SW_SHOW);
    BoxAnswerer answerer(dlg, {});
    Command(IDCANCEL, BN_CLICKED);
    Command(IDOK, BN_CLICKED);
    // The key itself, through the dialog manager as the message loop offers it.
    ::SetFocus(dlg.GetDlgItem(IDC_EDIT_PATH));
    for (UINT m : {WM_KEYDOWN, WM_KEYUP}) {
        MSG msg{::GetFocus(), m, VK_ESCAPE, 0x00010001, 0, {0, 0}};
        if (!dlg.PreTranslateMessage(&msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    PumpMessages(300);
    EXPECT_TRUE(answerer.Seen().empty());
    EXPECT_TRUE(dlg.IsWindow());
    EXPECT_FALSE(QuitPosted());
}

TEST_F(MainDlgTest, DrawItemIsReflectedToTheItemWindow) {
    RecordingChild child;
    HWND hChild = dlg.GetDlgItem(IDC_BTN_HIDE);
    ASSERT_TRUE(child.SubclassWindow(hChild));
    DRAWITEMSTRUCT dis{};
    dis.CtlType = ODT_BUTTON;
    dis.CtlID = IDC_BTN_HIDE;
    dis.hwndItem = hChild;
    LRESULT result = dlg.SendMessage(WM_DRAWITEM, IDC_BTN_HIDE, reinterpret_cast<LPARAM>(&dis));
    EXPECT_EQ(child.lastMsg, 0x202Bu);
    EXPECT_EQ(child.lastWParam, static_cast<WPARAM>(IDC_BTN_HIDE));
    EXPECT_EQ(child.lastLParam, reinterpret_cast<LPARAM>(&dis));
    EXPECT_EQ(result, 0x1234) << "the item's own answer";
    child.UnsubclassWindow();
}

TEST_F(MainDlgTest, CommandsFromTheTemplateControlsReachTheirOwnerUntouched) {
    // A command from a control without an entry is reflected to that control.
    RecordingChild child;
    HWND hChild = dlg.GetDlgItem(IDC_EDIT_PATH);
    ASSERT_TRUE(child.SubclassWindow(hChild));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_EDIT_PATH, EN_CHANGE), reinterpret_cast<LPARAM>(hChild));
    EXPECT_EQ(child.lastMsg, OCM_COMMAND);
    child.UnsubclassWindow();
}

TEST(MainDlgMap, DispatchOrderEntryByEntry) {
    using Kind = MessageMapEntry<CMainDlg>::Kind;
    struct Expected {
        Kind kind;
        UINT message;
        UINT id;
    } expected[] = {
        {Kind::Message, WM_INITDIALOG, 0},   {Kind::Message, WM_DESTROY, 0},
        {Kind::NcHitTest, WM_NCHITTEST, 0},  {Kind::Message, 1224, 0},
        {Kind::Message, 1225, 0},            {Kind::Message, 1226, 0},
        {Kind::Message, 1227, 0},            {Kind::Message, 1228, 0},
        {Kind::Message, 1229, 0},            {Kind::Message, 1124, 0},
        {Kind::Message, WM_PAINT, 0},        {Kind::Message, WM_CTLCOLORSTATIC, 0},
        {Kind::Timer, WM_TIMER, 0},          {Kind::Close, WM_CLOSE, 0},
        {Kind::Command, WM_COMMAND, 1000},   {Kind::Command, WM_COMMAND, 1001},
        {Kind::Command, WM_COMMAND, 1002},   {Kind::Command, WM_COMMAND, 1005},
        {Kind::Command, WM_COMMAND, 1003},   {Kind::Command, WM_COMMAND, 1004},
        {Kind::Command, WM_COMMAND, 1014},   {Kind::Command, WM_COMMAND, 1015},
        {Kind::Command, WM_COMMAND, 1008},   {Kind::Reflect, 0, 0},
    };
    size_t count = 0;
    const MessageMapEntry<CMainDlg>* map = CMainDlg::GetMessageMap(&count);
    ASSERT_EQ(count, sizeof(expected) / sizeof(expected[0]));
    for (size_t i = 0; i < count; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(map[i].kind, expected[i].kind);
        EXPECT_EQ(map[i].message, expected[i].message);
        EXPECT_EQ(map[i].id, expected[i].id);
    }
}

}  // namespace
