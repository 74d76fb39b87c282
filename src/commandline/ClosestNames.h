#pragma once

#include <string>
#include <vector>

// The names a mistyped name was most likely meant to be, best first, at
// most three: those a few letters away from it (letter case aside) and those
// that contain it or that it contains.
std::vector<std::string> ClosestNames(const std::string& typed,
                                      const std::vector<std::string>& names);
