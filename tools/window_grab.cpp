// Saves a picture of one window of the X display as PNG; the screenshot
// script uses it while it drives the program.
// Usage: window_grab <window id> <output.png>
#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication application(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: window_grab <window id> <output.png>\n");
    return 2;
  }
  bool isNumber = false;
  const WId window = QByteArray(argv[1]).toULongLong(&isNumber, 0);
  QScreen* screen = QGuiApplication::primaryScreen();
  if (!isNumber || !screen) return 1;
  const QPixmap picture = screen->grabWindow(window);
  if (picture.isNull() || !picture.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
    std::fprintf(stderr, "window_grab: cannot save window %s\n", argv[1]);
    return 1;
  }
  return 0;
}
