// Every custom window message and constant of the program, in one place.
#pragma once

#include <windows.h>

#include "res/resource.h"

// Pages of the main window; the page only ever moves forward.
enum : int { PAGE_SETUP = 0, PAGE_INSTALLING = 1, PAGE_FINISHED = 2 };

// Window messages between the worker threads (and the shell) and the window.
constexpr UINT WM_TRAYICON = WM_USER + 100;         // the tray icon's callback
constexpr UINT WM_DOWN_PROGRESS = WM_USER + 200;    // wParam 0: lParam bytes; else a percentage
constexpr UINT WM_DOWN_SIZE = WM_USER + 201;        // lParam: the installer's size
constexpr UINT WM_SEGMENT_DONE = WM_USER + 202;     // lParam: segment index
constexpr UINT WM_DOWN_ERROR = WM_USER + 203;       // lParam: segment index or ERR_*
constexpr UINT WM_INSTALL_DONE = WM_USER + 204;
constexpr UINT WM_SEGMENT_WRITTEN = WM_USER + 205;  // lParam: segment index
static_assert(WM_TRAYICON == 1124 && WM_DOWN_PROGRESS == 1224 && WM_SEGMENT_WRITTEN == 1229,
              "message numbers are part of the program's protocol");

// The download is always fetched as this many byte ranges, indexes 0..39.
constexpr int SEGMENT_COUNT = 40;
// The most one network read of a segment asks for.
constexpr unsigned READ_CHUNK = 102400;
// Restarts go on while the count of restarts since the last progress is at most this.
constexpr int RETRY_LIMIT = 40;

// lParam of WM_DOWN_ERROR besides a segment index. 40 is never used, so an
// error code can never be mistaken for a segment.
constexpr LPARAM ERR_PROBE = 41;
constexpr LPARAM ERR_SYSTEM = 42;
constexpr LPARAM ERR_URL = 43;
static_assert(ERR_PROBE > SEGMENT_COUNT, "error codes lie above every segment index");

// Exit code of every path through the exit routine.
constexpr int EXIT_CODE_CLOSED = 1000;

// Timers of the main window and of an image button.
constexpr UINT_PTR TIMER_SLIDE = 3395;
constexpr UINT TIMER_SLIDE_MS = 5000;
constexpr UINT_PTR TIMER_HOVER = 3295;
constexpr UINT TIMER_HOVER_MS = 20;

// The main window's size; taller while the folder row is shown.
constexpr int MAIN_WIDTH = 650;
constexpr int MAIN_HEIGHT = 360;
constexpr int MAIN_HEIGHT_EXPANDED = 434;
