// The start-up routine's pieces below the process entry.
#pragma once

#include <windows.h>

// Creates the main dialog, shows it and runs the message loop; answers the
// quit message's code, or 0 when the dialog cannot be created.
int RunMainDialog(LPWSTR cmdLine, int nCmdShow);

// Records the executable in the compatibility assistant's list of the
// current user: only when that key already exists. Answers whether the value
// was written.
bool SetCompatFlag();

// Loads DLLs only from the system folder from here on, so a file named like
// a system DLL beside the setup program (a Downloads folder) is never loaded.
void RestrictDllSearchToSystem();

extern const wchar_t kCompatKeyPath[];
