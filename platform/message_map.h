// Message maps as data: an ordered table of entries, tested first to last;
// the first entry that matches takes the message. A handler may clear the
// handled flag, and testing then goes on with the later entries.
#pragma once

#include <windows.h>

#include <cstddef>

// Reflected messages arrive at the child with this offset added.
constexpr UINT OCM__BASE = WM_USER + 0x1c00;  // 0x2000
constexpr UINT OCM_COMMAND = OCM__BASE + WM_COMMAND;
constexpr UINT OCM_DRAWITEM = OCM__BASE + WM_DRAWITEM;
constexpr UINT OCM_MEASUREITEM = OCM__BASE + WM_MEASUREITEM;
constexpr UINT OCM_COMPAREITEM = OCM__BASE + WM_COMPAREITEM;
constexpr UINT OCM_DELETEITEM = OCM__BASE + WM_DELETEITEM;
static_assert(OCM_DRAWITEM == 0x202B, "reflected WM_DRAWITEM");

// The seven WM_CTLCOLOR messages, WM_CTLCOLORMSGBOX to WM_CTLCOLORSTATIC.
inline bool IsCtlColorMessage(UINT uMsg) { return uMsg >= WM_CTLCOLORMSGBOX && uMsg <= WM_CTLCOLORSTATIC; }

class CMessageMap {
public:
    // The message dispatch; answers TRUE when the message was handled.
    virtual BOOL ProcessWindowMessage(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam,
                                      LRESULT& lResult, DWORD dwMsgMapID = 0) = 0;
    virtual ~CMessageMap() = default;
};

// The child control a notification concerns, or null; see the table in
// ReflectNotification. Kept apart so it can be checked without windows.
HWND ReflectionTarget(HWND hWndParent, UINT uMsg, WPARAM wParam, LPARAM lParam);

// Sends the message to the child it concerns with OCM__BASE added; answers
// TRUE (handled) with the child's answer, or FALSE when no child is found.
BOOL ReflectNotification(HWND hWndParent, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

// A reflected message that the child's own map did not take: the platform's
// default procedure sees it with the offset removed.
BOOL DefaultReflectionHandler(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam, LRESULT& lResult);

template <class T>
struct MessageMapEntry {
    using MessageFn = LRESULT (T::*)(UINT, WPARAM, LPARAM, BOOL&);
    using CommandFn = LRESULT (T::*)(WORD, WORD, HWND, BOOL&);
    using HitTestFn = LRESULT (T::*)(POINT, BOOL&);
    using TimerFn = void (T::*)(UINT_PTR, BOOL&);
    using CloseFn = void (T::*)(BOOL&);
    using ChainFn = BOOL (T::*)(HWND, UINT, WPARAM, LPARAM, LRESULT&);

    enum class Kind { Message, Command, NcHitTest, Timer, Close, Chain, Reflect, DefaultReflection };

    Kind kind;
    UINT message;  // for Message; implied by the other kinds
    UINT id;       // control id, for Command
    MessageFn onMessage = nullptr;
    CommandFn onCommand = nullptr;
    HitTestFn onHitTest = nullptr;
    TimerFn onTimer = nullptr;
    CloseFn onClose = nullptr;
    ChainFn chain = nullptr;

    // Message form: (message, wParam, lParam, handled).
    static MessageMapEntry Message(UINT msg, MessageFn fn) {
        MessageMapEntry e{Kind::Message, msg, 0};
        e.onMessage = fn;
        return e;
    }
    // WM_COMMAND from one control id, whatever the notification code.
    static MessageMapEntry Command(UINT ctrlId, CommandFn fn) {
        MessageMapEntry e{Kind::Command, WM_COMMAND, ctrlId};
        e.onCommand = fn;
        return e;
    }
    // WM_NCHITTEST with the point cracked from lParam; the answer is the result.
    static MessageMapEntry NcHitTest(HitTestFn fn) {
        MessageMapEntry e{Kind::NcHitTest, WM_NCHITTEST, 0};
        e.onHitTest = fn;
        return e;
    }
    static MessageMapEntry Timer(TimerFn fn) {
        MessageMapEntry e{Kind::Timer, WM_TIMER, 0};
        e.onTimer = fn;
        return e;
    }
    static MessageMapEntry Close(CloseFn fn) {
        MessageMapEntry e{Kind::Close, WM_CLOSE, 0};
        e.onClose = fn;
        return e;
    }
    // Shared behaviour of a base or mixin, asked for every message.
    static MessageMapEntry Chain(ChainFn fn) {
        MessageMapEntry e{Kind::Chain, 0, 0};
        e.chain = fn;
        return e;
    }
    // Notifications for child controls go back to the child.
    static MessageMapEntry Reflect() { return MessageMapEntry{Kind::Reflect, 0, 0}; }
    static MessageMapEntry DefaultReflection() { return MessageMapEntry{Kind::DefaultReflection, 0, 0}; }

    bool Matches(UINT uMsg, WPARAM wParam) const {
        switch (kind) {
        case Kind::Command:
            return uMsg == WM_COMMAND && LOWORD(wParam) == id;
        case Kind::Chain:
        case Kind::Reflect:
        case Kind::DefaultReflection:
            return true;
        default:
            return uMsg == message;
        }
    }
};

// Walks the table for one message; answers TRUE when an entry handled it.
template <class T, size_t N>
BOOL DispatchMessageMap(T* self, const MessageMapEntry<T> (&map)[N], HWND hWnd, UINT uMsg, WPARAM wParam,
                        LPARAM lParam, LRESULT& lResult) {
    using Kind = typename MessageMapEntry<T>::Kind;
    for (const MessageMapEntry<T>& e : map) {
        if (!e.Matches(uMsg, wParam)) continue;
        BOOL handled = TRUE;
        switch (e.kind) {
        case Kind::Message:
            lResult = (self->*e.onMessage)(uMsg, wParam, lParam, handled);
            break;
        case Kind::Command:
            lResult = (self->*e.onCommand)(HIWORD(wParam), LOWORD(wParam), reinterpret_cast<HWND>(lParam), handled);
            break;
        case Kind::NcHitTest: {
            POINT pt{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            lResult = (self->*e.onHitTest)(pt, handled);
            break;
        }
        case Kind::Timer:
            lResult = 0;
            (self->*e.onTimer)(static_cast<UINT_PTR>(wParam), handled);
            break;
        case Kind::Close:
            lResult = 0;
            (self->*e.onClose)(handled);
            break;
        case Kind::Chain:
            handled = (self->*e.chain)(hWnd, uMsg, wParam, lParam, lResult);
            break;
        case Kind::Reflect:
            handled = ReflectNotification(hWnd, uMsg, wParam, lParam, lResult);
            break;
        case Kind::DefaultReflection:
            handled = DefaultReflectionHandler(hWnd, uMsg, wParam, lParam, lResult);
            break;
        }
        if (handled) return TRUE;
    }
    return FALSE;
}
