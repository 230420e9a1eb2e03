// A fixture with the program's main dialog created, as start-up creates
// it: a message loop registered for the thread and the English pack chosen.
#pragma once

#include <gtest/gtest.h>

#include <memory>

#include "app/language.h"
#include "tests/unit/test_support.h"
#include "ui/main_dlg.h"

template <class TDlg>
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::vector<unsigned char> pack = ResourceBytes(253, L"INI");
        ASSERT_TRUE(WriteBytes(folder.File(L"English.ini"), pack.data(), pack.size()));
        lang = std::make_unique<ScopedLangFile>(folder.File(L"English.ini"));
        g_Module.AddMessageLoop(&loop);
        ASSERT_NE(dlg.Create(::GetModuleHandleW(nullptr)), nullptr);
    }
    void TearDown() override {
        if (dlg.IsWindow()) dlg.DestroyWindow();
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE)) {
        }
        g_Module.RemoveMessageLoop();
    }
    // The exit routine ran: the window is gone and the quit code is 1000.
    void ExpectClosedWith1000() {
        EXPECT_FALSE(dlg.IsWindow());
        MSG msg{};
        ASSERT_TRUE(::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
        EXPECT_EQ(msg.wParam, 1000u);
    }
    bool QuitPosted() {
        MSG msg;
        return ::PeekMessageW(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE) != FALSE;
    }

    TempFolder folder;
    std::unique_ptr<ScopedLangFile> lang;
    CMessageLoop loop;
    TDlg dlg;
};
