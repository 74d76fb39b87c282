#include "translation/Translated.h"

#include <gtest/gtest.h>

namespace {

std::string Shouted(const char* context, const char* source) {
  return std::string(context) + ":" + source + "!";
}

}  // namespace

TEST(TranslatedTest, TextsStayEnglishWithoutATranslatorAndGoThroughTheOneInstalled) {
  EXPECT_EQ(Translated("Profiles", "Profile saved"), "Profile saved");
  InstallTranslator(&Shouted);
  EXPECT_EQ(Translated("Profiles", "Profile saved"), "Profiles:Profile saved!");
  InstallTranslator(nullptr);
  EXPECT_EQ(Translated("Profiles", "Profile saved"), "Profile saved");
}

TEST(TranslatedTest, FilledPlacesTheArgumentsWhereTheTranslationPutsThem) {
  EXPECT_EQ(Filled("Profile %1 deleted.", {"Porch"}), "Profile Porch deleted.");
  EXPECT_EQ(Filled("%2 in %1", {"Music", "3 sounds"}), "3 sounds in Music");
  EXPECT_EQ(Filled("%1 and %1", {"Btn1"}), "Btn1 and Btn1");
  EXPECT_EQ(Filled("100 % of %3 %", {"a", "b"}), "100 % of %3 %")
      << "a % without an argument's number stays";
  EXPECT_EQ(Filled("%1 / %2", {"50%2", "x"}), "50%2 / x")
      << "an argument's own text is not searched again";
  EXPECT_EQ(Filled("ends in %", {}), "ends in %");
}
