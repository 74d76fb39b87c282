#include <gtest/gtest.h>

#include <QFile>

#include "app/JpegDecoder.h"

namespace {

QByteArray AboutPicture() {
  QFile file(QStringLiteral(VANTORA_ASSETS_FOLDER "AboutBackground.jpg"));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  return file.readAll();
}

}  // namespace

TEST(JpegDecoder, DecodesTheAboutPicture) {
  const QImage picture = DecodeJpeg(AboutPicture());
  ASSERT_FALSE(picture.isNull());
  EXPECT_EQ(picture.size(), QSize(1000, 880));
  qint64 brightness = 0;
  for (int y = 0; y < picture.height(); y += 10) {
    for (int x = 0; x < picture.width(); x += 10) brightness += qGray(picture.pixel(x, y));
  }
  EXPECT_LT(brightness / (100 * 88), 60) << "a dark picture";
}

TEST(JpegDecoder, DamagedOrForeignDataGivesNoPicture) {
  const QByteArray picture = AboutPicture();
  EXPECT_TRUE(DecodeJpeg(picture.left(picture.size() / 2)).isNull()) << "truncated in the data";
  EXPECT_TRUE(DecodeJpeg(picture.left(300)).isNull()) << "truncated in the header";
  EXPECT_TRUE(DecodeJpeg(picture.left(2)).isNull()) << "only the start marker";
  EXPECT_TRUE(DecodeJpeg(QByteArray()).isNull());
  EXPECT_TRUE(DecodeJpeg(QByteArray("GIF89a\x01\x00\x01\x00", 10)).isNull()) << "another format";
  EXPECT_TRUE(DecodeJpeg(QByteArray(4096, '\xff')).isNull()) << "nothing but markers";
}
