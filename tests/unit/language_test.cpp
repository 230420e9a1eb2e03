#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/language.h"
#include "res/resource.h"
#include "tests/unit/pack_texts.h"
#include "tests/unit/test_support.h"

namespace {

struct LangCase {
    LANGID id;
    const wchar_t* name;
    int imageIndex;
};

// Every listed language, and unlisted neighbours that must fall back to English.
const LangCase kLangCases[] = {
    {1028, L"ChineseTW", 9}, {1031, L"German", 8},  {1033, L"English", 0},   {1036, L"French", 4},
    {1040, L"Italian", 3},   {1041, L"Japanese", 5}, {1043, L"Dutch", 6},    {2052, L"Chinese", 1},
    {2070, L"Portuguese", 7}, {3082, L"Spanish", 2}, {2057, L"English", 0},  {3084, L"English", 0},
    {1046, L"English", 0},   {2058, L"English", 0},  {3079, L"English", 0},  {3076, L"English", 0},
    {0, L"English", 0},      {0x0807, L"English", 0},
};

TEST(LanguageTables, NameAndImageIndexByWholeIdentifier) {
    for (const LangCase& c : kLangCases) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(LangNameFor(c.id), c.name);
        EXPECT_EQ(LangImageIndexFor(c.id), c.imageIndex);
    }
}

TEST(LanguageTables, ImageIdAddsTheIndexOfTheCurrentLanguage) {
    EXPECT_EQ(GetLangImageId(263), 263 + LangImageIndexFor(::GetUserDefaultUILanguage()));
}

TEST(PackFolder, NameIsTheExecutableCutAtItsLastDot) {
    struct Case {
        const wchar_t* programFiles;
        const wchar_t* exe;
        const wchar_t* folder;
    } cases[] = {
        {L"C:\\Program Files (x86)", L"C:\\Downloads\\Setup.beta.exe", L"C:\\Program Files (x86)\\quorvel_down\\Setup.beta"},
        {L"C:\\Program Files (x86)", L"C:\\Downloads\\setup", L"C:\\Program Files (x86)\\quorvel_down\\setup"},
        {L"C:\\PF", L"D:\\a.b.exe", L"C:\\PF\\quorvel_down\\a.b"},
        {L"", L"C:\\x\\setup.exe", L"\\quorvel_down\\setup"},
        {L"C:\\PF", L"C:\\dir.with.dots\\plain", L"C:\\PF\\quorvel_down\\plain"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.exe);
        EXPECT_EQ(PackFolderFor(c.programFiles, c.exe), c.folder);
    }
}

TEST(PackFolder, FileNamesByResource) {
    const wchar_t* expected[] = {L"\\English.ini", L"\\Chinese.ini",  L"\\ChineseTW.ini", L"\\Dutch.ini",
                                 L"\\French.ini",  L"\\German.ini",   L"\\Italian.ini",   L"\\Japanese.ini",
                                 L"\\Portuguese.ini", L"\\Spanish.ini"};
    for (int id = IDR_PACK_FIRST; id <= IDR_PACK_LAST; ++id) EXPECT_EQ(PackFileName(id), expected[id - IDR_PACK_FIRST]);
    EXPECT_EQ(PackFileName(252), L"\\English.ini");
    EXPECT_EQ(PackFileName(263), L"\\English.ini");
}

// ---- the bytes of the packs built into the program ----

struct PackCase {
    int id;
    const PackText* texts;
    size_t count;
    const wchar_t* selectFolderLine;  // the one line written with blanks
};

#define PACK(id, table, line) {id, table, sizeof(table) / sizeof(table[0]), line}
const PackCase kPacks[] = {
    PACK(253, kTexts_english, L"STR_SELECT_FOLDER = Select a folder"),
    PACK(254, kTexts_english, L"STR_SELECT_FOLDER = Select a folder"),
    PACK(255, kTexts_chinese_tw, L"STR_SELECT_FOLDER=選擇文件夾"),
    PACK(256, kTexts_english, L"STR_SELECT_FOLDER = Select a folder"),
    PACK(257, kTexts_french, L"STR_SELECT_FOLDER =Sélectionnez un dossier"),
    PACK(258, kTexts_german, L"STR_SELECT_FOLDER =Wählen Sie einen Ordner aus"),
    PACK(259, kTexts_italian, L"STR_SELECT_FOLDER =Seleziona una cartella"),
    PACK(260, kTexts_japanese, L"STR_SELECT_FOLDER =フォルダを選択"),
    PACK(261, kTexts_english, L"STR_SELECT_FOLDER = Select a folder"),
    PACK(262, kTexts_english, L"STR_SELECT_FOLDER = Select a folder"),
};
#undef PACK

