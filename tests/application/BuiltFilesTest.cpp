#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

TEST(Manual, IsAPdfOfSeveralPages) {
  QFile manual(VANTORA_BUILT_PROGRAM_FOLDER "Documentation/Vantora_Manual.pdf");
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
  const QString pdf = QString::fromLatin1(manual.readAll());
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  EXPECT_GT(pdf.count(QRegularExpression("/Type\\s*/Page(?!s)")), 1);
}
