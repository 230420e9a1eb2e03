#include "cmdline.h"

namespace cmdline {

std::wstring quote_arg(const std::wstring& arg) {
  if (!arg.empty() && arg.find_first_of(L" \t\n\v\"") == std::wstring::npos) return arg;
  std::wstring q = L"\"";
  size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    if (c == L'"') {
      // Backslashes before a quote are doubled, and the quote escaped.
      q.append(backslashes * 2 + 1, L'\\');
    } else {
      q.append(backslashes, L'\\');
    }
    backslashes = 0;
    q += c;
  }
  // Backslashes before the closing quote are doubled.
  q.append(backslashes * 2, L'\\');
  q += L'"';
  return q;
}

std::wstring join(const std::vector<std::wstring>& argv) {
  std::wstring line;
  for (size_t i = 0; i < argv.size(); ++i) {
    if (i) line += L' ';
    line += quote_arg(argv[i]);
  }
  return line;
}

}  // namespace cmdline
