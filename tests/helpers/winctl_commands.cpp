#include "winctl_commands.h"

#include <windows.h>
#include <tlhelp32.h>

#include <cwctype>

#include "args.h"
#include "out.h"
#include "unique_handle.h"
#include "window_filter.h"
#include "window_query.h"

namespace {

constexpr DWORD kPollMs = 100;
constexpr uint64_t kDefaultTimeoutMs = 30000;

int usage(const wchar_t* text) {
  out::err(std::wstring(L"usage: winctl ") + text);
  return 2;
}

// Takes "--timeout MS" at args[*i]; returns false when it is something else.
bool take_timeout(const CommandArgs& args, size_t* i, uint64_t* timeout_ms, bool* bad) {
  if (args[*i] != L"--timeout") return false;
  if (*i + 1 >= args.size() || !args::parse_u64(args[*i + 1].c_str(), timeout_ms)) {
    *bad = true;
  }
  *i += 2;
  return true;
}

bool parse_window_arg(const std::wstring& text, HWND* hwnd) {
  return args::parse_hwnd(text.c_str(), hwnd) && *hwnd != nullptr;
}

bool starts_with_nocase(const std::wstring& s, const std::wstring& prefix) {
  if (s.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i) {
    if (std::towlower(s[i]) != std::towlower(prefix[i])) return false;
  }
  return true;
}

struct Selection {
  WindowFilter filter;
  bool items = false;
  bool gone = false;
  uint64_t timeout_ms = kDefaultTimeoutMs;
};

bool parse_selection(const CommandArgs& args, bool allow_wait_options, Selection* sel) {
  for (size_t i = 0; i < args.size();) {
    OptionResult r = take_filter_option(args, &i, &sel->filter);
    if (r == OptionResult::kTaken) continue;
    if (r == OptionResult::kBad) return false;
    if (args[i] == L"--items") {
      sel->items = true;
      ++i;
      continue;
    }
    if (allow_wait_options) {
      if (args[i] == L"--gone") {
        sel->gone = true;
        ++i;
        continue;
      }
      bool bad = false;
      if (take_timeout(args, &i, &sel->timeout_ms, &bad)) {
        if (bad) return false;
        continue;
      }
    }
    return false;
  }
  return true;
}

void print_windows(const std::vector<WindowInfo>& windows, bool items) {
  for (const WindowInfo& w : windows) print_window(w, items);
  out::kv(L"found", windows.size());
}

}  // namespace

int cmd_list(const CommandArgs& args) {
  Selection sel;
  if (!parse_selection(args, false, &sel)) {
    return usage(L"list [--pid N] [--class C] [--title T] [--size WxH] [--exe S] "
                 L"[--owner HWND] [--except HWND] [--hidden] [--items]");
  }
  print_windows(find_windows(sel.filter), sel.items);
  return 0;
}

int cmd_wait(const CommandArgs& args) {
  Selection sel;
  if (!parse_selection(args, true, &sel)) {
    return usage(L"wait [filters as for list] [--items] [--gone] [--timeout MS]");
  }
  ULONGLONG start = GetTickCount64();
  for (;;) {
    std::vector<WindowInfo> found = find_windows(sel.filter);
    if (sel.gone ? found.empty() : !found.empty()) {
      print_windows(found, sel.items);
      return 0;
    }
    if (GetTickCount64() - start >= sel.timeout_ms) {
      if (sel.gone) print_windows(found, sel.items);
      out::kv(L"timeout", 1);
      return 1;
    }
    Sleep(kPollMs);
  }
}

int cmd_child_rect(const CommandArgs& args) {
  HWND parent = nullptr;
  int64_t id = 0;
  if (args.size() != 2 || !parse_window_arg(args[0], &parent) ||
      !args::parse_i64(args[1].c_str(), &id)) {
    return usage(L"child-rect <hwnd> <ctrl-id>");
  }
  HWND item = GetDlgItem(parent, static_cast<int>(id));
  if (item == nullptr) {
    out::kv(L"found", 0);
    return 1;
  }
  ItemInfo info = describe_item(item);
  out::kv(L"found", 1);
  out::kv_hex(L"hwnd", reinterpret_cast<uintptr_t>(info.hwnd));
  out::kv(L"class", info.cls);
  out::kv(L"visible", info.visible ? 1 : 0);
  out::kv(L"rect", rect_text(info.rect));
  out::kv(L"text", info.text);
  return 0;
}

