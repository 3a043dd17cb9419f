// Settings in the registry: defaults, writing and reading back, listeners, the
// denomination lock and the "General" getters.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "GeneralSettings.h"
#include "ProductKey.h"
#include "RegKey.h"
#include "RegistryHelpers.h"

namespace {
const char kSection[] = "SettingsTest";

struct Counter {
    std::vector<int32_t> seen;
    std::vector<std::string> texts;
    void OnNumber(const int32_t& value) { seen.push_back(value); }
    void OnText(const char* text) { texts.push_back(text); }
};

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override { DeleteRegistryTree(HKEY_LOCAL_MACHINE, MakeSectionPath(kSection)); }
    void TearDown() override { DeleteRegistryTree(HKEY_LOCAL_MACHINE, MakeSectionPath(kSection)); }
};
}  // namespace

// Runs first in this suite: nothing has built the getters' objects yet.
TEST(GeneralSettings, FreshInstallationReadsEveryDefaultAndFirstSetCreatesTheKey) {
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, MakeSectionPath("General"));
    EXPECT_EQ("", GetAmbientPathSetting().Get());
    EXPECT_EQ("", GetMoviePathSetting().Get());
    EXPECT_EQ("", GetClipArtPathSetting().Get());
    EXPECT_FALSE(GetIntroSequenceSetting().Get());
    EXPECT_TRUE(GetSoundEffectsSetting().Get());
    EXPECT_TRUE(GetAmbientSoundsSetting().Get());
    EXPECT_EQ(100, GetDenominationSetting().Get());
    EXPECT_FALSE(GetMoreThanOnceSetting().Get());
    EXPECT_TRUE(GetPromptCDSetting().Get());
    EXPECT_EQ(&GetDenominationSetting(), &GetDenominationSetting());

    RegKey probe(HKEY_LOCAL_MACHINE, "Software\\Tarrowind\\Vellmoor Slots\\1.0\\General");
    EXPECT_NE(ERROR_SUCCESS, probe.Open());

    EXPECT_TRUE(GetMoviePathSetting().Set("D:\\movies"));
    EXPECT_TRUE(GetSoundEffectsSetting().Set(false));
    EXPECT_TRUE(GetDenominationSetting().Set(25));
    RegKey key(HKEY_LOCAL_MACHINE, "Software\\Tarrowind\\Vellmoor Slots\\1.0\\General");
    ASSERT_EQ(ERROR_SUCCESS, key.Open());
    EXPECT_EQ("D:\\movies", key.QueryString("Movie Path", "missing"));
    EXPECT_EQ(0u, key.QueryDword("Sound Effects", 7));
    EXPECT_EQ(25u, key.QueryDword("Denomination", 7));
    DeleteRegistryTree(HKEY_LOCAL_MACHINE, MakeSectionPath("General"));
}

TEST_F(SettingsTest, MissingKeyAndMissingValueGiveTheDefaults) {
    PersistentSetting number(kSection, "Number", 42);
    PersistentFlag flag(kSection, "Flag", true);
    PersistentString text(kSection, "Text", "fallback");
    EXPECT_EQ(42, number.Get());
    EXPECT_TRUE(flag.Get());
    EXPECT_EQ("fallback", text.Get());

    ASSERT_TRUE(number.Set(1));  // the key exists now; the other values are still missing
    PersistentSetting other(kSection, "Other", -1);
    PersistentString otherText(kSection, "OtherText", nullptr);
    EXPECT_EQ(-1, other.Get());
    EXPECT_EQ("", otherText.Get());
}

