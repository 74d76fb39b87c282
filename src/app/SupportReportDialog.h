#pragma once

#include <QDialog>
#include <string>

class LogRouting;
class QLabel;
class QSettings;
class UnitStatusHolder;

// Help → Save Support Report…: the report as it will be saved, to read
// before it goes anywhere; Copy puts it on the clipboard, Save… asks where to
// write it, Close leaves. The dialog stays open until it is saved or closed,
// and never blocks the other windows' work.
class SupportReportDialog : public QDialog {
  Q_OBJECT

 public:
  SupportReportDialog(QWidget* parent, std::string report);

 private:
  void Copy();
  void AskWhereToSave();
  void Save(const QString& path);

  std::string report_;
  QLabel* outcome_;
};

// Opens the dialog over `window` with the report as it stands now; it goes
// when it is closed.
void ShowSupportReport(QWidget* window, std::string report);

// The windows' report: the programmer and the unit as the last probe found
// them, the settings, and the windows' log of the last runs (the log that
// `logging` keeps of this run when there is no log file).
std::string WindowsSupportReport(const UnitStatusHolder& unit, QSettings& settings,
                                 LogRouting* logging);
