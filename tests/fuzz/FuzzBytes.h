// Values taken one after the other from the front of a fuzz input; once the input is used
// up every value is the lowest it may be, so any input is a complete choice.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

class FuzzBytes {
public:
    FuzzBytes(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    size_t Remaining() const { return size_ - at_; }
    bool Bool() { return Byte() & 1; }
    // A value in [low, high], from as many bytes as the range needs.
    template <class T>
    T InRange(T low, T high) {
        const uint64_t span = uint64_t(int64_t(high) - int64_t(low));
        uint64_t value = 0;
        for (uint64_t seen = 0; seen < span && Remaining() > 0; seen = seen << 8 | 0xFF) value = value << 8 | Byte();
        return T(int64_t(low) + int64_t(span == UINT64_MAX ? value : value % (span + 1)));
    }
    // `size` bytes (fewer where the input ends) as a text.
    std::string Text(size_t size) {
        if (size > Remaining()) size = Remaining();
        const std::string text(reinterpret_cast<const char*>(data_ + at_), size);
        at_ += size;
        return text;
    }

private:
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }

    const uint8_t* data_;
    size_t size_;
    size_t at_ = 0;
};
