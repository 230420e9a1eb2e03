// Moves values between dialog controls and variables: the load direction
// sets the control from the variable, the save direction reads it back.
#pragma once

#include <windows.h>

#include <string>

#include "platform/window.h"

template <class T>
class CWinDataExchange {
public:
    // Text of control nID <-> str. On failure: a beep and the focus to the control.
    BOOL DDX_Text(UINT nID, std::wstring& str, BOOL bSave) {
        T* self = static_cast<T*>(this);
        HWND hCtrl = ::GetDlgItem(self->m_hWnd, static_cast<int>(nID));
        BOOL ok = FALSE;
        if (hCtrl != nullptr) {
            if (bSave) {
                str = CWindow(hCtrl).GetWindowText();
                ok = TRUE;
            } else {
                ok = ::SetWindowTextW(hCtrl, str.c_str());
            }
        }
        if (!ok) self->OnDataExchangeError(nID, bSave);
        return ok;
    }

    // Takes over control nID with a window object, once.
    template <class TControl>
    BOOL DDX_Control(UINT nID, TControl& ctrl, BOOL bSave) {
        if (bSave || ctrl.IsSubclassed()) return TRUE;
        T* self = static_cast<T*>(this);
        return ctrl.SubclassWindow(::GetDlgItem(self->m_hWnd, static_cast<int>(nID)));
    }

    void OnDataExchangeError(UINT nCtrlID, BOOL /*bSave*/) {
        T* self = static_cast<T*>(this);
        ::MessageBeep(static_cast<UINT>(-1));
        ::SetFocus(::GetDlgItem(self->m_hWnd, static_cast<int>(nCtrlID)));
    }
};
