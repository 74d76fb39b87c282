#include "widgets/ButtonFaces.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

constexpr QSize FaceSize{140, 40};
const QColor FaceGreen{0, 128, 0};
const QColor FaceBlue{0, 64, 160};
const QColor FaceRed{192, 0, 0};

QString AccessibleName(ButtonFace face) {
  switch (face) {
    case ButtonFace::Next:
      return QCoreApplication::translate("ButtonFaces", "Next");
    case ButtonFace::Previous:
      return QCoreApplication::translate("ButtonFaces", "Previous");
    case ButtonFace::Program:
      return QCoreApplication::translate("ButtonFaces", "Program");
    case ButtonFace::Finish:
      return QCoreApplication::translate("ButtonFaces", "Finish");
    case ButtonFace::Stop:
      return QCoreApplication::translate("ButtonFaces", "Stop");
  }
  return {};
}

// A filled arrow in the given rectangle, its tip on the right or on the left.
void DrawArrow(QPainter& painter, QRectF box, bool pointsRight) {
  const qreal tipX = pointsRight ? box.right() : box.left();
  const qreal baseX = pointsRight ? box.left() : box.right();
  const qreal neckX =
      pointsRight ? box.right() - box.width() * 0.45 : box.left() + box.width() * 0.45;
  const qreal shaft = box.height() * 0.18;
  QPainterPath arrow;
  arrow.moveTo(baseX, box.center().y() - shaft);
  arrow.lineTo(neckX, box.center().y() - shaft);
  arrow.lineTo(neckX, box.top());
  arrow.lineTo(tipX, box.center().y());
  arrow.lineTo(neckX, box.bottom());
  arrow.lineTo(neckX, box.center().y() + shaft);
  arrow.lineTo(baseX, box.center().y() + shaft);
  arrow.closeSubpath();
  painter.fillPath(arrow, painter.pen().color());
}

// The word in the system's font, bold, as large as fits the picture's box
// (22 pixels high at most, as the design has it).
void DrawWord(QPainter& painter, QRectF box, const QString& word) {
  QFont font;
  font.setBold(true);
  for (int pixels = 22; pixels > 8; --pixels) {
    font.setPixelSize(pixels);
    if (QFontMetricsF(font).horizontalAdvance(word) <= box.width() - 4) break;
  }
  painter.setFont(font);
  painter.drawText(box, Qt::AlignCenter, word);
}

}  // namespace

QPixmap DrawButtonFace(ButtonFace face) {
  // Sharp at the screen's scale.
  const qreal scale = qApp ? qApp->devicePixelRatio() : 1.0;
  QPixmap pixmap(FaceSize * scale);
  pixmap.setDevicePixelRatio(scale);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const QRectF whole(QPointF(0, 0), QSizeF(FaceSize));
  switch (face) {
    case ButtonFace::Next:
      painter.setPen(FaceGreen);
      DrawWord(painter, whole.adjusted(0, 0, -44, 0),
               QCoreApplication::translate("ButtonFaces", "NEXT"));
      DrawArrow(painter, QRectF(100, 8, 34, 24), true);
      break;
    case ButtonFace::Previous:
      painter.setPen(FaceGreen);
      DrawArrow(painter, QRectF(6, 8, 34, 24), false);
      DrawWord(painter, whole.adjusted(44, 0, 0, 0),
               QCoreApplication::translate("ButtonFaces", "PREV"));
      break;
    case ButtonFace::Program:
      painter.setPen(FaceBlue);
      DrawWord(painter, whole, QCoreApplication::translate("ButtonFaces", "PROGRAM"));
      break;
    case ButtonFace::Finish:
      painter.setPen(FaceGreen);
      DrawWord(painter, whole, QCoreApplication::translate("ButtonFaces", "FINISH"));
      break;
    case ButtonFace::Stop:
      painter.setPen(FaceRed);
      DrawWord(painter, whole, QCoreApplication::translate("ButtonFaces", "STOP"));
      break;
  }
  return pixmap;
}

void SetButtonFace(QPushButton* button, ButtonFace face) {
  button->setIcon(QIcon(DrawButtonFace(face)));
  button->setIconSize(FaceSize);
  button->setAccessibleName(AccessibleName(face));
}

QPushButton* MakePictureButton(QWidget* parent, const char* objectName, ButtonFace face) {
  auto* button = new QPushButton(parent);
  button->setObjectName(QString::fromLatin1(objectName));
  button->setMinimumSize(FaceSize + QSize(10, 10));
  // Enter and Return press the focused button, as Space does.
  button->setAutoDefault(true);
  SetButtonFace(button, face);
  return button;
}
