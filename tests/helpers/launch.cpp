// launch.exe <program> [args...]
//
// Starts the program, waits for it and prints its full 32-bit exit code,
// which `wine` itself would cut to 8 bits. Output on stdout:
//   pid=<windows process id>      (as soon as the program has started)
//   exit=<exit code, unsigned decimal>
// Exits 0 when the program ran, 2 when it could not be started.
#include <windows.h>

#include <string>
#include <vector>

#include "cmdline.h"
#include "out.h"
#include "unique_handle.h"

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    out::err(L"usage: launch <program> [args...]");
    return 2;
  }
  std::vector<std::wstring> child_args(argv + 1, argv + argc);
  std::wstring line = cmdline::join(child_args);

  STARTUPINFOW si{};
  si.cb = sizeof(si);
  PROCESS_INFORMATION pi{};
  // The child must not hold on to our stdout: the reader waits for it to close.
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                      &pi)) {
    DWORD error = GetLastError();
    out::kv(L"error", error);
    out::err(L"launch: cannot start " + child_args[0] + L" (error " + std::to_wstring(error) +
             L")");
    return 2;
  }
  UniqueHandle process(pi.hProcess);
  UniqueHandle thread(pi.hThread);
  out::kv(L"pid", pi.dwProcessId);

  WaitForSingleObject(process.get(), INFINITE);
  DWORD code = 0;
  if (!GetExitCodeProcess(process.get(), &code)) {
    out::err(L"launch: cannot read the exit code");
    return 2;
  }
  out::kv(L"exit", code);
  return 0;
}
