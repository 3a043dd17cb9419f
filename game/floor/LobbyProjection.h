// Between the lobby's panorama and its view: the view is 800 pixels wide and looks at the
// panorama from scroll x on; each view column is stretched about the horizon by the
// cylinder's angle at that column. Platform-free.
#pragma once
#include <cstdint>

struct LobbyPoint {
    int32_t x, y;
};

struct LobbyProjection {
    double radius = 1024.0;
    double horizon = 150.0;
    int32_t width = 4000;  // the panorama's
    int32_t scrollX = 0;

    LobbyPoint ToView(LobbyPoint panorama) const;
    LobbyPoint ToPanorama(LobbyPoint view) const;
};

// x modulo the width, never negative.
int32_t WrapColumn(int64_t x, int32_t width);