TEST_F(SettingsTest, WrittenValuesReadBackThroughAFreshKeyAndFreshSettings) {
    {
        PersistentSetting number(kSection, "Number", 0);
        PersistentFlag flag(kSection, "Flag", false);
        PersistentString text(kSection, "Text", "");
        EXPECT_TRUE(number.Set(-123456));
        EXPECT_TRUE(flag.Set(true));
        EXPECT_TRUE(text.Set("C:\\ambient"));
    }
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath(kSection));
    ASSERT_EQ(ERROR_SUCCESS, key.Open());
    EXPECT_EQ(DWORD(-123456), key.QueryDword("Number", 0));
    EXPECT_EQ(1u, key.QueryDword("Flag", 0));
    EXPECT_EQ("C:\\ambient", key.QueryString("Text", ""));
    DWORD type = 0, size = 0;
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key.GetHandle(), "Text", nullptr, &type, nullptr, &size));
    EXPECT_EQ(DWORD(REG_SZ), type);
    EXPECT_EQ(11u, size);  // the text and its terminating zero
    ASSERT_EQ(ERROR_SUCCESS, RegQueryValueExA(key.GetHandle(), "Flag", nullptr, &type, nullptr, &size));
    EXPECT_EQ(DWORD(REG_DWORD), type);

    PersistentSetting number(kSection, "Number", 0);
    PersistentFlag flag(kSection, "Flag", false);
    PersistentString text(kSection, "Text", "");
    EXPECT_EQ(-123456, number.Get());
    EXPECT_TRUE(flag.Get());
    EXPECT_EQ("C:\\ambient", text.Get());
}

TEST_F(SettingsTest, ListenersAreToldOncePerRealChangeAndNotForAnEqualValue) {
    PersistentSetting number(kSection, "Number", 5);
    PersistentString text(kSection, "Text", "a");
    PersistentFlag flag(kSection, "Flag", false);
    Counter counter;
    number.AddListener(&counter, &Counter::OnNumber);
    text.AddListener(&counter, &Counter::OnText);
    flag.AddListener(&counter, &Counter::OnNumber);

    EXPECT_FALSE(number.Set(5));
    EXPECT_TRUE(number.Set(6));
    EXPECT_FALSE(number.Set(6));
    EXPECT_FALSE(text.Set("a"));
    EXPECT_TRUE(text.Set("b"));
    EXPECT_FALSE(flag.Set(false));
    EXPECT_TRUE(flag.Set(true));
    EXPECT_EQ((std::vector<int32_t>{6, 1}), counter.seen);
    EXPECT_EQ((std::vector<std::string>{"b"}), counter.texts);

    // An equal value writes nothing either.
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath(kSection));
    ASSERT_EQ(ERROR_SUCCESS, key.Open());
    key.SetDword("Number", 77);
    EXPECT_FALSE(number.Set(6));
    EXPECT_EQ(77u, key.QueryDword("Number", 0));
}

TEST_F(SettingsTest, MoreListenersThanTheInitialTableGrowItAndRemovalFreesASlot) {
    PersistentSetting number(kSection, "Number", 0);
    std::vector<Counter> counters(10);
    std::vector<uint32_t> cookies;
    for (int i = 0; i < 9; ++i) cookies.push_back(number.AddListener(&counters[i], &Counter::OnNumber));
    EXPECT_EQ((std::vector<uint32_t>{1, 2, 3, 4, 5, 6, 7, 8, 9}), cookies);
    EXPECT_EQ(9u, number.GetListenerTableSize());
    EXPECT_EQ(9u, number.GetListenerCount());

    ASSERT_TRUE(number.Set(3));
    for (int i = 0; i < 9; ++i) EXPECT_EQ(std::vector<int32_t>{3}, counters[i].seen) << i;

    number.RemoveListener(4);
    number.RemoveListener(4);   // already empty
    number.RemoveListener(99);  // outside the table
    EXPECT_EQ(8u, number.GetListenerCount());
    EXPECT_EQ(4u, number.AddListener(&counters[9], &Counter::OnNumber));
    ASSERT_TRUE(number.Set(4));
    EXPECT_EQ((std::vector<int32_t>{3}), counters[3].seen);
    EXPECT_EQ((std::vector<int32_t>{4}), counters[9].seen);
}

