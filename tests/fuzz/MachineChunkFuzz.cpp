// The machine chunk as a machine file carries it: a chunk of fuzzed titles, names, texts
// and counts is packed, put last in an asset container and its title read back the way
// the Custom list reads it. The chunk's reader on the play side is not written yet; until
// then this checks that whatever a build packs is read back as the packer meant it.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "AssetContainer.h"
#include "AssetFileTitle.h"
#include "FuzzBytes.h"
#include "FuzzTarget.h"
#include "MachineChunk.h"
#include "ScratchFile.h"

namespace {

std::string Name(FuzzBytes& in) { return in.Text(in.InRange<size_t>(0, 40)); }

ChunkElement Element(FuzzBytes& in) {
    ChunkElement e;
    e.name = Name(in);
    e.sprite = in.InRange<uint32_t>(0, 9);
    e.rectangle = ScriptRect{in.InRange(-9, 99), in.InRange(-9, 99), in.InRange(-9, 99), in.InRange(-9, 99)};
    for (int n = in.InRange(0, 2); n > 0; --n) e.scriptlets.push_back(Name(in));
    return e;
}

MachineChunk Chunk(FuzzBytes& in) {
    MachineChunk c;
    c.title = in.Text(in.InRange<size_t>(0, 200));
    c.reelCount = in.InRange(1, 5);
    c.stopCount = in.InRange(1, 6);
    for (int32_t i = 0; i < c.reelCount * c.stopCount; ++i)
        c.stops.push_back(ReelStop{in.InRange(0, 5), in.InRange(1, 9)});
    for (int32_t i = 0; i < c.reelCount; ++i) c.reels.push_back({i, 0, 20, 40, 1, 1});
    for (int n = in.InRange(0, 3); n > 0; --n) c.buttons.push_back(Element(in));
    for (int n = in.InRange(0, 3); n > 0; --n) c.indicators.push_back(Element(in));
    for (int n = in.InRange(0, 3); n > 0; --n) c.sounds[Name(in)] = in.InRange(0, 9);
    for (int n = in.InRange(0, 3); n > 0; --n) c.symbolNames.push_back(Name(in));
    c.scriptCode = in.Text(in.Remaining());
    return c;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    FuzzBytes in(data, size);
    const MachineChunk chunk = Chunk(in);
    std::vector<uint32_t> words;
    try {
        words = PackMachineChunk(chunk);
    } catch (const ElementNameTooLong&) {
        return 0;  // the build reports it
    }
    std::vector<uint8_t> bytes(words.size() * 4);
    std::memcpy(bytes.data(), words.data(), bytes.size());
    const std::string path = ScratchPath(".slot");
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file || WriteAssetContainer(file, {{kMachineChunkType, bytes}}) != -1) __builtin_trap();
    std::fclose(file);
    // The title as packed: cut to its field, and ending at its first zero byte.
    const std::string packed = chunk.title.substr(0, kChunkTitleBytes - 1);
    const std::string read = ReadAssetFileTitle(path);
    if (read != packed.substr(0, packed.find('\0'))) {
        std::fprintf(stderr, "title packed as \"%s\" (%zu bytes), read as \"%s\"\n", packed.c_str(), packed.size(),
                     read.c_str());
        __builtin_trap();
    }
    return 0;
}
