#pragma once

#include <QMainWindow>
#include <QRect>
#include <QSize>
#include <optional>

#include "widgets/AnchorLayout.h"
#include "widgets/AppPorts.h"

// What the three pages share: a client area laid out by design positions and
// anchors, the smallest outer size of 800 × 600, and show and hide behaviour
// that runs when a page transition shows or hides the page (not when the
// window system restores a minimised window).
class Page : public QMainWindow {
  Q_OBJECT

 public:
  static constexpr QSize MinimumOuterSize{800, 600};

  Page(AppPorts& ports, const char* objectName, const QString& caption, QSize designClientSize);

  // Opens a link or document with the system's default application.
  bool OpenExternally(const QUrl& url);
  // Puts the window's frame, title bar included, at the point on the screen.
  void PlaceFrameAt(QPoint point);

 protected:
  virtual void OnShown() {}
  virtual void OnHidden() {}
  // A mouse button released over the client area where no control lies.
  virtual void OnFreeAreaReleased(Qt::MouseButton) {}
  void KeepMinimumSize();

  // Places a control of the client area, or of its left part once split.
  void Place(QWidget* control, QRect design, int anchors);
  // Splits the design area into a left part of the given width, where the
  // controls placed from now on go, and `right` beside it, with a handle
  // between them that the user can drag. Both grow with the window; where
  // the handle was left is kept in the settings under the key.
  void SplitClientArea(QRect design, int leftWidth, QWidget* right, const QString& settingsKey);
  // Sizes the window as the user last left the program's windows, else to
  // its design client size; called once the page's menu bar and controls exist.
  void ApplyStartSize();
  void EndApplication();

  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

  AppPorts& ports_;
  QWidget* client_;

 private:
  AnchorLayout* layout_;
  // Where Place puts controls: the client area, or its left part.
  QWidget* controlArea_;
  // Where the window manager is to put the frame when the window is shown.
  std::optional<QPoint> framePositionToAsk_;
};

// A page transition: the page being shown takes the frame position and the
// size of the page being left, then the old page is hidden and the new one
// shown, so that the pages seem one window whose content changes.
void ShowInPlaceOf(Page* next, Page* current);
