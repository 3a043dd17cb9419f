// The reader of an image file opened by name: the picture's description and its rows,
// top row first. A reader that cannot read its file is not valid and says why.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>

// How the pixels of a row are stored.
enum class PixelKind {
    Unset,
    Indexed1,  // eight pixels a byte, first pixel in the high bit
    Indexed4,  // two pixels a byte, first pixel in the high nibble
    Indexed8,
    Rgb555,    // 16-bit little-endian, red in bits 10-14
    Rgb565,    // 16-bit little-endian, red in bits 11-15
    Bgr24,     // blue, green, red bytes
    Bgrx32,    // blue, green, red and an unused byte
};

struct ImageInfo {
    int32_t height = 0;
    int32_t width = 0;
    PixelKind kind = PixelKind::Unset;
    uint32_t bytesPerPixel = 0;   // 0 for the kinds that pack several pixels into a byte
    uint8_t channelBits[4] = {};  // red, green, blue, alpha
    bool palettised = false;
    uint32_t paletteCount = 0;
    uint8_t palette[256][4] = {};  // red, green, blue, reserved
};

class ImageFileReader {
public:
    // Names longer than this are refused.
    static const size_t kMaxName = 263;

    explicit ImageFileReader(const std::string& name);
    virtual ~ImageFileReader();
    ImageFileReader(const ImageFileReader&) = delete;
    ImageFileReader& operator=(const ImageFileReader&) = delete;

    bool IsValid() const { return valid_; }
    // Why the reader is not valid ("" while it is): the file's name, ": " and the reason.
    const std::string& Error() const { return error_; }
    // The reason alone.
    const std::string& Reason() const { return reason_; }
    const ImageInfo& Info() const { return info_; }

    // Bytes that ReadRow hands out per row.
    virtual uint32_t RowLength() const = 0;
    // The next ReadRow gives the top row again.
    virtual void Rewind() = 0;
    // Copies the next row (from the top) into `buffer`; false after the last row.
    virtual bool ReadRow(uint8_t* buffer) = 0;
    // Copies every row, top to bottom, RowLength() bytes apart.
    virtual bool ReadAll(uint8_t* buffer) = 0;
    virtual void PrintInfo(std::FILE* out) const;

protected:
    // Marks the reader not valid with the reason; gives false for the caller to return.
    bool Fail(const std::string& reason);

    std::string name_;
    std::FILE* file_ = nullptr;
    bool valid_ = false;
    ImageInfo info_;

private:
    std::string error_;
    std::string reason_;
};
