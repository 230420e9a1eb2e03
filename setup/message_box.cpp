#include "setup/message_box.h"

int ShowMessageBox(HWND owner, const std::wstring& text, const std::wstring& caption, UINT style) {
    return ::MessageBoxW(owner, text.c_str(), caption.c_str(), style);
}
