// The template layer: message loop and registry, dispatch order and the
// handled flag, the dialog procedure's result rules, reflection.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/app_module.h"
#include "platform/dialog_impl.h"
#include "platform/message_map.h"
#include "res/resource.h"

namespace {

TEST(MessageLoop, WhichMessagesStartAnIdlePass) {
    struct Case {
        UINT message;
        bool idle;
    } cases[] = {
        {WM_MOUSEMOVE, false}, {WM_NCMOUSEMOVE, false}, {WM_PAINT, false}, {0x0118, false},
        {WM_LBUTTONDOWN, true}, {WM_KEYDOWN, true},     {WM_TIMER, true},  {WM_USER + 200, true},
        {WM_NCLBUTTONDOWN, true}, {WM_MOUSEWHEEL, true},
    };
    for (const Case& c : cases) {
        MSG msg{};
        msg.message = c.message;
        EXPECT_EQ(IsIdleMessage(msg), c.idle) << c.message;
    }
}

class Recorder : public CMessageFilter, public CIdleHandler {
public:
    Recorder(std::vector<std::wstring>* log, const wchar_t* name, bool consume)
        : m_log(log), m_name(name), m_consume(consume) {}
    BOOL PreTranslateMessage(MSG* pMsg) override {
        if (pMsg->message == WM_APP) m_log->push_back(m_name + L" filter");
        return m_consume && pMsg->message == WM_APP;
    }
    BOOL OnIdle() override {
        m_log->push_back(m_name + L" idle");
        return TRUE;
    }

private:
    std::vector<std::wstring>* m_log;
    std::wstring m_name;
    bool m_consume;
};

TEST(MessageLoop, FiltersLatestFirstIdleInOrderQuitCodeReturned) {
    std::vector<std::wstring> log;
    Recorder first(&log, L"first", false), second(&log, L"second", false), third(&log, L"third", true);
    CMessageLoop loop;
    loop.AddMessageFilter(&first);
    loop.AddMessageFilter(&second);
    loop.AddMessageFilter(&third);
    loop.AddIdleHandler(&first);
    loop.AddIdleHandler(&second);
    EXPECT_TRUE(loop.RemoveIdleHandler(&second));
    EXPECT_FALSE(loop.RemoveIdleHandler(&third)) << "removing what is not registered does nothing";
    loop.AddIdleHandler(&second);

    ::PostThreadMessageW(::GetCurrentThreadId(), WM_APP, 0, 0);
    ::PostQuitMessage(1000);
    EXPECT_EQ(loop.Run(), 1000);

    // Both messages were waiting, so no idle pass ran before them; the third
    // filter (registered last) took WM_APP before the others saw it.
    std::vector<std::wstring> expected = {L"third filter"};
    EXPECT_EQ(log, expected);
}

TEST(MessageLoop, OneIdlePassPerIdlePeriodInRegistrationOrder) {
    std::vector<std::wstring> log;
    Recorder first(&log, L"first", false), second(&log, L"second", false);
    CMessageLoop loop;
    loop.AddIdleHandler(&first);
    loop.AddIdleHandler(&second);

    // A posted message arrives after the first idle pass; it starts one more.
    struct Poster : CIdleHandler {
        int passes = 0;
        BOOL OnIdle() override {
            ++passes;
            ::PostThreadMessageW(::GetCurrentThreadId(), passes == 1 ? WM_APP + 1 : WM_QUIT, 7, 0);
            return TRUE;
        }
    } poster;
    loop.AddIdleHandler(&poster);
    EXPECT_EQ(loop.Run(), 7);
    std::vector<std::wstring> expected = {L"first idle", L"second idle", L"first idle", L"second idle"};
    EXPECT_EQ(log, expected);
    EXPECT_EQ(poster.passes, 2);
}

TEST(AppModule, RegistryMapsEachThreadToItsLoop) {
    CAppModule module;
    CMessageLoop loop;
    EXPECT_FALSE(module.AddMessageLoop(&loop)) << "no registry before Init";
    module.Init(::GetModuleHandleW(nullptr));
    EXPECT_TRUE(module.AddMessageLoop(&loop));
    EXPECT_EQ(module.GetMessageLoop(), &loop);

    struct Other {
        static DWORD WINAPI Proc(void* p) {
            auto* m = static_cast<CAppModule*>(p);
            return m->GetMessageLoop() == nullptr ? 1 : 0;
        }
    };
    HANDLE t = ::CreateThread(nullptr, 0, Other::Proc, &module, 0, nullptr);
    ::WaitForSingleObject(t, 10000);
    DWORD otherSawNone = 0;
    ::GetExitCodeThread(t, &otherSawNone);
    ::CloseHandle(t);
    EXPECT_EQ(otherSawNone, 1u);

    EXPECT_TRUE(module.RemoveMessageLoop());
    EXPECT_EQ(module.GetMessageLoop(), nullptr);
    module.Term();
    EXPECT_EQ(module.GetMessageLoop(), nullptr);
}

// A dialog on the program's template whose handlers answer fixed results.
class ProbeDlg : public CDialogImpl<ProbeDlg> {
public:
    enum { IDD = IDD_MAINDLG };
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                              DWORD) override;
    LRESULT OnCtlColorStatic(UINT, WPARAM, LPARAM, BOOL&) { return reinterpret_cast<LRESULT>(brush); }
    LRESULT OnHitTest(POINT pt, BOOL&) {
        lastPoint = pt;
        return HTCAPTION;
    }
    LRESULT OnFirstTimerLook(UINT, WPARAM, LPARAM, BOOL& handled) {
        handled = FALSE;  // passes the message on to the later entries
        ++firstLooks;
        return 0;
    }
    void OnTimer(UINT_PTR id, BOOL&) { lastTimer = id; }
    LRESULT OnCommandA(WORD code, WORD, HWND, BOOL&) {
        lastCode = code;
        ++commandsA;
        return 0;
    }

