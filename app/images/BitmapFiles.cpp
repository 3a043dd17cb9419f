// Loading a bitmap from a .bmp file and saving it as one.
#include <cstring>
#include <stdexcept>
#include <vector>

#include "Bitmap.h"
#include "BmpFile.h"
#include "FileReplacement.h"

bool Bitmap::LoadImageFile(const std::string& name) {
    BmpFile file(name);
    if (!file.IsValid()) return false;
    const ImageInfo& info = file.Info();
    RGBQUAD colours[256] = {};
    for (uint32_t k = 0; k < info.paletteCount; ++k)
        colours[k] = RGBQUAD{info.palette[k][2], info.palette[k][1], info.palette[k][0], 0};
    Bitmap loaded(info.width, info.height, DepthForKind(info.kind), !file.IsBottomUp(), colours);
    if (!loaded.IsValid()) return false;
    std::vector<uint8_t> row(file.RowLength());
    const PixelView view = loaded.View();
    for (int32_t y = 0; file.ReadRow(row.data()); ++y) UnpackRow(info.kind, row.data(), info.width, view.Row(y));
    Swap(loaded);
    return true;
}

bool Bitmap::Save(const std::string& name) const {
    if (!valid_) return false;
    auto info = info_;
    std::vector<uint8_t> bits(size_t(rowBytes_) * size_t(height_));
    if (bitmap_) {
        HDC dc = GetDC(nullptr);
        const int rows = GetDIBits(dc, bitmap_, 0, UINT(height_), bits.data(), reinterpret_cast<BITMAPINFO*>(&info),
                                   DIB_RGB_COLORS);
        ReleaseDC(nullptr, dc);
        if (rows == 0) return false;
    } else {
        std::memcpy(bits.data(), pixels_, bits.size());
    }
    // The saved header is the bitmap's own: its colour table, or its three masks.
    BmpInfoHeader header;
    std::memcpy(&header, &info_.header, sizeof header);
    header.imageSize = uint32_t(bits.size());
    const BmpFileHeader fileHeader = MakeBmpFileHeader(header);
    const std::vector<FilePiece> pieces = {{&fileHeader, sizeof fileHeader},
                                           {&header, sizeof header},
                                           {info_.colours, ColourTableBytes(header)},
                                           {bits.data(), bits.size()}};
    switch (WriteFileReplacing(name, pieces)) {
    case ReplaceResult::Written: return true;
    case ReplaceResult::WriteFailed: throw std::runtime_error("error in Bitmap::Save: WriteFile");
    default: return false;
    }
}
