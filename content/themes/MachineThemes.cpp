#include "MachineThemes.h"

#include <cstring>

namespace content {

namespace {

using S = SymbolShape;

const COLORREF kRed = RGB(210, 30, 40), kBlue = RGB(30, 70, 190), kGold = RGB(235, 180, 30);
const COLORREF kGreen = RGB(40, 150, 60), kBrown = RGB(140, 80, 30), kPurple = RGB(130, 50, 170);
const COLORREF kSilver = RGB(170, 175, 190), kOrange = RGB(240, 120, 20), kBlack = RGB(40, 40, 40);
const COLORREF kPink = RGB(240, 110, 170), kCyan = RGB(30, 170, 200), kWhite = RGB(235, 235, 235);

}  // namespace

const MachineTheme kMachineThemes[] = {
    {"4thjuly", 3, RGB(5, 10, 40), RGB(30, 30, 90), RGB(30, 50, 140), RGB(230, 40, 50), RGB(250, 250, 255), Scene::Night,
     {{"Drum", S::Box, kRed, "DRUM"}, {"Bell", S::Bell, kGold, ""}, {"Rocket", S::Peak, kRed, "BOOM"},
      {"Flag", S::Bar, kBlue, "USA"}, {"Star", S::Star, kWhite, ""}, {"Eagle", S::Crown, kBrown, "EAGLE"}}},
    {"aussie", 5, RGB(250, 170, 60), RGB(200, 80, 20), RGB(150, 70, 20), RGB(250, 220, 120), RGB(255, 245, 220),
     Scene::Hills,
     {{"Rock", S::Disc, kBrown, "ROCK"}, {"Cactus", S::Bar, kGreen, "SCRUB"}, {"Boomerang", S::Crescent, kOrange, ""},
      {"Koala", S::Disc, kSilver, "KOALA"}, {"Sun", S::Star, kGold, ""}, {"Kangaroo", S::Heart, kBrown, "ROO"}}},
    {"bars", 3, RGB(60, 0, 0), RGB(20, 0, 0), RGB(120, 10, 20), RGB(240, 200, 90), RGB(248, 246, 236), Scene::Stripes,
     {{"Cherry", S::Cherry, kRed, ""}, {"Plum", S::Disc, kPurple, ""}, {"Bar", S::Bar, kBlack, "BAR"},
      {"DoubleBar", S::Bar, kBlue, "BAR BAR"}, {"TripleBar", S::Bar, kRed, "3 BAR"}, {"Seven", S::Seven, kRed, ""}}},
    {"climbfuji", 3, RGB(250, 200, 200), RGB(120, 160, 220), RGB(150, 20, 30), RGB(250, 225, 170), RGB(255, 250, 240),
     Scene::Hills,
     {{"Blossom", S::Heart, kPink, ""}, {"Fan", S::Crescent, kRed, ""}, {"Lantern", S::Box, kOrange, ""},
      {"Torii", S::Bar, kRed, "GATE"}, {"Sun", S::Disc, kRed, ""}, {"Mountain", S::Peak, kBlue, "FUJI"}}},
    {"diamond7", 3, RGB(10, 10, 60), RGB(0, 0, 20), RGB(20, 30, 110), RGB(200, 220, 255), RGB(245, 248, 255),
     Scene::Rays,
     {{"Cherry", S::Cherry, kRed, ""}, {"Bell", S::Bell, kGold, ""}, {"Bar", S::Bar, kBlack, "BAR"},
      {"Gem", S::Diamond, kGreen, ""}, {"Seven", S::Seven, kBlue, ""}, {"Diamond", S::Diamond, kCyan, "7"}}},
    {"diner", 3, RGB(240, 120, 160), RGB(80, 200, 210), RGB(190, 195, 205), RGB(220, 30, 60), RGB(255, 255, 245),
     Scene::Grid,
     {{"Coffee", S::Box, kBrown, "JOE"}, {"Fries", S::Bar, kGold, "FRIES"}, {"Pie", S::Wheel, kOrange, ""},
      {"Shake", S::Drop, kPink, ""}, {"Burger", S::Disc, kBrown, "BURGER"}, {"Dollar", S::Bar, kGreen, "$"}}},
    {"dodgec", 3, RGB(240, 190, 120), RGB(170, 100, 50), RGB(110, 60, 25), RGB(230, 190, 110), RGB(250, 240, 215),
     Scene::Hills,
     {{"Cactus", S::Bar, kGreen, "CACTUS"}, {"Boot", S::Box, kBrown, "BOOT"}, {"Horseshoe", S::Crescent, kSilver, ""},
      {"Saddle", S::Heart, kBrown, ""}, {"Gold", S::Peak, kGold, "GOLD"}, {"Badge", S::Star, kGold, "SHERIFF"}}},
    {"gridiron", 3, RGB(10, 20, 40), RGB(20, 90, 30), RGB(30, 100, 40), RGB(250, 250, 250), RGB(250, 250, 245),
     Scene::Stripes,
     {{"Whistle", S::Disc, kSilver, ""}, {"Pennant", S::Peak, kRed, ""}, {"Cleat", S::Box, kBlack, "CLEAT"},
      {"Helmet", S::Disc, kBlue, "HELMET"}, {"Goalpost", S::Bar, kGold, "GOAL"}, {"Football", S::Drop, kBrown, ""}}},
    {"gridirongold", 3, RGB(60, 40, 0), RGB(20, 10, 0), RGB(170, 130, 20), RGB(255, 240, 160), RGB(255, 250, 230),
     Scene::Rays,
     {{"Pennant", S::Peak, kRed, ""}, {"Helmet", S::Disc, kGold, "HELMET"}, {"Football", S::Drop, kBrown, ""},
      {"Ring", S::Wheel, kGold, ""}, {"Star", S::Star, kGold, ""}, {"Trophy", S::Crown, kGold, "CHAMP"}}},
    {"losers", 3, RGB(40, 40, 40), RGB(10, 10, 10), RGB(70, 70, 80), RGB(120, 230, 90), RGB(240, 240, 230),
     Scene::Rays,
     {{"Lemon", S::Drop, kGold, ""}, {"Cat", S::Heart, kBlack, "CAT"}, {"Ladder", S::Bar, kBrown, "LADDER"},
      {"Mirror", S::Wheel, kSilver, ""}, {"Dice", S::Box, kWhite, "7"}, {"Clover", S::Heart, kGreen, "LUCK"}}},
    {"pirates", 3, RGB(20, 40, 80), RGB(10, 60, 90), RGB(90, 55, 25), RGB(220, 220, 220), RGB(245, 235, 210),
     Scene::Waves,
     {{"Doubloon", S::Disc, kGold, "$"}, {"Anchor", S::Peak, kBlack, ""}, {"Sword", S::Bar, kSilver, "SWORD"},
      {"Parrot", S::Drop, kGreen, ""}, {"Chest", S::Box, kBrown, "GOLD"}, {"Skull", S::Disc, kWhite, "X"}}},
    {"potofgold", 3, RGB(120, 200, 250), RGB(60, 170, 70), RGB(30, 120, 50), RGB(250, 210, 60), RGB(250, 255, 240),
     Scene::Hills,
     {{"Shamrock", S::Heart, kGreen, ""}, {"Hat", S::Box, kGreen, "HAT"}, {"Horseshoe", S::Crescent, kSilver, ""},
      {"Rainbow", S::Wheel, kRed, ""}, {"Nugget", S::Diamond, kGold, ""}, {"Pot", S::Disc, kBlack, "GOLD"}}},
    {"progressive", 3, RGB(50, 0, 60), RGB(10, 0, 20), RGB(110, 20, 120), RGB(250, 200, 60), RGB(248, 244, 236),
     Scene::Rays,
     {{"Cherry", S::Cherry, kRed, ""}, {"Plum", S::Disc, kPurple, ""}, {"Bell", S::Bell, kGold, ""},
      {"Bar", S::Bar, kBlack, "BAR"}, {"Seven", S::Seven, kRed, ""}, {"Jewel", S::Diamond, kCyan, "JACKPOT"}}},
    {"ransom", 3, RGB(60, 0, 30), RGB(20, 0, 10), RGB(120, 20, 40), RGB(240, 200, 80), RGB(255, 248, 230),
     Scene::Stripes,
     {{"Ducat", S::Disc, kGold, "D"}, {"Ring", S::Wheel, kGold, ""}, {"Chalice", S::Bell, kSilver, ""},
      {"Scepter", S::Bar, kGold, "ROYAL"}, {"Ruby", S::Diamond, kRed, ""}, {"Crown", S::Crown, kGold, ""}}},
    {"soldier", 3, RGB(90, 110, 60), RGB(30, 50, 20), RGB(80, 90, 50), RGB(220, 200, 120), RGB(240, 235, 215),
     Scene::Grid,
     {{"Canteen", S::Drop, kGreen, ""}, {"Compass", S::Wheel, kSilver, "N"}, {"Map", S::Box, kBrown, "MAP"},
      {"Tags", S::Bar, kSilver, "TAGS"}, {"Star", S::Star, kGold, ""}, {"Medal", S::Heart, kPurple, "MEDAL"}}},
    {"swimsuit", 3, RGB(90, 200, 250), RGB(250, 220, 150), RGB(240, 130, 40), RGB(255, 255, 255), RGB(255, 252, 240),
     Scene::Waves,
     {{"Shell", S::Heart, kPink, ""}, {"Ball", S::Wheel, kRed, ""}, {"Drink", S::Drop, kOrange, ""},
      {"Umbrella", S::Crescent, kBlue, ""}, {"Wave", S::Peak, kCyan, "SURF"}, {"Sun", S::Star, kGold, ""}}},
    {"venus", 3, RGB(20, 0, 40), RGB(0, 30, 40), RGB(40, 130, 120), RGB(190, 255, 120), RGB(230, 255, 240),
     Scene::Night,
     {{"Moon", S::Crescent, kSilver, ""}, {"Comet", S::Drop, kCyan, ""}, {"Ring", S::Wheel, kPurple, ""},
      {"Saucer", S::Disc, kSilver, "UFO"}, {"Alien", S::Heart, kGreen, ""}, {"Planet", S::Disc, kOrange, "ZUV"}}},
    {"wizards", 9, RGB(20, 10, 60), RGB(5, 0, 20), RGB(60, 40, 110), RGB(200, 200, 255), RGB(245, 240, 255),
     Scene::Night,
     {{"Candle", S::Bar, kWhite, ""}, {"Potion", S::Drop, kPurple, ""}, {"Wand", S::Star, kSilver, ""},
      {"Book", S::Box, kRed, "SPELL"}, {"Orb", S::Disc, kCyan, ""}, {"Wizard", S::Peak, kBlue, "MERLIN"}}},
    {"wof", 3, RGB(200, 30, 60), RGB(60, 0, 30), RGB(240, 190, 30), RGB(255, 255, 255), RGB(255, 255, 245),
     Scene::Rays,
     {{"Cherry", S::Cherry, kRed, ""}, {"Bell", S::Bell, kGold, ""}, {"Bar", S::Bar, kBlack, "BAR"},
      {"Star", S::Star, kBlue, ""}, {"Seven", S::Seven, kRed, ""}, {"Wheel", S::Wheel, kOrange, "SPIN"}},
     // The wheel's "SPIN" wins no turn of a wheel: it pays where three of it line up.
     {"Wheel", "IS NO FREE SPIN"}},
    {"wonders", 3, RGB(250, 210, 130), RGB(200, 140, 60), RGB(170, 130, 70), RGB(255, 240, 200), RGB(255, 250, 235),
     Scene::Hills,
     {{"Garden", S::Heart, kGreen, ""}, {"Lighthouse", S::Bar, kWhite, "PHAROS"}, {"Statue", S::Star, kSilver, ""},
      {"Temple", S::Box, kWhite, "TEMPLE"}, {"Seven", S::Seven, kGold, ""}, {"Pyramid", S::Peak, kGold, ""}}},
    {"wwsports", 3, RGB(30, 30, 30), RGB(90, 10, 10), RGB(40, 40, 45), RGB(250, 80, 20), RGB(245, 245, 245),
     Scene::Grid,
     {{"Puck", S::Disc, kBlack, ""}, {"Bat", S::Bar, kBrown, "BAT"}, {"Glove", S::Heart, kBrown, ""},
      {"Skate", S::Box, kSilver, "SKATE"}, {"Ball", S::Wheel, kOrange, ""}, {"Trophy", S::Crown, kGold, "MVP"}}},
};
const size_t kMachineThemeCount = sizeof kMachineThemes / sizeof kMachineThemes[0];

const MachineTheme* FindMachineTheme(const char* stem) {
    for (const MachineTheme& theme : kMachineThemes)
        if (std::strcmp(theme.stem, stem) == 0) return &theme;
    return nullptr;
}

}  // namespace content