    HBRUSH brush = static_cast<HBRUSH>(::GetStockObject(GRAY_BRUSH));
    POINT lastPoint{};
    UINT_PTR lastTimer = 0;
    int firstLooks = 0;
    int commandsA = 0;
    WORD lastCode = 0;

private:
    using Entry = MessageMapEntry<ProbeDlg>;
    static const Entry kMap[];
};
const ProbeDlg::Entry ProbeDlg::kMap[] = {
    Entry::Message(WM_CTLCOLORSTATIC, &ProbeDlg::OnCtlColorStatic),
    Entry::NcHitTest(&ProbeDlg::OnHitTest),
    Entry::Message(WM_TIMER, &ProbeDlg::OnFirstTimerLook),
    Entry::Timer(&ProbeDlg::OnTimer),
    Entry::Command(IDC_BTN_INSTALL, &ProbeDlg::OnCommandA),
    Entry::Reflect(),
};
BOOL ProbeDlg::ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult, DWORD) {
    return DispatchMessageMap(this, kMap, hWnd, uMsg, wParam, lParam, lResult);
}

class ProbeDlgTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_NE(dlg.Create(::GetModuleHandleW(nullptr)), nullptr); }
    void TearDown() override {
        if (dlg.IsWindow()) dlg.DestroyWindow();
    }
    ProbeDlg dlg;
};

TEST_F(ProbeDlgTest, ColourBrushReachesTheSystemDirectly) {
    HWND label = dlg.GetDlgItem(IDC_STATIC_PATH);
    HDC dc = ::GetDC(label);
    LRESULT r = dlg.SendMessage(WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(label));
    ::ReleaseDC(label, dc);
    EXPECT_EQ(r, reinterpret_cast<LRESULT>(dlg.brush));
}

TEST_F(ProbeDlgTest, HitTestCodeReachesTheSystemAsTheMessageResult) {
    LRESULT r = dlg.SendMessage(WM_NCHITTEST, 0, MAKELPARAM(static_cast<WORD>(-5), 300));
    EXPECT_EQ(r, HTCAPTION);
    EXPECT_EQ(dlg.lastPoint.x, -5) << "coordinates are signed halves of lParam";
    EXPECT_EQ(dlg.lastPoint.y, 300);
}

TEST_F(ProbeDlgTest, UnhandledEntryPassesTheMessageToLaterEntries) {
    dlg.SendMessage(WM_TIMER, 3395, 0);
    EXPECT_EQ(dlg.firstLooks, 1);
    EXPECT_EQ(dlg.lastTimer, 3395u);
}

TEST_F(ProbeDlgTest, CommandEntriesIgnoreTheNotificationCode) {
    for (WORD code : {WORD(0), WORD(BN_DOUBLECLICKED), WORD(0xFFFF)}) {
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BTN_INSTALL, code), 0);
        EXPECT_EQ(dlg.lastCode, code);
    }
    EXPECT_EQ(dlg.commandsA, 3);
}

TEST(Reflection, TargetOfEachNotification) {
    HWND child = reinterpret_cast<HWND>(0x1234);
    DRAWITEMSTRUCT dis{};
    dis.hwndItem = child;
    NMHDR nm{child, 5, 0};
    struct Case {
        UINT msg;
        WPARAM wParam;
        LPARAM lParam;
        HWND target;
    } cases[] = {
        {WM_COMMAND, MAKEWPARAM(5, 0), reinterpret_cast<LPARAM>(child), child},
        {WM_COMMAND, MAKEWPARAM(5, 0), 0, nullptr},  // menu or accelerator
        {WM_NOTIFY, 5, reinterpret_cast<LPARAM>(&nm), child},
        {WM_DRAWITEM, 5, reinterpret_cast<LPARAM>(&dis), child},
        {WM_DRAWITEM, 0, reinterpret_cast<LPARAM>(&dis), nullptr},  // a menu item
        {WM_CTLCOLORSTATIC, 0, reinterpret_cast<LPARAM>(child), child},
        {WM_CTLCOLORBTN, 0, reinterpret_cast<LPARAM>(child), child},
        {WM_HSCROLL, 0, reinterpret_cast<LPARAM>(child), child},
        {WM_PARENTNOTIFY, MAKEWPARAM(WM_CREATE, 5), reinterpret_cast<LPARAM>(child), child},
        {WM_TIMER, 1, reinterpret_cast<LPARAM>(child), nullptr},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ReflectionTarget(nullptr, c.msg, c.wParam, c.lParam), c.target) << c.msg;
    }
}

TEST(DialogResult, DirectResultMessages) {
    for (UINT m : {WM_INITDIALOG, WM_COMPAREITEM, WM_VKEYTOITEM, WM_CHARTOITEM, WM_QUERYDRAGICON, WM_CTLCOLORMSGBOX,
                   WM_CTLCOLORSTATIC}) {
        EXPECT_TRUE(IsDialogDirectResult(m)) << m;
    }
    for (UINT m : {WM_NCHITTEST, WM_COMMAND, WM_DRAWITEM, WM_CLOSE}) EXPECT_FALSE(IsDialogDirectResult(m)) << m;
}

}  // namespace
