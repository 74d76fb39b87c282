#include "programmingrun/RunReport.h"

#include "programmingrun/ExitStatus.h"
#include "programmingrun/RunTexts.h"

RunReport ReportRun(const ProgrammingResult& result, std::int64_t elapsedMilliseconds,
                    const ProgrammingPlan& plan) {
  RunReport report{result, RunTone::Failure, ResultText(result.Code), ExitStatusFor(result)};
  if (result.Difference && result.Difference->Row < plan.Sounds.size()) {
    const PlannedSound& sound = plan.Sounds[result.Difference->Row];
    report.Text += "\n" + DifferenceText(sound.Button, sound.FileName, result.Difference->Byte);
  }
  if (result.UnreadableRow && *result.UnreadableRow < plan.Sounds.size()) {
    const PlannedSound& sound = plan.Sounds[*result.UnreadableRow];
    report.Text += "\n" + UnreadableText(sound.Button, sound.FileName, sound.Size());
  }
  if (!result.Succeeded()) return report;
  report.Tone = result.NotWrittenCount > 0 ? RunTone::SoundsLeftOut : RunTone::Success;
  report.Text = SuccessText(elapsedMilliseconds, result.NotWrittenCount);
  // Sounds left out make it no plain success: the buttons they leave without
  // a sound are named.
  const std::string emptyButtons = EmptyButtonsText(plan.ButtonsLeftEmpty());
  if (!emptyButtons.empty()) report.Text += "\n" + emptyButtons;
  return report;
}
