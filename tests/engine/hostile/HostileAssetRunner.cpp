// Puts every hostile asset file (from case `first` on) in front of the engine through its
// exports, while the frame thread draws. Each case is written to the log before it runs,
// so that when this process dies the caller knows which file killed it. A check that
// fails is logged as "FAIL" and the run goes on; the exit code is 0 only when none failed.
//   hostile_asset_runner <first case> <log file>
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "HostileAssets.h"
#include "HostileScene.h"
#include "ImageRecord.h"
#include "TempAssetFile.h"

namespace {

using namespace hostile;

FILE* g_log = nullptr;
int g_failures = 0;

void Log(const std::string& line) {
    std::fputs((line + "\n").c_str(), g_log);
    std::fflush(g_log);
}

void Fail(const std::string& what) {
    ++g_failures;
    Log("FAIL " + what);
}

class CaseRun {
public:
    CaseRun(HostileScene& scene, uint32_t file) : scene_(scene), file_(file) {}

    // A call that returns 0 must say why and leave every count as it found it.
    template <class Call>
    uintptr_t Checked(const char* what, Call call) {
        const AssetCounts before = CountsOf(file_, kAssetCount);
        const uintptr_t result = uintptr_t(call());
        const int32_t error = GetLastQuorError(nullptr);
        if (!result) {
            if (error == 0) Fail(std::string(what) + ": refused without an error");
            if (CountsOf(file_, kAssetCount) != before) Fail(std::string(what) + ": left an asset loaded or locked");
        }
        return result;
    }

    void Run() {
        Checked("static backdrop", [&] { return SelectBackdrop(scene_.Stage(0), file_ | kStaticBackdrop); });
        Checked("column of strips", [&] { return SelectBackdrop(scene_.Stage(2), file_ | kColumnOfStrips); });
        MakeSprites();
        DecodeThroughTheService();
        LoadColourLists();
        Checked("row of strips", [&] { return SelectBackdrop(scene_.Stage(1), file_ | kRowOfStrips); });
        // Near the origin, then as far into the worlds as the cameras go.
        for (POINT at : {POINT{0, 0}, POINT{0x7FFF0000, 0x7FFF0000}}) {
            scene_.PlaceCameras(at);
            if (!scene_.DrawAgain() || !scene_.DrawAgain()) {
                Fail("the frame thread stopped");
                std::exit(3);
            }
        }
        for (int32_t s : sprites_) DeleteSprite(s);
        scene_.Reset();
    }

private:
    // One sprite as it is and one scaled, whose shadow gets a copy of its own.
    void MakeSprites() {
        for (int i = 0; i < 2; ++i) {
            SpriteCreateRecord r = ImageSpriteRecord(blocks_[i], file_ | kSprite, scene_.Stage(i));
            const int32_t sprite = int32_t(Checked("sprite", [&] { return CreateSprite(&r); }));
            if (!sprite) continue;
            sprites_.push_back(sprite);
            if (i == 1) ScaleSprite(sprite, 3, 2);
        }
    }

    // The host's decode service with the room the picture claims (at most 64 KB): it must
    // never write past that room.
    void DecodeThroughTheService() {
        auto decode = reinterpret_cast<QuorDecodeService>(GetServiceAddress(QuorServiceDecode));
        auto* record = static_cast<const uint8_t*>(DereferenceAndLockAsset(file_ | kPicture));
        if (!record) return;
        QuorAssetInfo info = {};
        GetAssetInfo(file_ | kPicture, &info);
        quor::ImageHeader h = {};
        if (info.dataSize + 4 >= sizeof h) std::memcpy(&h, record, sizeof h);
        // The host hands over whole records only: the pixel bytes must lie in the asset.
        if (info.dataSize + 4 >= sizeof h && uint64_t(h.pixelBytes) + sizeof h <= info.dataSize + 4u) {
            const uint64_t claimed = uint64_t(h.height) * quor::RowBytes(h.width, 2);
            const uint32_t room = claimed < 65536 ? uint32_t(claimed) : 65536;
            std::vector<uint8_t> out(room + 64, 0xA5);
            decode(out.data(), room, record);
            for (size_t k = room; k < out.size(); ++k)
                if (out[k] != 0xA5) {
                    Fail("service 11 wrote past the room it was given");
                    break;
                }
        }
        ReleaseAsset(file_ | kPicture);
    }

    void LoadColourLists() {
        for (uint32_t asset : {uint32_t(kPicture), uint32_t(kStaticBackdrop)}) {
            const uintptr_t table = Checked("colour table", [&] { return LoadColorXlateTable(file_ | asset); });
            if (table) DeleteColorXlateTable(reinterpret_cast<HQUORXLATE>(table));
            Checked("palette", [&] { return LoadCurrentPalette(2, file_ | asset); });
        }
    }

    HostileScene& scene_;
    uint32_t file_;
    QuorImageBlock blocks_[2] = {};
    std::vector<int32_t> sprites_;
};

void RunCase(HostileScene& scene, const HostileFile& f) {
    const std::string path = WriteTempAssetFile(f.image, "vsl_hostile");
    const int32_t file = OpenAssetFile(path.c_str());
    if (file == -1) {
        if (GetLastQuorError(nullptr) == 0) Fail("open refused without an error");
    } else {
        CaseRun(scene, uint32_t(file)).Run();
        CloseAssetFile(uint32_t(file));
    }
    DeleteFileA(path.c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    g_log = std::fopen(argv[2], "a");
    if (!g_log) return 2;
    EndProcessOnFault([](const char* line) { Log(std::string(line)); });
    RegisterDecoder(0x50414D42u, 1, "ZORUDOR.DLL");
    RegisterDecoder(0x50414D42u, 2, "BMJPEG.DLL");
    HostileScene scene;
    if (!scene.Ready()) {
        Fail("no scene to draw");
        return 1;
    }
    const std::vector<HostileFile> files = HostileAssetFiles();
    for (size_t i = size_t(std::atoi(argv[1])); i < files.size(); ++i) {
        Log("case " + std::to_string(i) + " " + files[i].name);
        RunCase(scene, files[i]);
    }
    Log("done " + std::to_string(files.size()));
    std::fclose(g_log);
    return g_failures ? 1 : 0;
}
