#include "setup/job.h"

#include <process.h>

#include <atomic>

CMainDlg* g_pMainDlg = nullptr;
std::wstring g_strDownHost;
std::wstring g_strDownObject;
std::wstring g_strDownBase;
std::wstring g_strInstallPath;
HANDLE g_hDownFile = INVALID_HANDLE_VALUE;
uint32_t g_nDownReceived = 0;
int g_nErrorShown = 0;

namespace {
std::atomic<HWND> g_hJobWindow{nullptr};
}

void PlanSegments(uint32_t size, DownSegment (&table)[SEGMENT_COUNT]) {
    const uint32_t length = size / SEGMENT_COUNT;
    for (int i = 0; i < SEGMENT_COUNT; ++i) {
        DownSegment& s = table[i];
        s.nIndex = i;
        s.nOffset = static_cast<uint32_t>(i) * length;
        s.nLength = (i == SEGMENT_COUNT - 1) ? size - (SEGMENT_COUNT - 1) * length : length;
        s.nReceived = 0;
        s.pBuffer = nullptr;
    }
}

void SetJobWindow(HWND hWnd) { g_hJobWindow.store(hWnd); }

HWND GetJobWindow() { return g_hJobWindow.load(); }

BOOL PostJobMessage(UINT msg, WPARAM wParam, LPARAM lParam) {
    HWND hWnd = g_hJobWindow.load();
    if (hWnd == nullptr) return FALSE;
    return ::PostMessageW(hWnd, msg, wParam, lParam);
}

bool StartWorkerThread(WorkerProc proc, void* arg) {
    uintptr_t h = ::_beginthreadex(nullptr, 0, proc, arg, 0, nullptr);
    if (h == 0) return false;
    ::CloseHandle(reinterpret_cast<HANDLE>(h));
    return true;
}
