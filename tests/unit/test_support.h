// Small helpers shared by the tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

// Bytes of a resource of this executable; empty when missing.
std::vector<unsigned char> ResourceBytes(int id, const wchar_t* type);

// A folder of its own under the temp folder, removed with its files at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;
    const std::wstring& Path() const { return m_path; }
    std::wstring File(const std::wstring& name) const { return m_path + L"\\" + name; }

private:
    std::wstring m_path;
};

bool WriteBytes(const std::wstring& path, const void* data, size_t size);
std::vector<unsigned char> ReadBytes(const std::wstring& path);
// Writes UTF-16LE text with a BOM (how the packs are stored).
bool WriteUtf16File(const std::wstring& path, const std::wstring& text);

// The folder of the running test executable.
std::wstring ExeFolder();

// Sets g_strLangFile for the lifetime of the object.
class ScopedLangFile {
public:
    explicit ScopedLangFile(const std::wstring& path);
    ~ScopedLangFile();

private:
    std::wstring m_old;
};

// Pumps this thread's messages for about `ms` milliseconds.
void PumpMessages(DWORD ms);
