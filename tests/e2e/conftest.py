"""Fixtures for the end-to-end tests of setup.exe under Wine and Xvfb.

Works both from the test scripts (Xvfb, prefix and wineserver already up)
and by hand: without a usable DISPLAY a private Xvfb is started, and the
prefix is warmed through scripts/wine-prefix.sh either way.

SETUP_BUILD_DIR names the build folder (default: <repo>/build); it must
hold setup.exe and tests/helpers/{launch,winctl,sleeper}.exe.
"""

import os
import subprocess
import time
from pathlib import Path
from types import SimpleNamespace

import pytest

from locales import ENGLISH
from registry import Registry
from setup_run import SetupRun
from wine_env import REPO_ROOT, warm_prefix, wine_environment
from xinput import XInput

# Displays for a private Xvfb; the project's scripts use the 90s.
OWN_DISPLAYS = range(160, 200)
SCREEN = "1024x768x24"


def _display_works(display):
    try:
        done = subprocess.run(
            ["xdotool", "getdisplaygeometry"],
            env={"DISPLAY": display, "PATH": "/usr/bin:/bin"},
            stdin=subprocess.DEVNULL, capture_output=True, timeout=10, check=False)
    except subprocess.TimeoutExpired:
        return False
    return done.returncode == 0


def _start_xvfb():
    for n in OWN_DISPLAYS:
        if Path(f"/tmp/.X11-unix/X{n}").exists() or Path(f"/tmp/.X{n}-lock").exists():
            continue
        server = subprocess.Popen(
            ["Xvfb", f":{n}", "-screen", "0", SCREEN, "-nolisten", "tcp"],
            stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and server.poll() is None:
            if Path(f"/tmp/.X11-unix/X{n}").exists() and _display_works(f":{n}"):
                return server, f":{n}"
            time.sleep(0.1)
        server.kill()
        server.wait()
    pytest.fail("cannot start a private Xvfb", pytrace=False)


@pytest.fixture(scope="session")
def display():
    current = os.environ.get("DISPLAY", "")
    if current and _display_works(current):
        yield current
        return
    server, own = _start_xvfb()
    try:
        yield own
    finally:
        server.terminate()
        server.wait(timeout=10)


@pytest.fixture(scope="session")
def build_dir():
    path = Path(os.environ.get("SETUP_BUILD_DIR", REPO_ROOT / "build")).resolve()
    if not path.is_dir():
        pytest.fail(f"build folder {path} does not exist (set SETUP_BUILD_DIR)", pytrace=False)
    return path


@pytest.fixture(scope="session")
def wine_env(display):
    env = wine_environment({**os.environ, "DISPLAY": display})
    warm_prefix(env)
    return env


@pytest.fixture(scope="session")
def tools(build_dir, wine_env):
    helpers = build_dir / "tests" / "helpers"
    found = SimpleNamespace(env=wine_env)
    for name in ("launch", "winctl", "sleeper"):
        exe = helpers / f"{name}.exe"
        if not exe.is_file():
            pytest.fail(f"missing test helper {exe}: build the project first", pytrace=False)
        setattr(found, name, exe)
    return found


@pytest.fixture(scope="session")
def setup_exe(build_dir):
    exe = build_dir / "setup.exe"
    if not exe.is_file():
        pytest.fail(f"missing {exe}: build the project first", pytrace=False)
    return exe


@pytest.fixture(scope="session")
def x_input(display):
    return XInput(display)


@pytest.fixture(scope="session")
def screen_size(x_input):
    return x_input.screen_size()


@pytest.fixture
def registry(wine_env):
    return Registry(wine_env)


@pytest.fixture
def start_setup(tools, setup_exe, tmp_path):
    """start_setup(extra_env=ENGLISH) -> a started SetupRun in a new folder.

    Every run of the test is killed at teardown, whatever state it is in.
    """
    runs = []

    def start(extra_env=None):
        run = SetupRun(tools, setup_exe, tmp_path, extra_env=extra_env or ENGLISH)
        runs.append(run)
        return run.start()

    yield start
    for run in runs:
        run.kill()
