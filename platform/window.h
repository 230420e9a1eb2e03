// A thin wrapper over a window handle: the calls the program makes on its
// windows, nothing more.
#pragma once

#include <windows.h>

#include <string>

class CWindow {
public:
    HWND m_hWnd = nullptr;

    CWindow() = default;
    explicit CWindow(HWND hWnd) : m_hWnd(hWnd) {}

    void Attach(HWND hWnd) { m_hWnd = hWnd; }
    HWND Detach() {
        HWND h = m_hWnd;
        m_hWnd = nullptr;
        return h;
    }
    operator HWND() const { return m_hWnd; }

    BOOL IsWindow() const { return ::IsWindow(m_hWnd); }
    BOOL IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }
    BOOL ShowWindow(int nCmdShow) { return ::ShowWindow(m_hWnd, nCmdShow); }
    BOOL DestroyWindow() { return ::DestroyWindow(m_hWnd); }
    HWND GetDlgItem(int nID) const { return ::GetDlgItem(m_hWnd, nID); }
    int GetDlgCtrlID() const { return ::GetDlgCtrlID(m_hWnd); }

    LRESULT SendMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::SendMessageW(m_hWnd, msg, wParam, lParam);
    }
    BOOL PostMessage(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const {
        return ::PostMessageW(m_hWnd, msg, wParam, lParam);
    }

    BOOL SetWindowText(const wchar_t* text) { return ::SetWindowTextW(m_hWnd, text); }
    std::wstring GetWindowText() const {
        int len = ::GetWindowTextLengthW(m_hWnd);
        std::wstring text(static_cast<size_t>(len) + 1, L'\0');
        int got = ::GetWindowTextW(m_hWnd, &text[0], len + 1);
        text.resize(got > 0 ? static_cast<size_t>(got) : 0);
        return text;
    }

    BOOL MoveWindow(int x, int y, int cx, int cy, BOOL repaint = TRUE) {
        return ::MoveWindow(m_hWnd, x, y, cx, cy, repaint);
    }
    BOOL SetWindowPos(HWND after, int x, int y, int cx, int cy, UINT flags) {
        return ::SetWindowPos(m_hWnd, after, x, y, cx, cy, flags);
    }
    BOOL GetWindowRect(RECT* rc) const { return ::GetWindowRect(m_hWnd, rc); }
    BOOL GetClientRect(RECT* rc) const { return ::GetClientRect(m_hWnd, rc); }

    DWORD GetStyle() const { return static_cast<DWORD>(::GetWindowLongW(m_hWnd, GWL_STYLE)); }
    // Adds and removes style bits; writes the style only when it changes.
    BOOL ModifyStyle(DWORD remove, DWORD add) {
        DWORD style = GetStyle();
        DWORD newStyle = (style & ~remove) | add;
        if (style == newStyle) return FALSE;
        ::SetWindowLongW(m_hWnd, GWL_STYLE, static_cast<LONG>(newStyle));
        return TRUE;
    }

    HICON SetIcon(HICON hIcon, BOOL bigIcon) {
        return reinterpret_cast<HICON>(SendMessage(WM_SETICON, bigIcon ? ICON_BIG : ICON_SMALL,
                                                   reinterpret_cast<LPARAM>(hIcon)));
    }
    BOOL Invalidate(BOOL erase = TRUE) { return ::InvalidateRect(m_hWnd, nullptr, erase); }
    BOOL UpdateWindow() { return ::UpdateWindow(m_hWnd); }
    HWND SetFocus() { return ::SetFocus(m_hWnd); }
};
