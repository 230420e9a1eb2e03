#include <gtest/gtest.h>

#include "app/startup.h"
#include "platform/scoped.h"

namespace {

// Reads the value named after `name`; answers false when there is none.
bool ReadDword(const wchar_t* name, DWORD* value) {
    ScopedRegKey key;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kCompatKeyPath, 0, KEY_READ, key.Receive()) != ERROR_SUCCESS) return false;
    DWORD type = 0, size = sizeof(*value);
    return ::RegQueryValueExW(key.Get(), name, nullptr, &type, reinterpret_cast<BYTE*>(value), &size) ==
               ERROR_SUCCESS &&
           type == REG_DWORD && size == 4;
}

bool KeyExists() {
    ScopedRegKey key;
    return ::RegOpenKeyExW(HKEY_CURRENT_USER, kCompatKeyPath, 0, KEY_READ, key.Receive()) == ERROR_SUCCESS;
}

// The key is shared by the whole prefix, so one test walks both cases.
TEST(CompatFlag, WrittenOnlyIntoAnExistingKey) {
    ::RegDeleteKeyW(HKEY_CURRENT_USER, kCompatKeyPath);
    ASSERT_FALSE(KeyExists());

    EXPECT_FALSE(SetCompatFlag());
    EXPECT_FALSE(KeyExists()) << "the key is never created";

    ScopedRegKey created;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_CURRENT_USER, kCompatKeyPath, 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                                created.Receive(), nullptr),
              ERROR_SUCCESS);
    EXPECT_TRUE(SetCompatFlag());

    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    DWORD value = 0;
    ASSERT_TRUE(ReadDword(path, &value)) << "a value named after the executable's path";
    EXPECT_EQ(value, 1u);

    ::RegDeleteValueW(created.Get(), path);
}

}  // namespace
