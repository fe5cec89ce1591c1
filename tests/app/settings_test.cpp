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
        for (const char* name : {"Language", "Doubles", "Radians", "Topmost", "KeepHistory"}) {
            saved_.push_back(std::make_unique<SavedSetting>(name));
            DeleteSetting(name);
        }
    }

    std::vector<std::unique_ptr<SavedSetting>> saved_;
};

TEST_F(SettingsTest, MissingValuesAndOtherTypesHaveTheDefaults) {
    WriteSettingString("Radians", "0");
    WriteSettingDword("Language", 1);
    const Settings settings;
    EXPECT_EQ(settings.Language(), "");
    EXPECT_TRUE(settings.Doubles());
    EXPECT_TRUE(settings.Radians());
    EXPECT_FALSE(settings.Topmost());
    EXPECT_TRUE(settings.KeepHistory());
}

TEST_F(SettingsTest, ValuesAreStoredAsTheyChangeAndReadBack) {
    WriteSettingDword("Topmost", 7);
    Settings settings;
    EXPECT_TRUE(settings.Topmost()) << "any non-zero value is on";
    settings.SetTopmost(false);
    settings.SetKeepHistory(false);
    settings.SetDoubles(false);
    settings.SetLanguage(std::string(30, 'a').c_str());
    DWORD value = 99;
    EXPECT_TRUE(ReadSettingDword("KeepHistory", &value));
    EXPECT_EQ(value, 0u);
    const Settings again;
    EXPECT_FALSE(again.Topmost());
    EXPECT_FALSE(again.KeepHistory());
    EXPECT_FALSE(again.Doubles());
    EXPECT_EQ(again.Language(), std::string(30, 'a'));
    // One character more than is read back: the catalogue chooses again.
    settings.SetLanguage(std::string(31, 'b').c_str());
    EXPECT_EQ(again.Language(), "");
}

} // namespace
