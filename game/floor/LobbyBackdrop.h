// The lobby's panorama on an owner-draw backdrop. The panorama is a sprite asset whose
// frames are strips of K columns stored turned a quarter turn (K rows of H pixels); the
// backdrop reserves address space for every strip at once and commits, page by page, only
// the strips in view, counting their uses, so memory follows the view. The warp of
// PanoramaImage draws the view into a bitmap that the engine's owner-draw callback copies.
//
// Draw runs on the engine's frame thread or on the user-interface thread with the engine's
// painting token held; the callback runs under the same token.
#pragma once
#include <windows.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "Bitmap.h"
#include "PanoramaImage.h"
#include "Quor2_5.h"

class LobbyBackdrop {
public:
    // `sprite` names the panorama asset (loaded); false from IsValid when it is not a
    // panorama of strips.
    LobbyBackdrop(uint32_t sprite, int32_t viewWidth, int32_t viewHeight, double cylinderAngle);
    LobbyBackdrop(const LobbyBackdrop&) = delete;
    LobbyBackdrop& operator=(const LobbyBackdrop&) = delete;
    ~LobbyBackdrop();

    bool IsValid() const { return backdrop_ != 0; }
    uint32_t GetBackdrop() const { return backdrop_; }
    int32_t PanoramaWidth() const { return int32_t(strips_.size()) * stripColumns_; }
    int32_t PanoramaHeight() const { return height_; }

    // Draws the view from panorama column x (taken modulo the width), fast or smooth;
    // nothing when it equals the last drawing and `force` is not set.
    void Draw(int32_t x, int32_t y, bool fast, bool force);
    // Strips made present now (for tests of the cache).
    int32_t PresentStrips() const;
    int32_t CommittedPages() const;

private:
    struct Strip {
        int32_t uses = 0;
        uint32_t picture = 0;  // the frame's picture asset
        uint32_t firstPage = 0, lastPage = 0;
        uint8_t* address = nullptr;
    };

    static int __stdcall OnDraw(QuorBackdropDrawRequest* request);
    bool ReadStrips(uint32_t sprite);
    void MakePresent(int32_t strip);
    void Release(int32_t strip);
    void FillStrip(Strip& strip);
    void ShowRange(int32_t first, int32_t last);
    void CopyTo(QuorBackdropDrawRequest& request) const;

    std::vector<Strip> strips_;
    std::vector<int32_t> pageUses_;
    int32_t stripColumns_ = 0, height_ = 0;
    uint32_t stripBytes_ = 0;
    uint8_t* reserved_ = nullptr;
    size_t reservedBytes_ = 0;
    Bitmap panorama_;
    std::unique_ptr<PanoramaImage> image_;
    int32_t viewWidth_, viewHeight_;
    double angle_;
    uint32_t backdrop_ = 0;
    int32_t lastX_ = -1, lastY_ = -1;
    bool lastFast_ = false;
    bool drawn_ = false;
    int32_t firstStrip_ = 0, lastStrip_ = -1;  // present range, may pass the last strip
};
