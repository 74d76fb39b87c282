#pragma once

#include <QObject>

#include "widgets/AppPorts.h"

class HelpPane;
class QAction;
class QMenu;

// The profile editor's Help menu before its "About" entry: the entries it
// shares with the start page, the separator N2, the entries that show a help
// page about one part of the editor in its pane, and the separator N1.
class EditorHelpMenu : public QObject {
  Q_OBJECT

 public:
  EditorHelpMenu(QMenu* helpMenu, QAction* aboutEntry, HelpPane* pane, AppPorts& ports);

 private:
  void AddPaneEntry(const char* objectName, const QString& caption, const QString& page);
  void AddSeparator(const char* objectName);

  QMenu* helpMenu_;
  QAction* aboutEntry_;
  HelpPane* pane_;
};
