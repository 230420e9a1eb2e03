// Finding running copies of the product by executable file name.
#pragma once

#include <string>

// Whole-name comparison that folds only the letters A-Z.
bool ProcessNameEquals(const wchar_t* a, const wchar_t* b);

// Number of running processes whose executable file name equals `name`;
// 0 when the process list cannot be read.
int CountRunningProcesses(const std::wstring& name);
