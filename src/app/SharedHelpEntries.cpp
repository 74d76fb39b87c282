#include "app/SharedHelpEntries.h"

#include <QMenu>

#include "app/HelpPane.h"
#include "app/MenuEntry.h"
#include "app/OpenDocument.h"

SharedHelpEntries::SharedHelpEntries(QMenu* help1, QAction* before, HelpPane* pane, AppPorts& ports,
                                     QString editSoundsFailure)
    : QObject(help1), pane_(pane), ports_(ports), editSoundsFailure_(std::move(editSoundsFailure)) {
  AddMenuEntry(help1, "Manual1", QStringLiteral("&Manual"), this, &SharedHelpEntries::Manual1Click,
               before)
      ->setShortcut(QKeySequence(Qt::Key_F1));
  AddMenuEntry(help1, "DriverInstallation1", QStringLiteral("&Driver Installation"), this,
               &SharedHelpEntries::DriverInstallation1Click, before);
  AddMenuEntry(help1, "AcquireSoundsfromtheInternet1",
               QStringLiteral("Acquire Sounds from the &Internet"), this,
               &SharedHelpEntries::AcquireSoundsfromtheInternet1Click, before);
  AddMenuEntry(help1, "RecordSounds1", QStringLiteral("&Record Sounds"), this,
               &SharedHelpEntries::RecordSounds1Click, before);
  AddMenuEntry(help1, "RipEditConvertSongs1", QStringLiteral("Rip, &Edit, Convert Sounds"), this,
               &SharedHelpEntries::RipEditConvertSongs1Click, before);
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
