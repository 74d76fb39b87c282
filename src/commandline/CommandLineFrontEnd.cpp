#include "commandline/CommandLineFrontEnd.h"

#include <QEventLoop>
#include <QJsonDocument>

#include "commandline/ExitStatus.h"
#include "commandline/ProfileListing.h"

CommandLineFrontEnd::CommandLineFrontEnd(CommandLinePorts ports)
    : ports_(std::move(ports)),
      messages_(&ports_.Out),
      folder_(ports_.ProfilesFolder),
      device_(ports_.Driver, ports_.Time, unit_) {}

int CommandLineFrontEnd::Run(const CommandLineRequest& request) {
  if (request.Json) messages_ = &ports_.Err;
  int exitStatus = ExitSuccess;
  const auto keepFirstFailure = [&exitStatus](int status) {
    if (exitStatus == ExitSuccess) exitStatus = status;
  };
  if (request.Program) keepFirstFailure(ProgramProfile(*request.Program));
  if (request.Status) keepFirstFailure(ReportStatus(request.Json));
  if (request.List) ReportProfiles(request.Json);
  if (request.Json) ports_.Out << QJsonDocument(json_).toJson().toStdString() << std::flush;
  return exitStatus;
}

void CommandLineFrontEnd::ReportProfiles(bool json) {
  const std::string onUnit = ProfileOnUnit();
  std::vector<ProfileSummary> profiles;
  for (const std::string& name : folder_.ProfileNames()) {
    profiles.push_back(SummaryOf(name, ReadStoredProfile(folder_, name), name == onUnit));
  }
  if (json) {
    AddProfileList(json_, profiles);
  } else {
    PrintProfileList(ports_.Out, profiles);
  }
}

int CommandLineFrontEnd::ReportStatus(bool json) {
  const ProbeOutcome& probe = CurrentProbe();
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

const ProbeOutcome& CommandLineFrontEnd::CurrentProbe() {
  if (probe_) return *probe_;
  return Probe(false);
}

const ProbeOutcome& CommandLineFrontEnd::Probe(bool force) {
  QEventLoop loop;
  QObject::connect(
      &device_, &DeviceThread::UnitProbed, &loop,
      [this, &loop](const UnitStatus& status, ProgrammerLine, const std::string& programmer) {
        probe_ = ProbeOutcome{status, programmer};
        loop.quit();
      });
  if (force) {
    device_.RequestForceProbe();
  } else {
    device_.RequestProbe();
  }
  loop.exec();
  return *probe_;
}
