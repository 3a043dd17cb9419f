// The listener side of a setting: a growable table of owned listener objects that starts
// with eight empty slots, a count, the slot where the next search starts, and a critical
// section, so listeners may come and go while another thread is being told a change.
#pragma once
#include <windows.h>

#include <cstdint>
#include <vector>

#include "SettingListener.h"

class SettingListenerTable {
public:
    SettingListenerTable();
    SettingListenerTable(const SettingListenerTable&) = delete;
    SettingListenerTable& operator=(const SettingListenerTable&) = delete;
    ~SettingListenerTable();

    // Takes ownership; returns the cookie (slot index + 1).
    uint32_t Add(SettingListener* listener);
    // Deletes the listener of the cookie, if the cookie lies within the table.
    void Remove(uint32_t cookie);
    // Tells every listener, in slot order, under the critical section.
    void Notify(const void* value);

    uint32_t GetCount() const { return count_; }
    size_t GetSize() const { return slots_.size(); }

private:
    std::vector<SettingListener*> slots_;
    uint32_t count_ = 0;
    size_t hint_ = 0;
    CRITICAL_SECTION lock_;
};
