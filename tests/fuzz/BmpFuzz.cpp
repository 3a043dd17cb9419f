// The BMP reader on a file of raw bytes: a file it accepts has all its rows read, whole
// and one by one, and each row unpacked to the depth the program works in.
#include <vector>

#include "BmpFile.h"
#include "FuzzTarget.h"
#include "ScratchFile.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    BmpFile bmp(WriteScratchFile(data, size, ".bmp"));
    if (!bmp.IsValid()) {
        if (bmp.Error().empty()) __builtin_trap();
        return 0;
    }
    const ImageInfo& info = bmp.Info();
    std::vector<uint8_t> all(size_t(bmp.RowLength()) * size_t(info.height));
    if (!bmp.ReadAll(all.data())) return 0;
    bmp.Rewind();
    std::vector<uint8_t> row(bmp.RowLength());
    std::vector<uint8_t> unpacked(size_t(info.width) * 4);
    while (bmp.ReadRow(row.data())) UnpackRow(info.kind, row.data(), info.width, unpacked.data());
    return 0;
}
