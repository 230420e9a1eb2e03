// Two-state picture button (tick box, folder-row toggle, licence link): its
// state flips on every press and is kept under a lock.
#pragma once

#include <windows.h>
#include "platform/gdiplus_include.h"

#include <vector>

#include "platform/controls.h"
#include "platform/owner_draw.h"
#include "platform/window_impl.h"

class CSelectStateButton : public CWindowImpl<CSelectStateButton, CButtonT<CWindow>>,
                           public COwnerDraw<CSelectStateButton> {
public:
    CSelectStateButton();
    ~CSelectStateButton() override;

    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                              DWORD dwMsgMapID = 0) override;

    // The pictures for state off and on, and the window that receives the clicks.
    void SetImages(const std::vector<Gdiplus::GpImage*>& images, HWND hWndNotify);
    int GetState() const;
    void DrawItem(DRAWITEMSTRUCT* dis);

private:
    mutable CRITICAL_SECTION m_csState;
    int m_nState = 0;
    std::vector<Gdiplus::GpImage*> m_vecImages;
    HWND m_hWndNotify = nullptr;
};
