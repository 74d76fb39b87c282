#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

TEST(Manual, IsAPdfOfSeveralPages) {
  QFile manual(QStringLiteral(VANTORA_BUILT_PROGRAM_FOLDER "Documentation/Vantora_Manual.pdf"));
  ASSERT_TRUE(manual.open(QIODevice::ReadOnly));
  const QByteArray pdf = manual.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?!s)"));
  int count = 0;
  for (auto match = page.globalMatch(QString::fromLatin1(pdf)); match.hasNext(); match.next()) {
    ++count;
  }
  EXPECT_GT(count, 1);
}
