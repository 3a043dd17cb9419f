#include "SymbolChecks.h"

#include <cmath>

#include "WizardChoices.h"

std::string ValidateSymbolGroups(const WizardChoices& document)
{
    if (!document.groupsEnabled)
        return std::string();
    int members = 0;
    for (uint8_t member : document.groupMembers)
        members += member ? 1 : 0;
    if (members == 1)
        return "You've made a group with only one member, either add another member to the group or "
               "disable groups altogether. ";
    if (members >= 2 && document.groupName.empty())
        return "A group must have a name so that the description of the payout for the group can appear "
               "on the award card.  For instance, if you named the group 'fruit' then the line \" " +
               std::to_string(document.reelCount) + " fruit pays 1\" will appear on the award card";
    return std::string();
}

std::string SpoilerNeededText(double total)
{
    const long percent = std::lround(total * 100);
    return "I couldn't find a combination of stops that gave less than " + std::to_string(percent) +
           "% unless you have a spoiler.  A spoiler symbol is one does not participate in any payouts.\n"
           "I've enabled the spoiler, please pick a symbol for the spoiler.";
}

std::string NoEntryInBandText(int lowPercent, int highPercent)
{
    return "I couldn't find a combination of stops that gave between " + std::to_string(lowPercent) + "% and " +
           std::to_string(highPercent) +
           "%.  Change the symbols' choices, or go back and pick another payout percentage.";
}

PictureSize FitSymbolPicture(int width, int height)
{
    const int side = 64;  // the reel symbols of the gallery
    if (width <= 0 || height <= 0)
        return {side, side};
    if (width < height)
        return {(height / 2 + width * side) / height, side};
    return {side, (width / 2 + height * side) / width};
}
