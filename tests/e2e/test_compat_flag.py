"""The compatibility value setup writes for its own exe at start."""

import pytest

PERSISTED = (r"HKCU\Software\Microsoft\Windows NT\CurrentVersion\AppCompatFlags"
             r"\Compatibility Assistant\Persisted")


@pytest.fixture
def persisted_key(registry):
    """Tests own this key of the test prefix: gone before and after each."""
    registry.delete_key(PERSISTED)
    yield PERSISTED
    registry.delete_key(PERSISTED)


def test_nothing_written_when_the_key_is_absent(start_setup, registry, persisted_key):
    run = start_setup()
    run.wait_main_window()
    assert registry.values(persisted_key) is None


def test_one_value_per_exe_path_when_the_key_exists(start_setup, registry, persisted_key):
    registry.add_key(persisted_key)
    first = start_setup()
    first.wait_main_window()
    first.kill()
    second = start_setup()
    second.wait_main_window()

    values = {name.lower(): value for name, value in registry.values(persisted_key).items()}
    for run in (first, second):
        assert values.get(run.exe_windows_path.lower()) == ("REG_DWORD", "0x1"), values
