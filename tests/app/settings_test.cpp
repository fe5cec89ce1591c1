// The settings in the real registry: defaults for what is missing or of another type, and
// every value as the program stores it.
#include "app/settings.h"

#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/app/main_dialog_fixture.h"

namespace {

class SettingsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const SettingRow& row : kSettings) {
            saved_.push_back(std::make_unique<SavedSetting>(row.name));
            DeleteSetting(row.name);
        }
    }

    std::vector<std::unique_ptr<SavedSetting>> saved_;
};

TEST_F(SettingsTest, MissingValuesAndOtherTypesHaveTheDefaults) {
    for (const SettingRow& row : kSettings) {
        // A flag or a choice as text that would say another value.
        if (row.type != SettingType::Text) {
            WriteSettingString(row.name, row.byDefault ? "0" : "1");
        } else {
            WriteSettingDword(row.name, 1);
        }
    }
    const Settings settings;
    for (const SettingRow& row : kSettings) {
        if (row.type == SettingType::Text) {
            EXPECT_EQ(settings.Text(row.id), "") << row.name;
        } else if (row.type == SettingType::Flag) {
            EXPECT_EQ(settings.Flag(row.id), row.byDefault) << row.name;
        } else {
            EXPECT_EQ(settings.Choice(row.id, 3), 0u) << row.name;
        }
    }
    for (const SettingRow& row : kSettings) {
        DeleteSetting(row.name);
    }
    const Settings empty;
    for (const SettingRow& row : kSettings) {
        if (row.type == SettingType::Flag) {
            EXPECT_EQ(empty.Flag(row.id), row.byDefault) << row.name;
        }
    }
}

TEST_F(SettingsTest, FlagsAreStoredAsTheyChangeAndReadBack) {
    for (const SettingRow& row : kSettings) {
        if (row.type != SettingType::Flag) {
            continue;
        }
        WriteSettingDword(row.name, 7);
        Settings settings;
        EXPECT_TRUE(settings.Flag(row.id)) << row.name << ": any non-zero value is on";
        settings.SetFlag(row.id, !row.byDefault);
        DWORD value = 99;
        EXPECT_TRUE(ReadSettingDword(row.name, &value)) << row.name;
        EXPECT_EQ(value, row.byDefault ? 0u : 1u) << row.name;
        EXPECT_EQ(Settings().Flag(row.id), !row.byDefault) << row.name;
    }
}

TEST_F(SettingsTest, TextsAreReadBackWhenTheyFitWhole) {
    Settings settings;
    settings.SetText(SettingId::Language, std::string(30, 'a').c_str());
    const Settings again;
    EXPECT_EQ(again.Text(SettingId::Language), std::string(30, 'a'));
    // One character more than is read back: the catalogue chooses again.
    settings.SetText(SettingId::Language, std::string(31, 'b').c_str());
    EXPECT_EQ(again.Text(SettingId::Language), "");
}

TEST_F(SettingsTest, AChoiceOutOfRangeIsTheFirstValue) {
    WriteSettingDword("DecimalSeparator", 3);
    Settings settings;
    EXPECT_EQ(settings.Choice(SettingId::DecimalSeparator, 3), 0u);
    settings.SetChoice(SettingId::DecimalSeparator, 2);
    EXPECT_EQ(Settings().Choice(SettingId::DecimalSeparator, 3), 2u);
    // The other values' items have commands of their own.
    EXPECT_NE(MenuCommandOf(SettingId::DecimalSeparator, 2), MenuCommandOf(SettingId::GroupDigits));
}

TEST(SettingRows, ItemsOfTheWindowMenuHaveCommandsOfTheirOwn) {
    for (const SettingRow& row : kSettings) {
        EXPECT_EQ(&RowOf(row.id), &row);
        EXPECT_EQ(MenuCommandOf(row.id) & 0xF, 0u) << row.name;
        EXPECT_LT(MenuCommandOf(row.id), 0xF000u) << row.name << ": below the system's commands";
        for (const SettingRow& other : kSettings) {
            EXPECT_TRUE(&other == &row || MenuCommandOf(other.id) != MenuCommandOf(row.id));
        }
    }
}

} // namespace
