#include <gtest/gtest.h>

#include "application/DisplayCheck.h"

TEST(DisplayCheck, TheDesktopPlatformsNeedTheirDisplayAndOthersNone) {
  const QString none;
  const QString x11 = QStringLiteral(":0");
  const QString wayland = QStringLiteral("wayland-0");
  EXPECT_FALSE(DisplayFound(none, none, none));
  EXPECT_TRUE(DisplayFound(none, x11, none));
  EXPECT_TRUE(DisplayFound(none, none, wayland));
  EXPECT_FALSE(DisplayFound(QStringLiteral("xcb"), none, wayland));
  EXPECT_FALSE(DisplayFound(QStringLiteral("wayland-egl"), x11, none));
  EXPECT_TRUE(DisplayFound(QStringLiteral("wayland;xcb"), x11, none)) << "tried in turn";
  EXPECT_TRUE(DisplayFound(QStringLiteral("xcb:nograb"), x11, none));
  for (const char* platform : {"offscreen", "minimal", "vnc:size=800x600", "linuxfb"})
    EXPECT_TRUE(DisplayFound(QString::fromLatin1(platform), none, none)) << platform;
}
