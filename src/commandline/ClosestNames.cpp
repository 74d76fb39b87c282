#include "commandline/ClosestNames.h"

#include <QString>
#include <algorithm>

namespace {

constexpr std::size_t MostSuggestions = 3;

// The edits (a letter put in, left out or changed) that turn one text into
// the other.
std::size_t EditDistance(const QString& a, const QString& b) {
  std::vector<std::size_t> row(static_cast<std::size_t>(b.size()) + 1);
  for (std::size_t j = 0; j < row.size(); ++j) row[j] = j;
  for (qsizetype i = 1; i <= a.size(); ++i) {
    std::size_t diagonal = row[0];
    row[0] = static_cast<std::size_t>(i);
    for (qsizetype j = 1; j <= b.size(); ++j) {
      const std::size_t above = row[static_cast<std::size_t>(j)];
      row[static_cast<std::size_t>(j)] =
          std::min({above + 1, row[static_cast<std::size_t>(j - 1)] + 1,
                    diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
      diagonal = above;
    }
  }
  return row.back();
}

}  // namespace

std::vector<std::string> ClosestNames(const std::string& typed,
                                      const std::vector<std::string>& names) {
  const QString wanted = QString::fromStdString(typed).toCaseFolded();
  // A third of the name's letters may be wrong, and at least two.
  const std::size_t tolerance =
      std::max<std::size_t>(2, static_cast<std::size_t>(wanted.size()) / 3);
  std::vector<std::pair<std::size_t, std::string>> close;
  for (const std::string& name : names) {
    const QString candidate = QString::fromStdString(name).toCaseFolded();
    const bool overlaps =
        !wanted.isEmpty() && (candidate.contains(wanted) || wanted.contains(candidate));
    const std::size_t distance = overlaps ? 0 : EditDistance(wanted, candidate);
    if (distance <= tolerance) close.emplace_back(distance, name);
  }
  std::stable_sort(close.begin(), close.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<std::string> closest;
  for (std::size_t at = 0; at < close.size() && at < MostSuggestions; ++at) {
    closest.push_back(close[at].second);
  }
  return closest;
}
