#include "commandline/CommandLineFrontEnd.h"

#include <QJsonDocument>

#include "commandline/ProfileListing.h"
#include "commandline/ResultWait.h"
#include "commandline/UnitReport.h"
#include "programmingrun/ExitStatus.h"
#include "programmingrun/RunTexts.h"
#include "translation/Translated.h"

namespace {

// A full probe takes at most ten exchanges of half a second each, after the
// wait for another program to let go of the programmer.
constexpr std::chrono::milliseconds ProbePatienceBeyondTheLock = std::chrono::seconds(30);

}  // namespace

CommandLineFrontEnd::CommandLineFrontEnd(CommandLinePorts ports)
    : ports_(std::move(ports)),
      messages_(&ports_.Out),
      folder_(ports_.ProfilesFolder),
      device_(ports_.Driver, ports_.Time, unit_, ProgrammerLockPath(), ports_.LockPatience),
      run_(device_, ports_.Time) {
  QObject::connect(&device_, &DeviceThread::WaitingForProgrammer, [this] {
    ports_.Err << Translated("RunTexts", WaitingForProgrammerText) << "\n" << std::flush;
  });
}

int CommandLineFrontEnd::Run(const CommandLineRequest& request) {
  if (request.Json) messages_ = &ports_.Err;
  int exitStatus = ExitSuccess;
  const auto keepFirstFailure = [&exitStatus](int status) {
    if (exitStatus == ExitSuccess) exitStatus = status;
  };
  if (request.Program) {
    keepFirstFailure(ProgramProfile(*request.Program, request.Verify));
    if (request.Json) {
      json_[QStringLiteral("verification")] =
          request.Verify == Verification::Full ? QStringLiteral("full") : QStringLiteral("quick");
    }
  }
  if (request.Status) keepFirstFailure(ReportStatus(request.Json));
  if (request.List) ReportProfiles(request.Json);
  if (!request.SupportReport.isEmpty()) keepFirstFailure(WriteSupportReport(request.SupportReport));
  if (request.Json) ports_.Out << QJsonDocument(json_).toJson().toStdString() << std::flush;
  return exitStatus;
}

void CommandLineFrontEnd::ReportProfiles(bool json) {
  const std::string onUnit = ProfileOnUnit();
  std::vector<ProfileSummary> profiles;
  for (const std::string& name : folder_.ProfileNames()) {
    profiles.push_back(SummaryOf(name, ReadStoredProfile(folder_, name), name == onUnit));
  }
  // A folder named like a profile is shown for what it is.
  for (const std::string& name : folder_.NamesOfNoFiles()) {
    profiles.push_back(NoProfileSummary(name));
  }
  SortByName(profiles);
  if (json) {
    AddProfileList(json_, profiles);
  } else {
    PrintProfileList(ports_.Out, profiles, folder_.Path());
  }
}

int CommandLineFrontEnd::ReportStatus(bool json) {
  const ProbeReport& probe = CurrentProbe();
  if (json) {
    AddUnitStatus(json_, probe, ProfileOnUnit());
  } else {
    PrintUnitStatus(ports_.Out, probe, ProfileOnUnit());
  }
  return ExitStatusFor(probe);
}

std::string CommandLineFrontEnd::ProfileOnUnit() {
  const UnitStatus& status = CurrentProbe().Status;
  if (!status.UnitPresent) return {};
  return folder_.FindProfileByNumber(status.Slots[0].ProfileNumber);
}

const ProbeReport& CommandLineFrontEnd::CurrentProbe() {
  if (probe_) return *probe_;
  return Probe(false);
}

const ProbeReport& CommandLineFrontEnd::Probe(bool force) {
  ResultWait wait(ProbePatienceBeyondTheLock + ports_.LockPatience);
  probe_ = wait.For(force ? device_.RequestForceProbe() : device_.RequestProbe(), "The programmer");
  return *probe_;
}
