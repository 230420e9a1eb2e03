// Owner-draw mixin: takes the reflected owner-draw messages of a control and
// hands them to the control class (DrawItem, and the defaults below, which
// the class may hide with its own).
#pragma once

#include <windows.h>

#include "platform/message_map.h"

template <class T>
class COwnerDraw {
public:
    // Chained into the control's message map.
    BOOL ProcessOwnerDraw(HWND /*hWnd*/, UINT uMsg, WPARAM /*wParam*/, LPARAM lParam, LRESULT& lResult) {
        T* self = static_cast<T*>(this);
        switch (uMsg) {
        case OCM_DRAWITEM:
            self->DrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
            lResult = TRUE;
            return TRUE;
        case OCM_MEASUREITEM:
            self->MeasureItem(reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
            lResult = TRUE;
            return TRUE;
        case OCM_COMPAREITEM:
            lResult = self->CompareItem(reinterpret_cast<COMPAREITEMSTRUCT*>(lParam));
            return TRUE;
        case OCM_DELETEITEM:
            self->DeleteItem(reinterpret_cast<DELETEITEMSTRUCT*>(lParam));
            lResult = TRUE;
            return TRUE;
        default:
            return FALSE;
        }
    }

    void DrawItem(DRAWITEMSTRUCT* /*dis*/) {}
    // Default item height: the height of a menu bar line.
    void MeasureItem(MEASUREITEMSTRUCT* mis) { mis->itemHeight = static_cast<UINT>(::GetSystemMetrics(SM_CYMENU)); }
    int CompareItem(COMPAREITEMSTRUCT* /*cis*/) { return 0; }
    void DeleteItem(DELETEITEMSTRUCT* /*dis*/) {}
};
