// Renders the program's SVG icon as a square PNG for the icon theme.
// Usage: icon_png <icon.svg> <size> <output.png>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv) {
  // The build has no display.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication application(argc, argv);
  const int size = argc == 4 ? QString::fromLocal8Bit(argv[2]).toInt() : 0;
  if (size <= 0) {
    std::fprintf(stderr, "usage: icon_png <icon.svg> <size> <output.png>\n");
    return 2;
  }
  QSvgRenderer icon(QString::fromLocal8Bit(argv[1]));
  if (!icon.isValid()) {
    std::fprintf(stderr, "icon_png: cannot read the SVG icon %s\n", argv[1]);
    return 1;
  }
  QImage picture(size, size, QImage::Format_ARGB32_Premultiplied);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  icon.render(&painter);
  painter.end();
  if (!picture.save(QString::fromLocal8Bit(argv[3]), "PNG")) {
    std::fprintf(stderr, "icon_png: cannot write %s\n", argv[3]);
    return 1;
  }
  return 0;
}
