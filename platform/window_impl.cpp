#include "platform/window_impl.h"

namespace {
const wchar_t kImplProp[] = L"Quorvel.Setup.WindowImpl";
}

BOOL CWindowImplRoot::SubclassWindowImpl(CWindow& self, HWND hWnd) {
    if (m_pfnSuperWindowProc != nullptr || !::IsWindow(hWnd)) return FALSE;
    if (!::SetPropW(hWnd, kImplProp, static_cast<HANDLE>(this))) return FALSE;
    m_pSelf = &self;
    self.m_hWnd = hWnd;
    m_pfnSuperWindowProc = reinterpret_cast<WNDPROC>(
        ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(GetWindowProc())));
    if (m_pfnSuperWindowProc == nullptr) {
        ::RemovePropW(hWnd, kImplProp);
        self.m_hWnd = nullptr;
        return FALSE;
    }
    return TRUE;
}

HWND CWindowImplRoot::UnsubclassWindowImpl(CWindow& self) {
    HWND hWnd = self.m_hWnd;
    if (hWnd == nullptr || m_pfnSuperWindowProc == nullptr) return nullptr;
    ::SetWindowLongPtrW(hWnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(m_pfnSuperWindowProc));
    ::RemovePropW(hWnd, kImplProp);
    m_pfnSuperWindowProc = nullptr;
    self.m_hWnd = nullptr;
    return hWnd;
}

LRESULT CWindowImplRoot::DefWindowProcImpl(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    if (m_pfnSuperWindowProc == nullptr) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);
    return ::CallWindowProcW(m_pfnSuperWindowProc, hWnd, uMsg, wParam, lParam);
}

LRESULT CALLBACK CWindowImplRoot::WindowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam) {
    auto* self = static_cast<CWindowImplRoot*>(::GetPropW(hWnd, kImplProp));
    if (self == nullptr) return ::DefWindowProcW(hWnd, uMsg, wParam, lParam);

    LRESULT lResult = 0;
    if (!self->ProcessWindowMessage(hWnd, uMsg, wParam, lParam, lResult, 0)) {
        lResult = self->DefWindowProcImpl(hWnd, uMsg, wParam, lParam);
    }
    if (uMsg == WM_NCDESTROY && self->m_pSelf != nullptr) {
        self->UnsubclassWindowImpl(*self->m_pSelf);
        self->OnFinalMessage(hWnd);
    }
    return lResult;
}
