// "itchy.ast": the progress dialog's busy animation, a gold coin turning, as asset 6 (five
// frame pictures, then the sprite).
#include <cmath>

#include "AssetBuilder.h"
#include "Canvas.h"
#include "DetMath.h"
#include "ContentFolders.h"

namespace content {

namespace {

const int kFrames = 5;
const int kSize = 48;

void DrawCoin(Canvas& c, int frame) {
    const double turn = DetCos(frame * 3.14159265 / kFrames);
    const int half = std::max(3, int(std::fabs(turn) * (kSize / 2 - 2)));
    const RECT rim{kSize / 2 - half, 2, kSize / 2 + half, kSize - 2};
    c.Ellipse(rim, RGB(236, 180, 40), RGB(120, 80, 0), 2);
    if (half > 10) {
        const RECT face{rim.left + 5, rim.top + 5, rim.right - 5, rim.bottom - 5};
        c.Ellipse(face, RGB(250, 212, 90), RGB(180, 120, 10));
        c.Text("$", face, FontSpec{"Times New Roman", 26, FW_BOLD}, RGB(150, 90, 0));
    }
}

}  // namespace

void MakeProgressAnimation(const ContentFolders& to) {
    AssetBuilder builder;
    builder.BeginSprite();
    builder.BeginSequence();
    for (int i = 0; i < kFrames; ++i) {
        Canvas frame(kSize, kSize, kKeyColour);
        DrawCoin(frame, i);
        builder.AddAnchoredFrame(frame.Picture(), SIZE{kSize, kSize}, true, 2, AssetBuilder::AnchorCentre,
                                 AssetBuilder::AnchorCentre);
    }
    builder.EndSequence();
    builder.EndSprite();
    const std::string path = to.program + "itchy.ast";
    Check(builder.Write(path, nullptr), path);
}

}  // namespace content
