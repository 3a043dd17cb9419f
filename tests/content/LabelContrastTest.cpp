// Every text that the pictures of our built-in machines carry reads against what lies behind
// it: the meters' labels, the coin acceptor's, the award card's headings and lines, the
// buttons' words, the digits and the plate's values. The generator draws each machine from
// its script into a folder of the test's own, and every text it writes is weighed as it is
// drawn: its colour against the colour each pixel it covers had before, by the contrast ratio
// of relative luminances ((L1 + 0.05) / (L2 + 0.05)), at least 3. A text drawn over its own
// shadow (a title, a symbol's caption) reads where it stands out from the shadow or from
// what lay there before. So does every symbol on the award cards: where its icon meets the
// card, each pixel stands out at that ratio from the card behind it.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include "AwardCardArt.h"
#include "Canvas.h"
#include "ContentFolders.h"
#include "MachineThemes.h"

namespace content {

void Check(bool written, const std::string& path) {
    if (!written) throw std::runtime_error("Can't write " + path);
}

}  // namespace content

namespace {

using content::Canvas;

double Channel(int value) {
    const double c = value / 255.0;
    return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double Luminance(COLORREF c) {
    return 0.2126 * Channel(GetRValue(c)) + 0.7152 * Channel(GetGValue(c)) + 0.0722 * Channel(GetBValue(c));
}

double Contrast(COLORREF a, COLORREF b) {
    const double la = Luminance(a), lb = Luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// Keeps the pixels under each text before it is drawn, and after it finds those that the text
// changed: the colours they had are what the text is read against.
class ContrastWatch : public content::TextWatch {
public:
    void BeforeText(const Canvas& c, const RECT& r) override {
        area_ = Clipped(c, r);
        before_.clear();
        for (LONG y = area_.top; y < area_.bottom; ++y)
            for (LONG x = area_.left; x < area_.right; ++x) before_.push_back(c.PixelAt(x, y));
    }

    void AfterText(const Canvas& c, const RECT& r, const std::string& text, COLORREF ink,
                   const COLORREF* shadow) override {
        if (text.find_first_not_of(' ') == std::string::npos) return;
        ++texts_;
        // A machine's title on its backdrop comes before the rest of the machine's texts.
        if (shadow && c.Width() == 600 && c.Height() == 480) picture = text;
        const RECT area = Clipped(c, r);
        if (!EqualRect(&area, &area_)) return Fail(text, "was drawn where it was not announced");
        double worst = 1e9;
        size_t at = 0;
        bool drawn = false;
        for (LONG y = area.top; y < area.bottom; ++y)
            for (LONG x = area.left; x < area.right; ++x, ++at) {
                if (c.PixelAt(x, y) == before_[at]) continue;
                drawn = true;
                worst = std::min(worst, Contrast(ink, before_[at]));
            }
        if (!drawn) return Fail(text, "left no mark: its colour is the colour behind it");
        const double against = shadow ? std::max(worst, Contrast(ink, *shadow)) : worst;
        if (against < 3.0) {
            std::ostringstream why;
            why << "reads at a contrast of " << against << " (ink " << std::hex << ink << ")";
            Fail(text, why.str());
        }
    }

    std::string picture;  // the machine being drawn, for the failures
    std::vector<std::string> failures;
    int Texts() const { return texts_; }

private:
    static RECT Clipped(const Canvas& c, const RECT& r) {
        RECT clipped{std::max<LONG>(r.left, 0), std::max<LONG>(r.top, 0), std::min<LONG>(r.right, c.Width()),
                     std::min<LONG>(r.bottom, c.Height())};
        if (clipped.right < clipped.left) clipped.right = clipped.left;
        if (clipped.bottom < clipped.top) clipped.bottom = clipped.top;
        return clipped;
    }
    void Fail(const std::string& text, const std::string& why) {
        failures.push_back(picture + ": \"" + text + "\" " + why);
    }

    RECT area_{};
    std::vector<COLORREF> before_;
    int texts_ = 0;
};

// Keeps the card under each symbol's icon before it is drawn, and after weighs the icon's
// outermost pixels, where it meets the card, against the card's there.
class IconWatch : public content::CardIconWatch {
public:
    void BeforeIcon(const Canvas& c, const RECT& r) override {
        before_.clear();
        for (const POINT& p : Ring(r)) before_.push_back(c.PixelAt(p.x, p.y));
    }

    void AfterIcon(const Canvas& c, const RECT& r, const std::string& symbol) override {
        ++icons;
        double worst = 1e9;
        const std::vector<POINT> ring = Ring(r);
        for (size_t i = 0; i < ring.size(); ++i) worst = std::min(worst, Contrast(c.PixelAt(ring[i].x, ring[i].y), before_[i]));
        if (worst < 3.0) {
            std::ostringstream why;
            why << titles.picture << ": " << symbol << " meets its card at a contrast of " << worst;
            failures.push_back(why.str());
        }
    }

    ContrastWatch titles;  // it knows the machine being drawn
    std::vector<std::string> failures;
    int icons = 0;

private:
    static std::vector<POINT> Ring(const RECT& r) {
        std::vector<POINT> ring;
        for (LONG x = r.left; x < r.right; ++x) ring.insert(ring.end(), {POINT{x, r.top}, POINT{x, r.bottom - 1}});
        for (LONG y = r.top + 1; y < r.bottom - 1; ++y) ring.insert(ring.end(), {POINT{r.left, y}, POINT{r.right - 1, y}});
        return ring;
    }

    std::vector<COLORREF> before_;
};

// A folder of the test's own, with the script of every built-in machine and of Foxfire
// Grove in it: its award card is drawn from the script's pay table.
std::string MachineFolder() {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "vsl_label_contrast\\";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::vector<std::string> stems{"foxfire"};
    for (size_t i = 0; i < content::kMachineThemeCount; ++i) stems.push_back(content::kMachineThemes[i].stem);
    for (const std::string& stem : stems)
        CopyFileA((std::string(VSL_MACHINE_SCRIPTS "\\") + stem + ".txt").c_str(), (folder + stem + ".txt").c_str(),
                  FALSE);
    return folder;
}

}  // namespace

TEST(BuiltInMachineLabels, EveryTextReadsAgainstWhatLiesBehindIt) {
    const std::string folder = MachineFolder();
    ContrastWatch watch;
    watch.picture = "the built-in machines";
    content::TextWatch* previous = Canvas::SetTextWatch(&watch);
    try {
        content::MakeBuiltInMachineArt(content::ContentFolders{folder, folder, folder, folder});
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
    }
    Canvas::SetTextWatch(previous);
    EXPECT_GT(watch.Texts(), 21 * 20) << "the labels of every machine were drawn";
    for (const std::string& failure : watch.failures) ADD_FAILURE() << failure;
}

TEST(BuiltInMachineLabels, EverySymbolOnACardStandsOutFromIt) {
    const std::string folder = MachineFolder();
    const content::ContentFolders to{folder, folder, folder, folder};
    IconWatch watch;
    content::CardIconWatch* previous = content::SetCardIconWatch(&watch);
    content::TextWatch* previousText = Canvas::SetTextWatch(&watch.titles);
    try {
        content::MakeMachineArt(to);
        content::MakeBuiltInMachineArt(to);
    } catch (const std::exception& e) {
        ADD_FAILURE() << e.what();
    }
    Canvas::SetTextWatch(previousText);
    content::SetCardIconWatch(previous);
    EXPECT_GT(watch.icons, 22 * 10) << "the symbols of every card were drawn";
    for (const std::string& failure : watch.failures) ADD_FAILURE() << failure;
}
