"""The Wine environment the end-to-end tests run Windows programs in.

The variables come from scripts/wine-env.sh, so the tests and the shell
scripts agree on the prefix and on the qemu settings.
"""

import os
import subprocess
from pathlib import Path, PureWindowsPath

REPO_ROOT = Path(__file__).resolve().parents[2]
WINE_ENV_SCRIPT = REPO_ROOT / "scripts" / "wine-env.sh"
WINE_PREFIX_SCRIPT = REPO_ROOT / "scripts" / "wine-prefix.sh"

# Generous bounds, only there so that a stuck Wine never hangs the suite.
WINE_CALL_TIMEOUT_S = 120
PREFIX_SETUP_TIMEOUT_S = 600


def wine_environment(base=None):
    """os.environ plus what scripts/wine-env.sh exports, with i386 set up."""
    base = dict(os.environ if base is None else base)
    script = f'source "{WINE_ENV_SCRIPT}" && ensure_i386_exec >&2 && env -0'
    done = subprocess.run(
        ["bash", "-c", script],
        env=base,
        stdin=subprocess.DEVNULL,
        capture_output=True,
        timeout=60,
        check=False,
    )
    if done.returncode != 0:
        raise RuntimeError("wine environment: " + done.stderr.decode(errors="replace"))
    env = {}
    for entry in done.stdout.split(b"\0"):
        if b"=" in entry:
            key, _, value = entry.partition(b"=")
            env[key.decode()] = value.decode(errors="replace")
    return env


def warm_prefix(env):
    """Creates or warms the prefix and leaves a persistent wineserver.

    Until a wineserver runs, the first wine call hands the pipes it was
    given to the server it starts, and a reader of those pipes never sees
    them close. The script is idempotent and cheap once the prefix exists.
    """
    subprocess.run(
        ["bash", str(WINE_PREFIX_SCRIPT)],
        env=env,
        stdin=subprocess.DEVNULL,
        stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL,
        timeout=PREFIX_SETUP_TIMEOUT_S,
        check=True,
    )


def run_wine(env, args, timeout=WINE_CALL_TIMEOUT_S, extra_env=None):
    """Runs `wine args...` and returns the CompletedProcess (text output)."""
    if extra_env:
        env = {**env, **extra_env}
    return subprocess.run(
        ["wine", *map(str, args)],
        env=env,
        stdin=subprocess.DEVNULL,
        capture_output=True,
        timeout=timeout,
        check=False,
        encoding="utf-8",
        errors="replace",
    )


def windows_path(path):
    """The path under Wine's Z: drive, which maps the Unix root."""
    path = Path(path).resolve()
    return str(PureWindowsPath("Z:\\", *path.parts[1:]))
