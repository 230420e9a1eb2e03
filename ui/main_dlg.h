// The program's only window: a borderless dialog from template 129 that owns
// the skinned controls, the skin pictures, the tray record, the page state
// and the install job.
#pragma once

#include <windows.h>
#include "platform/gdiplus_include.h"
#include <shellapi.h>

#include <cstdint>
#include <string>
#include <vector>

#include "app/constants.h"
#include "controls/down_progress_bar.h"
#include "controls/edit_impl.h"
#include "controls/owner_draw_button.h"
#include "controls/select_state_button.h"
#include "platform/app_module.h"
#include "platform/data_exchange.h"
#include "platform/dialog_impl.h"
#include "platform/update_ui.h"
#include "setup/job.h"

static_assert(sizeof(NOTIFYICONDATAW) == 956, "the tray record in its full Vista-and-later layout");

class CMainDlg : public CDialogImpl<CMainDlg>,
                 public CUpdateUI<CMainDlg>,
                 public CWinDataExchange<CMainDlg>,
                 public CMessageFilter,
                 public CIdleHandler {
public:
    enum { IDD = IDD_MAINDLG };

    CMainDlg();
    ~CMainDlg() override;
    CMainDlg(const CMainDlg&) = delete;
    CMainDlg& operator=(const CMainDlg&) = delete;

    BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult,
                              DWORD dwMsgMapID = 0) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnIdle() override;

    // The dispatch table, in the order it is tested.
    static const MessageMapEntry<CMainDlg>* GetMessageMap(size_t* count);
    // The update map: no control is kept up to date at idle time.
    static const UpdateUIEntry* GetUpdateUIMap();

    // Message form handlers.
    LRESULT OnInitDialog(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnDestroy(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnDownProgress(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnDownSize(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnSegmentDone(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnDownError(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnInstallDone(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnSegmentWritten(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnTrayIcon(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnPaint(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);
    LRESULT OnCtlColorStatic(UINT uMsg, WPARAM wParam, LPARAM lParam, BOOL& handled);

    // Cracked handlers.
    LRESULT OnNcHitTest(POINT pt, BOOL& handled);
    void OnTimer(UINT_PTR timerId, BOOL& handled);
    void OnClose(BOOL& handled);

    // Command handlers, bound by control id whatever the notification code.
    LRESULT OnCloseClicked(WORD code, WORD id, HWND hWndCtl, BOOL& handled);
    LRESULT OnMinimize(WORD code, WORD id, HWND hWndCtl, BOOL& handled);
    LRESULT OnInstall(WORD code, WORD id, HWND hWndCtl, BOOL& handled);
    LRESULT OnCustomClicked(WORD code, WORD id, HWND hWndCtl, BOOL& handled);
    LRESULT OnAgreeClicked(WORD code, WORD id, HWND hWndCtl, BOOL& handled);
    LRESULT OnLicenseClicked(WORD code, WORD id, HWND hWndCtl, BOOL& handled);
    LRESULT OnHide(WORD code, WORD id, HWND hWndCtl, BOOL& handled);
    LRESULT OnStartProduct(WORD code, WORD id, HWND hWndCtl, BOOL& handled);
    LRESULT OnBrowse(WORD code, WORD id, HWND hWndCtl, BOOL& handled);

    // Releases the page pictures, destroys the window and posts the quit
    // message with exitCode. The window is gone when it returns.
    void CloseDialog(int exitCode);
    // Answers true once no copy of the product runs; false when the user gave
    // up, in which case the program is already closing.
    bool CheckRunningProduct(const std::wstring& processName);

    int Page() const { return m_nPage; }

protected:
    int m_nPage = PAGE_SETUP;
    COwnerDrawButton m_btnClose;
    COwnerDrawButton m_btnMin;
    COwnerDrawButton m_btnInstall;
    COwnerDrawButton m_btnBrowse;
    CSelectStateButton m_chkAgree;
    CSelectStateButton m_btnLicense;
    CSelectStateButton m_chkCustom;
    COwnerDrawButton m_btnHide;
    COwnerDrawButton m_btnStart;
    CDownProgressBarCtrl m_progress;
    CEditImpl m_editPath;
    HWND m_hAgreeTip = nullptr;
    HWND m_hProgressText = nullptr;
    NOTIFYICONDATAW m_nid;
    Gdiplus::GpImage* m_pImgLogo = nullptr;
    Gdiplus::GpImage* m_pImgTitle = nullptr;
    Gdiplus::GpImage* m_pImgPathFrame = nullptr;
    std::vector<Gdiplus::GpImage*> m_vecSlides;
    Gdiplus::GpImage* m_pCurSlide = nullptr;

    // The install job; only the window thread reads and changes these.
    DownSegment* m_pSegments = nullptr;
    uint32_t m_nDownSize = 0;
    int m_nNextWrite = 0;
    std::vector<int> m_vecPendingWrite;
    int m_nRetryCount = 0;
    std::vector<int> m_vecRetryWait;
    int m_nSegmentsDone = 0;
};

// Where a window of the given size goes to be centred on a work area, kept
// inside it (right and bottom edges first, then left and top).
POINT CenterInWorkArea(SIZE window, const RECT& work);
