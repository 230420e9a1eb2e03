// The installing page's thin progress bar: the platform progress bar keeps
// range and position; this class will own its painting.
#pragma once

#include "platform/controls.h"
#include "platform/window_impl.h"

class CDownProgressBarCtrl : public CWindowImpl<CDownProgressBarCtrl, CProgressBarCtrlT<CWindow>> {
public:
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                              DWORD dwMsgMapID = 0) override;
};
