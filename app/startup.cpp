#include "app/startup.h"

#include "platform/scoped.h"
#include "ui/main_dlg.h"

const wchar_t kCompatKeyPath[] =
    L"Software\\Microsoft\\Windows NT\\CurrentVersion\\AppCompatFlags\\Compatibility Assistant\\Persisted";

int RunMainDialog(LPWSTR /*cmdLine*/, int nCmdShow) {
    CMessageLoop loop;
    g_Module.AddMessageLoop(&loop);

    int result = 0;
    {
        CMainDlg dlg;
        if (dlg.Create(g_Module.GetResourceInstance()) != nullptr) {
            dlg.ShowWindow(nCmdShow);
            result = loop.Run();
        }
    }
    g_Module.RemoveMessageLoop();
    return result;
}

bool SetCompatFlag() {
    ScopedRegKey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kCompatKeyPath, 0, KEY_READ | KEY_WRITE, key.Receive()) != ERROR_SUCCESS) {
        return false;  // never created: only an existing list is added to
    }
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    const DWORD one = 1;
    return ::RegSetValueExW(key.Get(), path, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&one), sizeof(one)) ==
           ERROR_SUCCESS;
}

void RestrictDllSearchToSystem() {
    // Looked up by name: systems without the call simply keep their default.
    using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
    HMODULE kernel = ::GetModuleHandleW(L"kernel32.dll");
    auto fn = reinterpret_cast<SetDefaultDllDirectoriesFn>(
        reinterpret_cast<void*>(::GetProcAddress(kernel, "SetDefaultDllDirectories")));
    if (fn != nullptr) fn(LOAD_LIBRARY_SEARCH_SYSTEM32);
}
