#include "ui/main_dlg.h"

#include <cstring>

namespace {
using Entry = MessageMapEntry<CMainDlg>;

// Tested first to last; the first entry that takes a message wins.
const Entry kMessageMap[] = {
    Entry::Message(WM_INITDIALOG, &CMainDlg::OnInitDialog),
    Entry::Message(WM_DESTROY, &CMainDlg::OnDestroy),
    Entry::NcHitTest(&CMainDlg::OnNcHitTest),
    Entry::Message(WM_DOWN_PROGRESS, &CMainDlg::OnDownProgress),
    Entry::Message(WM_DOWN_SIZE, &CMainDlg::OnDownSize),
    Entry::Message(WM_SEGMENT_DONE, &CMainDlg::OnSegmentDone),
    Entry::Message(WM_DOWN_ERROR, &CMainDlg::OnDownError),
    Entry::Message(WM_INSTALL_DONE, &CMainDlg::OnInstallDone),
    Entry::Message(WM_SEGMENT_WRITTEN, &CMainDlg::OnSegmentWritten),
    Entry::Message(WM_TRAYICON, &CMainDlg::OnTrayIcon),
    Entry::Message(WM_PAINT, &CMainDlg::OnPaint),
    Entry::Message(WM_CTLCOLORSTATIC, &CMainDlg::OnCtlColorStatic),
    Entry::Timer(&CMainDlg::OnTimer),
    Entry::Close(&CMainDlg::OnClose),
    Entry::Command(IDC_BTN_CLOSE, &CMainDlg::OnCloseClicked),
    Entry::Command(IDC_BTN_MIN, &CMainDlg::OnMinimize),
    Entry::Command(IDC_BTN_INSTALL, &CMainDlg::OnInstall),
    Entry::Command(IDC_CHK_CUSTOM, &CMainDlg::OnCustomClicked),
    Entry::Command(IDC_CHK_AGREE, &CMainDlg::OnAgreeClicked),
    Entry::Command(IDC_BTN_LICENSE, &CMainDlg::OnLicenseClicked),
    Entry::Command(IDC_BTN_HIDE, &CMainDlg::OnHide),
    Entry::Command(IDC_BTN_START, &CMainDlg::OnStartProduct),
    Entry::Command(IDC_BTN_BROWSE, &CMainDlg::OnBrowse),
    Entry::Reflect(),
};
static_assert(sizeof(kMessageMap) / sizeof(kMessageMap[0]) == 24, "the main window's dispatch has 24 entries");

const UpdateUIEntry kUpdateUIMap[] = {{0, false}};
}  // namespace

CMainDlg::CMainDlg() { std::memset(&m_nid, 0, sizeof(m_nid)); }

CMainDlg::~CMainDlg() = default;

const MessageMapEntry<CMainDlg>* CMainDlg::GetMessageMap(size_t* count) {
    *count = sizeof(kMessageMap) / sizeof(kMessageMap[0]);
    return kMessageMap;
}

const UpdateUIEntry* CMainDlg::GetUpdateUIMap() { return kUpdateUIMap; }

BOOL CMainDlg::ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                                    DWORD /*dwMsgMapID*/) {
    return DispatchMessageMap(this, kMessageMap, hWnd, uMsg, wParam, lParam, lResult);
}

BOOL CMainDlg::PreTranslateMessage(MSG* pMsg) { return ::IsDialogMessageW(m_hWnd, pMsg); }

BOOL CMainDlg::OnIdle() {
    UIUpdateChildWindows();
    return FALSE;
}

LRESULT CMainDlg::OnDestroy(UINT /*uMsg*/, WPARAM /*wParam*/, LPARAM /*lParam*/, BOOL& /*handled*/) {
    SetJobWindow(nullptr);  // late reports of worker threads are dropped from here on
    if (CMessageLoop* loop = g_Module.GetMessageLoop()) {
        loop->RemoveMessageFilter(this);
        loop->RemoveIdleHandler(this);
    }
    return 0;
}
