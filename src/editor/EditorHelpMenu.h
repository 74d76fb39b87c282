#pragma once

#include <QObject>

#include "app/AppPorts.h"

class HelpPane;
class QAction;
class QMenu;

// The profile editor's Help menu before its "About" entry: the entries it
// shares with the start page, the separator N2, the entries that show a help
// page about one part of the editor in its pane, and the separator N1.
class EditorHelpMenu : public QObject {
  Q_OBJECT

 public:
  EditorHelpMenu(QMenu* help1, QAction* about1, HelpPane* pane, AppPorts& ports);

  void AddingSongs1Click();
  void RemovingSongs1Click();
  void SaveProfile1Click();
  void PreviousButton1Click();
  void NextButton1Click();
  void ProgressBar2Click();
  void SongList1Click();

 private:
  void AddPaneEntry(const char* objectName, const QString& caption,
                    void (EditorHelpMenu::*handler)());
  void AddSeparator(const char* objectName);

  QMenu* help1_;
  QAction* about1_;
  HelpPane* pane_;
};
