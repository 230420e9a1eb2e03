// Wrappers over the platform's control classes, to be used as the base of
// CWindowImpl for controls the program takes over.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include "platform/window.h"

template <class TBase>
class CButtonT : public TBase {
public:
    static const wchar_t* GetWndClassName() { return L"BUTTON"; }
    UINT GetButtonStyle() const { return static_cast<UINT>(this->GetStyle()) & 0xFFFF; }
};
using CButton = CButtonT<CWindow>;

template <class TBase>
class CEditT : public TBase {
public:
    static const wchar_t* GetWndClassName() { return L"EDIT"; }
    void SetSel(int start, int end) { this->SendMessage(EM_SETSEL, start, end); }
};
using CEdit = CEditT<CWindow>;

template <class TBase>
class CProgressBarCtrlT : public TBase {
public:
    static const wchar_t* GetWndClassName() { return PROGRESS_CLASSW; }

    void SetRange32(int low, int high) { this->SendMessage(PBM_SETRANGE32, low, high); }
    void GetRange(PBRANGE* range) const { this->SendMessage(PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(range)); }
    int SetPos(int pos) { return static_cast<int>(this->SendMessage(PBM_SETPOS, pos, 0)); }
    int GetPos() const { return static_cast<int>(this->SendMessage(PBM_GETPOS, 0, 0)); }
    COLORREF SetBkColor(COLORREF color) { return static_cast<COLORREF>(this->SendMessage(PBM_SETBKCOLOR, 0, color)); }
};
using CProgressBarCtrl = CProgressBarCtrlT<CWindow>;