// Splits UTF-16LE bytes after the BOM into lines, requiring CR LF ends.
std::vector<std::wstring> PackLines(const std::vector<unsigned char>& bytes, bool* allCrLf) {
    std::wstring text(reinterpret_cast<const wchar_t*>(bytes.data() + 2), (bytes.size() - 2) / 2);
    std::vector<std::wstring> lines;
    *allCrLf = true;
    size_t start = 0;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] != L'\n') continue;
        if (i == 0 || text[i - 1] != L'\r') *allCrLf = false;
        lines.push_back(text.substr(start, i - start - 1));
        start = i + 1;
    }
    if (start != text.size()) *allCrLf = false;  // an unterminated last line
    return lines;
}

std::wstring ValueOf(const std::wstring& line) {
    std::wstring v = line.substr(line.find(L'=') + 1);
    size_t b = v.find_first_not_of(L' ');
    return b == std::wstring::npos ? L"" : v.substr(b);
}

TEST(PackResources, ExactBytesOfEveryPack) {
    std::wstring downUrl;
    for (const PackCase& p : kPacks) {
        SCOPED_TRACE(p.id);
        std::vector<unsigned char> bytes = ResourceBytes(p.id, L"INI");
        ASSERT_GT(bytes.size(), 2u);
        EXPECT_EQ(bytes[0], 0xFF);
        EXPECT_EQ(bytes[1], 0xFE);
        ASSERT_EQ(bytes.size() % 2, 0u);

        bool allCrLf = false;
        std::vector<std::wstring> lines = PackLines(bytes, &allCrLf);
        EXPECT_TRUE(allCrLf);
        ASSERT_GE(lines.size(), 1 + p.count + 1);
        EXPECT_EQ(lines[0], L"[LANSTR]");
        for (size_t i = 0; i < p.count; ++i) {
            const std::wstring& line = lines[1 + i];
            std::wstring key = line.substr(0, line.find_first_of(L" ="));
            EXPECT_EQ(key, p.texts[i].key);
            if (key == L"STR_SELECT_FOLDER") {
                EXPECT_EQ(line, p.selectFolderLine);
            } else if (p.texts[i].text != nullptr) {
                EXPECT_EQ(line, key + L"=" + p.texts[i].text);  // no blanks around '='
            }
        }
        for (size_t i = 1 + p.count; i < lines.size(); ++i) EXPECT_TRUE(lines[i].empty());
        EXPECT_GE(lines.size() - 1 - p.count, 1u) << "ends with empty lines";

        std::wstring url = ValueOf(lines[4]);
        if (downUrl.empty()) downUrl = url;
        EXPECT_EQ(url, downUrl) << "one download address in every pack";
        EXPECT_NE(url.find(L"/brinmoraxel/quorvel-brinmoraxel.exe"), std::wstring::npos);
    }
}

TEST(PackResources, LicenceHostPerTranslatedLanguage) {
    std::vector<std::wstring> hosts;
    for (const PackCase& p : kPacks) {
        bool crlf = false;
        std::wstring url = ValueOf(PackLines(ResourceBytes(p.id, L"INI"), &crlf)[5]);
        const std::wstring path = L"/company/license-agreement/";
        ASSERT_EQ(url.rfind(L"https://", 0), 0u) << url.c_str();
        ASSERT_GE(url.size(), path.size());
        EXPECT_EQ(url.substr(url.size() - path.size()), path);
        hosts.push_back(url.substr(8, url.size() - 8 - path.size()));
    }
    // 253, 254, 256, 261, 262 carry English texts and share one host.
    for (int i : {1, 3, 8, 9}) EXPECT_EQ(hosts[i], hosts[0]);
    // The translated packs each have a host of their own.
    std::vector<std::wstring> own = {hosts[0], hosts[2], hosts[4], hosts[5], hosts[6], hosts[7]};
    for (size_t i = 0; i < own.size(); ++i)
        for (size_t j = i + 1; j < own.size(); ++j) EXPECT_NE(own[i], own[j]);
}

// ---- lookups against files on disk ----

