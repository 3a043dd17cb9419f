// A small test stage for the sprite controls on screen: labels in their four alignments,
// a ring of two text fields typed into through the element host, and check boxes
// unchecked, checked, highlighted and disabled, drawn by the engine in a TV window. It
// writes the file named on its command line once frames have been shown, and ends after
// a few seconds.
#include <windows.h>

#include <atomic>
#include <cstdio>
#include <string>

#include "EditField.h"
#include "ElementHost.h"
#include "FontLabel.h"
#include "FormatMoney.h"
#include "RenderedFont.h"
#include "SpriteCheckBox.h"
#include "Window.h"

namespace {

const int kWidth = 480, kHeight = 300;
const int kLabelWidth = 260;

uint16_t Pixel(int r, int g, int b) { return uint16_t((r >> 3) << 10 | (g >> 3) << 5 | (b >> 3)); }

// A check box frame of 20 by 20: a frame, filled when highlighted, a tick when checked,
// all grey when disabled.
std::vector<uint8_t> BoxPicture(bool checked, bool lit, bool disabled) {
    const uint16_t size = 20;
    std::vector<uint8_t> v = SolidPictureData(size, size, 0, 0);
    const uint16_t edge = disabled ? Pixel(120, 120, 120) : Pixel(255, 255, 255);
    const uint16_t fill = lit ? Pixel(40, 80, 160) : Pixel(10, 30, 20);
    const uint16_t tick = disabled ? Pixel(120, 120, 120) : Pixel(255, 220, 0);
    for (int y = 0; y < size; ++y)
        for (int x = 0; x < size; ++x) {
            uint16_t p = (x < 2 || y < 2 || x >= size - 2 || y >= size - 2) ? edge : fill;
            const bool onTick = (x >= 4 && x <= 8 && y - x >= 5 && y - x <= 7) || (x > 8 && x <= 15 && x + y >= 20 && x + y <= 22);
            if (checked && onTick) p = tick;
            std::memcpy(&v[16 + y * ((size * 2 + 3) & ~3) + x * 2], &p, 2);
        }
    return v;
}

struct DemoAssets {
    static const uint32_t kFont = 1, kCaret = 3, kBox = 5, kFirstLabel = 11;
    RenderedFont font = RenderFont("Liberation Sans", 18);
    std::string path;

