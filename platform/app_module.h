// The application module and the window thread's message loop: the
// registry that maps a thread to its loop, message filters that may consume
// a message before it is dispatched, and idle handlers run when the queue
// runs dry.
#pragma once

#include <windows.h>

#include <map>
#include <vector>

class CMessageFilter {
public:
    // Answers TRUE when the message has been consumed.
    virtual BOOL PreTranslateMessage(MSG* pMsg) = 0;

protected:
    ~CMessageFilter() = default;
};

class CIdleHandler {
public:
    virtual BOOL OnIdle() = 0;

protected:
    ~CIdleHandler() = default;
};

// Mouse moves, painting and the system timer message do not start a new idle
// pass; every other message does.
bool IsIdleMessage(const MSG& msg);

class CMessageLoop {
public:
    virtual ~CMessageLoop() = default;

    BOOL AddMessageFilter(CMessageFilter* pFilter);
    BOOL RemoveMessageFilter(CMessageFilter* pFilter);
    BOOL AddIdleHandler(CIdleHandler* pHandler);
    BOOL RemoveIdleHandler(CIdleHandler* pHandler);

    // Runs until WM_QUIT and answers its wParam.
    int Run();

    const MSG& CurrentMessage() const { return m_msg; }

protected:
    // Offers the message to the filters, the latest registered first.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Runs every idle handler in registration order; always answers FALSE,
    // so one pass is made per idle period.
    virtual BOOL OnIdle(int nIdleCount);

private:
    std::vector<CMessageFilter*> m_filters;
    std::vector<CIdleHandler*> m_idleHandlers;
    MSG m_msg{};
};

class CAppModule {
public:
    CAppModule();
    ~CAppModule();
    CAppModule(const CAppModule&) = delete;
    CAppModule& operator=(const CAppModule&) = delete;

    // Creates the empty message-loop registry.
    HRESULT Init(HINSTANCE hInstance);
    // Discards the registry.
    void Term();

    HINSTANCE GetModuleInstance() const { return m_hInst; }
    HINSTANCE GetResourceInstance() const { return m_hInst; }

    // Registry operations, each under the module's lock, for the calling thread.
    BOOL AddMessageLoop(CMessageLoop* pLoop);
    BOOL RemoveMessageLoop();
    CMessageLoop* GetMessageLoop(DWORD dwThreadID = ::GetCurrentThreadId()) const;

private:
    HINSTANCE m_hInst = nullptr;
    mutable CRITICAL_SECTION m_csLoops;
    std::map<DWORD, CMessageLoop*>* m_pLoops = nullptr;
};

extern CAppModule g_Module;
