"""Runs winctl.exe (tests/helpers) under Wine and parses what it prints.

winctl prints one key=value per line; each command's output starts with
cmd=<name>, a window record with window=<hwnd>, and each dialog item of the
window is one item=<id>|<hwnd>|<class>|<visible>|<x>,<y>,<w>,<h>|<text> line.
Several commands run in one Wine start when joined with a lone "+".
"""

from dataclasses import dataclass, field

from wine_env import run_wine

WINDOW_KEYS = {"class", "title", "visible", "rect", "client", "pid", "exe", "owner", "style", "exstyle"}
# Extra seconds over a command's own --timeout, for Wine's start-up.
START_MARGIN_S = 60


@dataclass(frozen=True)
class Rect:
    x: int
    y: int
    width: int
    height: int

    @classmethod
    def parse(cls, text):
        x, y, w, h = (int(v) for v in text.split(","))
        return cls(x, y, w, h)

    def center(self):
        return self.x + self.width // 2, self.y + self.height // 2


@dataclass
class Item:
    id: int
    hwnd: int
    cls: str
    visible: bool
    rect: Rect
    text: str

    @classmethod
    def parse(cls, value):
        ctrl_id, hwnd, klass, visible, rect, text = value.split("|", 5)
        return cls(int(ctrl_id), int(hwnd, 0), klass, visible == "1", Rect.parse(rect), text)


@dataclass
class Window:
    hwnd: int
    fields: dict = field(default_factory=dict)
    items: list = field(default_factory=list)

    @property
    def cls(self):
        return self.fields.get("class", "")

    @property
    def title(self):
        return self.fields.get("title", "")

    @property
    def visible(self):
        return self.fields.get("visible") == "1"

    @property
    def rect(self):
        return Rect.parse(self.fields["rect"])

    @property
    def client(self):
        """The client area in screen pixels."""
        return Rect.parse(self.fields["client"])

    @property
    def pid(self):
        return int(self.fields["pid"])

    @property
    def exe(self):
        return self.fields.get("exe", "")

    @property
    def owner(self):
        return int(self.fields.get("owner", "0"), 0)

    @property
    def style(self):
        return int(self.fields.get("style", "0"), 0)

    def item(self, ctrl_id):
        for item in self.items:
            if item.id == ctrl_id:
                return item
        raise KeyError(f"window {self.hwnd:#x} has no item {ctrl_id}: {self.items}")

    def items_of_class(self, klass):
        return [i for i in self.items if i.cls.lower() == klass.lower()]


@dataclass
class Section:
    """The output of one command of a winctl call."""

    cmd: str
    values: dict = field(default_factory=dict)
    windows: list = field(default_factory=list)

    @property
    def result(self):
        return int(self.values.get("result", "-1"))

    def get(self, key, default=None):
        return self.values.get(key, default)


def parse_output(text):
    sections = []
    window = None
    for line in text.splitlines():
        key, sep, value = line.rstrip("\r").partition("=")
        if not sep:
            continue
        if key == "cmd":
            sections.append(Section(value))
            window = None
        elif not sections:
            continue
        elif key == "window":
            window = Window(int(value, 0))
            sections[-1].windows.append(window)
        elif key == "item" and window is not None:
            window.items.append(Item.parse(value))
        elif key in WINDOW_KEYS and window is not None:
            window.fields[key] = value
        else:
            window = None
            sections[-1].values[key] = value
    return sections


def hwnd_arg(hwnd):
    return f"{hwnd:#x}"


class WinCtl:
    def __init__(self, env, exe):
        self._env = env
        self._exe = exe

    def run(self, *commands, timeout_s=30):
        """Runs the commands (each a list of words) in one winctl call.

        Returns (exit code, sections). timeout_s bounds the whole call
        beyond Wine's own start-up.
        """
        words = []
        for command in commands:
            if words:
                words.append("+")
            words.extend(str(w) for w in command)
        done = run_wine(self._env, [self._exe, *words], timeout=timeout_s + START_MARGIN_S)
        sections = parse_output(done.stdout)
        if done.returncode == 2:
            raise AssertionError(f"winctl usage error: {words}\n{done.stderr}")
        return done.returncode, sections

    def one(self, command, timeout_s=30):
        _, sections = self.run(command, timeout_s=timeout_s)
        assert sections, f"winctl printed nothing for {command}"
        return sections[-1]
