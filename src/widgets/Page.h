#pragma once

#include <QSet>
#include <QWidget>

#include "profiles/Task.h"
#include "widgets/AppPorts.h"

class QLayout;
class QMenuBar;
class QSplitter;
class QStatusBar;
class QVBoxLayout;

// One page of the program's window, laid out by Qt: its menu bar when it has
// one, what it shows, and its status bar when it has one. While the page is
// on screen its caption is the window's. A page runs its show and hide
// behaviour when the page flow shows or hides it, not when the window system
// restores a minimised window.
class Page : public QWidget {
  Q_OBJECT

 public:
  Page(AppPorts& ports, const char* objectName, const QString& caption);

  // Made on first use: above the page's content.
  QMenuBar* MenuBar();
  // Opens a link or document with the system's default application.
  bool OpenExternally(const QUrl& url);
  // Asked when the window is to close while the page is on screen; true
  // when it may close.
  virtual Task<bool> MayClose();

 protected:
  virtual void OnShown() {}
  virtual void OnHidden() {}
  // A mouse button released over the page where no control lies.
  virtual void OnFreeAreaReleased(Qt::MouseButton) {}

  // The page's content, below its menu bar.
  void SetContent(QLayout* content);
  // An area that only holds controls: a release over it is the page's own.
  QWidget* Area(QLayout* layout);
  // The left part and the right one (the help pane) with a handle between
  // them that the user can drag; where it was left is kept under the key.
  // The left part starts at the design's width, or at its controls' width
  // where they need more, and both grow with the window.
  QSplitter* Split(QWidget* left, QWidget* right, int designLeftWidth,
                   const QString& settingsKey);
  // Made on first use: below the page's content.
  QStatusBar* StatusBar();

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  AppPorts& ports_;

 private:
  QVBoxLayout* layout_;
  QMenuBar* menuBar_ = nullptr;
  QStatusBar* statusBar_ = nullptr;
  QSet<QWidget*> areas_;
};
