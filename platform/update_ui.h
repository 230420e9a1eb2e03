// Idle-time update of child controls from a table of wanted states. The
// table holds the control ids the owner keeps up to date; an empty table
// makes the update pass a no-op.
#pragma once

#include <windows.h>

#include <vector>

template <class T>
class CUpdateUI {
public:
    enum : WORD { UPDUI_ENABLED = 0x0000, UPDUI_DISABLED = 0x0100 };

    // Records the wanted state; the next update pass applies it.
    BOOL UIEnable(int nID, BOOL enable) {
        for (Pending& p : m_pending) {
            if (p.id == nID) {
                p.state = enable ? UPDUI_ENABLED : UPDUI_DISABLED;
                p.dirty = true;
                return TRUE;
            }
        }
        return FALSE;
    }

    // Applies the recorded states to the owner's child windows.
    BOOL UIUpdateChildWindows() {
        T* self = static_cast<T*>(this);
        for (Pending& p : m_pending) {
            if (!p.dirty) continue;
            ::EnableWindow(::GetDlgItem(self->m_hWnd, p.id), p.state == UPDUI_ENABLED);
            p.dirty = false;
        }
        return TRUE;
    }

protected:
    CUpdateUI() {
        for (const int* id = T::GetUpdateUIMap(); *id != 0; ++id) m_pending.push_back(Pending{*id, UPDUI_ENABLED, false});
    }

private:
    struct Pending {
        int id;
        WORD state;
        bool dirty;
    };
    std::vector<Pending> m_pending;
};
