// Every message of the scene and control statements of the Art block, with the line the
// compile reports it on.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "CompileHelpers.h"

namespace {

TEST(ArtMessages, ConstantsRectanglesAndRectangleValues) {
    ExpectArtErrors({
        {"Constant = 5", "Expecting id after Constant"},
        {"Constant A 5", "Expecting = in Constant decl"},
        {"Constant A = Backdrop \"b.bmp\"", "Expecting const expr in const decl"},
        // Found once the value is read: the line of the token after it.
        {"Constant A = 1 Constant A = 2", "Redefined symbol A", 12},
        {"Rectangle R = 1 2 3 4 Constant R = 2", "Redefined symbol R", 12},
        {"Rectangle = 1 2 3 4", "id req'd"},
        {"Rectangle R 1 2 3 4", "= req'd"},
        {"Rectangle R = 1 2 3 Backdrop \"b.bmp\"", "const expr req'd"},
        // A minus after the first value subtracts: 10-20, 30, 40 are only three values.
        {"Rectangle R = 10 -20 30 40 Backdrop \"b.bmp\"", "const expr req'd"},
        {"ReelPosition 0 = 1, 2 3 4", "comma req'd between constants"},
        {"ReelPosition 0 = 1, 2, 3, Backdrop \"b.bmp\"", "const expr req'd"},
        {"ReelPosition 0 = 109, 403, 68x167", "comma req'd between constants"},
        {"Constant C = 1 ReelPosition 0 C", "C is not a rect"},
        {"ReelPosition 0 Nowhere", "Nowhere is not defined"},
    });
}

TEST(ArtMessages, BackdropReelPositionsAndSymbols) {
    ExpectArtErrors({
        {"Backdrop 5", "Filename req'd"},
        {"Backdrop \"b.ast\", }", "Asset id for backdrop"},
        {"ReelPosition x = 1, 2, 3, 4", "Reel index req'd"},
        {"ReelPosition 0 Backdrop \"b.bmp\"", "Reel posn req'd"},
        {"ReelPosition 0 = 1, 2, 3, 4 Shade", "Specify either 'Shadow' or 'NoShadow'"},
        {"ReelPosition 0 = 1, 2, 3, 4 Shadow Backdrop \"b.bmp\"", "Outer density req'd"},
        {"ReelPosition 0 = 1, 2, 3, 4 Shadow 4 Backdrop \"b.bmp\"", "Inner density req'd"},
        {"Symbol 5", "symbol name req'd"},
        {"Symbol Grape \"g.bmp\"", "Grape Is Not a symbol"},
        {"Symbol Cherry 5", "Filenames req'd"},
        {"Symbol Cherry \"c.ast\", }", "Asset number req'd"},
    });
}

TEST(ArtMessages, AnimationReferences) {
    const std::string b = "Button B { ";
    ExpectArtErrors({
        {b + "{ \"lib.ast\" } = 1, 2 }", "Comma Expected"},
        {b + "{ \"lib.ast\", } = 1, 2 }", "ID required for library reference"},
        {b + "{ { } } = 1, 2 }", "filenames required"},
        {b + "{ { \"a.bmp\" = 1, 2 }", "} req'd to end sequence"},
        {b + "{ = 1, 2 }", "files required"},
        {b + "{ { \"a.bmp\" } = 1, 2 }", "Brace must terminate scriptlet list"},
        {b + "{ { \"a.bmp\" } OnClick \"go()\" } = 1, 2 }", "= req'd in anim scriptlets"},
        {b + "{ { \"a.bmp\" } OnClick = 5 } = 1, 2 }", "string req'd for anim scriptlet"},
        {b + "{ { \"a.bmp\" } HotSpot (left, top) } = 1, 2 }", "= req'd in hotspots"},
        {b + "{ { \"a.bmp\" } HotSpot = left } = 1, 2 }", "( req'd in hotspots"},
        {b + "{ { \"a.bmp\" } HotSpot = (5, top) } = 1, 2 }",
         "left, center or right req'd in hotspots"},
        {b + "{ { \"a.bmp\" } HotSpot = (left top) } = 1, 2 }", ", req'd in hotspots"},
        {b + "{ { \"a.bmp\" } HotSpot = (left, 5) } = 1, 2 }",
         "top, center or bottom req'd in hotspots"},
        {b + "{ { \"a.bmp\" } HotSpot = (left, top } = 1, 2 }", ") req'd in hotspots"},
        {b + "{ { \"a.bmp\" } HotSpot = (middle, top } = 1, 2 }", ") req'd in hotspots"},
        {b + "{ { \"a.bmp\" } HotSpot = (middle, top) } = 1, 2 }",
         "left, center or right req'd in hotspots"},
        {b + "{ { \"a.bmp\" } HotSpot = (left, middle) } = 1, 2 }",
         "top, center or bottom req'd in hotspots"},
    });
}

TEST(ArtMessages, Coin) {
    const std::string c = "Coin { \"c.bmp\" { { \"d.bmp\" } } ";
    ExpectArtErrors({
        {"Coin ( \"c.bmp\" }", "Brace required for coin"},
        {"Coin { 5 }", "Animation req'd for coin"},
        {"Coin { \"c.bmp\" 5 }", "Animation req'd for coin drop"},
        {c + "5, 6 }", "= position required for coin drop"},
        {c + "= Backdrop }", "position required for coin drop"},
        {c + "= 5 6 }", "comma required in point"},
        {c + "= 5, }", "Point requires two numbers"},
        {c + "= 5, 6 }", "Coin insertion region ID req'd"},
        {c + "= 5, 6 In }", "Denom change region ID req'd"},
        {c + "= 5, 6 In Denom }", "Bill change region ID req'd"},
        {c + "= 5, 6 In Denom Bill Sound Clink }", "'=' required to define sound"},
        {c + "= 5, 6 In Denom Bill Sound = 5 }", "Sound ID req'd"},
        {c + "= 5, 6 In Denom Bill 5 }", "Closing brace required for Coin."},
        // A picture given by name must be an Animation.
        {"Coin { Glint \"d.bmp\" = 5, 6 In Denom Bill }", "Animation named required."},
        {"Constant K = 1 Coin { \"c.bmp\" K = 5, 6 In Denom Bill }", "K is not an animation."},
    });
}

TEST(ArtMessages, ButtonsAndArm) {
    const std::string b = "Button B { \"b.bmp\" ";
    ExpectArtErrors({
        {"Button 5 { \"b.bmp\" = 1, 2 }", "'BetMax','BetOne','CashOut','Spin', or ident req'd"},
        {"Button B ( \"b.bmp\" = 1, 2 }", "lt brace req'd"},
        {"Button B { Glint = 1, 2 }", "Animation named required."},
        {"Rectangle R = 1 2 3 4 Button B { R = 1, 2 }", "R is not an animation."},
        {"Button B { = 1, 2 }", "Animation req'd"},
        {b + "1, 2 }", "= req'd"},
        {b + "= , 2 }", "const expr req'd"},
        {b + "= 1 2 }", "comma req'd"},
        {b + "= 1, }", "const expr req'd"},
        {b + "= 1, 2 Priority 5 }", "= req'd"},
        {b + "= 1, 2 Priority = }", "const expr req'd"},
        {b + "= 1, 2 HotKey = \"\" }", "String req'd for hotKey"},
        {b + "= 1, 2 HotKey \"a\" }", "= req'd"},
        {b + "= 1, 2 HotKeyFlags = SHIFT | 5 }", "SHIFT, CTRL or ALT req'd"},
        {b + "= 1, 2 HotKeyFlags = SHIFT CTRL }", "Valid event req'd"},
        {b + "= 1, 2 OnPress = \"go()\" }", "Valid event req'd"},
        {b + "= 1, 2 OnClick \"go()\" }", "= req'd"},
        {b + "= 1, 2 OnClick = 5 }", "Scriptlet text req'd"},
        {b + "= 1, 2 ]", "rt brace req'd"},
        {"Arm ( \"a.bmp\" = 1, 2 }", "lt brace req'd"},
        {"Arm { = 1, 2 }", "Animation req'd"},
        {"Arm { Pull = 1, 2 }", "Animation named required."},
        {"Constant Pull = 3 Arm { Pull = 1, 2 }", "Pull is not an animation."},
        {"Arm { \"a.bmp\" 1, 2 }", "= req'd"},
        {"Arm { \"a.bmp\" = 1 2 }", "comma req'd"},
        {"Arm { \"a.bmp\" = 1, }", "const expr req'd"},
        {"Arm { \"a.bmp\" = 1, 2 ]", "rt brace req'd"},
    });
}

TEST(ArtMessages, Indicators) {
    const std::string i = "Indicator I { ";
    ExpectArtErrors({
        {"Indicator 5 { = 1, 2 }", "Indicator name req'd"},
        {"Indicator I ( = 1, 2 }", "lt brace req'd"},
        {i + "Glint = 1, 2 }", "Animation named required."},
        {i + "\"d.bmp\" 1, 2 }", "= req'd"},
        {i + "= 1 2 }", "comma req'd"},
        {i + "= 1, 2, }", "const expr req'd"},
        {i + "= 1, 2, 30 40 }", "comma or X req'd"},
        {i + "= 1, 2, 30 x }", "const expr req'd"},
        {i + "= 1, 2 Digits = }", "const expr req'd"},
        {i + "= 1, 2 Digits 5 }", "= req'd"},
        {i + "= 1, 2 OnClick = \"x\" }", "Valid event req'd"},
        {i + "= 1, 2 OnUpdate = 5 }", "Scriptlet text req'd"},
        {i + "= 1, 2 5 }", "rt brace req'd"},
    });
}

TEST(ArtMessages, RectanglesBeyondThe32BitCoordinatesAreRefused) {
    // A far edge, a width or a height that leaves 32 bits; "w20.bmp" is 20 by 12. The
    // statements that end in their rectangle report the line of the token after it.
    const std::string min = "(-2147483647 - 1)", fit = " does not fit in 32-bit coordinates";
    TableProbe probe;
    ExpectArtErrors(
        {
            {"Rectangle R = 2147483647 0 10 x 10", "Rectangle R" + fit, 12},
            {"Rectangle R = 0 " + min + " 10 x -1", "Rectangle R" + fit, 12},
            {"Rectangle R = -1 0 2147483647 10", "Rectangle R" + fit, 12},
            {"ReelPosition 0 = 2147483647, 0, 1 x 10", "Reel position" + fit, 12},
            {"ReelPosition 0 = 0, 1, 10, " + min, "Reel position" + fit, 12},
            {"Button B { \"w20.bmp\" = 2147483628, 0 }", "Button B" + fit, 12},
            {"Button Spin { \"w20.bmp\" = 0, 2147483636 }", "Button Spin" + fit, 12},
            {"Arm { \"w20.bmp\" = 2147483628, 0 }", "Arm" + fit, 12},
            {"Indicator I { \"w20.bmp\" = 0, 2147483636 }", "Indicator I" + fit},
            {"Indicator I { = 2147483586, 0 }", "Indicator I" + fit},
            {"Indicator I { = 10, 0, 2147483647 x 10 }", "Indicator I" + fit},
            {"Indicator I { = 1, 0, " + min + ", 10 }", "Indicator I" + fit},
        },
        &probe);
}

TEST(ArtMessages, AMissingLibraryAssetEndsTheCompile) {
    TableProbe probe;
    EXPECT_EQ(OnlyMessage(ArtStatementScript("Button B { { \"art.ast\", 9 } = 1, 2 }"), &probe),
              "No asset #9 in art.ast");
}

TEST(ArtMessages, ABadReelIndexIsAWarningWithTheLineOfTheStatement) {
    MachineDescription md;
    RecordingSink sink;
    CompileText(md, ArtStatementScript("ReelPosition 5 = 1, 2, 3, 4"), sink);
    EXPECT_FALSE(md.IsCompiled());
    ASSERT_GE(sink.messages.size(), 2u);
    EXPECT_EQ(sink.messages[0], "Line 12:Bad reel index 5\n");
    EXPECT_TRUE(md.GetReelPositions().empty()) << "nothing stored";
}

}  // namespace
