// --support-report: the report of the programmer and the unit as a probe
// finds them now (or as the run before left them), the windows' settings and
// the log of their last runs with this command's own.
#include <QSaveFile>

#include "commandline/CommandLineFrontEnd.h"
#include "diagnostics/LogFiles.h"
#include "diagnostics/LogRouting.h"
#include "diagnostics/SupportReport.h"
#include "profiles/VisibleText.h"
#include "programmingrun/ExitStatus.h"
#include "translation/Translated.h"

int CommandLineFrontEnd::WriteSupportReport(const QString& path) {
  const ProbeReport& probe = CurrentProbe();
  std::string log = LastRunsOf(WindowsLogPath());
  if (ports_.Logging != nullptr) {
    for (const std::string& line : ports_.Logging->Record()) log += line;
  }
  const std::string report = SupportReport(
      {probe.Programmer, probe.Identity, probe.ProgrammerInUse, probe.Status, {}, {}, log},
      ports_.Settings);
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(report.data(), static_cast<qint64>(report.size())) !=
          static_cast<qint64>(report.size()) ||
      !file.commit()) {
    ports_.Err
        << Filled(Translated("CommandLine", "The support report could not be written to %1: %2"),
                  {VisibleText(path.toStdString()), VisibleText(file.errorString().toStdString())})
        << "\n";
    return ExitUnexpectedError;
  }
  // Standard output stays what the other modes make it.
  ports_.Err << Filled(Translated("CommandLine",
                                  "Support report written to %1: attach it when you ask for help."),
                       {VisibleText(path.toStdString())})
             << "\n"
             << std::flush;
  return ExitSuccess;
}
