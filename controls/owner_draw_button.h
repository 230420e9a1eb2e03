// Image push button: takes over an owner-drawn dialog button and draws it
// from pictures (normal, hover, pressed) that its owner window keeps.
#pragma once

#include <windows.h>
#include "platform/gdiplus_include.h"

#include <vector>

#include "platform/controls.h"
#include "platform/owner_draw.h"
#include "platform/window_impl.h"

class COwnerDrawButton : public CWindowImpl<COwnerDrawButton, CButtonT<CWindow>>,
                         public COwnerDraw<COwnerDrawButton> {
public:
    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                              DWORD dwMsgMapID = 0) override;

    // The pictures in list order and the window that receives the clicks.
    void SetImages(const std::vector<Gdiplus::GpImage*>& images, HWND hWndNotify);
    void DrawItem(DRAWITEMSTRUCT* dis);

private:
    std::vector<Gdiplus::GpImage*> m_vecImages;
    HWND m_hWndNotify = nullptr;
};
