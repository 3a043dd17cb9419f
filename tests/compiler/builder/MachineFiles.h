// A whole machine of the tests' own: its script, small pictures and a sound, written to a
// folder of their own under the current directory and removed again.
#pragma once
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "Bitmap.h"

inline bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

class MachineFiles {
public:
    MachineFiles() : dir_(CurrentFolder() + "machine_files_" + std::to_string(GetCurrentProcessId()) + "_" +
                          std::to_string(++count_)) {
        CreateDirectoryA(dir_.c_str(), nullptr);
        Picture("back", 200, 150, 0x203040);
        for (const char* name : {"anchor", "bell", "bell2", "gull", "lever1", "lever2", "coin", "button", "digits"})
            Picture(name, 16, 12, 0x80A0C0);
        // 8-bit mono PCM at 11025 Hz, two samples.
        Write("horn.wav", std::string("RIFF\x26\0\0\0WAVEfmt \x10\0\0\0\x01\0\x01\0\x11\x2b\0\0\x11\x2b\0\0"
                                      "\x01\0\x08\0data\x02\0\0\0\x80\x80", 46));
    }
    ~MachineFiles() {
        for (const std::string& path : files_) std::remove(path.c_str());
        RemoveDirectoryA(dir_.c_str());
    }

    // A file of the folder by its short name.
    std::string Path(const std::string& name) const { return dir_ + "/" + name; }

    // Writes the script (its "@" standing for the folder) and returns its path.
    std::string Script(const std::string& text) {
        std::string script;
        for (char c : text) script += c == '@' ? dir_ : std::string(1, c);
        return Write("machine.vsl", script);
    }

    std::string Write(const std::string& name, const std::string& bytes) {
        const std::string path = Path(name);
        if (std::FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(bytes.data(), 1, bytes.size(), f);
            std::fclose(f);
        }
        files_.push_back(path);
        return path;
    }

    // A name for a file the test expects to be made (removed afterwards too).
    std::string Output(const std::string& name) {
        files_.push_back(Path(name));
        files_.push_back(Path(name) + ".part");
        return Path(name);
    }

private:
    // The current directory with forward slashes and one at the end, so that the folder
    // stays the same when a test changes the current directory.
    static std::string CurrentFolder() {
        char folder[MAX_PATH] = {};
        GetCurrentDirectoryA(MAX_PATH, folder);
        std::string text(folder);
        for (char& c : text)
            if (c == '\\') c = '/';
        return text + "/";
    }

    void Picture(const std::string& name, int32_t width, int32_t height, uint32_t colour) {
        Bitmap b(width, height, 24, false);
        for (int32_t y = 0; y < height; ++y)
            for (int32_t x = 0; x < width; ++x) {
                uint8_t* p = b.View().Row(y) + 3 * x;
                p[0] = uint8_t(colour + x);
                p[1] = uint8_t(colour >> 8);
                p[2] = uint8_t((colour >> 16) + y);
            }
        const std::string path = Path(name + ".bmp");
        b.Save(path);
        files_.push_back(path);
    }

    static int count_;
    std::string dir_;
    std::vector<std::string> files_;
};

inline int MachineFiles::count_ = 0;

// Glass Harbor: three reels of three stops, a coin acceptor, four buttons, an arm whose
// picture is the first sprite built, five indicators, a sound and three regions. `extra`
// goes in before the closing brace of the Art block.
inline std::string GlassHarbor(const std::string& extra = std::string(), const std::string& payLines = "1") {
    return "Title \"Glass Harbor\"\n"
           "Reels 3 3\n{\n  Reel { Anchor Bell 2 Gull }\n  Reel { Bell Gull Anchor }\n  Reel { Gull Anchor Bell 3 }\n}\n"
           "Denominations { .25, 1 }\n"
           "PayLines " + payLines + " MaxBet 2 Payouts HighestValue\nJoker Gull\nProgressive 250.00, 0.015, Jackpot\n"
           "{\n  all Bell 10, 20\n  all Anchor * \"Big()\"\n}\n"
           "Art\n{\n"
           "  Backdrop \"@/back.bmp\"\n"
           "  ReelPosition 0 = 10, 10, 16 x 36 Shadow 48 12\n"
           "  ReelPosition 1 = 30, 10, 16 x 36\n"
           "  ReelPosition 2 = 50, 10, 16 x 36\n"
           "  Symbol Anchor \"@/anchor.bmp\"\n"
           "  Symbol Bell \"@/bell.bmp\" \"@/bell2.bmp\"\n"
           "  Symbol Gull \"@/gull.bmp\"\n"
           "  Animation Lever { { \"@/lever1.bmp\" \"@/lever2.bmp\" } }\n"
           "  Sound Horn { \"@/horn.wav\" }\n"
           "  Region CoinSlot { 150, 40 { (0,0) (10,0) (10,30) (0,30) } OnClick = \"Insert()\" }\n"
           "  Region Plate { 150, 80 { (0,0) (40,0) (40,10) (0,10) } }\n"
           "  Region BillSlot { 150, 100 { (0,0) (40,0) (40,8) (0,8) } HotKeyFlags = CTRL }\n"
           "  Coin { { { \"@/coin.bmp\" } Transparent } Lever = 160, 20 CoinSlot Plate BillSlot Sound = Horn Denomination }\n"
           "  Button BetMax { { { \"@/button.bmp\" } } = 10, 120 }\n"
           "  Button BetOne { { { \"@/button.bmp\" } } = 30, 120 HotKey = \"1\" }\n"
           "  Button CashOut { { { \"@/button.bmp\" } } = 50, 120 }\n"
           "  Button Spin { { { \"@/button.bmp\" } } = 70, 120 HotKey = \" \" Priority = 210 OnClick = \"Go()\" }\n"
           "  Arm { Lever = 180, 10 }\n"
           "  Indicator Bet { \"@/digits.bmp\" = 10, 60, 30 x 12 }\n"
           "  Indicator Credit { \"@/digits.bmp\" = 50, 60, 40 x 12 DollarSign }\n"
           "  Indicator Denomination { = 100, 60 }\n"
           "  Indicator Jackpot { \"@/digits.bmp\" = 10, 80, 60 x 12 DollarSign Digits = 8 }\n"
           "  Indicator WinnerPaid { \"@/digits.bmp\" = 100, 80, 40 x 12 OnUpdate = \"Cheer()\" }\n" +
           extra + "}\n"
           "function Go() {\n}\nfunction Big() {\n}\nfunction Cheer() {\n}\nfunction Insert() {\n}\n";
}
