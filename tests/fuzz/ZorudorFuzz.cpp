// The ZORUDOR decoder on a BMAP record of raw bytes, as the engine hands it over: the
// record's header, then its stored pixel bytes; the room is what the header's picture
// needs at 16 bits. Decoding may write nothing outside that room.
#include <cstring>
#include <vector>

#include "FuzzTarget.h"
#include "ImageRecord.h"
#include "ZorudorCodec.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size < sizeof(quor::ImageHeader)) return 0;
    quor::ImageHeader h;
    std::memcpy(&h, data, sizeof h);
    quor::ImageHeader raw = h;
    raw.kind = quor::kFormatCode15;
    const uint64_t room = quor::RawPixelBytes(raw);
    if (room > (256u << 10)) return 0;
    std::vector<uint16_t> dst(size_t(room / 2));
    const uint32_t stored = uint32_t(size - sizeof h);
    zorudor::DecodeRecord(dst.data(), data, uint32_t(room), stored);
    return 0;
}
