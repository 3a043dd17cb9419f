#include "HostileAssets.h"

#include <cstring>
#include <random>

#include "AssetFileBuilder.h"
#include "ImageRecord.h"
#include "SprtAssetBuilder.h"
#include "ZorudorCodec.h"

namespace hostile {
namespace {

const uint32_t kBmap = 0x50414D42u, kBack = 0x4B434142u;
const uint16_t kWidth = 24, kHeight = 16;

// Offsets in a picture asset's data (the record without its type word).
enum Field : size_t { kKind = 0, kSlot = 2, kWidthAt = 4, kHeightAt = 6, kKey = 8, kPixelBytes = 12, kPixels = 16 };
// Offsets in a shadow record.
enum ShadowField : size_t { kShadowKind = 2, kShadowWidth = 4, kShadowHeight = 6, kShadowX = 8, kShadowPixelBytes = 12 };

void Put16(std::vector<uint8_t>& v, size_t at, uint16_t x) {
    if (at + 2 <= v.size()) std::memcpy(&v[at], &x, 2);
}
void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    if (at + 4 <= v.size()) std::memcpy(&v[at], &x, 4);
}
uint16_t Get16(const std::vector<uint8_t>& v, size_t at) {
    uint16_t x = 0;
    if (at + 2 <= v.size()) std::memcpy(&x, &v[at], 2);
    return x;
}

// A picture asset's data as made, before any damage, and where its parts lie.
struct Picture {
    std::string name;
    std::vector<uint8_t> data;
    size_t shadowAt = 0;  // 0: no shadow record
};

}  // namespace

std::vector<uint8_t> PictureHeader(uint16_t kind, uint16_t slot, uint16_t w, uint16_t h, uint32_t pixelBytes) {
    std::vector<uint8_t> v(16, 0);
    Put16(v, kKind, kind);
    Put16(v, kSlot, slot);
    Put16(v, kWidthAt, w);
    Put16(v, kHeightAt, h);
    Put32(v, kKey, 0x7C1F);
    Put32(v, kPixelBytes, pixelBytes);
    return v;
}

