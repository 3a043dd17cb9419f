// A .bmp file read whole when it is opened: 1, 4 and 8-bit palettised pictures (the 4 and
// 8-bit ones also run-length compressed), 16-bit 5-5-5 and 5-6-5, 24 and 32 bits. The headers are checked against the file
// before anything is read through them; what cannot be read is refused with a reason.
#pragma once
#include <vector>

#include "BmpHeaders.h"
#include "ImageFileReader.h"

class BmpFile : public ImageFileReader {
public:
    // Pictures wider or higher than this, or with more pixel bytes, are refused.
    static const int32_t kMaxSide = 65535;
    static const uint64_t kMaxPixelBytes = 256u << 20;

    explicit BmpFile(const std::string& name);

    uint32_t RowLength() const override { return rowLength_; }
    void Rewind() override { nextRow_ = 0; }
    bool ReadRow(uint8_t* buffer) override;
    bool ReadAll(uint8_t* buffer) override;

    const BmpInfoHeader& Header() const { return header_; }
    bool IsBottomUp() const { return bottomUp_; }

private:
    bool Read();
    bool ReadHeaders(uint64_t fileSize);
    bool CheckGeometry(uint64_t fileSize);
    bool TakeKind();
    bool TakeBitFields();
    bool ReadPalette();
    bool ReadPixels();
    bool ReadRuns();

    BmpFileHeader fileHeader_{};
    BmpInfoHeader header_{};
    uint32_t masks_[3] = {};
    std::vector<uint8_t> pixels_;
    uint32_t rowLength_ = 0;
    size_t runBytes_ = 0;  // the run-length data of a compressed picture
    bool bottomUp_ = true;
    int32_t nextRow_ = 0;
};

// The Bitmap depth that holds pixels of a kind: 8 for the palettised kinds, 15, 16, and 24
// for 24 and 32 bits; 0 when unset.
int DepthForKind(PixelKind kind);
// Turns a stored row of `width` pixels into a row of that depth: palettised pixels become
// one index byte each, 32-bit pixels lose their unused byte, the rest is copied.
void UnpackRow(PixelKind kind, const uint8_t* stored, int32_t width, uint8_t* out);
