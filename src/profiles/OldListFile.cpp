#include "profiles/OldListFile.h"

namespace {

constexpr std::size_t LastHeaderOffset = 4;

}  // namespace

std::vector<std::string> OldListPaths(std::string_view bytes) {
  std::vector<std::string> paths;
  std::size_t lineBegin = 0;
  const auto endLine = [&](std::size_t lineEnd, std::size_t endingOffset) {
    if (endingOffset > LastHeaderOffset) {
      paths.emplace_back(bytes.substr(lineBegin, lineEnd - lineBegin));
    }
  };
  for (std::size_t offset = 0; offset < bytes.size(); ++offset) {
    if (bytes[offset] == '\r') {
      endLine(offset, offset);
      if (offset + 1 < bytes.size() && bytes[offset + 1] == '\n') ++offset;
      lineBegin = offset + 1;
    } else if (offset + 1 == bytes.size()) {
      // The file's last byte ends the last line and belongs to it.
      endLine(bytes.size(), offset);
    }
  }
  return paths;
}
