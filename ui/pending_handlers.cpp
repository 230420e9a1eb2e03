// Handlers whose behaviour arrives with later work on the window and the
// pipeline. Each leaves the message to the default processing where that
// matters (hit-testing, painting, label colours) and otherwise does nothing.
#include "ui/main_dlg.h"

LRESULT CMainDlg::OnNcHitTest(POINT /*pt*/, BOOL& handled) {
    handled = FALSE;
    return 0;
}
LRESULT CMainDlg::OnPaint(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}
LRESULT CMainDlg::OnCtlColorStatic(UINT, WPARAM, LPARAM, BOOL& handled) {
    handled = FALSE;
    return 0;
}
void CMainDlg::OnTimer(UINT_PTR /*timerId*/, BOOL& /*handled*/) {}

LRESULT CMainDlg::OnDownProgress(UINT, WPARAM, LPARAM, BOOL&) { return 0; }
LRESULT CMainDlg::OnDownSize(UINT, WPARAM, LPARAM, BOOL&) { return 0; }
LRESULT CMainDlg::OnSegmentDone(UINT, WPARAM, LPARAM, BOOL&) { return 0; }
LRESULT CMainDlg::OnDownError(UINT, WPARAM, LPARAM, BOOL&) { return 0; }
LRESULT CMainDlg::OnInstallDone(UINT, WPARAM, LPARAM, BOOL&) { return 0; }
LRESULT CMainDlg::OnSegmentWritten(UINT, WPARAM, LPARAM, BOOL&) { return 0; }
LRESULT CMainDlg::OnTrayIcon(UINT, WPARAM, LPARAM, BOOL&) { return 0; }

LRESULT CMainDlg::OnMinimize(WORD, WORD, HWND, BOOL&) { return 0; }
LRESULT CMainDlg::OnInstall(WORD, WORD, HWND, BOOL&) { return 0; }
LRESULT CMainDlg::OnCustomClicked(WORD, WORD, HWND, BOOL&) { return 0; }
LRESULT CMainDlg::OnAgreeClicked(WORD, WORD, HWND, BOOL&) { return 0; }
LRESULT CMainDlg::OnLicenseClicked(WORD, WORD, HWND, BOOL&) { return 0; }
LRESULT CMainDlg::OnHide(WORD, WORD, HWND, BOOL&) { return 0; }
LRESULT CMainDlg::OnStartProduct(WORD, WORD, HWND, BOOL&) { return 0; }
LRESULT CMainDlg::OnBrowse(WORD, WORD, HWND, BOOL&) { return 0; }
