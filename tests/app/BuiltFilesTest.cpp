#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

#include "app/JpegDecoder.h"

TEST(Manual, IsAPdfOfSeveralPages) {
  QFile manual(VANTORA_BUILT_PROGRAM_FOLDER "Documentation/Vantora_Manual.pdf");
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
  const QString pdf = QString::fromLatin1(manual.readAll());
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_GT(pdf.count(QRegularExpression("/Type\\s*/Page(?!s)")), 1);
}

TEST(JpegDecoder, DecodesTheDarkAboutPictureAndNothingFromDamagedOrForeignData) {
  QFile file(VANTORA_ASSETS_FOLDER "AboutBackground.jpg");
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray jpeg = file.readAll();
  const QImage picture = DecodeJpeg(jpeg);
  ASSERT_EQ(picture.size(), QSize(1000, 880));
  qint64 brightness = 0;
  for (int y = 0; y < picture.height(); y += 10) {
    for (int x = 0; x < picture.width(); x += 10) brightness += qGray(picture.pixel(x, y));
  }
  EXPECT_LT(brightness / (100 * 88), 60) << "a dark picture";
  for (const QByteArray& damaged :
       {jpeg.left(jpeg.size() / 2), jpeg.left(300), jpeg.left(2), QByteArray(),
        QByteArray("GIF89a\x01\x00\x01\x00", 10), QByteArray(4096, '\xff')}) {
    EXPECT_TRUE(DecodeJpeg(damaged).isNull()) << damaged.size() << " bytes";
  }
}
