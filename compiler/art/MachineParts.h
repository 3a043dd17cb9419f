// The settings of a machine that its Art block gives outside the symbol table: the reel
// windows, the coin acceptor and the arm.
#pragma once
#include <cstdint>
#include <string>

#include "AnimationReference.h"
#include "Geometry.h"
#include "ScriptRect.h"
#include "PictureProbe.h"
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
