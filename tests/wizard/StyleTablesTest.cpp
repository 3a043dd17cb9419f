// The style tables: three bodies with a picture and Art text per layout, twelve arms and
// three button sets each, and every file they name on our CD.
#include <gtest/gtest.h>

#include <cstdio>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "BodyParts.h"
#include "StyleTables.h"

namespace {

TEST(StyleTables, ThreeBodiesEachWithTwelveArmsAndThreeButtonSets)
{
    const std::vector<MachineBody>& bodies = GetMachineBodies();
    ASSERT_EQ(3u, bodies.size());
    EXPECT_EQ("Traditional", bodies[0].name);
    EXPECT_EQ("Gold", bodies[1].name);
    EXPECT_EQ("Beach", bodies[2].name);
    for (const MachineBody& body : bodies) {
        ASSERT_EQ(12, body.armCount);
        ASSERT_EQ(3, body.buttonSetCount);
        EXPECT_EQ("", body.extraText);
        EXPECT_EQ("Blue", body.arms[0].name);
        EXPECT_EQ("Large Sword", body.arms[11].name);
        EXPECT_EQ("arms.ast", body.arms[11].image.file);
        EXPECT_EQ(130, body.arms[11].image.index);
        EXPECT_TRUE(body.arms[11].image.isAsset);
        EXPECT_EQ("Set 3", body.buttonSets[2].name);
        EXPECT_EQ("Spin", body.buttonSets[0].buttons[0].name);
        EXPECT_EQ("CashOut", body.buttonSets[0].buttons[3].name);
    }
    // Gold and Beach share an arm table whose points lie 63 pixels higher.
    EXPECT_EQ(262, bodies[0].arms[0].y);
    EXPECT_EQ(199, bodies[1].arms[0].y);
    EXPECT_EQ(bodies[1].arms, bodies[2].arms);
    EXPECT_EQ(394 - 63, bodies[2].arms[10].y);
}

TEST(StyleTables, ButtonSetOneFollowsTheStyleAndTheOthersAreShared)
{
    const std::vector<MachineBody>& bodies = GetMachineBodies();
    EXPECT_EQ("buttons\\spin_enabled.bmp", bodies[0].buttonSets[0].buttons[0].images[0].file);
    EXPECT_EQ("buttons\\wm3_betmax_pressed.bmp", bodies[1].buttonSets[0].buttons[1].images[1].file);
    EXPECT_EQ("buttons\\wm4_cashout_disabled.bmp", bodies[2].buttonSets[0].buttons[3].images[2].file);
    EXPECT_EQ(611, bodies[2].buttonSets[0].buttons[0].x);
    EXPECT_EQ(320, bodies[2].buttonSets[0].buttons[0].y);
    EXPECT_EQ(106, bodies[2].buttonSets[0].buttons[3].y);
    for (int set = 1; set < 3; ++set)
        for (int b = 0; b < 4; ++b)
            for (int s = 0; s < 3; ++s) {
                const std::string& file = bodies[0].buttonSets[set].buttons[b].images[s].file;
                EXPECT_EQ(file, bodies[1].buttonSets[set].buttons[b].images[s].file);
                EXPECT_EQ(file, bodies[2].buttonSets[set].buttons[b].images[s].file);
            }
    EXPECT_EQ("buttons\\Buttons2\\But2_betone_enabled.bmp",
              bodies[0].buttonSets[2].buttons[2].images[0].file);
}

TEST(StyleTables, LayoutsByReelsAndLines)
{
    EXPECT_EQ(0, LayoutIndex(3, 1));
    EXPECT_EQ(2, LayoutIndex(3, 5));
    EXPECT_EQ(4, LayoutIndex(4, 3));
    EXPECT_EQ(-1, LayoutIndex(4, 5));

    const std::vector<MachineBody>& bodies = GetMachineBodies();
    // Each body is drawn in its style's colours: no two styles or layouts share a picture
    // (a Gold machine of four reels and three lines once came out with the Beach body).
    for (std::size_t a = 0; a < bodies.size(); ++a)
        for (std::size_t b = 0; b < bodies.size(); ++b)
            for (int la = 0; la < kBodyLayouts; ++la)
                for (int lb = 0; lb < kBodyLayouts; ++lb)
                    if (a != b || la != lb) {
                        EXPECT_NE(bodies[a].layouts[la].bitmap.file, bodies[b].layouts[lb].bitmap.file)
                            << bodies[a].name << " " << la << ", " << bodies[b].name << " " << lb;
                    }
    EXPECT_EQ("4reel_3_pay_b\\4reel_3pay_b.BMP", bodies[1].layouts[4].bitmap.file);
    EXPECT_EQ("3reel_3_5_pay\\Wizard_mach2_5pay.bmp", bodies[0].layouts[2].bitmap.file);

    const int lights[kBodyLayouts] = {0, 3, 5, 0, 3};
    const int maxBets[kBodyLayouts] = {5, 3, 5, 5, 3};
    for (const MachineBody& body : bodies)
        for (int layout = 0; layout < kBodyLayouts; ++layout) {
            const BodyLayout& l = body.layouts[layout];
            EXPECT_EQ(lights[layout], static_cast<int>(l.coinLights.size()));
            EXPECT_EQ(lights[layout] > 0, l.payLights);
            EXPECT_EQ(maxBets[layout], l.maxBet);
            for (const char* part : {"Region gimmeCoins", "Region changeDenom", "Region gimmeBills",
                                     "Coin {", "Animation aniDenom", "Indicator IDenom",
                                     "Animation LED", "Indicator Credit", "Indicator Bet",
                                     "Indicator WinnerPaid", "\n$coinsound", "\"$artpath\\"})
                EXPECT_NE(std::string::npos, l.artText.find(part)) << part;
            const bool payline = l.artText.find("Indicator IPayline") != std::string::npos;
            EXPECT_EQ(lights[layout] == 0, payline);
            if (lights[layout] > 0) {
                const std::string last = "Indicator ICoin" + std::to_string(lights[layout]);
                EXPECT_NE(std::string::npos, l.artText.find(last));
            }
        }
    EXPECT_EQ(0u, bodies[0].layouts[0].artText.find(
                      "    ReelPosition 0 = 122 , 470 , 73 x 160 Shadow 80 40\n"
                      "    ReelPosition 1 = 198 , 470 , 72 x 160 Shadow 80 40\n"
                      "    ReelPosition 2 = 272 , 470 , 72 x 160 Shadow 80 40\n"));
    EXPECT_EQ(0u, bodies[0].layouts[1].artText.find("    ReelPosition 0 = 161 , 470 ,"));
}

using NamedBox = std::pair<std::string, PartBox>;

std::string Describe(const NamedBox& part)
{
    std::ostringstream out;
    out << part.first << " (" << part.second.left << "," << part.second.top << ")-(" << part.second.right << ","
        << part.second.bottom << ")";
    return out.str();
}

// The box of an "Indicator <name> { <animation> = x, y, w x h }" or of a lamp
// "Indicator <name> { <animation> = x, y }" of the given size.
PartBox IndicatorBox(const std::string& art, const std::string& name, int32_t size)
{
    const std::string::size_type at = art.find("Indicator " + name + " {");
    EXPECT_NE(std::string::npos, at) << name;
    if (at == std::string::npos)
        return PartBox{};
    std::istringstream in(art.substr(art.find('=', at) + 1));
    int32_t x = 0, y = 0, w = size, h = size;
    char comma = 0, by = 0;
    in >> x >> comma >> y;
    if (in >> comma && comma == ',')
        in >> w >> by >> h;
    return PartBox{x, y, x + w, y + h};
}

// What the body draws for a layout, each part apart from the others.
std::vector<NamedBox> BodyFurniture(const BodyLayout& layout)
{
    const int lines = layout.coinLights.empty() ? 1 : int(layout.coinLights.size());
    const PartBox window = ReelWindowBox(layout.reels);
    std::vector<NamedBox> parts = {{"award panel", kAwardPanel},   {"reel window", window},
                                   {"meters", kMeterPanel},        {"coin acceptor", kCoinAcceptor},
                                   {"arm housing", kArmHousing},   {"button panel", kButtonPanel},
                                   {"marquee", kMarquee}};
    int n = 0;
    for (const PartBox& marker : LineMarkerBoxes(window, lines))
        parts.push_back({"line marker " + std::to_string(n++), marker});
    for (const CoinLight& light : layout.coinLights)
        parts.push_back({light.name + " socket", CoinLightSocket(light)});
    return parts;
}

// Every style with every reel count, pay-line count, arm and button set: no part of the
// body covers another, the reels stand in their window, the coin lights in their sockets,
// the one-line lamp over its marker, the meters in their panel, the arm in its housing and
// the buttons on their panel. Four-reel machines once had their coin lights over the reel
// window and the markers of the top lines, and the Sword arm stood over the bill acceptor.
TEST(StyleTables, NoPartOfAMachineCoversAnother)
{
    const PartBox body{kBodyTrim, kBodyTrim, kBodyPictureSize - kBodyTrim, kBodyPictureSize - kBodyTrim};
    for (const MachineBody& machine : GetMachineBodies())
        for (int l = 0; l < kBodyLayouts; ++l) {
            const BodyLayout& layout = machine.layouts[l];
            const std::string where = machine.name + " layout " + std::to_string(l);
            const std::vector<NamedBox> parts = BodyFurniture(layout);
            for (std::size_t a = 0; a < parts.size(); ++a) {
                EXPECT_TRUE(Holds(body, parts[a].second)) << where << ": " << Describe(parts[a]);
                for (std::size_t b = a + 1; b < parts.size(); ++b)
                    EXPECT_FALSE(Overlaps(parts[a].second, parts[b].second))
                        << where << ": " << Describe(parts[a]) << " and " << Describe(parts[b]);
            }
            const PartBox window = ReelWindowBox(layout.reels);
            for (const ReelPlacement& reel : layout.reels)
                EXPECT_TRUE(Holds(window, PartBox{reel.left, reel.top, reel.left + reel.width, reel.top + reel.height}))
                    << where;
            for (const CoinLight& light : layout.coinLights)
                EXPECT_TRUE(Holds(CoinLightSocket(light), IndicatorBox(layout.artText, light.name, 0))) << where;
            if (layout.coinLights.empty()) {
                const PartBox lamp = IndicatorBox(layout.artText, "IPayline", kPaylineLampSize);
                EXPECT_TRUE(Holds(lamp, LineMarkerBoxes(window, 1).front())) << where;
                for (const NamedBox& part : parts) {
                    if (part.first != "line marker 0") {
                        EXPECT_FALSE(Overlaps(lamp, part.second)) << where << ": lamp and " << Describe(part);
                    }
                }
            }
            for (const char* meter : {"Credit", "Bet", "WinnerPaid"})
                EXPECT_TRUE(Holds(kMeterPanel, IndicatorBox(layout.artText, meter, 0))) << where << " " << meter;
            EXPECT_TRUE(Holds(kCoinAcceptor, IndicatorBox(layout.artText, "IDenom", 0))) << where;
            for (int a = 0; a < machine.armCount; ++a) {
                const ArmStyle& arm = machine.arms[a];
                const PartBox armBox{arm.x, arm.y, arm.x + kArmWidth, arm.y + kArmHeight};
                EXPECT_TRUE(Holds(kArmHousing, armBox)) << where << ": arm " << arm.name;
            }
            for (int s = 0; s < machine.buttonSetCount; ++s) {
                std::vector<PartBox> buttons;
                for (const ButtonStyle& button : machine.buttonSets[s].buttons) {
                    const PartBox box{button.x, button.y, button.x + kButtonWidth, button.y + kButtonHeight};
                    EXPECT_TRUE(Holds(kButtonPanel, box)) << where << ": " << button.name;
                    for (const PartBox& other : buttons)
                        EXPECT_FALSE(Overlaps(box, other)) << where << ": " << button.name;
                    buttons.push_back(box);
                }
            }
        }
}

#ifdef VSL_CLIP_ART_DIR
// The clip-art folder of our CD, once its content is generated.
TEST(StyleTables, EveryArtFileIsOnOurCd)
{
    const std::string folder = VSL_CLIP_ART_DIR;
    std::FILE* probe = std::fopen((folder + "/arms.ast").c_str(), "rb");
    if (probe == nullptr)
        GTEST_SKIP() << "the wizard's clip art is not on our CD yet";
    std::fclose(probe);
    for (std::string file : StyleArtFiles()) {
        for (char& c : file)
            if (c == '\\')
                c = '/';
        std::FILE* f = std::fopen((folder + "/" + file).c_str(), "rb");
        EXPECT_NE(nullptr, f) << file;
        if (f != nullptr)
            std::fclose(f);
    }
}
#endif

}  // namespace
