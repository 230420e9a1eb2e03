#include "platform/app_module.h"

#include <algorithm>

CAppModule g_Module;

namespace {

class CriticalSectionLock {
public:
    explicit CriticalSectionLock(CRITICAL_SECTION& cs) : m_cs(cs) { ::EnterCriticalSection(&m_cs); }
    ~CriticalSectionLock() { ::LeaveCriticalSection(&m_cs); }
    CriticalSectionLock(const CriticalSectionLock&) = delete;
    CriticalSectionLock& operator=(const CriticalSectionLock&) = delete;

private:
    CRITICAL_SECTION& m_cs;
};

template <class T>
BOOL AddItem(std::vector<T*>& list, T* item) {
    if (item == nullptr) return FALSE;
    list.push_back(item);
    return TRUE;
}

template <class T>
BOOL RemoveItem(std::vector<T*>& list, T* item) {
    auto it = std::find(list.begin(), list.end(), item);
    if (it == list.end()) return FALSE;
    list.erase(it);
    return TRUE;
}

}  // namespace

bool IsIdleMessage(const MSG& msg) {
    switch (msg.message) {
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
    case WM_PAINT:
    case 0x0118:  // WM_SYSTIMER, the caret blink timer
        return false;
    default:
        return true;
    }
}

BOOL CMessageLoop::AddMessageFilter(CMessageFilter* pFilter) { return AddItem(m_filters, pFilter); }
BOOL CMessageLoop::RemoveMessageFilter(CMessageFilter* pFilter) { return RemoveItem(m_filters, pFilter); }
BOOL CMessageLoop::AddIdleHandler(CIdleHandler* pHandler) { return AddItem(m_idleHandlers, pHandler); }
BOOL CMessageLoop::RemoveIdleHandler(CIdleHandler* pHandler) { return RemoveItem(m_idleHandlers, pHandler); }

BOOL CMessageLoop::PreTranslateMessage(MSG* pMsg) {
    // A filter may remove itself (its window destroyed) while being asked,
    // so walk by index and re-check the bound each time.
    for (size_t i = m_filters.size(); i-- > 0;) {
        if (i >= m_filters.size()) continue;
        if (m_filters[i]->PreTranslateMessage(pMsg)) return TRUE;
    }
    return FALSE;
}

BOOL CMessageLoop::OnIdle(int /*nIdleCount*/) {
    for (size_t i = 0; i < m_idleHandlers.size(); ++i) {
        m_idleHandlers[i]->OnIdle();
    }
    return FALSE;
}

int CMessageLoop::Run() {
    bool doIdle = true;
    int idleCount = 0;
    for (;;) {
        while (doIdle && !::PeekMessageW(&m_msg, nullptr, 0, 0, PM_NOREMOVE)) {
            if (!OnIdle(idleCount++)) doIdle = false;
        }
        BOOL got = ::GetMessageW(&m_msg, nullptr, 0, 0);
        if (got == -1) continue;
        if (!got) break;  // WM_QUIT
        if (!PreTranslateMessage(&m_msg)) {
            ::TranslateMessage(&m_msg);
            ::DispatchMessageW(&m_msg);
        }
        if (IsIdleMessage(m_msg)) {
            doIdle = true;
            idleCount = 0;
        }
    }
    return static_cast<int>(m_msg.wParam);
}

CAppModule::CAppModule() { ::InitializeCriticalSection(&m_csLoops); }

CAppModule::~CAppModule() {
    Term();
    ::DeleteCriticalSection(&m_csLoops);
}

HRESULT CAppModule::Init(HINSTANCE hInstance) {
    CriticalSectionLock lock(m_csLoops);
    m_hInst = hInstance;
    if (m_pLoops == nullptr) m_pLoops = new std::map<DWORD, CMessageLoop*>();
    return S_OK;
}

void CAppModule::Term() {
    CriticalSectionLock lock(m_csLoops);
    delete m_pLoops;
    m_pLoops = nullptr;
}

BOOL CAppModule::AddMessageLoop(CMessageLoop* pLoop) {
    CriticalSectionLock lock(m_csLoops);
    if (m_pLoops == nullptr || pLoop == nullptr) return FALSE;
    return m_pLoops->emplace(::GetCurrentThreadId(), pLoop).second ? TRUE : FALSE;
}

BOOL CAppModule::RemoveMessageLoop() {
    CriticalSectionLock lock(m_csLoops);
    if (m_pLoops == nullptr) return FALSE;
    return m_pLoops->erase(::GetCurrentThreadId()) != 0 ? TRUE : FALSE;
}

CMessageLoop* CAppModule::GetMessageLoop(DWORD dwThreadID) const {
    CriticalSectionLock lock(m_csLoops);
    if (m_pLoops == nullptr) return nullptr;
    auto it = m_pLoops->find(dwThreadID);
    return it == m_pLoops->end() ? nullptr : it->second;
}
