#pragma once

#include <cstddef>
#include <string>

// Text padded to a column's width on the terminal, counted in characters, not
// in bytes, so that "Klänge" or "Écriture" keep their columns in line.
std::string RightAligned(const std::string& text, std::size_t width);
std::string LeftAligned(const std::string& text, std::size_t width);
