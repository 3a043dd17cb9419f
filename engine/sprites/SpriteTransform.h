// The maths of transformed sprites: the 2D matrix (picture point (u, v) relative to the
// sprite position maps to (a*u + c*v, b*u + d*v)) and the 3D rotation and projection, with
// the span renderers that draw a picture through them into 16-bit pixels.
#pragma once
#include <cstdint>

#include "SpritePieces.h"

namespace quor {

struct Point2 {
    double x, y;
};

// The picture a transformed sprite shows, and how it is placed at the sprite position.
struct PictureView {
    const uint16_t* pixels = nullptr;
    int32_t rowPixels = 0;  // row length in pixels, padding included
    int32_t width = 0, height = 0;
    int32_t frameX = 0, frameY = 0;  // the picture's top-left relative to the sprite position
    bool keyed = false;
    uint16_t key = 0;               // compared before translation
    const uint16_t* xlate = nullptr;  // one pixel per source value, or null
    uint32_t xlateCount = 0;          // entries in xlate; values beyond it are drawn as they are
};

// Where the renderers write: destination pixel for world point (X, Y) is
// (X - originX, Y - originY) of the rows.
struct PixelTarget {
    uint16_t* pixels = nullptr;
    int32_t rowPixels = 0;
    int32_t originX = 0, originY = 0;
};

const double kSingularLimit = 0.00001;

struct Affine {
    double m[4] = {1, 0, 0, 1};    // a, b, c, d
    double inv[4] = {1, 0, 0, 1};  // the inverse in the same layout
    bool singular = false;
};
Affine MakeAffine(const double matrix[4]);

// The picture corners (at the frame offset) mapped and ordered for scanning: the topmost
// first, then its lower neighbour, going round.
struct Corners {
    Point2 p[4];
};
Corners AffineCorners(const Affine& t, int32_t frameX, int32_t frameY, int32_t width, int32_t height);
// Bounding box of the corners, widened by 1 left and above and 2 right and below, at the
// sprite position.
Rect32 CornerBounds(const Corners& c, int32_t x, int32_t y);

// Draws the part `region` (world pixels) of a sprite at (x, y) under the affine map. Picture
// coordinates step in 16.16 fixed point; key pixels are skipped; a singular map draws nothing.
void DrawAffine(const PictureView& pic, const Affine& t, int32_t x, int32_t y, const Rect32& region,
                const PixelTarget& dst);

// The 3D transform. The picture point (u, v) (frame offset included) lies in space at
// position + u * column1 + v * column2; it is seen from the projection centre with the
// focal length: world = centre + (spritePos - centre + P.xy) * focal / (focal + P.z).
struct Projection {
    double forward[9];  // (u, v, 1) -> homogeneous world coordinates
    double inverse[9];  // homogeneous world coordinates -> (u, v, w)
    bool facing = false;
    bool valid = false;
};
// Columns 1 and 2 of the rotation of the quaternion (w, x, y, z).
void RotationColumns(const double q[4], double column1[3], double column2[3]);
Projection MakeProjection(const double rotation[4], const double position[3], double focal,
                          double centreX, double centreY, int32_t x, int32_t y);
// Bounds of the projected picture corners (rounded, widened as for 2D); empty when a corner
// lies behind the viewer or the map is unusable.
Rect32 ProjectedBounds(const Projection& p, int32_t frameX, int32_t frameY, int32_t width,
                       int32_t height);
void DrawProjective(const PictureView& pic, const Projection& p, const Rect32& region,
                    const PixelTarget& dst);

}  // namespace quor
