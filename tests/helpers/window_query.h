// Reads what the tests want to know about windows of any process: class,
// title, screen rectangle, owning process and its dialog items.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

struct ItemInfo {
  HWND hwnd = nullptr;
  int id = 0;
  std::wstring cls;
  std::wstring text;
  bool visible = false;
  RECT rect{};  // screen pixels
};

struct WindowInfo {
  HWND hwnd = nullptr;
  std::wstring cls;
  std::wstring title;
  bool visible = false;
  RECT rect{};  // screen pixels
  RECT client{};  // client area, screen pixels
  DWORD pid = 0;
  std::wstring exe;  // full image path, empty when it cannot be read
  HWND owner = nullptr;
  DWORD style = 0;
  DWORD exstyle = 0;
};

// Top-level windows in Z order, hidden ones included.
std::vector<HWND> top_level_windows();

WindowInfo describe_window(HWND hwnd);
ItemInfo describe_item(HWND hwnd);
// Direct children of a window, in Z order.
std::vector<ItemInfo> describe_items(HWND parent);

std::wstring process_image_path(DWORD pid);

// Output, one key=value per line. A window record starts with "window=";
// each dialog item is one line:
//   item=<id>|<hwnd>|<class>|<visible>|<x>,<y>,<w>,<h>|<text>
void print_window(const WindowInfo& info, bool with_items);
void print_item_line(const ItemInfo& item);
std::wstring rect_text(const RECT& r);
