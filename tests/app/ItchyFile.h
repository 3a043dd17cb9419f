// Writes a small "itchy.ast" for the progress dialog tests into a folder of this process's
// own: five solid pictures and, as asset 6, an animation that shows the first four in
// turn, each for `hold` frames.
#pragma once
#include <windows.h>

#include <string>

#include "AssetFileBuilder.h"
#include "SprtAssetBuilder.h"

class ItchyFile {
public:
    explicit ItchyFile(uint32_t hold = 2) {
        char dir[MAX_PATH];
        GetTempPathA(MAX_PATH, dir);
        folder_ = std::string(dir) + "vsl_itchy_" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(folder_.c_str(), nullptr);
        path_ = folder_ + "\\itchy.ast";
        const std::vector<uint8_t> image = Build(hold);
        HANDLE h = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(h, image.data(), DWORD(image.size()), &written, nullptr);
        CloseHandle(h);
    }
    ~ItchyFile() {
        DeleteFileA(path_.c_str());
        RemoveDirectoryA(folder_.c_str());
    }
    const std::string& Path() const { return path_; }

    static const uint16_t kColours[5];

private:
    static std::vector<uint8_t> Build(uint32_t hold) {
        const uint32_t BMAP = 0x50414D42u, SPRT = 0x54525053u;
        AssetFileBuilder file;
        for (uint16_t colour : kColours) file.Add(BMAP, SolidPictureData(48, 48, colour, 0));
        SprtAssetBuilder animation;
        for (uint32_t picture = 1; picture <= 4; ++picture) {
            SprtFrameSpec frame;
            frame.picture = picture;
            frame.x = 24;
            frame.y = 8;
            frame.hold = hold;
            animation.Frame(frame);
        }
        animation.Sequence({0, 1, 2, 3});
        file.Add(SPRT, animation.BuildData());
        return file.Build();
    }

    std::string folder_;
    std::string path_;
};

// Red, green, blue, yellow and a grey that is not shown: 5-5-5 pixels.
inline const uint16_t ItchyFile::kColours[5] = {0x7C00, 0x03E0, 0x001F, 0x7FE0, 0x4210};
