// The settings of a machine that its Art block gives outside the symbol table: the reel
// windows, the coin acceptor and the arm.
#pragma once
#include <cstdint>
#include <string>

#include "AnimationReference.h"
#include "Geometry.h"
#include "ScriptRect.h"
#include "SourceSpan.h"

// Where one reel shows, and how dark its shadow is at the edges (outer) and towards the
// middle (inner).
struct ReelPosition {
    ScriptRect rectangle;
    int32_t innerDensity = 0;
    int32_t outerDensity = 0;
    SourceSpan rectangleSpan;
    SourceSpan innerSpan;
    SourceSpan outerSpan;
};

// The coin acceptor: its pictures (each may name an Animation instead), where dropped
// coins fall, and the names of the regions, indicator and sound it uses.
struct CoinSettings {
    AnimationReference coin;
    AnimationReference coinDrop;
    Point dropPosition{0, 0};
    SourceSpan dropPositionSpan;
    std::string insertionRegion;
    SourceSpan insertionRegionSpan;
    std::string denominationRegion;
    SourceSpan denominationRegionSpan;
    std::string billRegion;
    SourceSpan billRegionSpan;
    std::string denominationIndicator;
    SourceSpan denominationIndicatorSpan;
    std::string sound;
    SourceSpan soundSpan;
};

// The width and height of a picture; 0 by 0 when it could not be read.
struct PictureSize {
    int32_t width = 0;
    int32_t height = 0;

    bool operator==(const PictureSize& o) const { return width == o.width && height == o.height; }
};

// How the compiler learns the size of a picture: from a bitmap file, or from the first
// frame of a sprite asset in an asset file. The platform provides the implementation;
// without one every picture is 0 by 0.
class PictureProbe {
public:
    virtual ~PictureProbe() = default;
    virtual PictureSize GetBitmapFileSize(const std::string& path) = 0;
    // May throw std::runtime_error when the asset file lacks the asset number.
    virtual PictureSize GetAssetFrameSize(const std::string& assetFile, int32_t assetNumber) = 0;
};
