// The single path of every message box of the program.
#pragma once

#include <windows.h>

#include <string>

// Shows a modal box with exactly these arguments; answers the button that closed it.
int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style);
