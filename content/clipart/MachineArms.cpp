// "arms.ast": the twelve arms of the style tables. Each arm is a sprite at the asset number
// the tables give, showing its pull from the knob at the top to the knob at the bottom;
// the frames' pictures stand just before it, filling the numbers up to it.
#include <stdexcept>
#include <string>

#include "BodyParts.h"
#include "Canvas.h"
#include "ClipArt.h"
#include "ContentFolders.h"
#include "OrderedAssets.h"
#include "StyleTables.h"

namespace content {

namespace {

const int kWidth = kArmWidth, kHeight = kArmHeight, kHousingTop = 150;

struct ArmLook {
    COLORREF shaft, knob, edge;
    bool sword;
};

// By the arms' order in the tables: Blue, Chrome, Diamond, Dark, Deep Red, Gold, Mauve,
// Mixed 1-3, Sword, Large Sword.
const ArmLook kLooks[12] = {
    {RGB(190, 190, 200), RGB(40, 90, 220), RGB(10, 30, 110), false},
    {RGB(220, 220, 230), RGB(235, 235, 245), RGB(110, 110, 120), false},
    {RGB(200, 200, 210), RGB(200, 240, 255), RGB(80, 140, 180), false},
    {RGB(80, 80, 90), RGB(30, 30, 40), RGB(0, 0, 0), false},
    {RGB(190, 190, 200), RGB(150, 10, 30), RGB(70, 0, 10), false},
    {RGB(230, 190, 70), RGB(250, 210, 80), RGB(130, 90, 0), false},
    {RGB(190, 190, 200), RGB(180, 110, 170), RGB(90, 40, 90), false},
    {RGB(230, 190, 70), RGB(40, 90, 220), RGB(10, 30, 110), false},
    {RGB(80, 80, 90), RGB(230, 40, 40), RGB(90, 0, 0), false},
    {RGB(220, 220, 230), RGB(60, 180, 80), RGB(10, 80, 20), false},
    {RGB(215, 220, 230), RGB(180, 140, 40), RGB(90, 60, 0), true},
    {RGB(215, 220, 230), RGB(200, 30, 30), RGB(90, 0, 0), true},
};

// Frame `f` of `count`: the knob travels from the top down to the housing.
void DrawFrame(Canvas& c, const ArmLook& look, bool large, int f, int count) {
    const int knobY = 20 + (kHousingTop - 46) * f / (count > 1 ? count - 1 : 1);
    const int cx = kWidth / 2;
    if (look.sword) {
        const int half = large ? 7 : 5;
        const POINT blade[4] = {{cx - half, kHousingTop}, {cx - half, knobY + 22}, {cx + half, knobY + 22},
                                {cx + half, kHousingTop}};
        c.Polygon(blade, 4, look.shaft, RGB(90, 90, 100));
        c.Fill(RECT{cx - (large ? 20 : 15), knobY + 14, cx + (large ? 20 : 15), knobY + 22}, look.knob);
        c.Fill(RECT{cx - 3, knobY, cx + 3, knobY + 14}, RGB(90, 50, 20));
        c.Ellipse(RECT{cx - 8, knobY - 12, cx + 8, knobY + 4}, look.knob, look.edge, 2);
    } else {
        c.Fill(RECT{cx - 4, knobY, cx + 4, kHousingTop}, look.shaft);
        c.Ellipse(RECT{cx - 18, knobY - 18, cx + 18, knobY + 18}, look.knob, look.edge, 2);
        c.Ellipse(RECT{cx - 10, knobY - 12, cx - 2, knobY - 4}, RGB(255, 255, 255), RGB(255, 255, 255));
    }
    c.RoundBox(RECT{cx - 16, kHousingTop, cx + 16, kHeight - 1}, 8, RGB(60, 60, 70), RGB(20, 20, 20), 2);
}

}  // namespace

void MakeMachineArms(const std::string& folder) {
    const MachineBody& body = GetMachineBodies().front();
    OrderedAssets arms;
    for (int a = 0; a < body.armCount; ++a) {
        const uint32_t sprite = uint32_t(body.arms[a].image.index);
        const uint32_t first = arms.Count() + 1;
        if (sprite <= first) throw std::runtime_error("arms.ast: no room for the frames of arm " + body.arms[a].name);
        const int count = int(sprite - first);
        for (int f = 0; f < count; ++f) {
            Canvas c(kWidth, kHeight, kKeyColour);
            DrawFrame(c, kLooks[a % 12], a == 11, f, count);
            arms.AddPicture(c.Picture(), true);
        }
        arms.AddFramesSprite(first, uint32_t(count));
    }
    const std::string path = folder + "arms.ast";
    Check(arms.Write(path), path);
}

}  // namespace content
