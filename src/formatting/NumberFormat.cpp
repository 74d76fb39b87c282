#include "formatting/NumberFormat.h"

#include <QLocale>

namespace {

// The user's format (the system's, unless the program set another);
// without a language of its own (the C locale) as in English.
QLocale UsersFormat() {
  QLocale locale;
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
  return locale;
}

QLocale UngroupedFormat() {
  QLocale locale = UsersFormat();
  locale.setNumberOptions(locale.numberOptions() | QLocale::OmitGroupSeparator);
  return locale;
}

}  // namespace

std::string GroupedNumber(std::int64_t number) {
  QLocale locale = UsersFormat();
  locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
  return locale.toString(static_cast<qlonglong>(number)).toStdString();
}

std::string DecimalNumber(double number) {
  return UngroupedFormat().toString(number, 'g', 15).toStdString();
}

std::string FixedDecimalNumber(double number, int decimals) {
  return UngroupedFormat().toString(number, 'f', decimals).toStdString();
}
