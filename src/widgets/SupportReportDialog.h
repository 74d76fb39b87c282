#pragma once

#include <QDialog>
#include <string>

class QLabel;

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
