// The file name made from the machine's name: the characters kept, the escapes of the
// others, the length limit, and the name shown without double quotes.
#include <gtest/gtest.h>

#include <string>

#include "MachineIdentifier.h"
#include "WizardChoices.h"

namespace {

TEST(MachineIdentifier, KeepsLettersDigitsBlanksAndUnderscoresEscapesTheRest)
{
    EXPECT_EQ("New Machine_7", IdentifierForName("New Machine_7"));
    EXPECT_EQ("a-2fb", IdentifierForName("a/b"));
    EXPECT_EQ("-22x-22-2e", IdentifierForName("\"x\"."));
    EXPECT_EQ("caf-e9", IdentifierForName("caf\xe9"));  // codes above 127 too
}

TEST(MachineIdentifier, StopsOnceLongerThan130Characters)
{
    EXPECT_EQ(131u, IdentifierForName(std::string(200, 'q')).size());
    // An escape that crosses the limit is written whole before the building stops.
    const std::string escaped = IdentifierForName(std::string(130, 'q') + "//");
    EXPECT_EQ(std::string(130, 'q') + "-2f", escaped);
}

TEST(MachineIdentifier, TheDocumentGetsNameIdentifierAndDisplayName)
{
    WizardChoices document;
    MachineNameToIdentifier(document, "Big \"Win\"");
    EXPECT_EQ("Big \"Win\"", document.name);
    EXPECT_EQ("Big -22Win-22", document.identifier);
    EXPECT_EQ("Big ''Win''", document.displayName);
}

}  // namespace
