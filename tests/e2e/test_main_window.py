"""Where and how the main window appears."""

from xinput import region_stats

WIDTH, HEIGHT = 650, 360


def test_main_window_is_a_captionless_650x360_dialog_centred_on_screen(
        start_setup, x_input, screen_size, tmp_path):
    run = start_setup()
    main = run.wait_main_window()
    # Wine takes the pointer to be at the screen centre until it sees it move.
    x_input.move(1, 1)
    shot = x_input.screenshot(tmp_path / "setup-window.png")

    screen_w, screen_h = screen_size
    rect = main.rect
    assert (rect.width, rect.height) == (WIDTH, HEIGHT)
    assert abs(rect.x - (screen_w - WIDTH) // 2) <= 1, rect
    assert abs(rect.y - (screen_h - HEIGHT) // 2) <= 1, rect
    # No caption and no frame: the client area is the whole window.
    assert main.client == rect, f"non-client area present (style {main.style:#x})"
    assert main.exe.lower() == run.exe_windows_path.lower()

    # The window is really on the X screen there: its area is not just the
    # desktop's colour.
    desktop_mean, _ = region_stats(shot, 0, 0, 16, 16)
    mean, deviation = region_stats(shot, rect.x, rect.y, rect.width, rect.height)
    assert deviation > 0.001 or abs(mean - desktop_mean) > 0.001, \
        f"window area looks like bare desktop in {shot}"
