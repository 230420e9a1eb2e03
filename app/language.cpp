#include "app/language.h"

#include <shlobj.h>
#include <shlwapi.h>

#include "platform/scoped.h"
#include "res/resource.h"

std::wstring g_strLangFile;

namespace {

struct LangEntry {
    LANGID id;
    const wchar_t* name;  // pack file name without extension
    int imageIndex;
};

// The whole 16-bit identifier is compared, sub-language included; anything
// else reads English texts and the first picture set.
const LangEntry kLanguages[] = {
    {1028, L"ChineseTW", 9},  {1031, L"German", 8},   {1033, L"English", 0},
    {1036, L"French", 4},     {1040, L"Italian", 3},  {1041, L"Japanese", 5},
    {1043, L"Dutch", 6},      {2052, L"Chinese", 1},  {2070, L"Portuguese", 7},
    {3082, L"Spanish", 2},
};

const wchar_t* const kPackFiles[PACK_COUNT] = {
    L"\\English.ini", L"\\Chinese.ini",  L"\\ChineseTW.ini", L"\\Dutch.ini",      L"\\French.ini",
    L"\\German.ini",  L"\\Italian.ini", L"\\Japanese.ini",  L"\\Portuguese.ini", L"\\Spanish.ini",
};
static_assert(IDR_PACK_LAST - IDR_PACK_FIRST + 1 == PACK_COUNT, "one file name per pack resource");

const LangEntry* FindLanguage(LANGID langId) {
    for (const LangEntry& e : kLanguages) {
        if (e.id == langId) return &e;
    }
    return nullptr;
}

std::wstring SpecialFolderPath(int csidl) {
    wchar_t path[MAX_PATH] = {};
    LPITEMIDLIST pidl = nullptr;
    if (SUCCEEDED(::SHGetSpecialFolderLocation(nullptr, csidl, &pidl)) && pidl != nullptr) {
        if (!::SHGetPathFromIDListW(pidl, path)) path[0] = L'\0';
        ::CoTaskMemFree(pidl);
    }
    return path;
}

std::wstring ModulePath() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return path;
}

bool WriteWholeFile(const std::wstring& path, const void* data, DWORD size) {
    ScopedFile file(::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL,
                                  nullptr));
    if (!file.IsValid()) return false;
    DWORD written = 0;
    return ::WriteFile(file.Get(), data, size, &written, nullptr) && written == size;
}

}  // namespace

std::wstring LangNameFor(LANGID langId) {
    const LangEntry* e = FindLanguage(langId);
    return e ? e->name : L"English";
}

int LangImageIndexFor(LANGID langId) {
    const LangEntry* e = FindLanguage(langId);
    return e ? e->imageIndex : 0;
}

std::wstring PackFolderFor(const std::wstring& programFiles, const std::wstring& exePath) {
    std::wstring name = ::PathFindFileNameW(exePath.c_str());
    size_t dot = name.rfind(L'.');
    if (dot != std::wstring::npos) name.resize(dot);
    return programFiles + L"\\quorvel_down\\" + name;
}

std::wstring GetPackFolder() { return PackFolderFor(SpecialFolderPath(CSIDL_PROGRAM_FILES), ModulePath()); }

std::wstring PackFileName(int resourceId) {
    if (resourceId < IDR_PACK_FIRST || resourceId > IDR_PACK_LAST) return kPackFiles[0];
    return kPackFiles[resourceId - IDR_PACK_FIRST];
}

std::wstring GetLangName() { return LangNameFor(::GetUserDefaultUILanguage()); }

int GetLangImageId(int baseId) { return baseId + LangImageIndexFor(::GetUserDefaultUILanguage()); }

void WriteLanguagePacks() {
    HMODULE module = ::GetModuleHandleW(nullptr);
    for (int id = IDR_PACK_FIRST; id <= IDR_PACK_LAST; ++id) {
        HRSRC res = ::FindResourceW(module, MAKEINTRESOURCEW(id), L"INI");
        if (res == nullptr) continue;
        DWORD size = ::SizeofResource(module, res);
        HGLOBAL loaded = ::LoadResource(module, res);
        const void* bytes = loaded ? ::LockResource(loaded) : nullptr;
        if (bytes == nullptr) continue;

        std::wstring folder = GetPackFolder();
        ::SHCreateDirectory(nullptr, folder.c_str());  // an existing folder is fine
        WriteWholeFile(folder + PackFileName(id), bytes, size);
    }
}

void ChooseLanguagePack() { g_strLangFile = GetPackFolder() + L"\\" + GetLangName() + L".ini"; }

std::wstring GetLanStr(const std::wstring& key) {
    wchar_t buffer[LANSTR_BUFFER] = {};
    ::GetPrivateProfileStringW(L"LANSTR", key.c_str(), L"", buffer, LANSTR_BUFFER, g_strLangFile.c_str());
    return buffer;
}
