// The whole compiler on raw bytes. The picture probe is a stand-in that opens no file:
// sizes follow from the names, and asset numbers above 9 are missing, as a real asset
// file may lack them. A compile reports through its messages and never throws.
#include <stdexcept>
#include <string>

#include "FuzzTarget.h"
#include "MachineDescription.h"
#include "MessageSink.h"
#include "PictureProbe.h"
#include "ScratchFile.h"

namespace {

class CountingSink : public MessageSink {
public:
    void AddMessage(const std::string&) override { ++count; }
    size_t count = 0;
};

class NamedSizes : public PictureProbe {
public:
    PictureSize GetBitmapFileSize(const std::string& path) override {
        if (path.empty()) return PictureSize{};
        return PictureSize{int32_t(path.size() * 8), int32_t(path.back() & 0x3F)};
    }
    PictureSize GetAssetFrameSize(const std::string& assetFile, int32_t assetNumber) override {
        if (assetNumber > 9) throw std::runtime_error("No asset #" + std::to_string(assetNumber));
        return PictureSize{int32_t(assetFile.size() + 1), assetNumber};
    }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    NamedSizes probe;
    CountingSink sink;
    MachineDescription md;
    md.SetPictureProbe(&probe);
    md.Compile(WriteScratchFile(data, size, ".vsl"), &sink, nullptr);
    if (md.IsCompiled()) {
        // What the builder reads of a compiled machine.
        for (int32_t reel = 0; reel < md.GetReelCount(); ++reel) (void)md.GetReelStrip(reel);
        (void)md.GetScriptCode();
    }
    return 0;
}
