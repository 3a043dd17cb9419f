// Reels and indicators on the test display: three reels spun to chosen stops on the
// engine's frame thread, one of them with a symbol animation running, and indicators
// showing 1234 with the "$", 0, 7, a value wider than its cells and lit lamps. Once every
// reel has reported its stop, the file named on the command line gets the order of the
// reports and one "check x y RRGGBB what" line per place whose colour the screenshot must
// show; the program ends after the number of milliseconds given second.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "FrameListeners.h"
#include "IndicatorDisplay.h"
#include "ItemAssets.h"
#include "Quor2_5.h"
#include "Reel.h"
#include "TvTestWindow.h"

namespace {

const int kWidth = 794, kHeight = 556;
const int kReelTop = 40, kReelHeight = 120;
const uint32_t kStrip[ItemAssets::kSymbols] = {3, 1, 4, 0, 5, 2, 7, 6};
const int kStops[3] = {5, 0, 7};

struct Check {
    int x, y;
    COLORREF colour;
    std::string what;
};

class Demo : public ReelOwner {
public:
    void OnReelStopped(int32_t reel) override { PostReelStopped(window, reel); }
    void SetReelStop(int32_t, int32_t) override {}
    int32_t ChooseReelStop(int32_t) override { return 0; }
    void OnReelClick(int32_t) override {}

