#pragma once

#include <QJsonObject>
#include <chrono>
#include <optional>
#include <ostream>
#include <string>

#include "commandline/CommandLineRequest.h"
#include "device/ProgrammerLock.h"
#include "devicethread/DeviceThread.h"
#include "devicethread/ProbeReport.h"
#include "devicethread/UnitStatusHolder.h"
#include "profiles/ProfileFolder.h"
#include "profiles/StoredProfileReading.h"
#include "programmingrun/ProgrammingPlan.h"
#include "programmingrun/ProgrammingRun.h"
#include "programmingrun/RunPreflight.h"

class LogRouting;
class QSettings;

// What the command line reaches outside itself; tests plug in their own.
struct CommandLinePorts {
  ProgrammerDriver& Driver;
  Clock& Time;
  std::string ProfilesFolder;  // ends in "/"
  std::ostream& Out;
  std::ostream& Err;
  bool ErrIsTerminal = false;
  // How long a request waits for another program's use of the programmer to end.
  std::chrono::milliseconds LockPatience = ProgrammerLockPatience;
  // For the support report: the windows' settings, and this process's log.
  QSettings* Settings = nullptr;
  const LogRouting* Logging = nullptr;
};

// The command-line front end: --program, then --status and --list, then
// --support-report, over the
// same programming core, device thread and profile files as the windows. It
// needs a QCoreApplication, creates no widget and never asks: where the
// windows would ask, it stops with a message and an exit status. It waits
// for each request it makes, and for no longer than that request may take.
class CommandLineFrontEnd {
 public:
  explicit CommandLineFrontEnd(CommandLinePorts ports);

  // Runs every mode the request names and returns the exit status of the
  // first that failed. Help, version and argument errors are not its part.
  int Run(const CommandLineRequest& request);
  // Where the runs go, for what follows them (the sleep inhibitor).
  DeviceThread& Device() { return device_; }

 private:
  int ProgramProfile(const std::string& name, Verification verify);
  // The exit status of a profile that cannot be read as a profile, with its
  // message; 0 when it was read.
  int RefuseReading(const std::string& name, const StoredProfileReading& reading);
  // "Did you mean: ...?" with the stored names closest to a name not found.
  void SuggestProfileNames(const std::string& name);
  // Tells why the checks before a run refused it; its exit status.
  int Refuse(const RunPreflight& preflight, const ProgrammingPlan& plan, int leftOutOfFullLists);
  void TellWhatFits(const ProgrammingPlan& plan, int leftOutOfFullLists);
  RunReport RunProgramming(const ProgrammingPlan& plan);
  int ReportStatus(bool json);
  void ReportProfiles(bool json);
  int WriteSupportReport(const QString& path);
  // The probe after a run, or a fresh one when nothing has probed yet.
  const ProbeReport& CurrentProbe();
  const ProbeReport& Probe(bool force);
  std::string ProfileOnUnit();

  CommandLinePorts ports_;
  // With JSON on standard output, every other message goes to standard error.
  std::ostream* messages_;
  QJsonObject json_;
  ProfileFolder folder_;
  std::optional<ProbeReport> probe_;
  UnitStatusHolder unit_;
  DeviceThread device_;
  ProgrammingRun run_;
};
