#include "app/SharedHelpEntries.h"

#include <QMenu>

#include "app/HelpPane.h"
#include "app/OpenDocument.h"

SharedHelpEntries::SharedHelpEntries(QMenu* helpMenu, QAction* before, HelpPane* pane,
                                     AppPorts& ports, const QString& editSoundsFailure)
    : QObject(helpMenu), helpMenu_(helpMenu), before_(before), ports_(ports) {
  AddDocumentEntry("Manual1", QStringLiteral("&Manual"),
                   QStringLiteral("Documentation/Vantora_Manual.pdf"),
                   QStringLiteral("Manual could not be found"))
      ->setShortcut(Qt::Key_F1);
  AddDocumentEntry("DriverInstallation1", QStringLiteral("&Driver Installation"),
                   QStringLiteral("Web/DriverInstallation.htm"),
                   QStringLiteral("Driver installation instructions could not be found"));
  auto* acquireSounds = new QAction(QStringLiteral("Acquire Sounds from the &Internet"), helpMenu);
  acquireSounds->setObjectName(QStringLiteral("AcquireSoundsfromtheInternet1"));
  connect(acquireSounds, &QAction::triggered, pane,
          [pane] { pane->ShowHelpPage(QStringLiteral("DownloadFromInternet.htm")); });
  helpMenu_->insertAction(before_, acquireSounds);
  AddDocumentEntry("RecordSounds1", QStringLiteral("&Record Sounds"),
                   QStringLiteral("Web/RecordSounds.htm"),
                   QStringLiteral("Sound recording instructions could not be found"));
  AddDocumentEntry("RipEditConvertSongs1", QStringLiteral("Rip, &Edit, Convert Sounds"),
                   QStringLiteral("Web/EditSounds.htm"), editSoundsFailure);
}

QAction* SharedHelpEntries::AddDocumentEntry(const char* objectName, const QString& caption,
                                             const QString& document, const QString& failure) {
  auto* entry = new QAction(caption, helpMenu_);
  entry->setObjectName(QString::fromLatin1(objectName));
  connect(entry, &QAction::triggered, this,
          [this, document, failure] { OpenDocument(ports_, document, failure); });
  helpMenu_->insertAction(before_, entry);
  return entry;
}
