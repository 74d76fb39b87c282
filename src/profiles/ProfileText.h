#pragma once

#include <string>
#include <string_view>

// Profile files are written as UTF-8. Files from a Windows PC are read too:
// UTF-16 with a byte order mark, and lines in Windows-1252 where they are
// not valid UTF-8.
bool HasUtf16ByteOrderMark(std::string_view bytes);
// The file's text as UTF-8, line ends as they were.
std::string ProfileTextOf(std::string_view bytes);
// One line as UTF-8: kept when it is valid UTF-8, otherwise read as Windows-1252.
std::string Utf8Line(std::string_view line);
bool IsValidUtf8(std::string_view text);
