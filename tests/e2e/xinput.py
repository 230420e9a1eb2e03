"""Real X input and screenshots on the test display (xdotool, ImageMagick)."""

import subprocess

IMPORT = "/usr/bin/import"
CONVERT = "/usr/bin/convert"
X_CALL_TIMEOUT_S = 30


class XInput:
    def __init__(self, display):
        self.display = display

    def _run(self, args):
        done = subprocess.run(
            args,
            env={"DISPLAY": self.display, "PATH": "/usr/bin:/bin"},
            stdin=subprocess.DEVNULL,
            capture_output=True,
            timeout=X_CALL_TIMEOUT_S,
            check=False,
            text=True,
        )
        assert done.returncode == 0, f"{args[0]} failed: {done.stderr}"
        return done.stdout

    def screen_size(self):
        width, height = self._run(["xdotool", "getdisplaygeometry"]).split()
        return int(width), int(height)

    def move(self, x, y):
        self._run(["xdotool", "mousemove", "--sync", str(x), str(y)])

    def click(self, x, y, button=1):
        self._run(["xdotool", "mousemove", "--sync", str(x), str(y), "click", str(button)])

    def key(self, name):
        self._run(["xdotool", "key", name])

    def screenshot(self, path):
        self._run([IMPORT, "-window", "root", str(path)])
        return path


def region_stats(png, x, y, width, height):
    """(mean, standard deviation) over all channels in the region, 0.0-1.0."""
    done = subprocess.run(
        [CONVERT, str(png), "-crop", f"{width}x{height}+{x}+{y}", "+repage",
         "-format", "%[fx:mean] %[fx:standard_deviation]", "info:"],
        stdin=subprocess.DEVNULL,
        capture_output=True,
        timeout=X_CALL_TIMEOUT_S,
        check=True,
        text=True,
    )
    mean, deviation = done.stdout.split()
    return float(mean), float(deviation)
