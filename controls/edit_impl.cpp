#include "controls/edit_impl.h"

namespace {
using Entry = MessageMapEntry<CEditImpl>;
const Entry kMessageMap[] = {
    Entry::Message(WM_CONTEXTMENU, &CEditImpl::OnContextMenu),
};
}  // namespace

BOOL CEditImpl::ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                                     DWORD /*dwMsgMapID*/) {
    return DispatchMessageMap(this, kMessageMap, hWnd, uMsg, wParam, lParam, lResult);
}

LRESULT CEditImpl::OnContextMenu(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, BOOL& /*handled*/) {
    return 0;  // no menu: the box only ever holds a folder
}
