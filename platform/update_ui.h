// Idle-time update of child controls from the owner's update map: each
// entry names a control and whether it is to be enabled. An empty map makes
// the update pass a no-op.
#pragma once

#include <windows.h>

struct UpdateUIEntry {
    int id;  // 0 ends the map
    bool enabled;
};

template <class T>
class CUpdateUI {
public:
    BOOL UIUpdateChildWindows() {
        T* self = static_cast<T*>(this);
        for (const UpdateUIEntry* e = T::GetUpdateUIMap(); e->id != 0; ++e) {
            ::EnableWindow(::GetDlgItem(self->m_hWnd, e->id), e->enabled);
        }
        return TRUE;
    }
};
