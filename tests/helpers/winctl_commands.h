// The subcommands of winctl. Each takes its own arguments (without the
// command name), prints key=value lines and returns 0 on success, 1 when
// the thing asked for was not found or did not happen, 2 on bad usage.
#pragma once

#include <string>
#include <vector>

using CommandArgs = std::vector<std::wstring>;

// list [filters] [--items]
int cmd_list(const CommandArgs& args);
// wait [filters] [--items] [--gone] [--timeout MS]
int cmd_wait(const CommandArgs& args);
// child-rect <hwnd> <ctrl-id>
int cmd_child_rect(const CommandArgs& args);
// post <hwnd> <msg> <wparam> <lparam>
int cmd_post(const CommandArgs& args);
// press <hwnd> <button-id>
int cmd_press(const CommandArgs& args);
// alive <hwnd>
int cmd_alive(const CommandArgs& args);
// wait-gone <hwnd> [--timeout MS]
int cmd_wait_gone(const CommandArgs& args);
// kill <image-path-prefix>
int cmd_kill(const CommandArgs& args);
