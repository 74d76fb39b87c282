#pragma once

#include <QStringList>
#include <optional>
#include <ostream>
#include <string>

#include "device/ProgrammingSequence.h"
#include "programmingrun/ExitStatus.h"

// What the command line asks for. Without --status, --list, --program or
// --support-report (and without --help or --version) the windows open, on a
// profile file when one is given; --simulate, --debug and --log-file go with
// either.
struct CommandLineRequest {
  bool Simulate = false;
  // The profile file that the windows open in the editor; empty when none.
  QString ProfileFile;
  // Qt's -platform for the windows, when given.
  QString Platform;
  bool Status = false;
  bool List = false;
  std::optional<std::string> Program;  // the profile's name
  Verification Verify = Verification::Full;
  bool Json = false;
  // --debug: the log on standard error; --log-file: the log into that file.
  bool Debug = false;
  QString LogFile;
  // --support-report: the support report into that file; empty when none.
  QString SupportReport;
  bool Help = false;
  bool Version = false;
  std::string Error;            // what was wrong with the arguments; empty when nothing
  int ErrorStatus = ExitUsage;  // the exit status that the error ends with

  bool OpensWindows() const;
  // Help, version and errors are answered without the unit or the profiles.
  bool AsksOnlyForText() const { return Help || Version || !Error.empty(); }
};

// The arguments as the program got them, its own path first.
CommandLineRequest ParseCommandLine(const QStringList& arguments);

// Answers --help, --version or an error in the arguments; the exit status.
// Needs the QCoreApplication, whose first argument names the program.
int PrintTextAnswer(const CommandLineRequest& request, std::ostream& out, std::ostream& err);
