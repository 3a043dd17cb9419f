#include "BmpFile.h"

#include <cstring>
#include <string>

#include "BmpRunLength.h"

namespace {

bool ReadExactly(std::FILE* f, void* to, size_t bytes) { return std::fread(to, 1, bytes, f) == bytes; }

uint64_t FileSize(std::FILE* f) {
    if (std::fseek(f, 0, SEEK_END) != 0) return 0;
    const long size = std::ftell(f);
    std::rewind(f);
    return size < 0 ? 0 : uint64_t(size);
}

bool SameMasks(const uint32_t* a, const uint32_t* b) { return std::memcmp(a, b, 3 * sizeof *a) == 0; }

const uint32_t kMask888[3] = {0xFF0000, 0x00FF00, 0x0000FF};
const uint32_t kHeadersBytes = sizeof(BmpFileHeader) + sizeof(BmpInfoHeader);

bool RunLength(const BmpInfoHeader& h) { return h.compression == kBmpRle8 || h.compression == kBmpRle4; }

// The reason a compression is refused, naming it.
std::string CompressionRefused(const BmpInfoHeader& h) {
    const char* const names[] = {"", "RLE8", "RLE4", "", "JPEG", "PNG"};
    const std::string name = h.compression < 6 && *names[h.compression] ? std::string(names[h.compression])
                                                                         : "compression " + std::to_string(h.compression);
    if (RunLength(h))
        return name + " compression on " + std::to_string(h.bitCount) + " bits a pixel is not a BMP format";
    return name + "-compressed BMP files are not supported";
}

}  // namespace

BmpFile::BmpFile(const std::string& name) : ImageFileReader(name) {
    if (valid_) Read();
}

bool BmpFile::Read() {
    const uint64_t fileSize = FileSize(file_);
    return ReadHeaders(fileSize) && CheckGeometry(fileSize) && TakeKind() && ReadPalette() && ReadPixels();
}

bool BmpFile::ReadHeaders(uint64_t fileSize) {
    if (fileSize < kHeadersBytes || !ReadExactly(file_, &fileHeader_, sizeof fileHeader_) ||
        fileHeader_.type != kBmpMagic)
        return Fail("not a BMP file");
    if (!ReadExactly(file_, &header_, sizeof header_) || header_.size != sizeof(BmpInfoHeader))
        return Fail("its BMP header is " + std::to_string(header_.size) +
                    " bytes long, and only the 40-byte header is read");
    const bool runs = (header_.compression == kBmpRle8 && header_.bitCount == 8) ||
                      (header_.compression == kBmpRle4 && header_.bitCount == 4);
    if (header_.compression != kBmpRgb && header_.compression != kBmpBitFields && !runs)
        return Fail(CompressionRefused(header_));
    if (header_.planes != 1) return Fail("BMP header with more than one plane");
    return true;
}

bool BmpFile::CheckGeometry(uint64_t fileSize) {
    const int64_t height = header_.height;
    if (header_.width <= 0 || header_.width > kMaxSide || height == 0 || height > kMaxSide || height < -kMaxSide)
        return Fail("bad picture size " + std::to_string(header_.width) + " x " + std::to_string(header_.height));
    const uint64_t row = DibRowBytes(header_.bitCount, uint32_t(header_.width));
    const uint64_t total = row * uint64_t(height < 0 ? -height : height);
    if (total == 0 || total > kMaxPixelBytes) return Fail("picture too large");
    if (RunLength(header_) && height < 0) return Fail("run-length pictures are stored bottom row first");
    const uint64_t stored = RunLength(header_) ? 2 : total;  // runs: at least the end mark
    if (fileHeader_.bitsOffset < kHeadersBytes || fileHeader_.bitsOffset + stored > fileSize)
        return Fail("pixel data outside the file");
    runBytes_ = RunLength(header_) ? size_t(fileSize - fileHeader_.bitsOffset) : 0;
    if (runBytes_ > 0 && header_.imageSize > 0 && header_.imageSize < runBytes_) runBytes_ = header_.imageSize;
    rowLength_ = uint32_t(row);
    bottomUp_ = height > 0;
    info_.width = header_.width;
    info_.height = int32_t(height < 0 ? -height : height);
    return true;
}

bool BmpFile::TakeKind() {
    ImageInfo& i = info_;
    const bool bitFields = header_.compression == kBmpBitFields;
    if (bitFields && header_.bitCount != 16 && header_.bitCount != 32)
        return Fail("bit fields with " + std::to_string(header_.bitCount) + " bits per pixel");
    if (bitFields && !TakeBitFields()) return false;
    auto set = [&](PixelKind kind, uint32_t bytes, uint8_t r, uint8_t g, uint8_t b) {
        i.kind = kind;
        i.bytesPerPixel = bytes;
        i.channelBits[0] = r;
        i.channelBits[1] = g;
        i.channelBits[2] = b;
    };
    switch (header_.bitCount) {
    case 1: set(PixelKind::Indexed1, 0, 8, 8, 8); break;
    case 4: set(PixelKind::Indexed4, 0, 8, 8, 8); break;
    case 8: set(PixelKind::Indexed8, 1, 8, 8, 8); break;
    case 16:
        if (bitFields && SameMasks(masks_, kMask565)) set(PixelKind::Rgb565, 2, 5, 6, 5);
        else set(PixelKind::Rgb555, 2, 5, 5, 5);
        break;
    case 24: set(PixelKind::Bgr24, 3, 8, 8, 8); break;
    case 32: set(PixelKind::Bgrx32, 4, 8, 8, 8); break;
    default: return Fail("unsupported bit count " + std::to_string(header_.bitCount));
    }
    i.palettised = header_.bitCount <= 8;
    return true;
}

