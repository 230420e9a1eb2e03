#include "platform/dialog_impl.h"

namespace {
const wchar_t kDialogProp[] = L"Quorvel.Setup.DialogImpl";
// The object whose window is being created on this thread: the first
// message (WM_SETFONT, before WM_INITDIALOG) binds it to its window.
thread_local CDialogImplBase* t_pCreating = nullptr;
}  // namespace

bool IsDialogDirectResult(UINT uMsg) {
    switch (uMsg) {
    case WM_INITDIALOG:
    case WM_COMPAREITEM:
    case WM_VKEYTOITEM:
    case WM_CHARTOITEM:
    case WM_QUERYDRAGICON:
        return true;
    default:
        return IsCtlColorMessage(uMsg);
    }
}

HWND CDialogImplBase::CreateFromTemplate(HINSTANCE hInst, UINT templateId, HWND hWndParent, LPARAM initParam) {
    if (m_hWnd != nullptr) return nullptr;
    t_pCreating = this;
    HWND hWnd = ::CreateDialogParamW(hInst, MAKEINTRESOURCEW(templateId), hWndParent, &StartDialogProc, initParam);
    t_pCreating = nullptr;
    return hWnd;
}

INT_PTR CALLBACK CDialogImplBase::StartDialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    CDialogImplBase* self = t_pCreating;
    if (self == nullptr) return FALSE;
    t_pCreating = nullptr;
    self->m_hWnd = hWnd;
    ::SetPropW(hWnd, kDialogProp, static_cast<HANDLE>(self));
    ::SetWindowLongPtrW(hWnd, DWLP_DLGPROC, reinterpret_cast<LONG_PTR>(self->GetDialogProc()));
    return self->GetDialogProc()(hWnd, uMsg, wParam, lParam);
}

INT_PTR CALLBACK CDialogImplBase::DialogProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CDialogImplBase*>(::GetPropW(hWnd, kDialogProp));
    if (self == nullptr) return FALSE;

    LRESULT lResult = 0;
    BOOL handled = self->ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult, 0);

    if (uMsg == WM_NCDESTROY) {
        ::RemovePropW(hWnd, kDialogProp);
        self->m_hWnd = nullptr;
        self->OnFinalMessage(hWnd);
        return handled;
    }
    if (!handled) return FALSE;
    if (IsDialogDirectResult(uMsg)) return static_cast<INT_PTR>(lResult);
    if (::IsWindow(hWnd)) ::SetWindowLongPtrW(hWnd, DWLP_MSGRESULT, lResult);  // a handler may have destroyed it
    return TRUE;
}
