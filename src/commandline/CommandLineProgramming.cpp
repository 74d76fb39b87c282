// --program: a stored profile, read as the editor would, planned, written and
// verified by the programming core, with the programming page's own texts.
#include "commandline/ClosestNames.h"
#include "commandline/CommandLineFrontEnd.h"
#include "commandline/InterruptWatch.h"
#include "commandline/ProgressReport.h"
#include "commandline/ResultWait.h"
#include "diagnostics/LogCategories.h"
#include "profiles/MissingSound.h"
#include "profiles/VisibleText.h"
#include "programmingrun/ExitStatus.h"
#include "programmingrun/RunTexts.h"
#include "translation/Translated.h"

namespace {

// The longest a run may go without a report: the unit takes its time to
// store a memory's data before it answers; the run may first wait for
// another program to let go of the programmer.
constexpr std::chrono::milliseconds RunPatienceBeyondTheLock = std::chrono::seconds(60);

void LogReading(const std::string& name, const std::string& folder,
                const StoredProfileReading& reading) {
  static constexpr const char* Outcomes[] = {"read", "not found", "unreadable", "not a profile"};
  const int sounds = reading.Profile.SoundCount();
  qCInfo(ProfilesLogging, "profile \"%s\" in %s: %s%s, number %d, %d sound%s, %zu missing",
         name.c_str(), folder.c_str(), Outcomes[static_cast<int>(reading.Outcome)],
         reading.OldFormat ? " (old list format)" : "", reading.Number, sounds,
         sounds == 1 ? "" : "s", reading.MissingSounds.size());
  for (const std::string& path : reading.MissingSounds) {
    qCInfo(ProfilesLogging, "missing sound: %s", path.c_str());
  }
}

}  // namespace

int CommandLineFrontEnd::ProgramProfile(const std::string& name, Verification verify) {
  const StoredProfileReading reading = ReadStoredProfile(folder_, name);
  LogReading(name, folder_.Path(), reading);
  if (const int refused = RefuseReading(name, reading)) return refused;
  // A profile that cannot go is refused before the programmer is touched.
  const ProgrammingPlan listed = PlanProgramming(name, reading.Profile, reading.Number, {});
  if (const RunPreflight lists = CheckBeforeRun(listed, std::nullopt); lists.RefusesProfile()) {
    return Refuse(lists, listed, reading.LeftOut);
  }
  const ProbeReport& probe = CurrentProbe();
  ProgrammingPlan plan = PlanProgramming(name, reading.Profile, reading.Number, probe.Status);
  plan.Verify = verify;
  const RunPreflight preflight = CheckBeforeRun(plan, probe);
  if (!preflight.Clear()) return Refuse(preflight, plan, reading.LeftOut);
  TellWhatFits(plan, reading.LeftOut);
  const RunReport report = RunProgramming(plan);
  (report.Result.Succeeded() ? *messages_ : ports_.Err) << report.Text << "\n" << std::flush;
  // As on the programming page, the unit is read afresh after every run.
  Probe(true);
  return report.ExitStatus;
}

int CommandLineFrontEnd::RefuseReading(const std::string& name,
                                       const StoredProfileReading& reading) {
  std::ostream& err = ports_.Err;
  switch (reading.Outcome) {
    case ProfileReadingOutcome::NotFound:
      err << Filled(Translated("CommandLine", "No profile named \"%1\" in %2"),
                    {VisibleText(name), VisibleText(folder_.Path())})
          << "\n";
      SuggestProfileNames(name);
      return ExitProfileNotReadable;
    case ProfileReadingOutcome::Unreadable:
      err << Filled(Translated("Profiles", "Profile %1 cannot be read."), {VisibleText(name)})
          << "\n";
      return ExitProfileNotReadable;
    case ProfileReadingOutcome::NotAProfile:
      err << Filled(Translated("Profiles", "%1 is not a profile file."),
                    {VisibleText(folder_.ProfilePath(name, ProfileFileKind::Profile))})
          << "\n";
      return ExitProfileNotReadable;
    case ProfileReadingOutcome::Read:
      break;
  }
  return ExitSuccess;
}

