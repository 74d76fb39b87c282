#pragma once

#include <QString>
#include <QWidget>

class QTextBrowser;

// The help pane "Panel1" of a page: an HTML view "WebInfo" that fills it and
// shows the help pages of the program's Web folder.
class HelpPane : public QWidget {
  Q_OBJECT

 public:
  HelpPane(QWidget* parent, const std::string& programFolder);

  void ShowHelpPage(const QString& page);
  QTextBrowser* WebInfo() const { return webInfo_; }

 private:
  QString webFolder_;
  QTextBrowser* webInfo_;
};
