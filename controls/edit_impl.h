// The install-folder edit box: the platform's single-line edit, without a
// context menu.
#pragma once

#include "platform/controls.h"
#include "platform/window_impl.h"

class CEditImpl : public CWindowImpl<CEditImpl, CEditT<CWindow>> {
public:
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                              DWORD dwMsgMapID = 0) override;
    LRESULT OnContextMenu(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
};
