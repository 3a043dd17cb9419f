// Reading the wizard data file: its magic, its length, and a document left as it was
// when the file is refused.
#include <gtest/gtest.h>

#include <string>

#include "ScriptFile.h"
#include "WizardPayout.h"

namespace {

std::string FileBytes(uint32_t magic, std::size_t entryBytes)
{
    std::string bytes;
    for (int i = 0; i < 4; ++i)
        bytes += static_cast<char>(magic >> (8 * i));
    for (std::size_t i = 0; i < entryBytes; ++i)
        bytes += static_cast<char>(i * 7);
    return bytes;
}

TEST(WizardTableFile, ReadsTheMagicAndTheEntriesAsTheyStand)
{
    const ScriptFile file(FileBytes(kWizardTableMagic, kWizardTableBytes));
    WizardPayout payout;
    ASSERT_TRUE(payout.LoadTable(file.Path()));
    EXPECT_EQ(kWizardTableMagic, payout.magic);
    ASSERT_EQ(120832u, payout.table.size());
    EXPECT_EQ(static_cast<uint8_t>(5 * 7), payout.table[5]);

    // Extra bytes after the entries are ignored.
    const ScriptFile longer(FileBytes(kWizardTableMagic, kWizardTableBytes + 100));
    EXPECT_TRUE(payout.LoadTable(longer.Path()));
    EXPECT_EQ(120832u, payout.table.size());
}

TEST(WizardTableFile, ShortFilesWrongMagicAndMissingFilesAreRefusedAndChangeNothing)
{
    WizardPayout payout;
    const ScriptFile good(FileBytes(kWizardTableMagic, kWizardTableBytes));
    ASSERT_TRUE(payout.LoadTable(good.Path()));
    const std::vector<uint8_t> before = payout.table;

    const ScriptFile oneShort(FileBytes(kWizardTableMagic, kWizardTableBytes - 1));
    EXPECT_FALSE(payout.LoadTable(oneShort.Path()));  // 120 835 bytes in all
    const ScriptFile wrongMagic(FileBytes(kWizardTableMagic ^ 1, kWizardTableBytes));
    EXPECT_FALSE(payout.LoadTable(wrongMagic.Path()));
    const ScriptFile magicOnly(FileBytes(kWizardTableMagic, 0).substr(0, 3));
    EXPECT_FALSE(payout.LoadTable(magicOnly.Path()));
    EXPECT_FALSE(payout.LoadTable("no such folder/VSLWizard.dta"));
    EXPECT_EQ(before, payout.table);
    EXPECT_EQ(kWizardTableMagic, payout.magic);
}

}  // namespace
