// ZORUDOR picture coding.
//
// The encoded data (the pixel data of a BMAP record of decoder slot 1) is:
//   4 bytes  magic "ZRD1"
//   packets  until width x height pixels have been produced, in row order, rows joined
//            (row padding is not stored; the decoder writes zeros there).
// Each packet starts with a control byte c; n counts pixels:
//   0x00-0x3F  literal:   n = c + 1; n pixels follow, 2 bytes each, little-endian
//   0x40-0x7F  run:       n = (c & 0x3F) + 1; one pixel follows, repeated n times
//   0x80-0xBF  up:        n = (c & 0x3F) + 1; copies the n pixels one row above (not
//                         allowed in the first row's pixels)
//   0xC0-0xFF  long run:  n = ((c & 0x3F) << 8 | next byte) + 1 (up to 16384); one pixel
//                         follows, repeated n times
// A packet may not produce more pixels than remain, and the data must end exactly after
// the last pixel; anything else is corrupt and refused.
#include "ZorudorCodec.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "ImageRecord.h"

namespace zorudor {
namespace {

const uint8_t kMagic[4] = {'Z', 'R', 'D', '1'};

class Writer {
public:
    Writer(uint8_t* out, size_t capacity) : out_(out), capacity_(capacity) {}
    bool Put(uint8_t b) {
        if (size_ >= capacity_) return false;
        out_[size_++] = b;
        return true;
    }
    bool PutPixel(uint16_t p) { return Put(uint8_t(p)) && Put(uint8_t(p >> 8)); }
    size_t Size() const { return size_; }

private:
    uint8_t* out_;
    size_t capacity_;
    size_t size_ = 0;
};

}  // namespace

size_t EncodePixels(const uint16_t* pixels, uint32_t width, uint32_t height, uint32_t rowPixels,
                    uint8_t* out, size_t capacity) {
    if (!pixels || !out || rowPixels < width) return 0;
    // The pixels in one sequence, rows joined.
    const size_t count = size_t(width) * height;
    std::vector<uint16_t> seq(count);
    for (uint32_t y = 0; y < height; ++y)
        std::memcpy(&seq[size_t(y) * width], pixels + size_t(y) * rowPixels, size_t(width) * 2);

    Writer w(out, capacity);
    for (uint8_t b : kMagic)
        if (!w.Put(b)) return 0;

    size_t literalStart = 0, literalCount = 0;
    auto flushLiterals = [&]() -> bool {
        while (literalCount > 0) {
            const size_t n = std::min<size_t>(literalCount, 64);
            if (!w.Put(uint8_t(n - 1))) return false;
            for (size_t k = 0; k < n; ++k)
                if (!w.PutPixel(seq[literalStart + k])) return false;
            literalStart += n;
            literalCount -= n;
        }
        return true;
    };

    size_t p = 0;
    while (p < count) {
        size_t run = 1;
        while (p + run < count && run < 16384 && seq[p + run] == seq[p]) ++run;
        size_t up = 0;
        if (p >= width && width > 0)
            while (p + up < count && up < 64 && seq[p + up] == seq[p + up - width]) ++up;
        if (run >= 3 && run >= up) {
            if (!flushLiterals()) return 0;
            if (run <= 64) {
                if (!w.Put(uint8_t(0x40 | (run - 1))) || !w.PutPixel(seq[p])) return 0;
            } else {
                const size_t n = run - 1;
                if (!w.Put(uint8_t(0xC0 | (n >> 8))) || !w.Put(uint8_t(n)) || !w.PutPixel(seq[p])) return 0;
            }
            p += run;
        } else if (up >= 2) {
            if (!flushLiterals()) return 0;
            if (!w.Put(uint8_t(0x80 | (up - 1)))) return 0;
            p += up;
        } else {
            if (literalCount == 0) literalStart = p;
            ++literalCount;
            ++p;
        }
    }
    if (!flushLiterals()) return 0;
    // Reaching the capacity exactly counts as not smaller.
    return w.Size() < capacity ? w.Size() : 0;
}

bool DecodePixels(const uint8_t* data, size_t size, uint32_t width, uint32_t height,
                  uint32_t rowPixels, uint16_t* dst, size_t dstBytes) {
    if (!data || !dst || rowPixels < width) return false;
    // The room needed is counted in 64 bits: 65536 pixels a row by 32768 rows are 2^32
    // bytes, which a 32-bit count would take for none.
    if (uint64_t(rowPixels) * height * 2 > dstBytes) return false;
    if (size < 4 || std::memcmp(data, kMagic, 4) != 0) return false;
    const size_t count = size_t(width) * height;
    size_t pos = 4, p = 0;
    auto at = [&](size_t index) -> uint16_t& {
        return dst[(index / width) * rowPixels + index % width];
    };
    auto pixel = [&](uint16_t& v) {
        if (size - pos < 2) return false;
        v = uint16_t(data[pos] | data[pos + 1] << 8);
        pos += 2;
        return true;
    };
    while (p < count) {
        if (pos >= size) return false;
        const uint8_t c = data[pos++];
        size_t n;
        switch (c >> 6) {
        case 0:
            n = size_t(c) + 1;
            if (n > count - p) return false;
            for (size_t k = 0; k < n; ++k)
                if (!pixel(at(p + k))) return false;
            break;
        case 1: {
            n = size_t(c & 0x3F) + 1;
            uint16_t v;
            if (n > count - p || !pixel(v)) return false;
            for (size_t k = 0; k < n; ++k) at(p + k) = v;
            break;
        }
        case 2:
            n = size_t(c & 0x3F) + 1;
            if (n > count - p || p < width) return false;
            for (size_t k = 0; k < n; ++k) at(p + k) = at(p + k - width);
            break;
        default: {
            if (pos >= size) return false;
            n = (size_t(c & 0x3F) << 8 | data[pos++]) + 1;
            uint16_t v;
            if (n > count - p || !pixel(v)) return false;
            for (size_t k = 0; k < n; ++k) at(p + k) = v;
            break;
        }
        }
        p += n;
    }
    if (pos != size) return false;
    for (uint32_t y = 0; y < height; ++y)
        std::fill(dst + size_t(y) * rowPixels + width, dst + size_t(y + 1) * rowPixels, uint16_t(0));
    return true;
}

uint32_t EncodeRecord(uint8_t* record) {
    if (!record) return 0;
    quor::ImageHeader h;
    std::memcpy(&h, record, sizeof h);
    if (h.type != quor::kBmapType || h.kind == quor::KindLevelMask) return 0;
    if (quor::BytesPerPixel(h.kind) != 2) return 0;
    const uint64_t raw = quor::RawPixelBytes(h);
    if (raw == 0 || h.pixelBytes < raw) return 0;
    std::vector<uint16_t> pixels(static_cast<size_t>(raw / 2));
    std::memcpy(pixels.data(), record + sizeof h, size_t(raw));
    std::vector<uint8_t> out(static_cast<size_t>(raw));
    const size_t size = EncodePixels(pixels.data(), h.width, h.height, quor::RowBytes(h.width, 2) / 2,
                                     out.data(), size_t(raw));
    if (size == 0) return 0;
    std::memcpy(record + sizeof h, out.data(), size);
    return uint32_t(size);
}

bool DecodeRecord(void* dst, const uint8_t* record, uint32_t dstBytes, uint32_t srcBytes) {
    if (!dst || !record) return false;
    quor::ImageHeader h;
    std::memcpy(&h, record, sizeof h);
    if (h.type != quor::kBmapType || h.kind == quor::KindLevelMask) return false;
    return DecodePixels(record + sizeof h, srcBytes, h.width, h.height, quor::RowBytes(h.width, 2) / 2,
                        static_cast<uint16_t*>(dst), dstBytes);
}

}  // namespace zorudor
