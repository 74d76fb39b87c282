#include "formatting/NumberFormat.h"

#include <QLocale>

std::string GroupedNumber(std::int64_t number) {
  // The user's format (the system's, unless the program set another);
  // without a language of its own (the C locale) as in English.
  QLocale locale;
  if (locale.language() == QLocale::C) locale = QLocale(QLocale::English, QLocale::UnitedStates);
  locale.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
  return locale.toString(static_cast<qlonglong>(number)).toStdString();
}
