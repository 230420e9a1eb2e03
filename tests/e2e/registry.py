"""Reading and changing the prefix's registry through `wine reg`."""

import re

from wine_env import run_wine

# "    <name>    REG_<TYPE>    <data>" (no data column for empty values)
_VALUE_LINE = re.compile(r"^    (.*?)    (REG_[A-Z_]+)(?:    (.*))?$")


class Registry:
    def __init__(self, env):
        self._env = env

    def _reg(self, *args):
        return run_wine(self._env, ["reg", *args])

    def key_exists(self, key):
        return self._reg("query", key).returncode == 0

    def add_key(self, key):
        done = self._reg("add", key, "/f")
        assert done.returncode == 0, f"reg add {key}: {done.stdout}{done.stderr}"

    def delete_key(self, key):
        self._reg("delete", key, "/f")

    def delete_value(self, key, name):
        self._reg("delete", key, "/v", name, "/f")

    def values(self, key):
        """{name: (type, data)} of the key's own values; None if it is absent."""
        done = self._reg("query", key)
        if done.returncode != 0:
            return None
        found = {}
        for line in done.stdout.splitlines():
            match = _VALUE_LINE.match(line.rstrip("\r"))
            if match:
                found[match.group(1)] = (match.group(2), match.group(3) or "")
        return found
