// Answers the message boxes a test provokes. Boxes are modal on the test's
// own thread, so the answerer runs there too: a thread timer, which the
// box's modal loop keeps serving, finds each box owned by the window,
// records it, optionally runs an action (ending a process, say) and presses
// the chosen button. Boxes beyond the planned answers are recorded and
// cancelled, so an unexpected box never hangs a test.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

struct SeenBox {
    std::wstring caption;
    std::wstring text;
    UINT buttons;  // MB_OK, MB_YESNO or MB_RETRYCANCEL, as read from the box
};

class BoxAnswerer {
public:
    struct Answer {
        int button;                    // IDYES, IDNO, IDRETRY, IDCANCEL; 0: close it as Esc does
        std::function<void()> before;  // run before pressing
    };

    BoxAnswerer(HWND owner, std::vector<Answer> answers);
    ~BoxAnswerer();
    BoxAnswerer(const BoxAnswerer&) = delete;
    BoxAnswerer& operator=(const BoxAnswerer&) = delete;

    const std::vector<SeenBox>& Seen() const { return m_seen; }

private:
    static void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD);
    void Poll();

    HWND m_owner;
    std::vector<Answer> m_answers;
    std::vector<SeenBox> m_seen;
    HWND m_lastBox = nullptr;
    UINT_PTR m_timer = 0;
};
