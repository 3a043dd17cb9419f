// Handle holders: an auto-reset, initially non-signalled event, and any handle closed
// when its holder goes.
#pragma once
#include <windows.h>

class HandleHolder {
public:
    explicit HandleHolder(HANDLE handle = nullptr) : handle_(handle) {}
    HandleHolder(const HandleHolder&) = delete;
    HandleHolder& operator=(const HandleHolder&) = delete;
    ~HandleHolder() {
        if (handle_) CloseHandle(handle_);
    }
    HANDLE Get() const { return handle_; }

protected:
    HANDLE handle_;
};

class Win32Event : public HandleHolder {
public:
    Win32Event() : HandleHolder(CreateEventA(nullptr, FALSE, FALSE, nullptr)) {}
    void Signal() { SetEvent(handle_); }
};
