// Language packs: ten INI texts built into the executable, written to disk
// at every start; one is chosen by the user-interface language and every
// text is looked up in it by key.
#pragma once

#include <windows.h>

#include <string>

// The chosen pack file; set once by ChooseLanguagePack, before any window
// or worker thread exists, and only read afterwards.
extern std::wstring g_strLangFile;

constexpr int PACK_COUNT = 10;
constexpr int LANG_IMAGE_COUNT = 10;
constexpr DWORD LANSTR_BUFFER = 256;  // the lookup returns at most 255 characters

void WriteLanguagePacks();
void ChooseLanguagePack();

std::wstring GetPackFolder();
// File name of a pack resource, with its leading backslash.
std::wstring PackFileName(int resourceId);
std::wstring GetLangName();
int GetLangImageId(int baseId);
std::wstring GetLanStr(const std::wstring& key);

// The decisions behind the calls above, for a given language or path.
std::wstring LangNameFor(LANGID langId);
int LangImageIndexFor(LANGID langId);
std::wstring PackFolderFor(const std::wstring& programFiles, const std::wstring& exePath);
