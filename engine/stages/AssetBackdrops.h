// Backdrops drawn from a "BACK" asset: one static image, a row of strips, a column of
// strips, tiles and compressed movies. Each keeps its own asset loaded and locked for its
// lifetime; the images it names lie in the same file.
#pragma once
#include "Backdrop.h"

// Raises the failing step's error; the asset stays unlocked on failure.
Backdrop* MakeAssetBackdrop(uint32_t asset);

// The host routine told of a movie's state: (backdrop, 0 paused / 1 resumed / 2 stopped, 0).
typedef void(__stdcall* MovieRoutine)(uint32_t backdrop, int32_t state);

// Movie operations of a stage's backdrop; 0 unless it is a playable movie.
int PlayMovie(Backdrop* backdrop, MovieRoutine routine);
int PauseMovie(Backdrop* backdrop);
int ResumeMovie(Backdrop* backdrop);
int StopMovie(Backdrop* backdrop);
