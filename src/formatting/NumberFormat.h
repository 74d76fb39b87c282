#pragma once

#include <cstdint>
#include <string>

// A whole number with the user's thousands separator ("2,097,151"); as in
// English where the system names no language.
std::string GroupedNumber(std::int64_t number);