namespace {

// Shadows follow the pixels of every kind with bit 0x10 but the level mask.
void AddShadowIfTheKindSaysSo(Picture& p, uint16_t kind) {
    if (kind == quor::KindLevelMask || !(kind & quor::KindShadow)) return;
    p.shadowAt = p.data.size();
    const uint16_t w = 10, h = 6;
    const uint32_t bytes = h * quor::RowBytes(w, 1);
    std::vector<uint8_t> s(16, 0);
    Put16(s, kShadowKind, quor::KindLevelMask);
    Put16(s, kShadowWidth, w);
    Put16(s, kShadowHeight, h);
    Put16(s, kShadowX, uint16_t(-3));
    Put32(s, kShadowPixelBytes, bytes);
    for (uint32_t i = 0; i < bytes; ++i) s.push_back(uint8_t(i * 7));
    p.data.insert(p.data.end(), s.begin(), s.end());
}

Picture RawPicture(uint16_t kind, uint16_t w = kWidth, uint16_t h = kHeight) {
    quor::ImageHeader probe = {quor::kBmapType, kind, 0, w, h, 0, 0};
    const uint32_t bytes = uint32_t(quor::RawPixelBytes(probe));
    Picture p{"raw kind " + std::to_string(kind) + " " + std::to_string(w) + "x" + std::to_string(h),
              PictureHeader(kind, 0, w, h, bytes)};
    for (uint32_t i = 0; i < bytes; ++i) p.data.push_back(uint8_t(i * 13 + i / 48));
    AddShadowIfTheKindSaysSo(p, kind);
    return p;
}

// Pixels encoded for ZORUDOR (slot 1), or bytes of no coding for another slot.
Picture EncodedPicture(uint16_t kind, uint16_t slot) {
    std::vector<uint16_t> pixels(size_t(quor::RowBytes(kWidth, 2) / 2) * kHeight);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint16_t((i / 5) * 0x0421);
    std::vector<uint8_t> coded(pixels.size() * 2);
    size_t size = zorudor::EncodePixels(pixels.data(), kWidth, kHeight, quor::RowBytes(kWidth, 2) / 2,
                                        coded.data(), coded.size());
    if (slot != 1 || size == 0) size = 40;  // 40 bytes that are no picture's coding
    coded.resize(size);
    Picture p{"encoded kind " + std::to_string(kind) + " slot " + std::to_string(slot),
              PictureHeader(kind, slot, kWidth, kHeight, uint32_t(size))};
    p.data.insert(p.data.end(), coded.begin(), coded.end());
    AddShadowIfTheKindSaysSo(p, kind);
    return p;
}

std::vector<Picture> Pictures() {
    std::vector<Picture> all;
    for (uint16_t kind : {0, 8, 0x10, 0x18, 1, 17, 18, 19, 20, 21}) all.push_back(RawPicture(kind));
    for (uint16_t kind : {8, 0x18}) all.push_back(EncodedPicture(kind, 1));
    for (uint16_t slot : {2, 3, 16, 0xFFFF}) all.push_back(EncodedPicture(8, slot));
    return all;
}

struct Variant {
    std::string what;
    std::vector<uint8_t> data;
};

void CutsAtEveryField(const Picture& p, std::vector<Variant>& out) {
    std::vector<size_t> cuts = {0, kSlot, kWidthAt, kHeightAt, kKey, kPixelBytes, kPixels};
    const size_t pixelsEnd = p.shadowAt ? p.shadowAt : p.data.size();
    cuts.push_back(kPixels + (pixelsEnd - kPixels) / 2);
    cuts.push_back(pixelsEnd - 1);
    if (p.shadowAt) {
        const size_t fields[] = {0, kShadowKind, kShadowWidth, kShadowHeight, kShadowX, 10, kShadowPixelBytes, 16};
        for (size_t f : fields) cuts.push_back(p.shadowAt + f);
        cuts.push_back(p.data.size() - 1);
    }
    for (size_t cut : cuts)
        out.push_back({"cut at " + std::to_string(cut), std::vector<uint8_t>(p.data.begin(), p.data.begin() + cut)});
}

void WrappedSizes(const Picture& p, std::vector<Variant>& out) {
    const uint16_t sizes[][2] = {{65535, 32768}, {32768, 65535}, {65535, 65535}, {16384, 65535}, {32768, 32768}};
    for (const auto& s : sizes)
        for (bool zeroBytes : {false, true}) {
            Variant v{"size " + std::to_string(s[0]) + "x" + std::to_string(s[1]) + (zeroBytes ? " no pixel bytes" : ""),
                      p.data};
            Put16(v.data, kWidthAt, s[0]);
            Put16(v.data, kHeightAt, s[1]);
            if (zeroBytes) Put32(v.data, kPixelBytes, 0);
            out.push_back(v);
        }
    const uint32_t raw = uint32_t((p.shadowAt ? p.shadowAt : p.data.size()) - kPixels);
    for (uint32_t bytes : {0u, 1u, raw - 1, raw + 1, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        Variant v{"pixel bytes " + std::to_string(bytes), p.data};
        Put32(v.data, kPixelBytes, bytes);
        out.push_back(v);
    }
}

void BadShadows(const Picture& p, std::vector<Variant>& out) {
    if (!p.shadowAt) return;
    const struct {
        const char* what;
        size_t at;
        uint32_t value;
        bool wide;
    } edits[] = {{"shadow kind 0", kShadowKind, 0, false},    {"shadow 65535 wide", kShadowWidth, 65535, false},
                 {"shadow 65535 high", kShadowHeight, 65535, false}, {"shadow x -32768", kShadowX, 0x8000, false},
                 {"shadow bytes 0", kShadowPixelBytes, 0, true},   {"shadow bytes 2^32-1", kShadowPixelBytes, 0xFFFFFFFFu, true}};
    for (const auto& e : edits) {
        Variant v{e.what, p.data};
        if (e.wide) Put32(v.data, p.shadowAt + e.at, e.value);
        else Put16(v.data, p.shadowAt + e.at, uint16_t(e.value));
        out.push_back(v);
    }
}

void OtherKindsAndSlots(const Picture& p, std::vector<Variant>& out) {
    for (uint16_t kind : {0, 1, 8, 0x10, 0x18, 20, 21}) {
        Variant v{"as kind " + std::to_string(kind), p.data};
        Put16(v.data, kKind, kind);
        out.push_back(v);
    }
    for (uint16_t slot : {0, 1, 2, 15, 16, 0xFFFF}) {
        Variant v{"as slot " + std::to_string(slot), p.data};
        Put16(v.data, kSlot, slot);
        out.push_back(v);
    }
}

void RandomDamage(const Picture& p, std::mt19937& rng, std::vector<Variant>& out) {
    for (int round = 0; round < 6; ++round) {
        Variant v{"damage " + std::to_string(round), p.data};
        const int bytes = 1 + int(rng() % 4);
        for (int k = 0; k < bytes; ++k) {
            // Mostly the header and the first pixels, where the sizes live.
            const size_t span = round % 2 ? v.data.size() : std::min<size_t>(v.data.size(), 40);
            v.data[rng() % span] = uint8_t(rng());
        }
        out.push_back(v);
    }
}

std::vector<uint8_t> BackData(uint16_t flags, uint16_t columns, uint16_t rows, uint16_t cw, uint16_t ch) {
    std::vector<uint8_t> v;
    for (uint16_t x : {flags, columns, rows, cw, ch}) AppendLE16(v, x);
    for (int i = 0; i < columns * rows; ++i) AppendLE16(v, kPicture);
    return v;
}

}  // namespace

// The backdrops' cells take the size the picture claims, so that a draw reaches as far
// into it as the claim allows.
std::vector<uint8_t> FileAround(const std::vector<uint8_t>& picture) {
    uint16_t w = Get16(picture, kWidthAt), h = Get16(picture, kHeightAt);
    if (!w) w = kWidth;
    if (!h) h = kHeight;
    SprtFrameSpec frame;
    frame.picture = kPicture;
    AssetFileBuilder b;
    b.Add(kBmap, picture);
    b.Add(kBack, BackData(0, 1, 1, w, h));
    b.Add(kBack, BackData(0x8002, 2, 1, w, h));
    b.Add(kBack, BackData(3, 1, 2, w, h));
    b.Add(0x54525053u, SprtAssetBuilder().Frame(frame).Sequence({0}).BuildData());  // "SPRT"
    return b.Build();
}

namespace {

// Damage to the container around an intact picture: cuts at every field boundary of the
// header, the directory and each asset's header, and sizes that do not fit.
void ContainerDamage(std::vector<HostileFile>& out) {
    const std::vector<uint8_t> good = FileAround(RawPicture(8).data);
    std::vector<size_t> cuts = {0, 4, 8, 12, 16};
    for (uint32_t i = 0; i < kAssetCount; ++i) {
        cuts.push_back(16 + 8 * i + 4);
        cuts.push_back(16 + 8 * i + 8);
        const size_t at = AssetFileBuilder::AssetOffset(good, i);
        for (size_t f : {4, 8, 12, 16}) cuts.push_back(at + f);
    }
    for (size_t cut : cuts)
        out.push_back({"file cut at " + std::to_string(cut), std::vector<uint8_t>(good.begin(), good.begin() + cut)});
    for (uint32_t count : {0u, 6u, 0x20000000u, 0xFFFFFFFFu}) {
        HostileFile f{"asset count " + std::to_string(count), good};
        AssetFileBuilder::Put(f.image, 4, count);
        out.push_back(f);
    }
    for (uint32_t i = 0; i < kAssetCount; ++i) {
        const size_t at = AssetFileBuilder::AssetOffset(good, i);
        const std::string asset = "asset " + std::to_string(i + 1);
        for (uint32_t size : {0u, 3u, 0x7FFFFFFFu, 0xFFFFFFF0u}) {
            HostileFile f{asset + " data size " + std::to_string(size), good};
            AssetFileBuilder::Put(f.image, at + 4, size);
            out.push_back(f);
        }
        for (uint32_t packing : {0x10000000u, 0xFF000004u, 0x01FFFFFFu}) {
            HostileFile f{asset + " packing word " + std::to_string(packing), good};
            AssetFileBuilder::Put(f.image, at + 8, packing);
            out.push_back(f);
        }
        HostileFile f{asset + " offset past the end", good};
        AssetFileBuilder::Put(f.image, 16 + 8 * i, 0xFFFFFFF0u);
        out.push_back(f);
    }
}

}  // namespace

std::vector<HostileFile> HostileAssetFiles() {
    std::vector<HostileFile> out;
    std::mt19937 rng(20261208);
    for (const Picture& p : Pictures()) {
        std::vector<Variant> variants = {{"intact", p.data}};
        CutsAtEveryField(p, variants);
        WrappedSizes(p, variants);
        BadShadows(p, variants);
        OtherKindsAndSlots(p, variants);
        RandomDamage(p, rng, variants);
        for (const Variant& v : variants) out.push_back({p.name + ", " + v.what, FileAround(v.data)});
    }
    // A level mask large enough that reading it at two bytes a pixel leaves its block.
    const Picture mask = RawPicture(quor::KindLevelMask, 1024, 1024);
    out.push_back({mask.name, FileAround(mask.data)});
    ContainerDamage(out);
    return out;
}

}  // namespace hostile
