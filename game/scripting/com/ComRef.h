// A counted reference to a COM interface: adds a reference when it takes a pointer that
// someone else keeps (Share), takes over one that was handed to it (Adopt) and releases
// what it holds when it is reset or destroyed.
#pragma once
#include <utility>

template <class T>
class ComRef {
public:
    ComRef() = default;
    ComRef(const ComRef& other) { Share(other.p_); }
    ComRef(ComRef&& other) noexcept : p_(std::exchange(other.p_, nullptr)) {}
    ComRef& operator=(ComRef other) {
        std::swap(p_, other.p_);
        return *this;
    }
    ~ComRef() { Reset(); }

    static ComRef Shared(T* p) {
        ComRef ref;
        ref.Share(p);
        return ref;
    }
    void Share(T* p) {
        if (p) p->AddRef();
        Reset();
        p_ = p;
    }
    void Adopt(T* p) {
        Reset();
        p_ = p;
    }
    void Reset() {
        if (T* old = std::exchange(p_, nullptr)) old->Release();
    }
    // Hands the pointer and its reference to the caller.
    T* Detach() { return std::exchange(p_, nullptr); }
    // For out arguments: releases what is held first.
    T** Out() {
        Reset();
        return &p_;
    }
    T* Get() const { return p_; }
    T* operator->() const { return p_; }
    explicit operator bool() const { return p_ != nullptr; }

private:
    T* p_ = nullptr;
};