bool BmpFile::TakeBitFields() {
    if (fileHeader_.bitsOffset < kHeadersBytes + sizeof masks_ || !ReadExactly(file_, masks_, sizeof masks_))
        return Fail("colour masks missing");
    const bool known = header_.bitCount == 16 ? SameMasks(masks_, kMask555) || SameMasks(masks_, kMask565)
                                              : SameMasks(masks_, kMask888);
    return known || Fail("unsupported colour masks");
}

bool BmpFile::ReadPalette() {
    if (!info_.palettised) return true;
    const uint32_t most = 1u << header_.bitCount;
    const uint32_t count = header_.coloursUsed ? header_.coloursUsed : most;
    if (count > most) return Fail("more colours than the bit count allows");
    if (fileHeader_.bitsOffset < kHeadersBytes + 4 * count) return Fail("colour table overlaps the pixels");
    ColourEntry entries[256];
    if (std::fseek(file_, kHeadersBytes, SEEK_SET) != 0 || !ReadExactly(file_, entries, 4 * count))
        return Fail("colour table cut short");
    for (uint32_t k = 0; k < count; ++k) {
        info_.palette[k][0] = entries[k].red;
        info_.palette[k][1] = entries[k].green;
        info_.palette[k][2] = entries[k].blue;
        info_.palette[k][3] = entries[k].reserved;
    }
    info_.paletteCount = count;
    return true;
}

bool BmpFile::ReadPixels() {
    if (RunLength(header_)) return ReadRuns();
    pixels_.resize(size_t(rowLength_) * size_t(info_.height));
    if (std::fseek(file_, long(fileHeader_.bitsOffset), SEEK_SET) != 0 ||
        !ReadExactly(file_, pixels_.data(), pixels_.size()))
        return Fail("pixel data cut short");
    return true;
}

bool BmpFile::ReadRuns() {
    std::vector<uint8_t> runs(runBytes_);
    if (std::fseek(file_, long(fileHeader_.bitsOffset), SEEK_SET) != 0 || !ReadExactly(file_, runs.data(), runs.size()))
        return Fail("pixel data cut short");
    std::string error;
    if (!UnpackBmpRuns(runs.data(), runs.size(), header_.bitCount, info_.width, info_.height, rowLength_, pixels_,
                       error))
        return Fail(error);
    return true;
}

bool BmpFile::ReadRow(uint8_t* buffer) {
    if (!valid_ || nextRow_ >= info_.height) return false;
    const int32_t stored = bottomUp_ ? info_.height - 1 - nextRow_ : nextRow_;
    std::memcpy(buffer, &pixels_[size_t(stored) * rowLength_], rowLength_);
    ++nextRow_;
    return true;
}

bool BmpFile::ReadAll(uint8_t* buffer) {
    if (!valid_) return false;
    Rewind();
    for (int32_t y = 0; y < info_.height; ++y) ReadRow(buffer + size_t(y) * rowLength_);
    return true;
}

int DepthForKind(PixelKind kind) {
    switch (kind) {
    case PixelKind::Indexed1:
    case PixelKind::Indexed4:
    case PixelKind::Indexed8: return 8;
    case PixelKind::Rgb555: return 15;
    case PixelKind::Rgb565: return 16;
    case PixelKind::Bgr24:
    case PixelKind::Bgrx32: return 24;
    default: return 0;
    }
}

void UnpackRow(PixelKind kind, const uint8_t* stored, int32_t width, uint8_t* out) {
    switch (kind) {
    case PixelKind::Indexed1:
        for (int32_t x = 0; x < width; ++x) out[x] = uint8_t(stored[x >> 3] >> (7 - (x & 7)) & 1);
        break;
    case PixelKind::Indexed4:
        for (int32_t x = 0; x < width; ++x) out[x] = uint8_t(x & 1 ? stored[x >> 1] & 0x0F : stored[x >> 1] >> 4);
        break;
    case PixelKind::Bgrx32:
        for (int32_t x = 0; x < width; ++x) std::memcpy(out + 3 * x, stored + 4 * x, 3);
        break;
    case PixelKind::Indexed8: std::memcpy(out, stored, size_t(width)); break;
    case PixelKind::Rgb555:
    case PixelKind::Rgb565: std::memcpy(out, stored, size_t(width) * 2); break;
    case PixelKind::Bgr24: std::memcpy(out, stored, size_t(width) * 3); break;
    default: break;
    }
}
