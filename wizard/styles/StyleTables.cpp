#include "StyleTables.h"

#include <algorithm>

#include "BodyArtText.h"
#include "BodyParts.h"

namespace {

enum Style { kTraditional, kGold, kBeach, kStyles };

const char* const kStyleNames[kStyles] = {"Traditional", "Gold", "Beach"};

// Body pictures by layout (rows) and style (columns): every style has a picture of its
// own for every layout, as the body is drawn in the style's colours.
const char* const kBodyBitmaps[kBodyLayouts][kStyles] = {
    {"3reel_1_pay\\Wizard_mach5.BMP", "3reel_1_pay_b\\3reel_1pay_b.BMP",
     "3reel_1_pay_c\\3reel_1pay_c.BMP"},
    {"3reel_3_5_pay\\Wizard_mach2.BMP", "3reel_3_5_payb\\Wizard_mach3.BMP",
     "3reel_3_5_payc\\Wizard_mach4.BMP"},
    {"3reel_3_5_pay\\Wizard_mach2_5pay.bmp", "3reel_3_5_payb\\Wizard_mach3_5pay.bmp",
     "3reel_3_5_payc\\Wizard_mach4_5pay.bmp"},
    {"4reel_1_pay\\Wizard_mach1.BMP", "4reel_1_pay_b\\4reel_1pay_b.BMP",
     "4reel_1_pay_c\\4reel_1pay_c.BMP"},
    {"4reel_3_pay\\4reel_3pay.BMP", "4reel_3_pay_b\\4reel_3pay_b.BMP",
     "4reel_3_pay_c\\4reel_3pay_c.BMP"},
};

const int kLayoutReels[kBodyLayouts] = {3, 3, 3, 4, 4};
const int kLayoutLines[kBodyLayouts] = {1, 3, 5, 1, 3};

struct ArmRow {
    const char* name;
    int32_t asset;
    int32_t x, y;  // on a Traditional body; 63 pixels higher on the others
};

const ArmRow kArms[] = {
    {"Blue", 12, 511, 262},   {"Chrome", 24, 511, 280},  {"Diamond", 35, 507, 301},
    {"Dark", 47, 505, 315},   {"Deep Red", 59, 506, 314}, {"Gold", 71, 511, 251},
    {"Mauve", 82, 511, 251},  {"Mixed 1", 90, 509, 356}, {"Mixed 2", 102, 506, 316},
    {"Mixed 3", 114, 511, 265}, {"Sword", 122, 511, 394}, {"Large Sword", 130, 511, 320},
};
constexpr int kRaisedArms = 63;

const char* const kButtonFiles[4] = {"spin", "betmax", "betone", "cashout"};
const char* const kButtonNames[4] = {"Spin", "BetMax", "BetOne", "CashOut"};
const char* const kButtonStates[3] = {"enabled", "pressed", "disabled"};
const int32_t kButtonX = 611;
const int32_t kButtonY[4] = {320, 249, 177, 106};  // one above another, spin lowest

std::vector<ReelPlacement> Reels(int layout)
{
    // Three reels start at 122 with one line and at 161 with more; four reels at 122.
    const int first = layout == 1 || layout == 2 ? 161 : 122;
    std::vector<ReelPlacement> reels;
    const int lefts[4] = {first, first + 76, first + 150, first + 224};
    for (int i = 0; i < kLayoutReels[layout]; ++i)
        reels.push_back({lefts[i], 470, i == 0 ? 73 : 72, 160});
    return reels;
}

BodyLayout MakeLayout(int style, int layout)
{
    BodyLayout body;
    body.bitmap = ArtRef{false, kBodyBitmaps[layout][style], 0};
    const int lines = kLayoutLines[layout];
    body.payLights = lines > 1;
    body.maxBet = lines == 3 ? 3 : 5;
    body.reels = Reels(layout);
    body.coinLights = CoinLightsBeside(ReelWindowBox(body.reels), lines);
    body.awardCard = AwardCardPlacement{40, 40, 480, 370, 800, 600};
    body.artText = BodyArtText(body.reels, body.coinLights);
    return body;
}

std::vector<ArmStyle> MakeArms(int32_t raise)
{
    std::vector<ArmStyle> arms;
    for (const ArmRow& row : kArms) {
        ArmStyle arm;
        arm.name = row.name;
        arm.image = ArtRef{true, "arms.ast", row.asset};
        arm.x = row.x;
        arm.y = row.y - raise;
        arms.push_back(arm);
    }
    return arms;
}

ButtonSet MakeButtonSet(const std::string& name, const std::string& prefix)
{
    ButtonSet set;
    set.name = name;
    for (int b = 0; b < 4; ++b) {
        ButtonStyle& button = set.buttons[b];
        button.name = kButtonNames[b];
        for (int s = 0; s < 3; ++s)
            button.images[s] =
                ArtRef{false, prefix + kButtonFiles[b] + "_" + kButtonStates[s] + ".bmp", 0};
        button.x = kButtonX;
        button.y = kButtonY[b];
    }
    return set;
}

// The tables, built in the order: body layouts of the three styles, the two arm tables,
// the button sets of the three styles, the bodies that bind them.
struct StyleTables {
    std::array<std::array<BodyLayout, kBodyLayouts>, kStyles> layouts;
    std::vector<ArmStyle> traditionalArms, raisedArms;
    std::array<std::vector<ButtonSet>, kStyles> buttonSets;
    std::vector<MachineBody> bodies;

