// Writes the small seed inputs of the fuzz targets that read binary files, each made by
// the program's own writers: pay tables packed from the example scripts, a machine file
// holding a machine chunk, BMP files of every depth, WAV and CWV sounds and ZORUDOR
// pictures. Run once when the formats change: `fuzz_seed_maker SOURCE_ROOT`; the seeds are
// committed under tests/fuzz/corpus/.
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

#include "AssetContainer.h"
#include "BmpHeaders.h"
#include "CwvFile.h"
#include "ImageRecord.h"
#include "MachineChunk.h"
#include "MachineDescription.h"
#include "PayTable.h"
#include "WavFile.h"
#include "ZorudorCodec.h"

namespace {

std::string root;

void Write(const std::string& target, const std::string& name, const void* data, size_t size) {
    const std::string path = root + "/tests/fuzz/corpus/" + target + "/" + name;
    std::ofstream out(path, std::ios::binary);
    out.write(static_cast<const char*>(data), std::streamsize(size));
    std::printf("%s: %zu bytes\n", path.c_str(), size);
}

void Write(const std::string& target, const std::string& name, const std::vector<uint8_t>& bytes) {
    Write(target, name, bytes.data(), bytes.size());
}

std::vector<uint8_t> Words(const std::vector<uint32_t>& words) {
    std::vector<uint8_t> bytes(words.size() * 4);
    std::memcpy(bytes.data(), words.data(), bytes.size());
    return bytes;
}

void PayTables() {
    for (const char* script : {"CopperMill", "HarborLights", "MoonlitOrchard"}) {
        MachineDescription md;
        md.Compile(root + "/tests/compiler/scripts/" + script + ".vsl", nullptr, nullptr);
        if (!md.IsCompiled()) continue;
        std::vector<std::string> names;
        for (int32_t i = 0; i < md.GetSymbolCount(); ++i) names.push_back(md.GetSymbol(i));
        PayTable table;
        table.Assign(md.GetPayouts(), names);
        std::vector<uint32_t> words(table.GetPackedSize());
        table.Pack(words.data());
        std::vector<uint8_t> seed{uint8_t(names.size())};
        const std::vector<uint8_t> packed = Words(words);
        seed.insert(seed.end(), packed.begin(), packed.end());
        seed.insert(seed.end(), {0, 1, 2, 3, 4});  // a reel result after the table
        Write("paytable", script, seed);
    }
}

void MachineFile() {
    MachineChunk chunk;
    chunk.title = "Seed Machine";
    chunk.reelCount = 1;
    chunk.stopCount = 2;
    chunk.stops = {{0, 1}, {1, 2}};
    chunk.symbolNames = {"Bell", "Plum"};
    chunk.reels = {{0, 0, 20, 40, 1, 1}};
    chunk.scriptCode = "OnSpin = {}";
    const std::vector<uint32_t> words = PackMachineChunk(chunk);
    std::vector<AssetBody> assets{{0x50414D42u, std::vector<uint8_t>(24, 7)}, {kMachineChunkType, Words(words)}};
    std::FILE* f = std::tmpfile();
    WriteAssetContainer(f, assets);
    std::vector<uint8_t> bytes(size_t(std::ftell(f)));
    std::rewind(f);
    if (std::fread(bytes.data(), 1, bytes.size(), f) != bytes.size()) bytes.clear();
    std::fclose(f);
    Write("asset_title", "machine.slot", bytes);
    Write("container", "machine.slot", bytes);
}

void Bitmaps() {
    for (uint16_t bits : {1, 4, 8, 16, 24, 32}) {
        BmpInfoHeader h{};
        h.size = sizeof h;
        h.width = 5;
        h.height = bits == 8 ? -3 : 3;
        h.planes = 1;
        h.bitCount = bits;
        h.compression = bits == 16 ? kBmpBitFields : kBmpRgb;
        h.coloursUsed = bits <= 8 ? (1u << bits) : 0;
        h.imageSize = uint32_t(DibRowBytes(bits, 5) * 3);
        const BmpFileHeader f = MakeBmpFileHeader(h);
        std::vector<uint8_t> bytes(f.size, 0x5A);
        std::memcpy(bytes.data(), &f, sizeof f);
        std::memcpy(bytes.data() + sizeof f, &h, sizeof h);
        if (bits == 16) std::memcpy(bytes.data() + sizeof f + sizeof h, kMask565, sizeof kMask565);
        Write("bmp", "depth" + std::to_string(bits) + ".bmp", bytes);
    }
}

void Sounds() {
    std::vector<int16_t> samples(300);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = int16_t((i * 997) % 20000 - 10000);
    for (uint16_t channels : {1, 2}) {
        std::vector<uint8_t> wav = aulo::MakeWavHeader(11025, 16, channels, uint32_t(samples.size() * 2));
        const uint8_t* raw = reinterpret_cast<const uint8_t*>(samples.data());
        wav.insert(wav.end(), raw, raw + samples.size() * 2);
        Write("sound", "pcm" + std::to_string(channels) + ".wav", wav);
        Write("sound", "adpcm" + std::to_string(channels) + ".cwv",
              aulo::EncodeCwv(samples.data(), uint32_t(samples.size() / channels), channels, 22050, 64));
    }
}

void ZorudorPictures() {
    const uint16_t width = 7, height = 4;
    std::vector<uint16_t> pixels(size_t(quor::RowBytes(width, 2) / 2) * height);
    for (size_t i = 0; i < pixels.size(); ++i) pixels[i] = uint16_t(i < 9 ? 0x1234 : i * 31);
    std::vector<uint8_t> encoded(1024);
    const size_t size = zorudor::EncodePixels(pixels.data(), width, height, quor::RowBytes(width, 2) / 2,
                                              encoded.data(), encoded.size());
    const quor::ImageHeader h{quor::kBmapType, 2, 1, width, height, 0xFFFFFFFFu, uint32_t(size)};
    std::vector<uint8_t> record(sizeof h + size);
    std::memcpy(record.data(), &h, sizeof h);
    std::memcpy(record.data() + sizeof h, encoded.data(), size);
    Write("zorudor", "picture.bmap", record);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: fuzz_seed_maker SOURCE_ROOT\n");
        return 2;
    }
    root = argv[1];
    PayTables();
    MachineFile();
    Bitmaps();
    Sounds();
    ZorudorPictures();
    return 0;
}
