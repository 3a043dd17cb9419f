// TV windows (class "BraskQUOR_TV"): the engine's output on screen. A TV shows what one
// video source renders, copying only the changed rectangles at the end of every frame,
// converting through a surface of the display's depth when the display cannot take the
// engine's 16-bit pixels, and optionally bent onto a cylinder.
#pragma once
#include <windows.h>

#include <memory>

#include "CylinderWarp.h"
#include "DibSurface.h"
#include "VideoSource.h"

class TV : public VideoSink {
public:
    explicit TV(HWND window);
    ~TV() override;

    RECT WantedRect() const override { return {0, 0, clientWidth_, clientHeight_}; }
    HWND Window() const { return window_; }
    VideoSource* Shown() const { return Input(0); }

    // Plugs (bit 0) or unplugs (bit 1) the shown source; raises on failure.
    int Plug(uint32_t flags, VideoSource* source);
    void Resized();
    void Paint();
    // End of frame: copies what the source reports as changed.
    void Repaint();
    void Warp(double circumference, int32_t centreRow, int32_t startColumn, int32_t mode);
    bool StopWarping();
    void MakeConversionSurface();
    void DropConversionSurface();

private:
    void Show(HDC dc, const quor::ImageHeader* picture, const RECT* rects, int count, bool whole);
    void Blit(HDC dc, const quor::ImageHeader* picture, const RECT& r);
    // Wakes the window's thread when another thread drew: its next wait shows the drawing.
    void WakeWindowThread() const;

    HWND window_;
    int32_t clientWidth_ = 0, clientHeight_ = 0;
    std::unique_ptr<DibSurface> conversion_;
    bool conversionValid_ = false;
    std::unique_ptr<CylinderWarp> warp_;
    std::vector<uint16_t> warped_;
};

void RegisterTvWindowClass(HINSTANCE instance);
void UnregisterTvWindowClass(HINSTANCE instance);
// The first TV whose window this is; raises ErrBadTV.
TV* FindTV(HWND window);
// Repaints what changed in every TV, in TV list order (frame thread, painting mutex held).
void RepaintTvs();
// The display's depth in bits as the TVs measured it (0 before the first TV).
int DisplayDepth();
bool ConversionMode();
// Switches every TV to the movie palette and back.
void SwitchTvPalettes(bool movie);
