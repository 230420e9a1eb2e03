// Owners of system handles: each closes its handle when it goes out of scope.
#pragma once

#include <windows.h>

template <class Traits>
class ScopedHandleT {
public:
    using Handle = typename Traits::Handle;
    ScopedHandleT() = default;
    explicit ScopedHandleT(Handle h) : m_h(h) {}
    ~ScopedHandleT() { Reset(); }
    ScopedHandleT(const ScopedHandleT&) = delete;
    ScopedHandleT& operator=(const ScopedHandleT&) = delete;

    Handle Get() const { return m_h; }
    Handle* Receive() {
        Reset();
        return &m_h;
    }
    bool IsValid() const { return m_h != Traits::Invalid(); }
    void Reset(Handle h = Traits::Invalid()) {
        if (IsValid()) Traits::Close(m_h);
        m_h = h;
    }

private:
    Handle m_h = Traits::Invalid();
};

struct KernelHandleTraits {  // handles whose failure value is null
    using Handle = HANDLE;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::CloseHandle(h); }
};
struct FileHandleTraits {  // files and snapshots: failure is INVALID_HANDLE_VALUE
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle h) { ::CloseHandle(h); }
};
struct RegKeyTraits {
    using Handle = HKEY;
    static Handle Invalid() { return nullptr; }
    static void Close(Handle h) { ::RegCloseKey(h); }
};

using ScopedHandle = ScopedHandleT<KernelHandleTraits>;
using ScopedFile = ScopedHandleT<FileHandleTraits>;
using ScopedRegKey = ScopedHandleT<RegKeyTraits>;
