#include "tests/unit/test_support.h"

#include <shellapi.h>

#include "app/language.h"
#include "platform/scoped.h"

std::vector<unsigned char> ResourceBytes(int id, const wchar_t* type) {
    HMODULE module = ::GetModuleHandleW(nullptr);
    HRSRC res = ::FindResourceW(module, MAKEINTRESOURCEW(id), type);
    if (res == nullptr) return {};
    DWORD size = ::SizeofResource(module, res);
    const auto* data = static_cast<const unsigned char*>(::LockResource(::LoadResource(module, res)));
    if (data == nullptr) return {};
    return std::vector<unsigned char>(data, data + size);
}

TempFolder::TempFolder() {
    static LONG counter = 0;
    wchar_t base[MAX_PATH] = {};
    ::GetTempPathW(MAX_PATH, base);
    m_path = std::wstring(base) + L"setup_test_" + std::to_wstring(::GetCurrentProcessId()) + L"_" +
             std::to_wstring(::InterlockedIncrement(&counter));
    ::CreateDirectoryW(m_path.c_str(), nullptr);
}

TempFolder::~TempFolder() {
    std::wstring from = m_path + L'\0';  // double-terminated list
    SHFILEOPSTRUCTW op{};
    op.wFunc = FO_DELETE;
    op.pFrom = from.c_str();
    op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT;
    ::SHFileOperationW(&op);
}

bool WriteBytes(const std::wstring& path, const void* data, size_t size) {
    ScopedFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    DWORD written = 0;
    return file.IsValid() && ::WriteFile(file.Get(), data, static_cast<DWORD>(size), &written, nullptr) &&
           written == size;
}

std::vector<unsigned char> ReadBytes(const std::wstring& path) {
    ScopedFile file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr));
    if (!file.IsValid()) return {};
    DWORD size = ::GetFileSize(file.Get(), nullptr);
    std::vector<unsigned char> bytes(size);
    DWORD read = 0;
    if (size && !::ReadFile(file.Get(), bytes.data(), size, &read, nullptr)) return {};
    bytes.resize(read);
    return bytes;
}

bool WriteUtf16File(const std::wstring& path, const std::wstring& text) {
    std::wstring withBom = L"\xFEFF" + text;
    return WriteBytes(path, withBom.data(), withBom.size() * sizeof(wchar_t));
}

std::wstring ExeFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder = path;
    return folder.substr(0, folder.rfind(L'\\'));
}

ScopedLangFile::ScopedLangFile(const std::wstring& path) : m_old(g_strLangFile) { g_strLangFile = path; }
ScopedLangFile::~ScopedLangFile() { g_strLangFile = m_old; }

void PumpMessages(DWORD ms) {
    DWORD end = ::GetTickCount() + ms;
    MSG msg;
    while (static_cast<LONG>(end - ::GetTickCount()) > 0) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            if (msg.message == WM_QUIT) {
                ::PostQuitMessage(static_cast<int>(msg.wParam));  // leave it for the test to see
                return;
            }
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}
