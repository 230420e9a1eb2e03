// Parsing of command-line numbers and window handles for the test helpers.
#pragma once

#include <windows.h>

#include <cstdint>

namespace args {

// Decimal, or hexadecimal with a 0x/0X prefix; an optional leading '-' for
// decimal. The whole text must be consumed. Returns false on anything else.
bool parse_u64(const wchar_t* text, uint64_t* value);
bool parse_i64(const wchar_t* text, int64_t* value);

// A window handle written as a number (decimal or 0x hex).
bool parse_hwnd(const wchar_t* text, HWND* hwnd);

// "650x360" -> 650, 360.
bool parse_size(const wchar_t* text, int* width, int* height);

}  // namespace args
