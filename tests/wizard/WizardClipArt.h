// A clip-art folder of the tests' own, laid out as the style tables name it: the body
// pictures of every style and layout, the button sets, the parts of the Art texts, the
// arms in "arms.ast" at the tables' asset numbers, "BlankSym.bmp", and a "gallery.ast"
// with seven symbol sprites, two award backdrops and six sounds. Made under the current
// folder and removed again.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

class WizardClipArt {
public:
    WizardClipArt();
    ~WizardClipArt();
    WizardClipArt(const WizardClipArt&) = delete;
    WizardClipArt& operator=(const WizardClipArt&) = delete;

    // The folder as a full Windows path without a trailing backslash.
    const std::string& Folder() const { return folder_; }
    // Asset numbers in "gallery.ast".
    int32_t SymbolSprite(int slot) const { return firstSymbol_ + slot; }
    int32_t AwardBackdrop(int which) const { return 1 + which; }
    int32_t FirstSound() const { return firstSound_; }

private:
    void WriteBodies();
    void WriteSmallParts();
    void WriteArms();
    void WriteGallery();

    std::string folder_;
    std::vector<std::string> files_;
    std::vector<std::string> folders_;
    int32_t firstSymbol_ = 0;
    int32_t firstSound_ = 0;
};

// A test suite that shares one clip-art folder among its tests. The gallery's pictures
// may be stored encoded, so the picture decoder is registered as the program does it.
class ClipArtSuite : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static WizardClipArt* art_;
};
