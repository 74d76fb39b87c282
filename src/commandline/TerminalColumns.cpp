#include "commandline/TerminalColumns.h"

#include <QString>

std::string RightAligned(const std::string& text, std::size_t width) {
  return QString::fromStdString(text).rightJustified(static_cast<qsizetype>(width)).toStdString();
}

std::string LeftAligned(const std::string& text, std::size_t width) {
  return QString::fromStdString(text).leftJustified(static_cast<qsizetype>(width)).toStdString();
}
