// The running-instance check against real processes: a small program that
// only sleeps, copied under the product's process name.
#include <gtest/gtest.h>

#include <memory>

#include "app/language.h"
#include "platform/scoped.h"
#include "setup/running_check.h"
#include "tests/unit/box_answerer.h"
#include "tests/unit/dialog_fixture.h"
#include "tests/unit/test_support.h"
#include "ui/main_dlg.h"

namespace {

TEST(ProcessName, WholeNameFoldingOnlyAsciiLetters) {
    struct Case {
        const wchar_t* running;
        bool matches;
    } cases[] = {
        {L"Brinmoraxel.exe", true},      {L"BRINMORAXEL.EXE", true},  {L"brinmoraxel.exe", true},
        {L"xBrinmoraxel.exe", false},    {L"Brinmoraxel.exe.bak", false}, {L"Brinmoraxel.ex", false},
        {L"Brinmoraxel.com", false},     {L" Brinmoraxel.exe", false}, {L"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(ProcessNameEquals(c.running, L"Brinmoraxel.exe"), c.matches) << c.running;
    // Letters outside A-Z are compared exactly.
    EXPECT_FALSE(ProcessNameEquals(L"\u00C9T\u00C9.exe", L"\u00E9t\u00E9.exe"));
    EXPECT_TRUE(ProcessNameEquals(L"\u00C9T\u00C9.EXE", L"\u00C9t\u00C9.exe"));
    EXPECT_FALSE(ProcessNameEquals(L"Brinmoraxel.exe", L"")) << "an empty name matches nothing";
}

// A copy of the sleeper under a chosen name, running until destroyed.
class FakeProduct {
public:
    FakeProduct(const TempFolder& folder, const std::wstring& name) : m_path(folder.File(name)) {
        std::wstring sleeper = ExeFolder() + L"\\helpers\\sleeper.exe";
        ::CopyFileW(sleeper.c_str(), m_path.c_str(), FALSE);
        Start();
    }
    ~FakeProduct() { Stop(); }
    void Start() {
        STARTUPINFOW si{};
        si.cb = sizeof(si);
        PROCESS_INFORMATION pi{};
        std::wstring cmd = L"\"" + m_path + L"\"";
        if (::CreateProcessW(m_path.c_str(), &cmd[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
            ::CloseHandle(pi.hThread);
            m_process.Reset(pi.hProcess);
        }
    }
    void Stop() {
        if (!m_process.IsValid()) return;
        ::TerminateProcess(m_process.Get(), 0);
        ::WaitForSingleObject(m_process.Get(), 30000);
        m_process.Reset();
    }
    bool Running() const { return m_process.IsValid(); }

private:
    std::wstring m_path;
    ScopedHandle m_process;
};

// Waits (bounded) until the process list shows `count` processes of that name.
bool WaitForCount(const std::wstring& name, int count) {
    for (int i = 0; i < 600; ++i) {
        if (CountRunningProcesses(name) == count) return true;
        ::Sleep(50);
    }
    return false;
}

using RunningCheckTest = DialogTest<CMainDlg>;

const wchar_t kFirst[] =
    L"Setup has detected that another Quorvel Brinmoraxel is currently running. Please close all instances of it now.";
const wchar_t kSecond[] = L"Installation failed. Please try again.";

// One test walks the scenarios in turn: they share the product's name, and
// tests of this executable may run side by side.
TEST_F(RunningCheckTest, ScenariosAgainstARealProcess) {
    const std::wstring name = L"Brinmoraxel.exe";
    ASSERT_TRUE(WaitForCount(name, 0)) << "nothing of that name runs before the test";

    {
        SCOPED_TRACE("no process: passes without a box");
        BoxAnswerer answerer(dlg, {});
        EXPECT_TRUE(dlg.CheckRunningProduct(name));
        EXPECT_TRUE(answerer.Seen().empty());
    }

    FakeProduct product(folder, L"BRINMORAXEL.EXE");  // found in other letter case
    ASSERT_TRUE(product.Running());
    ASSERT_TRUE(WaitForCount(name, 1));

    {
        SCOPED_TRACE("a copy with a longer name does not count");
        FakeProduct other(folder, L"xBrinmoraxel.exe");
        FakeProduct backup(folder, L"Brinmoraxel.exe.bak");
        ::Sleep(500);
        EXPECT_EQ(CountRunningProcesses(name), 1);
    }
    {
        SCOPED_TRACE("retry while it runs: second notice, then the first again; retry after it ended passes");
        BoxAnswerer answerer(dlg, {{IDRETRY, nullptr},
                                   {IDRETRY, nullptr},
                                   {IDRETRY, [&] {
                                        product.Stop();
                                        WaitForCount(name, 0);
                                    }}});
        EXPECT_TRUE(dlg.CheckRunningProduct(name));
        const auto& seen = answerer.Seen();
        ASSERT_EQ(seen.size(), 3u);
        EXPECT_EQ(seen[0].text, kFirst);
        EXPECT_EQ(seen[1].text, kSecond);
        EXPECT_EQ(seen[2].text, kFirst);
        for (const SeenBox& box : seen) {
            EXPECT_EQ(box.caption, L"Brinmoraxel Setup");
            EXPECT_EQ(box.buttons, static_cast<UINT>(MB_RETRYCANCEL));
        }
        // Exactly three boxes: no second notice after the product ended.
        EXPECT_TRUE(dlg.IsWindow());
    }

    product.Start();
    ASSERT_TRUE(WaitForCount(name, 1));
    {
        SCOPED_TRACE("closing the second notice counts as cancel and ends the program");
        BoxAnswerer answerer(dlg, {{IDRETRY, nullptr}, {0, nullptr}});
        EXPECT_FALSE(dlg.CheckRunningProduct(name));
        EXPECT_EQ(answerer.Seen().size(), 2u);
        ExpectClosedWith1000();
    }
}

TEST_F(RunningCheckTest, CancelAtTheFirstNoticeEndsTheProgram) {
    const std::wstring name = L"BrinmoraxelCancel.exe";  // its own name: may run beside the scenarios
    FakeProduct product(folder, name);
    ASSERT_TRUE(WaitForCount(name, 1));
    BoxAnswerer answerer(dlg, {{IDCANCEL, nullptr}});
    EXPECT_FALSE(dlg.CheckRunningProduct(name));
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].text, kFirst);
    ExpectClosedWith1000();
}

}  // namespace
