#pragma once

#include <cstdint>
#include <string>

// A whole number with the user's thousands separator ("2,097,151"); as in
// English where the system names no language.
std::string GroupedNumber(std::int64_t number);
// A number with a fraction, in the shortest form of up to 15 significant
// digits ("2.5", "3"), with the user's decimal separator ("2,5" in German)
// and no grouping.
std::string DecimalNumber(double number);
// The same with exactly `decimals` digits after the separator ("12.0").
std::string FixedDecimalNumber(double number, int decimals);
