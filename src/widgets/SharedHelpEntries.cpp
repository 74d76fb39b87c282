#include "widgets/SharedHelpEntries.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>

#include "widgets/HelpPane.h"
#include "widgets/OpenDocument.h"
#include "widgets/SupportReportDialog.h"

namespace {

// An entry that opens a document of the program folder outside the program
// or, when no installed program opens it, shows inPane, an HTML document of
// the program folder, in the pane: help is never out of reach for want of a
// viewer.
QAction* DocumentEntry(QObject* parent, HelpPane* pane, AppPorts& ports, const char* objectName,
                       const QString& caption, const QString& document, const QString& failure,
                       const QString& inPane) {
  auto* entry = new QAction(caption, parent);
  entry->setObjectName(QString::fromLatin1(objectName));
  QObject::connect(entry, &QAction::triggered, pane, [&ports, pane, document, failure, inPane] {
    OpenDocument(ports, document, failure, [pane, inPane] { pane->ShowDocument(inPane); });
  });
  return entry;
}

// An instruction page of the Web folder, which the pane shows as it is.
QAction* InstructionsEntry(QObject* parent, HelpPane* pane, AppPorts& ports, const char* objectName,
                           const QString& caption, const QString& page, const QString& failure) {
  const QString document = QStringLiteral("Web/") + page;
  return DocumentEntry(parent, pane, ports, objectName, caption, document, failure, document);
}

// The manual's form for the pane.
const QString ManualInPane = QStringLiteral("Documentation/Vantora_Manual.html");

// "Save Support Report…": the report, shown before it is saved.
QAction* SupportReportEntry(QObject* parent, HelpPane* pane, AppPorts& ports) {
  auto* entry = new QAction(
      QCoreApplication::translate("SharedHelpEntries", "Save S&upport Report\u2026"), parent);
  entry->setObjectName(QStringLiteral("SaveSupportReport1"));
  QObject::connect(entry, &QAction::triggered, pane,
                   [&ports, pane] { ShowSupportReport(pane->window(), ports.SupportReport()); });
  return entry;
}

}  // namespace

QAction* ManualEntry(QObject* parent, HelpPane* pane, AppPorts& ports) {
  auto* entry = new QAction(QCoreApplication::translate("SharedHelpEntries", "&Manual"), parent);
  entry->setObjectName(QStringLiteral("Manual1"));
  QObject::connect(entry, &QAction::triggered, pane, [&ports, pane] {
    OpenDocument(ports, QStringLiteral("Documentation/Vantora_Manual.pdf"),
                 QCoreApplication::translate("SharedHelpEntries", "Manual could not be found"),
                 [pane] { pane->ShowOverPageHelp(ManualInPane); });
  });
  return entry;
}

QAction* ManualKey(QObject* parent, HelpPane* pane) {
  auto* key = new QAction(QCoreApplication::translate("SharedHelpEntries", "Manual"), parent);
  key->setObjectName(QStringLiteral("ManualKey"));
  key->setShortcut(Qt::Key_F1);
  key->setShortcutContext(Qt::WindowShortcut);
  QObject::connect(key, &QAction::triggered, pane,
                   [pane] { pane->ShowOverPageHelp(ManualInPane); });
  return key;
}

SharedHelpEntries::SharedHelpEntries(QMenu* helpMenu, QAction* before, HelpPane* pane,
                                     AppPorts& ports, const QString& editSoundsFailure)
    : QObject(helpMenu) {
  auto* acquireSounds = new QAction(tr("Acquire Sounds from the &Internet"), helpMenu);
  acquireSounds->setObjectName(QStringLiteral("AcquireSoundsfromtheInternet1"));
  connect(acquireSounds, &QAction::triggered, pane,
          [pane] { pane->ShowHelpPage(QStringLiteral("DownloadFromInternet.htm")); });
  helpMenu->insertActions(
      before,
      {ManualEntry(helpMenu, pane, ports),
       InstructionsEntry(helpMenu, pane, ports, "DriverInstallation1", tr("&Driver Installation"),
                         QStringLiteral("DriverInstallation.htm"),
                         tr("Driver installation instructions could not be found")),
       acquireSounds,
       InstructionsEntry(helpMenu, pane, ports, "RecordSounds1", tr("&Record Sounds"),
                         QStringLiteral("RecordSounds.htm"),
                         tr("Sound recording instructions could not be found")),
       InstructionsEntry(helpMenu, pane, ports, "RipEditConvertSongs1",
                         tr("Rip, &Edit, Convert Sounds"), QStringLiteral("EditSounds.htm"),
                         editSoundsFailure),
       SupportReportEntry(helpMenu, pane, ports)});
}