    StyleTables()
    {
        for (int style = 0; style < kStyles; ++style)
            for (int layout = 0; layout < kBodyLayouts; ++layout)
                layouts[style][layout] = MakeLayout(style, layout);
        traditionalArms = MakeArms(0);
        raisedArms = MakeArms(kRaisedArms);
        const char* const setOnePrefix[kStyles] = {"buttons\\", "buttons\\wm3_", "buttons\\wm4_"};
        for (int style = 0; style < kStyles; ++style)
            buttonSets[style] = {MakeButtonSet("Set 1", setOnePrefix[style]),
                                 MakeButtonSet("Set 2", "buttons\\Buttons1\\But1_"),
                                 MakeButtonSet("Set 3", "buttons\\Buttons2\\But2_")};
        for (int style = 0; style < kStyles; ++style) {
            MachineBody body;
            body.name = kStyleNames[style];
            body.layouts = layouts[style];
            const std::vector<ArmStyle>& arms = style == kTraditional ? traditionalArms : raisedArms;
            body.armCount = static_cast<int32_t>(arms.size());
            body.arms = arms.data();
            body.buttonSetCount = static_cast<int32_t>(buttonSets[style].size());
            body.buttonSets = buttonSets[style].data();
            bodies.push_back(body);
        }
    }
};

const StyleTables& Tables()
{
    static const StyleTables tables;
    return tables;
}

void AddOnce(std::vector<std::string>& files, const std::string& file)
{
    if (std::find(files.begin(), files.end(), file) == files.end())
        files.push_back(file);
}

}  // namespace

const std::vector<MachineBody>& GetMachineBodies()
{
    return Tables().bodies;
}

int LayoutIndex(int reels, int payLines)
{
    for (int layout = 0; layout < kBodyLayouts; ++layout)
        if (kLayoutReels[layout] == reels && kLayoutLines[layout] == payLines)
            return layout;
    return -1;
}

std::vector<std::string> StyleArtFiles()
{
    std::vector<std::string> files;
    for (const MachineBody& body : GetMachineBodies()) {
        for (const BodyLayout& layout : body.layouts)
            AddOnce(files, layout.bitmap.file);
        for (int a = 0; a < body.armCount; ++a)
            AddOnce(files, body.arms[a].image.file);
        for (int s = 0; s < body.buttonSetCount; ++s)
            for (const ButtonStyle& button : body.buttonSets[s].buttons)
                for (const ArtRef& image : button.images)
                    AddOnce(files, image.file);
    }
    for (const std::string& file : BodyArtFiles())
        AddOnce(files, file);
    return files;
}
