#include "BmpRunLength.h"

namespace {

// Writes pixels into the unpacked rows, one at a time from the current position.
class RunTarget {
public:
    RunTarget(uint16_t bitCount, int32_t width, int32_t height, uint32_t rowLength, std::vector<uint8_t>& rows)
        : four_(bitCount == 4), width_(width), height_(height), rowLength_(rowLength), rows_(rows)
    {
        rows_.assign(size_t(rowLength) * size_t(height), 0);
    }

    bool Put(uint8_t index)
    {
        if (x_ >= width_ || y_ >= height_)
            return false;
        uint8_t& at = rows_[size_t(y_) * rowLength_ + size_t(four_ ? x_ / 2 : x_)];
        if (!four_)
            at = index;
        else if (x_ % 2 == 0)
            at = uint8_t((at & 0x0F) | (index & 0x0F) << 4);
        else
            at = uint8_t((at & 0xF0) | (index & 0x0F));
        ++x_;
        return true;
    }
    void NextLine()
    {
        x_ = 0;
        ++y_;
    }
    bool Move(int32_t dx, int32_t dy)
    {
        x_ += dx;
        y_ += dy;
        return x_ <= width_ && y_ < height_;
    }
    bool FourBits() const { return four_; }

private:
    bool four_;
    int32_t width_, height_;
    uint32_t rowLength_;
    std::vector<uint8_t>& rows_;
    int32_t x_ = 0, y_ = 0;
};

// The pixel `k` of a run's byte: the byte itself, or its high then its low half.
uint8_t PixelOf(uint8_t byte, int k, bool fourBits)
{
    if (!fourBits)
        return byte;
    return k % 2 == 0 ? uint8_t(byte >> 4) : uint8_t(byte & 0x0F);
}

bool Stop(std::string& error, const char* reason)
{
    error = reason;
    return false;
}

}  // namespace

bool UnpackBmpRuns(const uint8_t* data, size_t size, uint16_t bitCount, int32_t width, int32_t height,
                   uint32_t rowLength, std::vector<uint8_t>& rows, std::string& error)
{
    RunTarget target(bitCount, width, height, rowLength, rows);
    const bool four = target.FourBits();
    for (size_t at = 0; at + 1 < size;) {
        const uint8_t count = data[at], value = data[at + 1];
        at += 2;
        if (count > 0) {  // a run of one byte's pixels
            for (int k = 0; k < count; ++k)
                if (!target.Put(PixelOf(value, k, four)))
                    return Stop(error, "a run-length run leaves the picture");
            continue;
        }
        if (value == 0) {
            target.NextLine();
        } else if (value == 1) {
            return true;
        } else if (value == 2) {
            if (at + 2 > size)
                return Stop(error, "run-length data cut short");
            if (!target.Move(data[at], data[at + 1]))
                return Stop(error, "a run-length move leaves the picture");
            at += 2;
        } else {  // `value` pixels as they are, padded to a whole 16-bit word
            const size_t bytes = four ? (size_t(value) + 1) / 2 : size_t(value);
            if (at + bytes > size)
                return Stop(error, "run-length data cut short");
            for (int k = 0; k < value; ++k)
                if (!target.Put(PixelOf(data[at + size_t(four ? k / 2 : k)], k, four)))
                    return Stop(error, "a run-length run leaves the picture");
            at += (bytes + 1) / 2 * 2;
        }
    }
    return true;  // data that ends without its end mark keeps what it gave
}
