// Modeless dialogs from a dialog template, with the object's message map as
// the dialog procedure.
#pragma once

#include <windows.h>

#include "platform/message_map.h"
#include "platform/window.h"

// Whether a handled message's result is the dialog procedure's own return
// value (TRUE) or goes into the dialog's message result (FALSE).
bool IsDialogDirectResult(UINT uMsg);

class CDialogImplBase : public CWindow, public CMessageMap {
public:
    // Slot order after the dispatch and the destructor.
    virtual DLGPROC GetDialogProc() { return &CDialogImplBase::DialogProc; }
    virtual void OnFinalMessage(HWND /*hWnd*/) {}

protected:
    HWND CreateFromTemplate(HINSTANCE hInst, UINT templateId, HWND hWndParent, LPARAM initParam);

    static INT_PTR CALLBACK StartDialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
    static INT_PTR CALLBACK DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
};

template <class T>
class CDialogImpl : public CDialogImplBase {
public:
    HWND Create(HINSTANCE hInst, HWND hWndParent = nullptr, LPARAM initParam = 0) {
        return CreateFromTemplate(hInst, T::IDD, hWndParent, initParam);
    }
};
