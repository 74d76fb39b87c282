#include "formatting/NumberFormat.h"

#include <gtest/gtest.h>

#include <QLocale>

#include "formatting/UserLanguage.h"

namespace {

// The user's format for one test; the English of the other tests after it.
class InLocale {
 public:
  explicit InLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~InLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

}  // namespace

TEST(NumberFormatTest, GroupedNumbersFollowTheUsersFormat) {
  {
    const InLocale german(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(GroupedNumber(2359294), "2.359.294");
    EXPECT_EQ(GroupedNumber(-1000), "-1.000");
  }
  {
    const InLocale french(QLocale(QLocale::French, QLocale::France));
    EXPECT_EQ(GroupedNumber(2359294), "2\u202f359\u202f294");
  }
  const InLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
  EXPECT_EQ(GroupedNumber(2359294), "2,359,294");
  EXPECT_EQ(GroupedNumber(999), "999");
}

TEST(UserLanguageTest, TheFirstOfTheUsersLanguagesThatIsEnglishOrTranslatedIsChosen) {
  EXPECT_EQ(ChosenLanguage({"de-DE", "de", "en-US"}), "de");
  EXPECT_EQ(ChosenLanguage({"fr-CA"}), "fr") << "any country's French";
  EXPECT_EQ(ChosenLanguage({"es-ES", "fr-FR"}), "fr") << "a language without translation is passed";
  EXPECT_EQ(ChosenLanguage({"en-GB", "de-DE"}), "en") << "English named first wins";
  EXPECT_EQ(ChosenLanguage({"es-ES", "it"}), "en");
  EXPECT_EQ(ChosenLanguage({"C"}), "en");
  EXPECT_EQ(ChosenLanguage({}), "en");
}