    void Write() {
        AssetFileBuilder b;
        b.Add(kSprtType, FramesOf(2, 1)).Add(kBmapType, font.picture);
        SprtAssetBuilder caret;
        SprtFrameSpec f;
        f.picture = 4;
        f.x = -22;
        f.y = -(font.height - 5);
        b.Add(kSprtType, caret.Frame(f).Sequence({0}).BuildData());
        b.Add(kBmapType, SolidPictureData(2, uint16_t(font.height), Pixel(255, 220, 0), 0));
        b.Add(kSprtType, FramesOf(6, 5));
        b.Add(kBmapType, BoxPicture(false, false, false)).Add(kBmapType, BoxPicture(false, true, false));
        b.Add(kBmapType, BoxPicture(true, false, false)).Add(kBmapType, BoxPicture(true, true, false));
        b.Add(kBmapType, BoxPicture(false, false, true));
        for (uint32_t i = 0; i < 8; ++i) {
            b.Add(kSprtType, FramesOf(kFirstLabel + 2 * i + 1, 1));
            b.Add(kBmapType, LevelPictureData(kLabelWidth, uint16_t(font.height),
                                              std::vector<uint8_t>(size_t(kLabelWidth) * font.height, 0)));
        }
        path = WriteTempAssetFile(b.Build(), "vsl_controls_demo");
    }
};

std::atomic<int> g_frames{0};
void __stdcall CountFrame(int32_t) { ++g_frames; }

void Pump() {
    MSG msg;
    while (PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
}

}  // namespace

namespace {

// Shows the scene until the lifetime is over; true when frames were shown.
bool ShowScene(const DemoAssets& assets, int32_t file, const char* readyFile, DWORD lifetime) {
    Window frame;
    frame.SetStyle(WS_POPUP | WS_VISIBLE);
    frame.SetRect(RECT{0, 0, kWidth, kHeight});
    if (!frame.Create(nullptr)) return 2;
    HWND tv = CreateWindowA("BraskQUOR_TV", "", WS_CHILD | WS_VISIBLE | WS_DISABLED, 0, 0, kWidth, kHeight,
                            frame.GetHandle(), nullptr, GetModuleHandleA(nullptr), nullptr);
    ElementHost host;
    frame.Attach(static_cast<MessageTarget*>(&host));
    host.SetOwnerWindow(&frame);
    CameraParent root;
    host.SetRootElement(&root);

    StageParent stage;
    stage.stage = CreateStage(0);
    stage.brush = CreateSolidBrush(RGB(16, 72, 40));
    stage.userBackdrop = CreateBrushBackdrop(stage.brush, kWidth, kHeight);
    SelectBackdrop(stage.stage, stage.userBackdrop);
    root.camera = CreateCamera(stage.stage, 0, 0, nullptr);
    PlugInTVSource(tv, 1, reinterpret_cast<void*>(uintptr_t(root.camera)));
    auto asset = [&](uint32_t index) { return uint32_t(file) | index; };
    auto label = [&](uint32_t i) { return asset(DemoAssets::kFirstLabel + 2 * i); };

    SpriteFont font(stage, asset(DemoAssets::kFont), assets.font.glyphs.data(), uint32_t(assets.font.glyphs.size()));
    HQUOREFFECT white = FadeToColorEffect(RGB(255, 255, 255));
    HQUOREFFECT gold = FadeToColorEffect(RGB(255, 210, 60));
    const int line = assets.font.height + 6;
    FontLabel labels[5];
    const char* texts[4] = {"Left aligned", "Centred", "Right aligned", "Scrolled to its end"};
    for (uint32_t i = 0; i < 4; ++i) {
        labels[i].Create(stage, &font, label(i), 20, 14 + line * int(i), 40, white);
        labels[i].SetText(texts[i]);
    }
    labels[1].SetAlignment(FontLabel::kCentred);
    labels[2].SetAlignment(FontLabel::kRight);
    labels[3].ShowPosition(labels[3].GetLength());
    labels[4].Create(stage, &font, label(4), 300, 14, 20, gold);
    labels[4].SetText(("Bet " + FormatMoney(25, true)).c_str());

    // Two text fields in a ring; the first is typed into.
    EditField fields[2];
    for (int i = 0; i < 2; ++i) {
        const int32_t top = 14 + line * (4 + i), left = 20;
        fields[i].Create(i ? &fields[0] : nullptr, left, top, left + 200, top + assets.font.height, stage, &font,
                         label(5 + uint32_t(i)), asset(DemoAssets::kCaret), left, top, 16, gold);
        host.AddElement(&fields[i], false);
    }
    fields[1].SetText("Second field");
    host.FocusElement(&fields[0]);
    for (char c : std::string("Vellmoor Player")) frame.SendMessage(WM_CHAR, WPARAM(c), 1);

    SpriteCheckBox boxes[4];
    for (int i = 0; i < 4; ++i) {
        const POINT at = {20 + 110 * i, 14 + line * 6 + 4};
        boxes[i].Create(stage, asset(DemoAssets::kBox), at, 4);
        host.AddElement(&boxes[i], false);
    }
    // The second is clicked on, the third hovered, the fourth disabled.
    frame.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(130 + 5, 14 + line * 6 + 9));
    frame.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(130 + 5, 14 + line * 6 + 9));
    host.FocusElement(&fields[0]);
    frame.SendMessage(WM_KEYDOWN, VK_LEFT, 1);
    // The pointer stands on the third box, or the host would hear it leave at once.
    SetCursorPos(240 + 5, 14 + line * 6 + 9);
    frame.SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(240 + 5, 14 + line * 6 + 9));
    boxes[3].Check();
    boxes[3].SetState(0);
    SetFrameCallback(CountFrame);

    bool ready = false;
    const DWORD start = GetTickCount();
    while (GetTickCount() - start < lifetime) {
        Pump();
        if (!ready && g_frames >= 20 && readyFile) {
            if (FILE* f = std::fopen(readyFile, "w")) {
                std::fprintf(f, "line %d text '%s', boxes %d %d %d %d\n", line, fields[0].GetTextString().c_str(),
                             boxes[0].IsChecked(), boxes[1].IsChecked(), boxes[2].IsChecked(), boxes[3].IsChecked());
                std::fclose(f);
            }
            ready = true;
        }
        Sleep(10);
    }
    SetFrameCallback(nullptr);
    host.ClearElements();
    frame.Detach();
    ReleaseEffect(white);
    ReleaseEffect(gold);
    DeleteCamera(root.camera);
    return ready;
}

}  // namespace

int main(int argc, char** argv) {
    const char* readyFile = argc > 1 ? argv[1] : nullptr;
    const DWORD lifetime = argc > 2 ? DWORD(atoi(argv[2])) : 8000;
    DemoAssets assets;
    assets.Write();
    const int32_t file = OpenAssetFile(assets.path.c_str());
    const bool shown = file != -1 && ShowScene(assets, file, readyFile, lifetime);
    Sleep(100);  // deleted sprites leave at the end of the frame
    CloseAssetFile(uint32_t(file));
    DeleteFileA(assets.path.c_str());
    return shown ? 0 : 1;
}
