#include "app/SharedHelpEntries.h"

#include <QMenu>

#include "app/HelpPane.h"
#include "app/OpenDocument.h"

SharedHelpEntries::SharedHelpEntries(QMenu* help1, QAction* before, HelpPane* pane, AppPorts& ports,
                                     QString editSoundsFailure)
    : QObject(help1),
      help1_(help1),
      before_(before),
      pane_(pane),
      ports_(ports),
      editSoundsFailure_(std::move(editSoundsFailure)) {
  AddEntry("Manual1", QStringLiteral("Manual"), &SharedHelpEntries::Manual1Click);
  AddEntry("DriverInstallation1", QStringLiteral("Driver Installation"),
           &SharedHelpEntries::DriverInstallation1Click);
  AddEntry("AcquireSoundsfromtheInternet1", QStringLiteral("Acquire Sounds from the Internet"),
           &SharedHelpEntries::AcquireSoundsfromtheInternet1Click);
  AddEntry("RecordSounds1", QStringLiteral("Record Sounds"),
           &SharedHelpEntries::RecordSounds1Click);
  AddEntry("RipEditConvertSongs1", QStringLiteral("Rip, Edit, Convert Sounds"),
           &SharedHelpEntries::RipEditConvertSongs1Click);
}

void SharedHelpEntries::AddEntry(const char* objectName, const QString& caption,
                                 void (SharedHelpEntries::*handler)()) {
  auto* entry = new QAction(caption, help1_);
  entry->setObjectName(QString::fromLatin1(objectName));
  connect(entry, &QAction::triggered, this, handler);
  help1_->insertAction(before_, entry);
}

void SharedHelpEntries::Manual1Click() {
  OpenDocument(ports_, QStringLiteral("Documentation/Vantora_Manual.pdf"),
               QStringLiteral("Manual could not be found"));
}

void SharedHelpEntries::DriverInstallation1Click() {
  OpenDocument(ports_, QStringLiteral("Web/DriverInstallation.htm"),
               QStringLiteral("Driver installation instructions could not be found"));
}

void SharedHelpEntries::AcquireSoundsfromtheInternet1Click() {
  pane_->ShowHelpPage(QStringLiteral("DownloadFromInternet.htm"));
}

void SharedHelpEntries::RecordSounds1Click() {
  OpenDocument(ports_, QStringLiteral("Web/RecordSounds.htm"),
               QStringLiteral("Sound recording instructions could not be found"));
}

void SharedHelpEntries::RipEditConvertSongs1Click() {
  OpenDocument(ports_, QStringLiteral("Web/EditSounds.htm"), editSoundsFailure_);
}
