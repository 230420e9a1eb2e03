#include "window_query.h"

#include "out.h"
#include "unique_handle.h"

namespace {

BOOL CALLBACK collect_window(HWND hwnd, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(hwnd);
  return TRUE;
}

// Reads the stored text without sending a message, so a busy or modal
// target thread cannot block the query.
std::wstring stored_text(HWND hwnd) {
  wchar_t buf[1024];
  int n = InternalGetWindowText(hwnd, buf, static_cast<int>(sizeof(buf) / sizeof(buf[0])));
  return n > 0 ? std::wstring(buf, static_cast<size_t>(n)) : std::wstring();
}

std::wstring class_of(HWND hwnd) {
  wchar_t buf[256];
  int n = GetClassNameW(hwnd, buf, static_cast<int>(sizeof(buf) / sizeof(buf[0])));
  return n > 0 ? std::wstring(buf, static_cast<size_t>(n)) : std::wstring();
}

RECT screen_rect(HWND hwnd) {
  RECT r{};
  GetWindowRect(hwnd, &r);
  return r;
}

RECT client_screen_rect(HWND hwnd) {
  RECT r{};
  GetClientRect(hwnd, &r);
  MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
  return r;
}

}  // namespace

std::vector<HWND> top_level_windows() {
  std::vector<HWND> windows;
  EnumWindows(collect_window, reinterpret_cast<LPARAM>(&windows));
  return windows;
}

std::wstring process_image_path(DWORD pid) {
  UniqueHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
  if (!process.valid()) return std::wstring();
  wchar_t buf[MAX_PATH * 2];
  DWORD size = static_cast<DWORD>(sizeof(buf) / sizeof(buf[0]));
  if (!QueryFullProcessImageNameW(process.get(), 0, buf, &size)) return std::wstring();
  return std::wstring(buf, size);
}

WindowInfo describe_window(HWND hwnd) {
  WindowInfo info;
  info.hwnd = hwnd;
  info.cls = class_of(hwnd);
  info.title = stored_text(hwnd);
  info.visible = IsWindowVisible(hwnd) != FALSE;
  info.rect = screen_rect(hwnd);
  info.client = client_screen_rect(hwnd);
  GetWindowThreadProcessId(hwnd, &info.pid);
  info.exe = process_image_path(info.pid);
  info.owner = GetWindow(hwnd, GW_OWNER);
  info.style = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
  info.exstyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_EXSTYLE));
  return info;
}

ItemInfo describe_item(HWND hwnd) {
  ItemInfo item;
  item.hwnd = hwnd;
  item.id = GetDlgCtrlID(hwnd);
  item.cls = class_of(hwnd);
  item.text = stored_text(hwnd);
  item.visible = IsWindowVisible(hwnd) != FALSE;
  item.rect = screen_rect(hwnd);
  return item;
}

std::vector<ItemInfo> describe_items(HWND parent) {
  std::vector<ItemInfo> items;
  for (HWND child = GetWindow(parent, GW_CHILD); child != nullptr;
       child = GetWindow(child, GW_HWNDNEXT)) {
    items.push_back(describe_item(child));
  }
  return items;
}

std::wstring rect_text(const RECT& r) {
  return std::to_wstring(r.left) + L"," + std::to_wstring(r.top) + L"," +
         std::to_wstring(r.right - r.left) + L"," + std::to_wstring(r.bottom - r.top);
}

void print_item_line(const ItemInfo& item) {
  out::kv(L"item", std::to_wstring(item.id) + L"|" +
                       out::hex(reinterpret_cast<uintptr_t>(item.hwnd)) + L"|" + item.cls +
                       L"|" + (item.visible ? L"1" : L"0") + L"|" + rect_text(item.rect) +
                       L"|" + item.text);
}

void print_window(const WindowInfo& info, bool with_items) {
  out::kv_hex(L"window", reinterpret_cast<uintptr_t>(info.hwnd));
  out::kv(L"class", info.cls);
  out::kv(L"title", info.title);
  out::kv(L"visible", info.visible ? 1 : 0);
  out::kv(L"rect", rect_text(info.rect));
  out::kv(L"client", rect_text(info.client));
  out::kv(L"pid", info.pid);
  out::kv(L"exe", info.exe);
  out::kv_hex(L"owner", reinterpret_cast<uintptr_t>(info.owner));
  out::kv_hex(L"style", info.style);
  out::kv_hex(L"exstyle", info.exstyle);
  if (with_items) {
    for (const ItemInfo& item : describe_items(info.hwnd)) print_item_line(item);
  }
}