    HWND window = nullptr;
};

// The centre of cell i (0 rightmost) of a display of `cells` at (x, y).
POINT Cell(int x, int y, int cells, int i) { return POINT{x + (cells - 1 - i) * 10 + 5, y + 8}; }

void AddDigitChecks(std::vector<Check>& checks, const char* name, int y, int cells, const std::vector<int>& sequences,
                    int family) {
    for (int i = 0; i < cells; ++i) {
        const POINT p = Cell(20, y, cells, i);
        checks.push_back({p.x, p.y, ItemAssets::ScreenColour(family, sequences[size_t(i)], 0),
                          std::string(name) + " cell " + std::to_string(i)});
    }
}

std::vector<Check> ExpectedChecks() {
    std::vector<Check> checks;
    const int d = ItemAssets::kDigitFamily, p = ItemAssets::kPlainDigitFamily;
    AddDigitChecks(checks, "$1234", 20, 6, {5, 4, 3, 2, 11, 0}, d);
    AddDigitChecks(checks, "0", 50, 6, {1, 0, 0, 0, 0, 0}, p);
    AddDigitChecks(checks, "7", 80, 6, {8, 0, 0, 0, 0, 0}, p);
    AddDigitChecks(checks, "123456 in 4 cells", 110, 4, {10, 10, 10, 10}, p);
    for (int i = 0; i < 3; ++i)
        checks.push_back({25 + 10 * i, 145, ItemAssets::ScreenColour(ItemAssets::kLampFamily, 1, 0), "lamp"});
    for (int reel = 0; reel < 3; ++reel)
        for (int row = -1; row <= 1; ++row) {
            if (reel == 2 && row == -1) continue;  // the animation runs there
            const uint32_t symbol = kStrip[(kStops[reel] + 2 + row + ItemAssets::kSymbols) % ItemAssets::kSymbols];
            checks.push_back({220 + 60 * reel, kReelTop + 60 + 40 * row,
                              ItemAssets::ScreenColour(ItemAssets::kStripFamily, int(symbol), 0),
                              "reel " + std::to_string(reel) + " row " + std::to_string(row)});
        }
    checks.push_back({220, kReelTop + kReelHeight + 10, RGB(0, 0, 0), "below reel 0"});
    return checks;
}

void WriteReady(const std::string& path, const std::vector<int>& order) {
    FILE* f = std::fopen(path.c_str(), "w");
    if (!f) return;
    std::fprintf(f, "stops reported in order:");
    for (int reel : order) std::fprintf(f, " %d", reel);
    std::fprintf(f, "\n");
    for (const Check& c : ExpectedChecks())
        std::fprintf(f, "check %d %d %02X%02X%02X %s\n", c.x, c.y, GetRValue(c.colour), GetGValue(c.colour),
                     GetBValue(c.colour), c.what.c_str());
    std::fclose(f);
}

struct Scene {
    std::vector<std::unique_ptr<IndicatorDisplay>> displays;
    std::vector<std::unique_ptr<Reel>> reels;
};

void AddDisplay(Scene& scene, const StageParent& stage, uint32_t asset, int y, int cells, bool dollar, int value) {
    scene.displays.push_back(std::make_unique<IndicatorDisplay>());
    IndicatorDisplay& d = *scene.displays.back();
    d.Init(stage, cells, 0, asset, nullptr, POINT{20, y}, 5, dollar);
    d.ShowValue();
    d.SetValue(value);
}

void Build(Scene& scene, const StageParent& stage, int32_t file, const ItemAssets& assets, Demo& owner) {
    AddDisplay(scene, stage, uint32_t(file) | assets.digitSprt, 20, 6, true, 1234);
    AddDisplay(scene, stage, uint32_t(file) | assets.plainDigitSprt, 50, 6, false, 0);
    AddDisplay(scene, stage, uint32_t(file) | assets.plainDigitSprt, 80, 6, false, 7);
    AddDisplay(scene, stage, uint32_t(file) | assets.plainDigitSprt, 110, 4, false, 123456);
    AddDisplay(scene, stage, uint32_t(file) | assets.lampSprt, 140, 3, false, 1);
    for (int reel = 0; reel < 3; ++reel) {
        ReelSetup s;
        s.window = RECT{200 + 60 * reel, kReelTop, 240 + 60 * reel, kReelTop + kReelHeight};
        for (uint32_t symbol : kStrip) s.strip.push_back(ReelStop{symbol, 1});
        s.symbolWidth = s.symbolHeight = ItemAssets::kSymbolSize;
        s.reelNumber = reel;
        s.owner = &owner;
        s.parent = &stage;
        s.stripAsset = uint32_t(file) | assets.stripSprt;
        scene.reels.push_back(std::make_unique<Reel>(s));
        ReelTarget t;
        t.targetStop = kStops[reel];
        t.targetPosition = (ItemAssets::kSymbols - 1 - kStops[reel]) * ItemAssets::kSymbolSize +
                           (reel + 1) * ItemAssets::kSymbols * ItemAssets::kSymbolSize;
        scene.reels.back()->Spin(t);
    }
    scene.reels[2]->AnimateSymbolAtRate(-1, uint32_t(file) | assets.animationSprt, 0, -1, 8);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    const std::string ready = argv[1];
    const DWORD lifetime = DWORD(std::atoi(argv[2]));
    SetFrameRate(30);
    SetFrameCallback(&OnEngineFrame);
    ItemAssets assets;
    const std::string path = assets.Write("vsl_reels_demo");
    const int32_t file = OpenAssetFile(path.c_str());
    HWND tv = nullptr;
    Demo owner;
    owner.window = OpenTvTestWindow(kWidth, kHeight, &tv);
    StageParent stage;
    stage.stage = CreateStage(0);
    const uint32_t backdrop = CreateBrushBackdrop(HBRUSH(GetStockObject(BLACK_BRUSH)), 1024, 768);
    SelectBackdrop(stage.stage, backdrop);
    const uint32_t camera = CreateCamera(stage.stage, 0, 0, nullptr);
    PlugInTVSource(tv, 1, reinterpret_cast<void*>(uintptr_t(camera)));
    {
        Scene scene;
        Build(scene, stage, file, assets, owner);
        std::vector<int> order;
        const DWORD end = GetTickCount() + lifetime;
        while (int32_t(GetTickCount() - end) < 0) {
            MSG msg;
            while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
                if (msg.message == kReelStoppedMessage && (order.push_back(int(msg.lParam)), order.size() == 3)) {
                    Sleep(200);  // the last reel's picture reaches the window
                    WriteReady(ready, order);
                }
                DispatchMessageA(&msg);
            }
            Sleep(10);
        }
    }
    PlugInTVSource(tv, 2, nullptr);
    DestroyWindow(owner.window);
    DeleteCamera(camera);
    DeleteStage(stage.stage);
    DeleteUserBackdrop(backdrop);
    CloseAssetFile(uint32_t(file));
    DeleteFileA(path.c_str());
    return 0;
}
