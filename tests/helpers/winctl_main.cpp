// winctl.exe: looks at and pokes the windows of other processes for the
// end-to-end tests. Several commands can run in one call (one Wine start),
// separated by a lone "+":
//   winctl post 0x10050 16 0 0 + wait --class #32770 --title Box --items
// Each command's output starts with "cmd=<name>" and ends with
// "result=<0|1|2>"; the chain stops at the first command that does not
// return 0, and that is the exit code.
#include <windows.h>

#include <string>
#include <vector>

#include "out.h"
#include "winctl_commands.h"

namespace {

using Handler = int (*)(const CommandArgs&);

struct Command {
  const wchar_t* name;
  Handler run;
};

const Command kCommands[] = {
    {L"list", cmd_list},           {L"wait", cmd_wait},   {L"child-rect", cmd_child_rect},
    {L"post", cmd_post},           {L"press", cmd_press}, {L"alive", cmd_alive},
    {L"wait-gone", cmd_wait_gone}, {L"kill", cmd_kill},
};

int run_one(const std::vector<std::wstring>& words) {
  if (words.empty()) {
    out::err(L"winctl: empty command");
    return 2;
  }
  for (const Command& c : kCommands) {
    if (words[0] == c.name) {
      out::kv(L"cmd", words[0]);
      int rc = c.run(CommandArgs(words.begin() + 1, words.end()));
      out::kv(L"result", static_cast<unsigned long long>(rc));
      return rc;
    }
  }
  out::err(L"winctl: unknown command " + words[0] +
           L" (list, wait, child-rect, post, press, alive, wait-gone, kill)");
  return 2;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  std::vector<std::wstring> words;
  for (int i = 1; i <= argc; ++i) {
    if (i == argc || std::wstring(argv[i]) == L"+") {
      int rc = run_one(words);
      if (rc != 0) return rc;
      words.clear();
    } else {
      words.push_back(argv[i]);
    }
  }
  return 0;
}
