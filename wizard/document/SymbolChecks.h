// What the symbols page checks before the wizard goes on, and the size a bitmap takes as
// a symbol picture: platform-free parts of the page.
#pragma once
#include <string>

class WizardChoices;

// Empty when the group is fine; else the message that keeps the user on the page. Only
// an enabled group is checked: it needs two members, and then a name for the award card.
std::string ValidateSymbolGroups(const WizardChoices& document);

// The text shown when no entry of the wizard data fits the payout level without a spoiler;
// `total` is the return the entry had to stay below: the payout level's upper bound.
std::string SpoilerNeededText(double total);

// The text shown when even with the spoiler no entry of the wizard data returns between
// the payout level's bounds (in percent).
std::string NoEntryInBandText(int lowPercent, int highPercent);

struct PictureSize {
    int width, height;
};

// A bitmap scaled to fit a reel symbol's 64 by 64 keeping its proportions (rounded as
// integers).
PictureSize FitSymbolPicture(int width, int height);
