#include "controls/select_state_button.h"

namespace {
using Entry = MessageMapEntry<CSelectStateButton>;
const Entry kMessageMap[] = {
    Entry::Chain(&CSelectStateButton::ProcessOwnerDraw),
    Entry::DefaultReflection(),
};
}  // namespace

CSelectStateButton::CSelectStateButton() { ::InitializeCriticalSection(&m_csState); }

CSelectStateButton::~CSelectStateButton() { ::DeleteCriticalSection(&m_csState); }

BOOL CSelectStateButton::ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                                              DWORD /*dwMsgMapID*/) {
    return DispatchMessageMap(this, kMessageMap, hWnd, uMsg, wParam, lParam, lResult);
}

void CSelectStateButton::SetImages(const std::vector<Gdiplus::GpImage*>& images, HWND hWndNotify) {
    m_vecImages = images;
    m_hWndNotify = hWndNotify;
}

int CSelectStateButton::GetState() const {
    ::EnterCriticalSection(&m_csState);
    int state = m_nState;
    ::LeaveCriticalSection(&m_csState);
    return state;
}

void CSelectStateButton::DrawItem(DRAWITEMSTRUCT* /*dis*/) {
    // Drawn from its pictures with the skinned-controls work.
}
