// The button sets of the style tables: spin, bet max, bet one and cash out, each enabled,
// pressed and disabled, on the colour key. "Set 1" has a look of each style's own, "Set 2"
// and "Set 3" are shared.
#include <set>
#include <string>
#include <vector>

#include "BodyParts.h"
#include "Canvas.h"
#include "ClipArt.h"
#include "StyleTables.h"

namespace content {

namespace {

const int kWidth = kButtonWidth, kHeight = kButtonHeight;
const char* const kLabels[4] = {"SPIN", "BET MAX", "BET ONE", "CASH OUT"};

struct ButtonLook {
    COLORREF face, edge, text;
    bool round;
};

// Traditional, Gold and Beach "Set 1", then "Set 2" and "Set 3".
const ButtonLook kLooks[5] = {
    {RGB(210, 30, 40), RGB(90, 0, 0), RGB(255, 255, 255), true},
    {RGB(250, 210, 80), RGB(120, 80, 0), RGB(70, 30, 0), false},
    {RGB(40, 190, 200), RGB(0, 80, 100), RGB(255, 255, 255), true},
    {RGB(60, 170, 60), RGB(10, 70, 10), RGB(255, 255, 255), false},
    {RGB(60, 90, 220), RGB(10, 20, 100), RGB(255, 255, 160), true},
};

void Button(const std::string& folder, const std::string& file, const ButtonLook& look, int button, int state) {
    Canvas c(kWidth, kHeight, kKeyColour);
    const bool pressed = state == 1, disabled = state == 2;
    const COLORREF face = disabled ? Blend(look.face, RGB(128, 128, 128), 0.7)
                                   : pressed ? Blend(look.face, RGB(0, 0, 0), 0.3) : look.face;
    const int sink = pressed ? 3 : 0;
    const RECT r{2, 2 + sink, kWidth - 2, kHeight - 4 + sink};
    if (look.round)
        c.Ellipse(r, face, look.edge, 3);
    else
        c.RoundBox(r, 14, face, look.edge, 3);
    c.Text(kLabels[button], r, FontSpec{"Arial", 15, FW_BOLD},
           disabled ? RGB(150, 150, 150) : pressed ? RGB(255, 255, 200) : ReadableOn(look.text, face));
    SaveClipArt(c, folder, file);
}

}  // namespace

void MakeMachineButtons(const std::string& folder) {
    std::set<std::string> written;
    const std::vector<MachineBody>& bodies = GetMachineBodies();
    for (std::size_t style = 0; style < bodies.size(); ++style)
        for (int s = 0; s < bodies[style].buttonSetCount; ++s) {
            const ButtonLook& look = kLooks[s == 0 ? style : 2 + std::size_t(s)];
            const ButtonSet& set = bodies[style].buttonSets[s];
            for (int b = 0; b < 4; ++b)
                for (int state = 0; state < 3; ++state) {
                    const std::string& file = set.buttons[b].images[state].file;
                    if (written.insert(file).second) Button(folder, file, look, b, state);
                }
        }
}

}  // namespace content
