#include "out.h"

#include <windows.h>

#include <cstdio>

namespace {

void write_utf8(DWORD which, const std::wstring& text) {
  HANDLE h = GetStdHandle(which);
  if (h == nullptr || h == INVALID_HANDLE_VALUE) return;
  if (text.empty()) return;
  int n = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()),
                              nullptr, 0, nullptr, nullptr);
  if (n <= 0) return;
  std::string bytes(static_cast<size_t>(n), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], n,
                      nullptr, nullptr);
  DWORD done = 0;
  size_t pos = 0;
  while (pos < bytes.size()) {
    if (!WriteFile(h, bytes.data() + pos, static_cast<DWORD>(bytes.size() - pos), &done,
                   nullptr) ||
        done == 0) {
      return;
    }
    pos += done;
  }
}

std::wstring one_line(const std::wstring& value) {
  std::wstring s;
  s.reserve(value.size());
  for (wchar_t c : value) {
    switch (c) {
      case L'\r': s += L"\\r"; break;
      case L'\n': s += L"\\n"; break;
      case L'\t': s += L"\\t"; break;
      default: s += c;
    }
  }
  return s;
}

}  // namespace

namespace out {

void kv(const wchar_t* key, const std::wstring& value) {
  write_utf8(STD_OUTPUT_HANDLE, std::wstring(key) + L"=" + one_line(value) + L"\n");
}

void kv(const wchar_t* key, unsigned long long value) {
  kv(key, std::to_wstring(value));
}

void kv_hex(const wchar_t* key, unsigned long long value) {
  kv(key, hex(value));
}

void err(const std::wstring& line) {
  write_utf8(STD_ERROR_HANDLE, line + L"\n");
}

std::wstring hex(unsigned long long value) {
  wchar_t buf[32];
  swprintf(buf, 32, L"0x%08llX", value);
  return buf;
}

}  // namespace out
