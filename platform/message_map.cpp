#include "platform/message_map.h"

HWND ReflectionTarget(HWND hWndParent, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    switch (uMsg) {
    case WM_COMMAND:
        return reinterpret_cast<HWND>(lParam);  // null for menus and accelerators
    case WM_NOTIFY:
        return lParam ? reinterpret_cast<const NMHDR*>(lParam)->hwndFrom : nullptr;
    case WM_PARENTNOTIFY:
        switch (LOWORD(wParam)) {
        case WM_CREATE:
        case WM_DESTROY:
            return reinterpret_cast<HWND>(lParam);
        default:
            return ::GetDlgItem(hWndParent, HIWORD(wParam));
        }
    case WM_DRAWITEM:
        return wParam ? reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_MEASUREITEM:
        return wParam ? ::GetDlgItem(hWndParent, reinterpret_cast<const MEASUREITEMSTRUCT*>(lParam)->CtlID) : nullptr;
    case WM_COMPAREITEM:
        return wParam ? reinterpret_cast<const COMPAREITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_DELETEITEM:
        return wParam ? reinterpret_cast<const DELETEITEMSTRUCT*>(lParam)->hwndItem : nullptr;
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return reinterpret_cast<HWND>(lParam);
    default:
        return IsCtlColorMessage(uMsg) ? reinterpret_cast<HWND>(lParam) : nullptr;
    }
}

BOOL ReflectNotification(HWND hWndParent, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
    HWND child = ReflectionTarget(hWndParent, uMsg, wParam, lParam);
    if (child == nullptr || !::IsWindow(child)) return FALSE;
    lResult = ::SendMessageW(child, OCM__BASE + uMsg, wParam, lParam);
    return TRUE;
}

static bool IsReflectedMessage(UINT uMsg) {
    if (uMsg < OCM__BASE) return false;
    switch (uMsg - OCM__BASE) {
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_PARENTNOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_COMPAREITEM:
    case WM_DELETEITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return true;
    default:
        return IsCtlColorMessage(uMsg - OCM__BASE);
    }
}

BOOL DefaultReflectionHandler(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult) {
    if (!IsReflectedMessage(uMsg)) return FALSE;
    lResult = ::DefWindowProcW(hWnd, uMsg - OCM__BASE, wParam, lParam);
    return TRUE;
}
