#include "commandline/ProgressReport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <numeric>

namespace {

constexpr int BarWidth = 30;
constexpr double BytesPerMiB = 1024.0 * 1024.0;

// One decimal, with a point whatever the locale.
std::string MiBText(std::int64_t bytes) {
  std::array<char, 32> text{};
  const auto written =
      std::to_chars(text.data(), text.data() + text.size(),
                    static_cast<double>(bytes) / BytesPerMiB, std::chars_format::fixed, 1);
  return std::string(text.data(), written.ptr);
}

std::string Padded(int value, std::size_t width, char fill) {
  std::string text = std::to_string(value);
  return std::string(width > text.size() ? width - text.size() : 0, fill) + text;
}

}  // namespace

ProgressReport::ProgressReport(std::ostream& out, bool terminal, Clock& clock,
                               std::vector<std::int64_t> memoryBytes)
    : out_(out),
      terminal_(terminal),
      clock_(clock),
      memoryBytes_(std::move(memoryBytes)),
      total_(std::accumulate(memoryBytes_.begin(), memoryBytes_.end(), std::int64_t{0})),
      startMilliseconds_(clock.NowMilliseconds()) {}

void ProgressReport::Show(int percent) {
  if (memory_ >= memoryBytes_.size() || total_ <= 0) return;
  // Each memory's reports end at 100 %: a report after that is the next memory's.
  if (lastPercent_ == 100 && memory_ + 1 < memoryBytes_.size()) {
    before_ += memoryBytes_[memory_++];
  }
  lastPercent_ = std::clamp(percent, 0, 100);
  const std::int64_t written = before_ + memoryBytes_[memory_] * lastPercent_ / 100;
  if (terminal_) {
    DrawBar(written);
  } else {
    WriteLines(written);
  }
}

void ProgressReport::Finish() {
  if (drawn_) out_ << "\n" << std::flush;
  drawn_ = false;
}

void ProgressReport::DrawBar(std::int64_t written) {
  const int percent = static_cast<int>(written * 100 / total_);
  const int filled = percent * BarWidth / 100;
  const std::string line = "[" + std::string(filled, '#') + std::string(BarWidth - filled, '-') +
                           "] " + Padded(percent, 3, ' ') + " %  " + MiBText(written) + " of " +
                           MiBText(total_) + " MiB  " + TimeLeft(written) + " left";
  // A run reports every 4 KiB; the line is drawn again only when it changes.
  if (drawn_ && line == lastLine_) return;
  // "\x1b[K" clears what a longer line before left at the end.
  out_ << "\r" << line << "\x1b[K" << std::flush;
  lastLine_ = line;
  drawn_ = true;
}

void ProgressReport::WriteLines(std::int64_t written) {
  const int tens = static_cast<int>(written * 10 / total_);
  for (; linesWritten_ < tens; ++linesWritten_) {
    out_ << "Programming: " << (linesWritten_ + 1) * 10 << " %\n";
  }
  out_ << std::flush;
}

std::string ProgressReport::TimeLeft(std::int64_t written) {
  if (written <= 0) return "-:--";
  const std::int64_t elapsed = clock_.NowMilliseconds() - startMilliseconds_;
  const std::int64_t seconds = (elapsed * (total_ - written) / written + 999) / 1000;
  return std::to_string(seconds / 60) + ":" + Padded(static_cast<int>(seconds % 60), 2, '0');
}
