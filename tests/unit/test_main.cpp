// Test entry: the process set up as the program sets itself up, so that
// dialogs from the program's template and its message loop work here too.
#include <windows.h>
#include <commctrl.h>
#include "platform/gdiplus_include.h"
#include <objbase.h>

#include <gtest/gtest.h>

#include "platform/app_module.h"

int main(int argc, char** argv) {
    ::testing::InitGoogleTest(&argc, argv);
    ::CoInitialize(nullptr);
    Gdiplus::GdiplusStartupInput input;
    ULONG_PTR token = 0;
    Gdiplus::GdiplusStartup(&token, &input, nullptr);
    INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
    ::InitCommonControlsEx(&icc);
    g_Module.Init(::GetModuleHandleW(nullptr));

    int result = RUN_ALL_TESTS();

    g_Module.Term();
    Gdiplus::GdiplusShutdown(token);
    ::CoUninitialize();
    return result;
}
