#pragma once

#include <QJsonObject>
#include <optional>
#include <ostream>
#include <string>

#include "commandline/CommandLineRequest.h"
#include "commandline/UnitReport.h"
#include "device/ProgrammingSequence.h"
#include "devicethread/DeviceThread.h"
#include "devicethread/UnitStatusHolder.h"
#include "profiles/ProfileFolder.h"

class ProgressReport;

// What the command line reaches outside itself; tests plug in their own.
struct CommandLinePorts {
  ProgrammerDriver& Driver;
  Clock& Time;
  std::string ProfilesFolder;  // ends in "/"
  std::ostream& Out;
  std::ostream& Err;
  bool ErrIsTerminal = false;
};

// The command-line front end: --program, then --status and --list, over the
// same device thread and profile files as the windows. It needs a
// QCoreApplication, creates no widget and never asks: where the windows would
// ask, it stops with a message and an exit status.
class CommandLineFrontEnd {
 public:
  explicit CommandLineFrontEnd(CommandLinePorts ports);

  // Runs every mode the request names and returns the exit status of the
  // first that failed. Help, version and argument errors are not its part.
  int Run(const CommandLineRequest& request);

 private:
  int ProgramProfile(const std::string& name);
  int ReportStatus(bool json);
  void ReportProfiles(bool json);
  // The probe after a run, or a fresh one when nothing has probed yet.
  const ProbeOutcome& CurrentProbe();
  const ProbeOutcome& Probe(bool force);
  ProgrammingResult RunProgramming(ProgrammingJob job, ProgressReport& progress);
  std::string ProfileOnUnit();

  CommandLinePorts ports_;
  // With JSON on standard output, every other message goes to standard error.
  std::ostream* messages_;
  QJsonObject json_;
  ProfileFolder folder_;
  std::optional<ProbeOutcome> probe_;
  UnitStatusHolder unit_;
  DeviceThread device_;
};
