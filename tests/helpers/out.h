// Line-oriented output for the test helpers: UTF-8, one "key=value" per
// line, written straight to the standard handles (no CRT buffering, so a
// reader on a pipe sees each line as soon as it is printed).
#pragma once

#include <string>

namespace out {

// Writes key=value and a newline to stdout. CR/LF/TAB inside the value are
// written as the two-character sequences \r, \n and \t so a record always
// stays on one line.
void kv(const wchar_t* key, const std::wstring& value);
void kv(const wchar_t* key, unsigned long long value);
void kv_hex(const wchar_t* key, unsigned long long value);

// Writes the text and a newline to stderr as is.
void err(const std::wstring& line);

// "0x" followed by 8 upper-case hex digits.
std::wstring hex(unsigned long long value);

}  // namespace out
