#include "args.h"

#include <cwchar>
#include <string>

namespace args {

bool parse_u64(const wchar_t* text, uint64_t* value) {
  if (text == nullptr || *text == L'\0') return false;
  int base = 10;
  const wchar_t* p = text;
  if (p[0] == L'0' && (p[1] == L'x' || p[1] == L'X')) {
    base = 16;
    p += 2;
  }
  if (*p == L'\0') return false;
  uint64_t v = 0;
  for (; *p; ++p) {
    unsigned digit;
    if (*p >= L'0' && *p <= L'9') {
      digit = static_cast<unsigned>(*p - L'0');
    } else if (base == 16 && *p >= L'a' && *p <= L'f') {
      digit = static_cast<unsigned>(*p - L'a' + 10);
    } else if (base == 16 && *p >= L'A' && *p <= L'F') {
      digit = static_cast<unsigned>(*p - L'A' + 10);
    } else {
      return false;
    }
    if (digit >= static_cast<unsigned>(base)) return false;
    if (v > (UINT64_MAX - digit) / static_cast<unsigned>(base)) return false;
    v = v * static_cast<unsigned>(base) + digit;
  }
  *value = v;
  return true;
}

bool parse_i64(const wchar_t* text, int64_t* value) {
  if (text == nullptr) return false;
  bool negative = text[0] == L'-';
  uint64_t magnitude = 0;
  if (!parse_u64(negative ? text + 1 : text, &magnitude)) return false;
  if (negative) {
    if (magnitude > static_cast<uint64_t>(INT64_MAX) + 1) return false;
    *value = static_cast<int64_t>(0 - magnitude);
  } else {
    // Large unsigned values (e.g. 0xFFFFFFFF) are kept as their bit pattern.
    *value = static_cast<int64_t>(magnitude);
  }
  return true;
}

bool parse_hwnd(const wchar_t* text, HWND* hwnd) {
  uint64_t v = 0;
  if (!parse_u64(text, &v)) return false;
  *hwnd = reinterpret_cast<HWND>(static_cast<uintptr_t>(v));
  return true;
}

bool parse_size(const wchar_t* text, int* width, int* height) {
  if (text == nullptr) return false;
  const wchar_t* x = wcschr(text, L'x');
  if (x == nullptr) return false;
  std::wstring w(text, x);
  uint64_t a = 0, b = 0;
  if (!parse_u64(w.c_str(), &a) || !parse_u64(x + 1, &b)) return false;
  if (a > 100000 || b > 100000) return false;
  *width = static_cast<int>(a);
  *height = static_cast<int>(b);
  return true;
}

}  // namespace args
