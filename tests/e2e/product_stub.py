"""A stand-in for the running product: sleeper.exe under the product's
exe name, in a folder of its own (found and killed by that folder's name)."""

import shutil
import subprocess
import uuid

from wine_env import windows_path

KILL_TIMEOUT_S = 20


class ProductStub:
    def __init__(self, tools, parent_dir, exe_name):
        self.token = "stub-" + uuid.uuid4().hex[:12]
        self.folder = parent_dir / self.token
        self.folder.mkdir(parents=True)
        self.exe = self.folder / exe_name
        shutil.copyfile(tools.sleeper, self.exe)
        self.exe_windows_path = windows_path(self.exe)
        self._env = tools.env
        self._proc = None

    def start(self):
        self._proc = subprocess.Popen(
            ["wine", self.exe_windows_path],
            cwd=self.folder,
            env=self._env,
            stdin=subprocess.DEVNULL,
            stdout=subprocess.DEVNULL,
            stderr=subprocess.DEVNULL,
        )
        return self

    def running(self):
        return self._proc is not None and self._proc.poll() is None

    def kill(self):
        if self._proc is None:
            return
        subprocess.run(["pkill", "-KILL", "-f", self.token], check=False)
        try:
            self._proc.wait(timeout=KILL_TIMEOUT_S)
        except subprocess.TimeoutExpired:
            self._proc.kill()
            self._proc.wait(timeout=KILL_TIMEOUT_S)
