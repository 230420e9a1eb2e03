// Selection of top-level windows by the command-line options of winctl:
//   --pid N  --class NAME  --title TEXT  --size WxH  --exe TEXT  --owner HWND
//   --except HWND (any window but this one)
//   --hidden (hidden windows too; by default only visible ones)
// --exe matches a case-insensitive substring of the full image path.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "window_query.h"

struct WindowFilter {
  bool has_pid = false;
  DWORD pid = 0;
  bool has_class = false;
  std::wstring cls;
  bool has_title = false;
  std::wstring title;
  bool has_size = false;
  int width = 0;
  int height = 0;
  bool has_exe = false;
  std::wstring exe;
  bool has_owner = false;
  HWND owner = nullptr;
  std::vector<HWND> excluded;
  bool include_hidden = false;
};

enum class OptionResult { kTaken, kNotMine, kBad };

// Looks at args[*i]; when it is a filter option, stores it and moves *i past
// its value.
OptionResult take_filter_option(const std::vector<std::wstring>& args, size_t* i,
                                WindowFilter* filter);

bool filter_matches(const WindowFilter& filter, const WindowInfo& info);

// All top-level windows that match, described.
std::vector<WindowInfo> find_windows(const WindowFilter& filter);
