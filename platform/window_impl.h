// Window classes that take over an existing window (a dialog's control) by
// subclassing: the object's message map sees every message first; what it
// does not handle goes to the window's original procedure.
#pragma once

#include <windows.h>

#include "platform/message_map.h"
#include "platform/window.h"

class CWindowImplRoot : public CMessageMap {
public:
    // Slot order after the dispatch and the destructor: the procedure getter,
    // then the final-message hook.
    virtual WNDPROC GetWindowProc() { return &CWindowImplRoot::WindowProc; }
    virtual void OnFinalMessage(HWND /*hWnd*/) {}

    bool IsSubclassed() const { return m_pfnSuperWindowProc != nullptr; }

protected:
    // Called by CWindowImpl; `self` is the CWindow part of the same object.
    BOOL SubclassWindowImpl(CWindow& self, HWND hWnd);
    HWND UnsubclassWindowImpl(CWindow& self);
    LRESULT DefWindowProcImpl(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    static LRESULT CALLBACK WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    CWindow* m_pSelf = nullptr;
    WNDPROC m_pfnSuperWindowProc = nullptr;
};

template <class T, class TBase = CWindow>
class CWindowImpl : public TBase, public CWindowImplRoot {
public:
    BOOL SubclassWindow(HWND hWnd) { return SubclassWindowImpl(*this, hWnd); }
    HWND UnsubclassWindow() { return UnsubclassWindowImpl(*this); }
    LRESULT DefWindowProc(UINT uMsg, WPARAM wParam, LPARAM lParam) {
        return DefWindowProcImpl(this->m_hWnd, uMsg, wParam, lParam);
    }
};
