#include "window_filter.h"

#include <algorithm>
#include <cwctype>

#include "args.h"

namespace {

std::wstring lower(std::wstring s) {
  for (wchar_t& c : s) c = static_cast<wchar_t>(std::towlower(c));
  return s;
}

}  // namespace

OptionResult take_filter_option(const std::vector<std::wstring>& args, size_t* i,
                                WindowFilter* filter) {
  const std::wstring& name = args[*i];
  if (name == L"--hidden") {
    filter->include_hidden = true;
    ++*i;
    return OptionResult::kTaken;
  }
  bool known = name == L"--pid" || name == L"--class" || name == L"--title" ||
               name == L"--size" || name == L"--exe" || name == L"--owner" ||
               name == L"--except";
  if (!known) return OptionResult::kNotMine;
  if (*i + 1 >= args.size()) return OptionResult::kBad;
  const std::wstring& value = args[*i + 1];
  if (name == L"--pid") {
    uint64_t v = 0;
    if (!args::parse_u64(value.c_str(), &v)) return OptionResult::kBad;
    filter->has_pid = true;
    filter->pid = static_cast<DWORD>(v);
  } else if (name == L"--class") {
    filter->has_class = true;
    filter->cls = value;
  } else if (name == L"--title") {
    filter->has_title = true;
    filter->title = value;
  } else if (name == L"--size") {
    if (!args::parse_size(value.c_str(), &filter->width, &filter->height)) {
      return OptionResult::kBad;
    }
    filter->has_size = true;
  } else if (name == L"--exe") {
    filter->has_exe = true;
    filter->exe = lower(value);
  } else if (name == L"--owner") {
    if (!args::parse_hwnd(value.c_str(), &filter->owner)) return OptionResult::kBad;
    filter->has_owner = true;
  } else {
    HWND hwnd = nullptr;
    if (!args::parse_hwnd(value.c_str(), &hwnd)) return OptionResult::kBad;
    filter->excluded.push_back(hwnd);
  }
  *i += 2;
  return OptionResult::kTaken;
}

bool filter_matches(const WindowFilter& f, const WindowInfo& info) {
  if (!f.include_hidden && !info.visible) return false;
  if (f.has_pid && info.pid != f.pid) return false;
  if (f.has_class && info.cls != f.cls) return false;
  if (f.has_title && info.title != f.title) return false;
  if (f.has_size && (info.rect.right - info.rect.left != f.width ||
                     info.rect.bottom - info.rect.top != f.height)) {
    return false;
  }
  if (f.has_exe && lower(info.exe).find(f.exe) == std::wstring::npos) return false;
  if (f.has_owner && info.owner != f.owner) return false;
  return true;
}

std::vector<WindowInfo> find_windows(const WindowFilter& filter) {
  std::vector<WindowInfo> found;
  for (HWND hwnd : top_level_windows()) {
    if (std::find(filter.excluded.begin(), filter.excluded.end(), hwnd) != filter.excluded.end()) {
      continue;
    }
    // Cheap checks first: most windows belong to other processes.
    if (filter.has_pid) {
      DWORD pid = 0;
      GetWindowThreadProcessId(hwnd, &pid);
      if (pid != filter.pid) continue;
    }
    if (!filter.include_hidden && !IsWindowVisible(hwnd)) continue;
    WindowInfo info = describe_window(hwnd);
    if (filter_matches(filter, info)) found.push_back(info);
  }
  return found;
}
