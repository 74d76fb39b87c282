#pragma once

#include <string>
#include <string_view>
#include <vector>

// The paths of a profile file in the old plain-list format: one full path per
// line, lines ended by CR LF. A line that ends at file offset 4 or below is
// not a path (the format's first line was a short header).
std::vector<std::string> OldListPaths(std::string_view bytes);
