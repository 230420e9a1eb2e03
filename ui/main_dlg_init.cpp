// WM_INITDIALOG: size, place, icons, registration and the job's first values.
#include "ui/main_dlg.h"

POINT CenterInWorkArea(SIZE window, const RECT& work) {
    auto centre = [](LONG low, LONG high, LONG extent) {
        LONG pos = (low + high) / 2 - extent / 2;
        if (pos + extent > high) pos = high - extent;
        if (pos < low) pos = low;
        return pos;
    };
    return POINT{centre(work.left, work.right, window.cx), centre(work.top, work.bottom, window.cy)};
}

namespace {
void CenterOnWorkArea(CWindow& wnd) {
    RECT rc{};
    wnd.GetWindowRect(&rc);
    MONITORINFO mi{};
    mi.cbSize = sizeof(mi);
    HMONITOR monitor = ::MonitorFromWindow(wnd, MONITOR_DEFAULTTONEAREST);
    if (monitor == nullptr || !::GetMonitorInfoW(monitor, &mi)) return;
    POINT pt = CenterInWorkArea(SIZE{rc.right - rc.left, rc.bottom - rc.top}, mi.rcWork);
    wnd.SetWindowPos(nullptr, pt.x, pt.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void SetWindowIcons(CWindow& wnd) {
    HINSTANCE inst = g_Module.GetResourceInstance();
    auto load = [inst](int cxMetric, int cyMetric) {
        return static_cast<HICON>(::LoadImageW(inst, MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON,
                                               ::GetSystemMetrics(cxMetric), ::GetSystemMetrics(cyMetric),
                                               LR_DEFAULTCOLOR));
    };
    wnd.SetIcon(load(SM_CXICON, SM_CYICON), TRUE);
    wnd.SetIcon(load(SM_CXSMICON, SM_CYSMICON), FALSE);
}
}  // namespace

LRESULT CMainDlg::OnInitDialog(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, BOOL& /*handled*/) {
    SetWindowPos(nullptr, 0, 0, MAIN_WIDTH, MAIN_HEIGHT, SWP_NOZORDER);
    ModifyStyle(0, WS_MINIMIZEBOX);
    CenterOnWorkArea(*this);
    SetWindowIcons(*this);

    if (CMessageLoop* loop = g_Module.GetMessageLoop()) {
        loop->AddMessageFilter(this);
        loop->AddIdleHandler(this);
    }

    m_pSegments = nullptr;
    g_pMainDlg = this;
    SetJobWindow(m_hWnd);
    m_nNextWrite = 0;
    m_nRetryCount = 0;
    m_nSegmentsDone = 0;
    m_nPage = PAGE_SETUP;
    m_pImgLogo = nullptr;
    m_pImgTitle = nullptr;
    m_pImgPathFrame = nullptr;
    return TRUE;
}
