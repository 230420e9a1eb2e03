"""One run of setup.exe under Wine, driven like a person would drive it.

The program is started through launch.exe (which reports the full 32-bit
exit code) from a folder of its own, so that every run has its own exe
path, and every process of the run can be found by that path afterwards.
"""

import queue
import shutil
import subprocess
import threading
import uuid

from winctl import WinCtl, hwnd_arg
from wine_env import windows_path

DIALOG_CLASS = "#32770"
MAIN_WINDOW_SIZE = (650, 360)
WM_CLOSE = 0x0010
WM_COMMAND = 0x0111
IDYES = 6
IDNO = 7

# Bounds for waiting on Wine under qemu; polling stops as soon as the
# thing waited for happens.
WINDOW_TIMEOUT_S = 90
BOX_TIMEOUT_S = 30
BOX_CLOSE_TIMEOUT_S = 15
EXIT_TIMEOUT_S = 60
KILL_TIMEOUT_S = 20


def makewparam(low, high):
    return (low & 0xFFFF) | ((high & 0xFFFF) << 16)


class SetupRun:
    def __init__(self, tools, setup_exe, parent_dir, extra_env=None, exe_name="setup.exe"):
        self.tools = tools
        self.token = "run-" + uuid.uuid4().hex[:12]
        self.folder = parent_dir / self.token
        self.folder.mkdir(parents=True)
        self.exe = self.folder / exe_name
        shutil.copyfile(setup_exe, self.exe)
        self.exe_windows_path = windows_path(self.exe)
        self.env = {**tools.env, **(extra_env or {})}
        self.winctl = WinCtl(self.env, tools.winctl)
        self.main = None
        self._proc = None
        self._reader = None
        self._lines = queue.Queue()
        self._pid = None
        self._exit = None

    # -- process ---------------------------------------------------------

    def start(self):
        self._proc = subprocess.Popen(
            ["wine", str(self.tools.launch), self.exe_windows_path],
            cwd=self.folder,
            env=self.env,
            stdin=subprocess.DEVNULL,
            stdout=subprocess.PIPE,
            stderr=subprocess.DEVNULL,
            encoding="utf-8",
            errors="replace",
        )
        self._reader = threading.Thread(target=self._read_output, daemon=True)
        self._reader.start()
        return self

    def _read_output(self):
        for line in self._proc.stdout:
            self._lines.put(line.strip())
        self._lines.put(None)

    def _next_value(self, key, timeout_s):
        """Waits for the launcher's key=value line; None if its output ended."""
        while True:
            try:
                line = self._lines.get(timeout=timeout_s)
            except queue.Empty:
                raise AssertionError(f"launch.exe printed no {key}= within {timeout_s} s")
            if line is None:
                return None
            name, _, value = line.partition("=")
            if name == "pid":
                self._pid = int(value)
            elif name == "exit":
                self._exit = int(value)
            if name == key:
                return int(value)

    @property
    def pid(self):
        """The Windows process id of setup.exe."""
        if self._pid is None:
            pid = self._next_value("pid", WINDOW_TIMEOUT_S)
            assert pid is not None, "launch.exe could not start setup.exe"
        return self._pid

    def wait_exit(self, timeout_s=EXIT_TIMEOUT_S):
        """The full exit code of setup.exe once it has ended."""
        if self._exit is None:
            self.pid  # the pid line comes first
            code = self._next_value("exit", timeout_s)
            assert code is not None, "launch.exe ended without reporting an exit code"
        return self._exit

    def kill(self):
        """Ends every process of this run (matched by its unique folder)."""
        if self._proc is None:
            return
        subprocess.run(["pkill", "-KILL", "-f", self.token], check=False)
        try:
            self._proc.wait(timeout=KILL_TIMEOUT_S)
        except subprocess.TimeoutExpired:
            self._proc.kill()
            self._proc.wait(timeout=KILL_TIMEOUT_S)
        # The pipe is closed once nothing of the run holds it any more.
        self._reader.join(timeout=KILL_TIMEOUT_S)
        if not self._reader.is_alive():
            self._proc.stdout.close()

    # -- windows ---------------------------------------------------------

    def wait_main_window(self, timeout_s=WINDOW_TIMEOUT_S):
        """Waits for the empty-titled 650x360 dialog of this process."""
        width, height = MAIN_WINDOW_SIZE
        rc, sections = self.winctl.run(
            ["wait", "--pid", self.pid, "--class", DIALOG_CLASS, "--title", "",
             "--size", f"{width}x{height}", "--items", "--timeout", timeout_s * 1000],
            timeout_s=timeout_s,
        )
        if rc != 0:
            _, listing = self.winctl.run(["list", "--pid", self.pid, "--hidden"])
            raise AssertionError(
                f"no {width}x{height} main window within {timeout_s} s; "
                f"windows of the process: {listing[-1].windows if listing else None}")
        self.main = sections[-1].windows[0]
        return self.main

    def control(self, ctrl_id):
        """The main window's item as winctl sees it now (fields as a dict)."""
        section = self.winctl.one(["child-rect", hwnd_arg(self.main.hwnd), ctrl_id])
        assert section.get("found") == "1", f"the main window has no control {ctrl_id}"
        return section

    def main_state(self):
        """(exists, visible) of the main window."""
        section = self.winctl.one(["alive", hwnd_arg(self.main.hwnd)])
        return section.get("alive") == "1", section.get("visible") == "1"

    def post(self, msg, wparam=0, lparam=0):
        section = self.winctl.one(["post", hwnd_arg(self.main.hwnd), msg, wparam, lparam])
        assert section.get("posted") == "1", f"PostMessage({msg:#x}) failed"

    def post_and_wait_message_box(self, msg, wparam=0, lparam=0, timeout_s=BOX_TIMEOUT_S):
        """Posts to the main window and waits for a message box, in one call."""
        rc, sections = self.winctl.run(
            ["post", hwnd_arg(self.main.hwnd), msg, wparam, lparam],
            self._box_query(timeout_s), timeout_s=timeout_s)
        assert sections and sections[0].get("posted") == "1", f"PostMessage({msg:#x}) failed"
        assert rc == 0, f"no message box appeared within {timeout_s} s of {msg:#x}"
        return sections[-1].windows[0]

    def _box_query(self, timeout_s, gone=False):
        command = ["wait", "--pid", self.pid, "--class", DIALOG_CLASS,
                   "--except", hwnd_arg(self.main.hwnd), "--items",
                   "--timeout", int(timeout_s * 1000)]
        if gone:
            command.append("--gone")
        return command

    def wait_message_box(self, timeout_s=BOX_TIMEOUT_S):
        """The first other dialog of this process (a message box) to appear."""
        rc, sections = self.winctl.run(self._box_query(timeout_s), timeout_s=timeout_s)
        assert rc == 0, f"no message box appeared within {timeout_s} s"
        return sections[-1].windows[0]

    def message_boxes_after(self, wait_s):
        """Any message boxes of this process that show up within wait_s."""
        _, sections = self.winctl.run(self._box_query(wait_s), timeout_s=wait_s)
        return sections[-1].windows if sections else []

    def answer(self, box, button_id, x_input=None):
        """Answers a message box, by a real click when x_input is given,
        otherwise by the command the button would send; waits until the box
        is gone and returns the main window's (exists, visible) then.

        A click is tried once more if the box stays: a box can be visible
        to Windows a moment before X has mapped it.
        """
        for attempt in range(2):
            if x_input is not None:
                x_input.click(*box.item(button_id).rect.center())
            elif attempt == 0:
                self.winctl.one(["press", hwnd_arg(box.hwnd), button_id])
            rc, sections = self.winctl.run(
                ["wait-gone", hwnd_arg(box.hwnd), "--timeout", BOX_CLOSE_TIMEOUT_S * 1000],
                ["alive", hwnd_arg(self.main.hwnd)],
                timeout_s=BOX_CLOSE_TIMEOUT_S,
            )
            if rc == 0:
                state = sections[-1]
                return state.get("alive") == "1", state.get("visible") == "1"
        raise AssertionError(f"the message box did not close on button {button_id}")
