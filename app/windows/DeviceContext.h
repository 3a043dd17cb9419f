// Device-context holders handed to painting operations.
#pragma once
#include <windows.h>

// Holds a device context and releases nothing.
class DCHolder {
public:
    explicit DCHolder(HDC dc) : dc_(dc) {}
    DCHolder(const DCHolder&) = delete;
    DCHolder& operator=(const DCHolder&) = delete;
    virtual ~DCHolder() = default;
    HDC Get() const { return dc_; }
    operator HDC() const { return dc_; }

protected:
    HDC dc_;
};

// The client-area device context of a window, released when the holder goes.
class ClientDC : public DCHolder {
public:
    explicit ClientDC(HWND window) : DCHolder(GetDC(window)), window_(window) {}
    ~ClientDC() override {
        if (dc_) ReleaseDC(window_, dc_);
    }

private:
    HWND window_;
};