TEST_F(SettingsTest, DenominationLockHoldsOffChangesWhileCounted) {
    DenominationSetting denomination(kSection, "Denomination", 100);
    Counter counter;
    denomination.AddListener(&counter, &Counter::OnNumber);
    denomination.Lock();
    denomination.Lock();
    EXPECT_FALSE(denomination.Set(500));
    EXPECT_EQ(100, denomination.Get());
    denomination.Unlock();
    EXPECT_FALSE(denomination.Set(500));
    denomination.Unlock();
    EXPECT_FALSE(denomination.IsLocked());
    EXPECT_TRUE(denomination.Set(500));
    EXPECT_EQ(500, denomination.Get());
    EXPECT_EQ((std::vector<int32_t>{500}), counter.seen);
    EXPECT_EQ(500u, ReadSettingDword(kSection, "Denomination", 0));
}

TEST_F(SettingsTest, ValueOfAnotherSizeReadsAsTheDefault) {
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath(kSection));
    ASSERT_EQ(ERROR_SUCCESS, key.Create());
    const BYTE eight[8] = {1, 2, 3, 4, 5, 6, 7, 8};
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.GetHandle(), "Denomination", 0, REG_BINARY, eight, 8));
    key.Close();
    DenominationSetting denomination(kSection, "Denomination", 100);
    EXPECT_EQ(100, denomination.Get());
}

TEST_F(SettingsTest, StringsWithoutTerminatingZeroAreCutAtWhatWasRead) {
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath(kSection));
    ASSERT_EQ(ERROR_SUCCESS, key.Create());
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.GetHandle(), "Short", 0, REG_SZ,
                                            reinterpret_cast<const BYTE*>("abcXYZ"), 3));
    const std::string full(256, 'q');
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.GetHandle(), "Full", 0, REG_BINARY,
                                            reinterpret_cast<const BYTE*>(full.data()), 256));
    const std::string longer(300, 'r');
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExA(key.GetHandle(), "Long", 0, REG_SZ,
                                            reinterpret_cast<const BYTE*>(longer.c_str()), 301));
    key.Close();
    ASSERT_EQ(ERROR_SUCCESS, key.Open());
    EXPECT_EQ("abc", key.QueryString("Short", "default"));
    EXPECT_EQ(full, key.QueryString("Full", "default"));
    EXPECT_EQ("default", key.QueryString("Long", "default"));
    EXPECT_EQ("", key.QueryString("Missing", nullptr));
}

TEST_F(SettingsTest, FailedWriteLeavesTheCachedValueAndTellsNobody) {
    // A key name longer than the registry allows can be neither opened nor created.
    const std::string section = std::string(kSection) + "\\" + std::string(300, 'k');
    PersistentSetting number(section.c_str(), "Number", 10);
    PersistentString text(section.c_str(), "Text", "old");
    PersistentFlag flag(section.c_str(), "Flag", false);
    Counter counter;
    number.AddListener(&counter, &Counter::OnNumber);
    text.AddListener(&counter, &Counter::OnText);
    EXPECT_FALSE(number.Set(11));
    EXPECT_FALSE(text.Set("new"));
    EXPECT_FALSE(flag.Set(true));
    EXPECT_EQ(10, number.Get());
    EXPECT_EQ("old", text.Get());
    EXPECT_FALSE(flag.Get());
    EXPECT_TRUE(counter.seen.empty());
    EXPECT_TRUE(counter.texts.empty());
}

TEST_F(SettingsTest, EnumValuesListsTheValuesOfAKey) {
    RegKey key(HKEY_LOCAL_MACHINE, MakeSectionPath(kSection));
    ASSERT_EQ(ERROR_SUCCESS, key.Create());
    key.SetDword("One", 1);
    key.SetString("Two", "2");
    key.Close();
    ASSERT_EQ(ERROR_SUCCESS, key.Open());
    std::vector<std::string> names;
    std::string name;
    DWORD type = 0;
    for (DWORD index = 0; key.EnumValues(index, &name, &type, nullptr, nullptr); ++index) names.push_back(name);
    std::sort(names.begin(), names.end());
    EXPECT_EQ((std::vector<std::string>{"One", "Two"}), names);
}
