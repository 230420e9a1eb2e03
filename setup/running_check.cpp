#include "setup/running_check.h"

#include <windows.h>
#include <tlhelp32.h>

#include "app/language.h"
#include "platform/scoped.h"
#include "setup/message_box.h"
#include "ui/main_dlg.h"

namespace {
wchar_t FoldAscii(wchar_t c) { return (c >= L'A' && c <= L'Z') ? static_cast<wchar_t>(c - L'A' + L'a') : c; }
}  // namespace

bool ProcessNameEquals(const wchar_t* a, const wchar_t* b) {
    for (; *a != L'\0' && *b != L'\0'; ++a, ++b) {
        if (FoldAscii(*a) != FoldAscii(*b)) return false;
    }
    return *a == *b;
}

int CountRunningProcesses(const std::wstring& name) {
    ScopedFile snapshot(::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
    if (!snapshot.IsValid()) return 0;
    PROCESSENTRY32W entry{};
    entry.dwSize = sizeof(entry);
    static_assert(sizeof(PROCESSENTRY32W) == 556, "the snapshot record of 32-bit Windows");
    int count = 0;
    for (BOOL more = ::Process32FirstW(snapshot.Get(), &entry); more; more = ::Process32NextW(snapshot.Get(), &entry)) {
        if (ProcessNameEquals(entry.szExeFile, name.c_str())) ++count;
    }
    return count;
}

bool CMainDlg::CheckRunningProduct(const std::wstring& processName) {
    for (;;) {
        if (CountRunningProcesses(processName) == 0) return true;
        if (ShowMessageBox(m_hWnd, GetLanStr(L"STR_NOTICE_PROCESS1"), GetLanStr(L"STR_SOFT_TIP"), MB_RETRYCANCEL) !=
            IDRETRY) {
            CloseDialog(EXIT_CODE_CLOSED);
            return false;
        }
        if (CountRunningProcesses(processName) == 0) return true;
        if (ShowMessageBox(m_hWnd, GetLanStr(L"STR_NOTICE_PROCESS2"), GetLanStr(L"STR_SOFT_TIP"), MB_RETRYCANCEL) !=
            IDRETRY) {
            CloseDialog(EXIT_CODE_CLOSED);
            return false;
        }
    }
}
