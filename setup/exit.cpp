// Leaving the program: the close question, WM_CLOSE, and the exit routine.
#include "platform/gdiplus_include.h"

#include "app/language.h"
#include "setup/message_box.h"
#include "ui/main_dlg.h"

namespace {
void ReleaseImage(Gdiplus::GpImage*& image) {
    if (image != nullptr) Gdiplus::DllExports::GdipDisposeImage(image);
    image = nullptr;
}
}  // namespace

void CMainDlg::CloseDialog(int exitCode) {
    ReleaseImage(m_pImgLogo);
    ReleaseImage(m_pImgTitle);
    ReleaseImage(m_pImgPathFrame);
    for (Gdiplus::GpImage*& slide : m_vecSlides) ReleaseImage(slide);
    DestroyWindow();
    ::PostQuitMessage(exitCode);
}

LRESULT CMainDlg::OnCloseClicked(WORD /*code*/, WORD /*id*/, HWND /*hWndCtl*/, BOOL& /*handled*/) {
    std::wstring caption = GetLanStr(L"STR_SOFT_TIP");
    std::wstring question = GetLanStr(L"STR_CLOSE_TIP");
    if (ShowMessageBox(m_hWnd, question, caption, MB_YESNO) == IDYES) CloseDialog(EXIT_CODE_CLOSED);
    return 0;
}

void CMainDlg::OnClose(BOOL& handled) {
    if (m_nPage == PAGE_INSTALLING) {
        ShowWindow(SW_HIDE);  // the job goes on; the finish page shows the window again
        return;
    }
    OnCloseClicked(0, IDC_BTN_CLOSE, nullptr, handled);
}
