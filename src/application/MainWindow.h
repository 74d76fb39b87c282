#pragma once

#include <QMainWindow>
#include <QSize>

#include "profiles/Task.h"
#include "widgets/AppPorts.h"

class Page;
class QStackedWidget;

// The program's one window: the pages on a stack, one of them on screen at
// a time, so that the window stays where it is while the pages change. Its
// caption is the page's. It keeps at least 800 × 600 (frame included) and
// the size it was left at for the next run; closing it asks the page on
// screen first.
class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr QSize MinimumOuterSize{800, 600};

  explicit MainWindow(AppPorts& ports);

  void AddPage(Page* page);
  void ShowPage(Page* page);
  Page* PageOnScreen() const;
  // Sizes the window as the user last left it, else to its pages' own size,
  // and puts it where the program opens.
  void PlaceAtStart();

 protected:
  void closeEvent(QCloseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ShowCaption();
  void KeepMinimumSize();
  Task<> AskPageToClose();

  AppPorts& ports_;
  QStackedWidget* pages_;
  // The page on screen has let the window close.
  bool closing_ = false;
  bool asking_ = false;
  bool closeEventUnderWay_ = false;
};

// Where the window opens on a screen of this size: (10, 10), or nearer the
// corner on a screen no larger than 800 × 600.
QPoint StartPosition(QSize screen);
