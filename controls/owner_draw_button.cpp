#include "controls/owner_draw_button.h"

namespace {
using Entry = MessageMapEntry<COwnerDrawButton>;
const Entry kMessageMap[] = {
    Entry::Chain(&COwnerDrawButton::ProcessOwnerDraw),
    Entry::DefaultReflection(),
};
}  // namespace

BOOL COwnerDrawButton::ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                                            DWORD /*dwMsgMapID*/) {
    return DispatchMessageMap(this, kMessageMap, hWnd, uMsg, wParam, lParam, lResult);
}

void COwnerDrawButton::SetImages(const std::vector<Gdiplus::GpImage*>& images, HWND hWndNotify) {
    m_vecImages = images;
    m_hWndNotify = hWndNotify;
}

void COwnerDrawButton::DrawItem(DRAWITEMSTRUCT* /*dis*/) {
    // The pictures come with the skinned-controls work; until then the
    // button paints nothing of its own.
}
