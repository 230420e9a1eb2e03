// Process entry of the setup program.
#include <windows.h>
#include <commctrl.h>
#include "platform/gdiplus_include.h"
#include <objbase.h>

#include "app/language.h"
#include "app/startup.h"
#include "platform/app_module.h"

int WINAPI wWinMain(HINSTANCE hInstance, HINSTANCE /*hPrevInstance*/, LPWSTR lpCmdLine, int nCmdShow) {
    RestrictDllSearchToSystem();

    ::CoInitialize(nullptr);

    Gdiplus::GdiplusStartupInput gdiplusInput;  // version 1, no callback, background thread, codecs
    ULONG_PTR gdiplusToken = 0;
    Gdiplus::GdiplusStartup(&gdiplusToken, &gdiplusInput, nullptr);

    SetCompatFlag();
    WriteLanguagePacks();
    ChooseLanguagePack();

    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof(icc);
    icc.dwICC = ICC_BAR_CLASSES;
    ::InitCommonControlsEx(&icc);

    g_Module.Init(hInstance);
    int result = RunMainDialog(lpCmdLine, nCmdShow);
    g_Module.Term();

    Gdiplus::GdiplusShutdown(gdiplusToken);
    ::CoUninitialize();
    return result;
}