int CommandLineFrontEnd::Refuse(const RunPreflight& preflight, const ProgrammingPlan& plan,
                                int leftOutOfFullLists) {
  std::ostream& err = ports_.Err;
  if (preflight.RefusesProfile()) {
    for (const std::size_t row : preflight.MissingRows) {
      err << MissingFileText(plan.Sounds[row].FullPath()) << "\n";
    }
    if (!preflight.NotSoundRows.empty()) {
      std::vector<std::string> names;
      for (const std::size_t row : preflight.NotSoundRows)
        names.push_back(plan.Sounds[row].FileName);
      err << NotSoundsText(names) << "\n";
    }
    err << Translated("CommandLine", "Nothing was sent to the unit.") << "\n";
    return ExitSoundMissing;
  }
  const RunObstacle first = preflight.Obstacles.front();
  // What fits is told as before a run: the lists are read, the unit answers.
  if (ExitStatusFor(first) == ExitNothingFits) TellWhatFits(plan, leftOutOfFullLists);
  err << ObstacleText(first) << "\n";
  return ExitStatusFor(first);
}

void CommandLineFrontEnd::SuggestProfileNames(const std::string& name) {
  const std::vector<std::string> closest = ClosestNames(name, folder_.ProfileNames());
  if (closest.empty()) return;
  if (closest.size() == 1) {
    ports_.Err << Filled(Translated("CommandLine", "Did you mean: %1?"), {VisibleText(closest[0])})
               << "\n";
    return;
  }
  std::string names = VisibleText(closest[0]);
  for (std::size_t at = 1; at + 1 < closest.size(); ++at) names += ", " + VisibleText(closest[at]);
  ports_.Err << Filled(Translated("CommandLine", "Did you mean: %1 or %2?"),
                       {names, VisibleText(closest.back())})
             << "\n";
}

void CommandLineFrontEnd::TellWhatFits(const ProgrammingPlan& plan, int leftOutOfFullLists) {
  if (leftOutOfFullLists > 0) {
    *messages_ << Filled(Translated("CommandLine",
                                    "%1 sounds beyond a full button of %2 are left out, as in "
                                    "the editor"),
                         {std::to_string(leftOutOfFullLists), std::to_string(MaxSoundsPerButton)})
               << "\n";
  }
  const std::size_t count = plan.Sounds.size();
  *messages_ << Filled(
                    count == 1
                        ? Translated("CommandLine", "%1: %2 sound, %3 fit in the unit's memory")
                        : Translated("CommandLine", "%1: %2 sounds, %3 fit in the unit's memory"),
                    {VisibleText(plan.ProfileName), std::to_string(count),
                     std::to_string(plan.FittingCount())})
             << "\n";
  for (std::size_t row = plan.FittingCount(); row < count; ++row) {
    const PlannedSound& sound = plan.Sounds[row];
    *messages_ << Filled(Translated("CommandLine",
                                    "Does not fit in the unit's memory: %1 (Btn%2, %3 bytes)"),
                         {VisibleText(sound.FileName), std::to_string(sound.Button),
                          std::to_string(sound.Size())})
               << "\n";
  }
  *messages_ << std::flush;
}

RunReport CommandLineFrontEnd::RunProgramming(const ProgrammingPlan& plan) {
  ProgressReport progress(ports_.Err, ports_.ErrIsTerminal, ports_.Time);
  ResultWait wait(RunPatienceBeyondTheLock + ports_.LockPatience);
  RunPhase phase = RunPhase::Writing;
  // The watch and the connections end with this function: Ctrl+C stops only a run.
  InterruptWatch interrupt;
  QObject context;
  QObject::connect(&interrupt, &InterruptWatch::Interrupted, &context, [this] { run_.Stop(); });
  QObject::connect(&device_, &DeviceThread::RunPhaseBegun, &context,
                   [&phase](RunPhase begun, int) { phase = begun; });
  QObject::connect(&device_, &DeviceThread::RunBytesMoved, &context,
                   [&](qint64 done, qint64 total) {
                     progress.Show(phase, done, total);
                     wait.Extend();
                   });
  const RunReport report = wait.For(run_.Start(plan), "The programming run");
  progress.Finish();
  return report;
}
