#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;
class QToolButton;

// The help pane of a page: an HTML view that fills it and
// shows the help pages of the program's Web folder, each in the user's
// language where the folder has it (LocalisedDocument). Links to other help pages
// are followed inside the pane; web and mail links open in the system's
// browser or mail program. Once a link was followed, a Back button above the
// view steps back along the links, as Alt+Left does.
class HelpPane : public QWidget {
  Q_OBJECT

 public:
  HelpPane(QWidget* parent, const std::string& programFolder);

  // Shows a page of the Web folder, by its bare file name.
  void ShowHelpPage(const QString& page);
  // Shows an HTML document of the program folder, e.g.
  // "Documentation/Vantora_Manual.html". Back then leads no further back than
  // this document.
  void ShowDocument(const QString& relativePath);
  // Shows a document over what the program last showed in the pane (the
  // page's own help, most often): Back returns there.
  void ShowOverPageHelp(const QString& relativePath);
  QTextBrowser* WebInfo() const { return webInfo_; }

 private:
  void FollowLink(const QUrl& link);

  QUrl Located(const QString& relativePath) const;

  QString programFolder_;
  // What the program last showed, where the way back begins.
  QUrl shownByProgram_;
  QToolButton* back_;
  QTextBrowser* webInfo_;
};
