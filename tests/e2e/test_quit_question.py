"""Leaving setup: the quit question and its answers."""

import pytest

from locales import ENGLISH, GERMAN
from setup_run import IDNO, IDYES, WM_CLOSE, WM_COMMAND, makewparam

CLOSE_BUTTON = 1000
BN_DOUBLECLICKED = 5
EXIT_CODE_QUIT = 1000
# How long a stray message box is given to show up after Escape.
ESCAPE_GRACE_S = 4

LANGUAGES = {
    "en": (ENGLISH, "Brinmoraxel Setup",
           "Are you sure you want to quit Quorvel Brinmoraxel Setup?"),
    "de": (GERMAN, "Brinmoraxel Installation",
           "Sind Sie sicher, dass Sie Quorvel Brinmoraxel Setup beenden möchten?"),
}


# Each way of asking takes the close button as winctl's child-rect saw it
# and returns the message box that came up.
def click_close_button(run, x_input, button):
    assert button.get("visible") == "1", "the close button is hidden"
    x, y, w, h = (int(v) for v in button.get("rect").split(","))
    x_input.click(x + w // 2, y + h // 2)
    return run.wait_message_box()


def post_wm_close(run, x_input, button):
    return run.post_and_wait_message_box(WM_CLOSE)


def post_close_command(run, x_input, button):
    return run.post_and_wait_message_box(
        WM_COMMAND, makewparam(CLOSE_BUTTON, BN_DOUBLECLICKED), int(button.get("hwnd"), 0))


def assert_quit_question(box, caption, text):
    assert box.title == caption
    statics = [i.text for i in box.items_of_class("Static") if i.text]
    assert text in statics, statics
    buttons = sorted(i.id for i in box.items_of_class("Button") if i.visible)
    assert buttons == [IDYES, IDNO]


@pytest.mark.parametrize("ask, language", [
    (click_close_button, "en"),
    (click_close_button, "de"),
    (post_wm_close, "de"),
    (post_close_command, "en"),
], ids=["close-button-en", "close-button-de", "wm-close-de", "close-command-en"])
def test_quit_question_no_stays_yes_exits(start_setup, x_input, ask, language):
    env, caption, text = LANGUAGES[language]
    run = start_setup(env)
    run.wait_main_window()
    button = run.control(CLOSE_BUTTON)

    box = ask(run, x_input, button)
    assert_quit_question(box, caption, text)
    assert run.answer(box, IDNO, x_input) == (True, True), "No must keep the window"

    box = ask(run, x_input, button)
    assert_quit_question(box, caption, text)
    run.answer(box, IDYES, x_input)
    assert run.wait_exit() == EXIT_CODE_QUIT


def point_clear_of_controls(window, inset=6):
    """A point inside the window that no visible control covers."""
    rect = window.rect
    candidates = [
        (rect.x + inset, rect.y + inset),
        (rect.x + inset, rect.y + rect.height - inset),
        (rect.x + rect.width // 2, rect.y + inset),
        (rect.x + rect.width // 2, rect.y + rect.height // 2),
    ]
    for x, y in candidates:
        covered = any(i.visible and i.rect.x <= x < i.rect.x + i.rect.width
                      and i.rect.y <= y < i.rect.y + i.rect.height for i in window.items)
        if not covered:
            return x, y
    pytest.fail(f"no free spot to click in {rect}: {window.items}")


def test_escape_neither_asks_nor_closes(start_setup, x_input):
    run = start_setup()
    main = run.wait_main_window()
    x_input.click(*point_clear_of_controls(main))  # gives the window the focus
    x_input.key("Escape")

    assert run.message_boxes_after(ESCAPE_GRACE_S) == []
    assert run.main_state() == (True, True)
