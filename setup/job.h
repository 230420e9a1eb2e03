// The install job's shared state: the segment record, the process-wide
// values worker threads read, and the one way threads are started and
// report to the window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "app/constants.h"

class CMainDlg;

// One byte range of the installer. Owned by one thread at a time: its
// download thread fills it, then the window thread hands it to a writer.
struct DownSegment {
    int32_t nIndex;      // 0..39, the lParam of every message about it
    uint32_t nOffset;    // first byte within the installer
    uint32_t nLength;    // bytes in the segment
    uint32_t nReceived;  // bytes already in pBuffer; a restart resumes here
    BYTE* pBuffer;       // nLength bytes; released once written
};

// Splits a download of `size` bytes into SEGMENT_COUNT contiguous records:
// each L = size / 40 bytes long, the last one taking the remainder.
void PlanSegments(uint32_t size, DownSegment (&table)[SEGMENT_COUNT]);

extern CMainDlg* g_pMainDlg;
extern std::wstring g_strDownHost;    // host of the download URL
extern std::wstring g_strDownObject;  // object path after the host's "/"
extern std::wstring g_strDownBase;    // base folder of the download file
extern std::wstring g_strInstallPath; // folder handed to the product installer
extern HANDLE g_hDownFile;            // the download file, INVALID_HANDLE_VALUE when closed
extern uint32_t g_nDownReceived;      // sum of reported chunk sizes
extern int g_nErrorShown;             // at 1 or more every error report is ignored

// The window that worker threads report to. Set when the main window is
// initialised, cleared when it is destroyed; workers never reach into the
// dialog object, which may be gone by the time a late thread posts.
void SetJobWindow(HWND hWnd);
HWND GetJobWindow();
// Posts to the job window; a report after the window is gone is dropped.
BOOL PostJobMessage(UINT msg, WPARAM wParam, LPARAM lParam);

using WorkerProc = unsigned(__stdcall*)(void*);
// Starts a detached worker thread (default stack, no flags) and closes its
// handle at once. Answers false when the thread could not be started.
bool StartWorkerThread(WorkerProc proc, void* arg);

// The worker thread procedures; each ends by returning 1.
unsigned __stdcall SizeProbeThread(void* arg);
unsigned __stdcall SegmentDownloadThread(void* arg);
unsigned __stdcall SegmentWriteThread(void* arg);
unsigned __stdcall InstallerHandOffThread(void* arg);
