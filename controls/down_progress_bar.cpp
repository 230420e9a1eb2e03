#include "controls/down_progress_bar.h"

BOOL CDownProgressBarCtrl::ProcessWindowMessage(HWND /*hWnd*/, UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/,
                                                LRESULT& /*lResult*/, DWORD /*dwMsgMapID*/) {
    return FALSE;  // the flat painting comes with the skinned-controls work
}