class PackLookup : public ::testing::Test {
protected:
    std::wstring WritePack(int id) {
        std::vector<unsigned char> bytes = ResourceBytes(id, L"INI");
        std::wstring path = folder.File(L"pack" + std::to_wstring(id) + L".ini");
        EXPECT_TRUE(WriteBytes(path, bytes.data(), bytes.size()));
        return path;
    }
    TempFolder folder;
};

TEST_F(PackLookup, TextsOfThePackFile) {
    ScopedLangFile lang(WritePack(258));
    EXPECT_EQ(GetLanStr(L"STR_SOFT_TIP"), L"Brinmoraxel Installation");
    EXPECT_EQ(GetLanStr(L"STR_SELECT_FOLDER"), L"Wählen Sie einen Ordner aus");
    EXPECT_EQ(GetLanStr(L"str_soft_tip"), L"Brinmoraxel Installation") << "key case is ignored";
    EXPECT_EQ(GetLanStr(L"STR_NO_SUCH_KEY"), L"");
}

TEST_F(PackLookup, SelectFolderDropsTheBlankAfterTheEqualsSign) {
    ScopedLangFile lang(WritePack(253));
    EXPECT_EQ(GetLanStr(L"STR_SELECT_FOLDER"), L"Select a folder");
}

TEST_F(PackLookup, UrlErrorIsEmptyInEveryPack) {
    for (int id = IDR_PACK_FIRST; id <= IDR_PACK_LAST; ++id) {
        ScopedLangFile lang(WritePack(id));
        EXPECT_EQ(GetLanStr(L"STR_URL_ERROR"), L"") << id;
        EXPECT_EQ(GetLanStr(L"STR_PROCESS_NAME"), L"Brinmoraxel.exe") << id;
    }
}

TEST_F(PackLookup, BlanksAroundKeyAndValueAreIgnored) {
    std::wstring path = folder.File(L"blanks.ini");
    ASSERT_TRUE(WriteUtf16File(path, L"[LANSTR]\r\n   STR_A   =   spaced value   \r\nSTR_B=\r\n"));
    ScopedLangFile lang(path);
    EXPECT_EQ(GetLanStr(L"STR_A"), L"spaced value");
    EXPECT_EQ(GetLanStr(L"STR_B"), L"");
}

TEST_F(PackLookup, LongValuesAreCutTo255Characters) {
    std::wstring value;
    for (int i = 0; i < 300; ++i) value += static_cast<wchar_t>(L'a' + i % 26);
    std::wstring path = folder.File(L"long.ini");
    ASSERT_TRUE(WriteUtf16File(path, L"[LANSTR]\r\nSTR_LONG=" + value + L"\r\n"));
    ScopedLangFile lang(path);
    EXPECT_EQ(GetLanStr(L"STR_LONG"), value.substr(0, 255));
}

TEST_F(PackLookup, MissingSectionOrFileGivesEmptyText) {
    std::wstring path = folder.File(L"other.ini");
    ASSERT_TRUE(WriteUtf16File(path, L"[OTHER]\r\nSTR_SOFT_TIP=x\r\n"));
    {
        ScopedLangFile lang(path);
        EXPECT_EQ(GetLanStr(L"STR_SOFT_TIP"), L"");
    }
    std::wstring pack = WritePack(253);
    ScopedLangFile lang(pack);
    EXPECT_EQ(GetLanStr(L"STR_SOFT_TIP"), L"Brinmoraxel Setup");
    ASSERT_TRUE(::DeleteFileW(pack.c_str()));
    EXPECT_EQ(GetLanStr(L"STR_SOFT_TIP"), L"") << "a pack deleted while running";
}

// The only test that writes the real pack folder of this executable.
TEST(PackFiles, WrittenAtStartAndRestoredAfterAnEdit) {
    std::wstring folder = GetPackFolder();
    EXPECT_NE(folder.find(L"\\quorvel_down\\unit_tests"), std::wstring::npos) << folder.c_str();
    std::wstring english = folder + PackFileName(253);
    WriteBytes(english, "edited", 6);  // may fail on a first run: no folder yet

    WriteLanguagePacks();
    for (int id = IDR_PACK_FIRST; id <= IDR_PACK_LAST; ++id) {
        EXPECT_EQ(ReadBytes(folder + PackFileName(id)), ResourceBytes(id, L"INI")) << id;
    }

    ChooseLanguagePack();
    EXPECT_EQ(g_strLangFile, folder + L"\\" + GetLangName() + L".ini");
    EXPECT_FALSE(GetLanStr(L"STR_SOFT_TIP").empty());
}

}  // namespace
