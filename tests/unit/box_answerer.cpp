#include "tests/unit/box_answerer.h"

namespace {

BoxAnswerer* g_active = nullptr;  // one answerer at a time, on the test thread

struct FindBox {
    HWND owner;
    HWND found;
};

BOOL CALLBACK FindBoxProc(HWND hWnd, LPARAM lParam) {
    auto* find = reinterpret_cast<FindBox*>(lParam);
    wchar_t cls[16] = {};
    ::GetClassNameW(hWnd, cls, 16);
    if (::GetWindow(hWnd, GW_OWNER) == find->owner && lstrcmpW(cls, L"#32770") == 0 && ::IsWindowVisible(hWnd)) {
        find->found = hWnd;
        return FALSE;
    }
    return TRUE;
}

std::wstring TextOf(HWND hWnd) {
    wchar_t buf[1024] = {};
    ::GetWindowTextW(hWnd, buf, 1024);
    return buf;
}

UINT ButtonsOf(HWND box) {
    if (::GetDlgItem(box, IDYES) != nullptr) return MB_YESNO;
    if (::GetDlgItem(box, IDRETRY) != nullptr) return MB_RETRYCANCEL;
    return MB_OK;
}

}  // namespace

BoxAnswerer::BoxAnswerer(HWND owner, std::vector<Answer> answers) : m_owner(owner), m_answers(std::move(answers)) {
    g_active = this;
    m_timer = ::SetTimer(nullptr, 0, 50, &BoxAnswerer::OnTimer);
}

BoxAnswerer::~BoxAnswerer() {
    ::KillTimer(nullptr, m_timer);
    if (g_active == this) g_active = nullptr;
}

void CALLBACK BoxAnswerer::OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    if (g_active != nullptr) g_active->Poll();
}

void BoxAnswerer::Poll() {
    FindBox find{m_owner, nullptr};
    ::EnumThreadWindows(::GetCurrentThreadId(), FindBoxProc, reinterpret_cast<LPARAM>(&find));
    HWND box = find.found;
    if (box == nullptr || box == m_lastBox) return;  // none, or the one already answered is closing
    m_lastBox = box;

    m_seen.push_back(SeenBox{TextOf(box), TextOf(::GetDlgItem(box, 0xFFFF)), ButtonsOf(box)});
    size_t index = m_seen.size() - 1;
    Answer answer = index < m_answers.size() ? m_answers[index] : Answer{IDCANCEL, nullptr};
    if (answer.before) answer.before();
    if (answer.button == 0) {
        ::PostMessageW(box, WM_COMMAND, IDCANCEL, 0);  // what Esc or the close box sends
    } else {
        ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(answer.button, BN_CLICKED),
                       reinterpret_cast<LPARAM>(::GetDlgItem(box, answer.button)));
    }
}
