// The resources as the system reads them: dialog template 129, the manifest
// and the icon.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "res/resource.h"
#include "tests/unit/test_support.h"

namespace {

// Reader over an extended dialog template (DLGTEMPLATEEX and DLGITEMTEMPLATEEX).
class TemplateReader {
public:
    explicit TemplateReader(const std::vector<unsigned char>& bytes) : m_bytes(bytes) {}
    WORD Word() {
        WORD w = static_cast<WORD>(m_bytes[m_pos] | (m_bytes[m_pos + 1] << 8));
        m_pos += 2;
        return w;
    }
    DWORD Dword() {
        DWORD lo = Word();
        return lo | (static_cast<DWORD>(Word()) << 16);
    }
    short Short() { return static_cast<short>(Word()); }
    // A string or an 0xFFFF-prefixed ordinal, as text ("#128" for ordinals).
    std::wstring SzOrOrd() {
        WORD first = Word();
        if (first == 0xFFFF) return L"#" + std::to_wstring(Word());
        std::wstring s;
        for (WORD c = first; c != 0; c = Word()) s += static_cast<wchar_t>(c);
        return s;
    }
    void AlignDword() { m_pos = (m_pos + 3) & ~size_t(3); }

private:
    const std::vector<unsigned char>& m_bytes;
    size_t m_pos = 0;
};

// Predefined control classes may be stored as ordinals or as names.
std::wstring ClassName(const std::wstring& stored) {
    if (stored == L"#128") return L"Button";
    if (stored == L"#129") return L"Edit";
    if (stored == L"#130") return L"Static";
    return stored;
}

struct Item {
    int id;
    const wchar_t* cls;  // predefined classes come as ordinals
    const wchar_t* text;
    DWORD style;
    DWORD exStyle;
    short x, y, cx, cy;
};

const Item kItems[] = {
    {1000, L"Button", L"", 0x5001000B, 0x20, 308, 7, 50, 14},
    {1001, L"Button", L"", 0x5001000B, 0x20, 242, 7, 50, 14},
    {1002, L"Button", L"", 0x5001000B, 0x20, 149, 87, 50, 14},
    {1003, L"Button", L"", 0x5001000B, 0x20, 32, 130, 50, 14},
    {1004, L"Button", L"", 0x5001000B, 0x20, 101, 131, 50, 14},
    {1005, L"Button", L"", 0x5001000B, 0x20, 262, 131, 50, 14},
    {1008, L"Button", L"", 0x5001000B, 0x20, 215, 174, 50, 14},
    {1009, L"Edit", L"", 0x50010080, 0, 115, 175, 83, 15},
    {1013, L"Static", L"Please agree Quorvel License Agreement", 0x50020000, 0, 15, 144, 131, 8},
    {1012, L"Static", L"Installation Path:", 0x50020000, 0, 30, 200, 57, 8},
    {1010, L"msctls_progress32", L"", 0x50000000, 0, 16, 116, 335, 6},
    {1014, L"Button", L"Hide", 0x5001000B, 0, 289, 128, 50, 14},
    {1015, L"Button", L"", 0x5001000B, 0, 155, 78, 50, 14},
    {1016, L"Static", L"Installing", 0x50020000, 0, 166, 200, 28, 8},
};

TEST(DialogTemplate, MainDialogExactly) {
    std::vector<unsigned char> bytes = ResourceBytes(IDD_MAINDLG, MAKEINTRESOURCEW(5));  // RT_DIALOG
    ASSERT_FALSE(bytes.empty());
    TemplateReader r(bytes);
    EXPECT_EQ(r.Word(), 1);       // dlgVer
    EXPECT_EQ(r.Word(), 0xFFFF);  // extended template
    r.Dword();                    // helpID
    EXPECT_EQ(r.Dword(), 0u) << "no extended style";
    EXPECT_EQ(r.Dword(), 0x8600004Cu) << "WS_POPUP|WS_CLIPSIBLINGS|WS_CLIPCHILDREN|DS_SETFONT|DS_FIXEDSYS|DS_3DLOOK";
    ASSERT_EQ(r.Word(), sizeof(kItems) / sizeof(kItems[0]));
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), 0);
    EXPECT_EQ(r.Short(), 365);
    EXPECT_EQ(r.Short(), 215);
    EXPECT_EQ(r.SzOrOrd(), L"") << "no menu";
    EXPECT_EQ(r.SzOrOrd(), L"") << "no class";
    EXPECT_EQ(r.SzOrOrd(), L"") << "empty caption";
    EXPECT_EQ(r.Word(), 9);    // point size
    EXPECT_EQ(r.Word(), 400);  // normal weight
    r.Word();                  // italic, charset
    EXPECT_EQ(r.SzOrOrd(), L"MS Shell Dlg");

    for (const Item& item : kItems) {
        SCOPED_TRACE(item.id);
        r.AlignDword();
        r.Dword();  // helpID
        EXPECT_EQ(r.Dword(), item.exStyle);
        EXPECT_EQ(r.Dword(), item.style);
        EXPECT_EQ(r.Short(), item.x);
        EXPECT_EQ(r.Short(), item.y);
        EXPECT_EQ(r.Short(), item.cx);
        EXPECT_EQ(r.Short(), item.cy);
        EXPECT_EQ(r.Dword(), static_cast<DWORD>(item.id));
        std::wstring cls = ClassName(r.SzOrOrd());
        EXPECT_EQ(_wcsicmp(cls.c_str(), item.cls), 0);
        EXPECT_EQ(r.SzOrOrd(), item.text);
        WORD extra = r.Word();
        for (WORD i = 0; i < extra; i += 2) r.Word();
    }
}

TEST(Manifest, ElevatedWithCommonControls6) {
    std::vector<unsigned char> bytes = ResourceBytes(1, MAKEINTRESOURCEW(24));
    std::string xml(bytes.begin(), bytes.end());
    EXPECT_NE(xml.find("level=\"requireAdministrator\""), std::string::npos);
    EXPECT_NE(xml.find("uiAccess=\"false\""), std::string::npos);
    size_t cc = xml.find("name=\"Microsoft.Windows.Common-Controls\"");
    ASSERT_NE(cc, std::string::npos);
    std::string dep = xml.substr(cc, xml.find("/>", cc) - cc);
    EXPECT_NE(dep.find("version=\"6.0.0.0\""), std::string::npos);
    EXPECT_NE(dep.find("processorArchitecture=\"x86\""), std::string::npos);
}

TEST(Icon, FiveSizesFrom16To128) {
    std::vector<unsigned char> group = ResourceBytes(IDR_MAINFRAME, MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
    ASSERT_GE(group.size(), 6u);
    int count = group[4] | (group[5] << 8);
    ASSERT_EQ(count, 5);
    std::vector<int> sizes;
    for (int i = 0; i < count; ++i) {
        int w = group[6 + i * 14];
        sizes.push_back(w == 0 ? 256 : w);
    }
    EXPECT_EQ(sizes, (std::vector<int>{16, 32, 48, 64, 128}));
    for (int px : {16, 32, 48, 128}) {
        HICON icon = static_cast<HICON>(
            ::LoadImageW(::GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDR_MAINFRAME), IMAGE_ICON, px, px, 0));
        EXPECT_NE(icon, nullptr) << px;
        if (icon) ::DestroyIcon(icon);
    }
}

}  // namespace