int cmd_post(const CommandArgs& args) {
  HWND target = nullptr;
  uint64_t msg = 0;
  int64_t wparam = 0, lparam = 0;
  if (args.size() != 4 || !parse_window_arg(args[0], &target) ||
      !args::parse_u64(args[1].c_str(), &msg) || !args::parse_i64(args[2].c_str(), &wparam) ||
      !args::parse_i64(args[3].c_str(), &lparam)) {
    return usage(L"post <hwnd> <msg> <wparam> <lparam>");
  }
  if (!PostMessageW(target, static_cast<UINT>(msg), static_cast<WPARAM>(wparam),
                    static_cast<LPARAM>(lparam))) {
    out::kv(L"posted", 0);
    out::kv(L"error", GetLastError());
    return 1;
  }
  out::kv(L"posted", 1);
  return 0;
}

int cmd_press(const CommandArgs& args) {
  HWND box = nullptr;
  int64_t id = 0;
  if (args.size() != 2 || !parse_window_arg(args[0], &box) ||
      !args::parse_i64(args[1].c_str(), &id)) {
    return usage(L"press <hwnd> <button-id>");
  }
  HWND button = GetDlgItem(box, static_cast<int>(id));
  if (button == nullptr) {
    out::kv(L"pressed", 0);
    return 1;
  }
  // What a click on the button makes it send to its dialog; posted, so the
  // dialog's owner may end or block without blocking us.
  WPARAM wparam = MAKEWPARAM(static_cast<WORD>(id), BN_CLICKED);
  if (!PostMessageW(box, WM_COMMAND, wparam, reinterpret_cast<LPARAM>(button))) {
    out::kv(L"pressed", 0);
    out::kv(L"error", GetLastError());
    return 1;
  }
  out::kv(L"pressed", 1);
  return 0;
}

int cmd_alive(const CommandArgs& args) {
  HWND hwnd = nullptr;
  if (args.size() != 1 || !parse_window_arg(args[0], &hwnd)) return usage(L"alive <hwnd>");
  bool exists = IsWindow(hwnd) != FALSE;
  out::kv(L"alive", exists ? 1 : 0);
  out::kv(L"visible", exists && IsWindowVisible(hwnd) ? 1 : 0);
  return 0;
}

int cmd_wait_gone(const CommandArgs& args) {
  HWND hwnd = nullptr;
  uint64_t timeout_ms = kDefaultTimeoutMs;
  bool ok = !args.empty() && parse_window_arg(args[0], &hwnd);
  for (size_t i = 1; ok && i < args.size();) {
    bool bad = false;
    if (!take_timeout(args, &i, &timeout_ms, &bad) || bad) ok = false;
  }
  if (!ok) return usage(L"wait-gone <hwnd> [--timeout MS]");
  ULONGLONG start = GetTickCount64();
  while (IsWindow(hwnd) && IsWindowVisible(hwnd)) {
    if (GetTickCount64() - start >= timeout_ms) {
      out::kv(L"gone", 0);
      out::kv(L"timeout", 1);
      return 1;
    }
    Sleep(kPollMs);
  }
  out::kv(L"gone", 1);
  return 0;
}

int cmd_kill(const CommandArgs& args) {
  if (args.size() != 1 || args[0].size() < 4) return usage(L"kill <image-path-prefix>");
  UniqueHandle snapshot(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot.valid()) {
    out::kv(L"error", GetLastError());
    return 1;
  }
  PROCESSENTRY32W entry{};
  entry.dwSize = sizeof(entry);
  DWORD self = GetCurrentProcessId();
  size_t killed = 0;
  for (BOOL more = Process32FirstW(snapshot.get(), &entry); more;
       more = Process32NextW(snapshot.get(), &entry)) {
    if (entry.th32ProcessID == self) continue;
    std::wstring image = process_image_path(entry.th32ProcessID);
    if (!starts_with_nocase(image, args[0])) continue;
    UniqueHandle process(OpenProcess(PROCESS_TERMINATE, FALSE, entry.th32ProcessID));
    if (process.valid() && TerminateProcess(process.get(), 1)) {
      out::kv(L"killed", entry.th32ProcessID);
      ++killed;
    }
  }
  out::kv(L"count", killed);
  return 0;
}
