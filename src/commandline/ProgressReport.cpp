#include "commandline/ProgressReport.h"
#include "commandline/TerminalColumns.h"
#include "translation/Translated.h"

#include <array>
#include <charconv>

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

std::string Padded(std::int64_t value, std::size_t width, char fill) {
  std::string text = std::to_string(value);
  return std::string(width > text.size() ? width - text.size() : 0, fill) + text;
}

std::string StepName(RunPhase phase) {
  return phase == RunPhase::Writing ? Translated("CommandLine", "Writing")
                                    : Translated("CommandLine", "Verifying");
}

}  // namespace

ProgressReport::ProgressReport(std::ostream& out, bool terminal, Clock& clock)
    : out_(out), terminal_(terminal), clock_(clock), startMilliseconds_(clock.NowMilliseconds()) {}

void ProgressReport::Show(RunPhase phase, std::int64_t done, std::int64_t total) {
  if (total <= 0) return;
  if (terminal_) {
    DrawBar(phase, done, total);
  } else {
    WriteLines(phase, done, total);
  }
}

void ProgressReport::Finish() {
  if (drawn_) out_ << "\n" << std::flush;
  drawn_ = false;
}

void ProgressReport::DrawBar(RunPhase phase, std::int64_t done, std::int64_t total) {
  const std::int64_t percent = done * 100 / total;
  const std::int64_t filled = percent * BarWidth / 100;
  // A longer word in another language stays whole.
  const std::string step = LeftAligned(StepName(phase), 9);
  const std::string line = step + " [" + std::string(filled, '#') +
                           std::string(BarWidth - filled, '-') + "] " + Padded(percent, 3, ' ') +
                           " %  " +
                           Filled(Translated("CommandLine", "%1 of %2 MiB  %3 left"),
                                  {MiBText(done), MiBText(total), TimeLeft(done, total)});
  // A run reports every few KiB; the line is drawn again only when it changes.
  if (drawn_ && line == lastLine_) return;
  // "\x1b[K" clears what a longer line before left at the end.
  out_ << "\r" << line << "\x1b[K" << std::flush;
  lastLine_ = line;
  drawn_ = true;
}

void ProgressReport::WriteLines(RunPhase phase, std::int64_t done, std::int64_t total) {
  const int tens = static_cast<int>(done * 10 / total);
  for (; linesWritten_ < tens; ++linesWritten_) {
    out_ << Filled(Translated("CommandLine", "%1: %2 %"),
                   {StepName(phase), std::to_string((linesWritten_ + 1) * 10)})
         << "\n";
  }
  out_ << std::flush;
}

std::string ProgressReport::TimeLeft(std::int64_t done, std::int64_t total) {
  if (done <= 0) return "-:--";
  const std::int64_t elapsed = clock_.NowMilliseconds() - startMilliseconds_;
  // Milliseconds left, rounded up to whole seconds.
  const std::int64_t seconds = (elapsed * (total - done) / done + 999) / 1000;
  return std::to_string(seconds / 60) + ":" + Padded(seconds % 60, 2, '0');
}
