// The translations are complete: every text that the program shows has a
// finished translation in every language, with the same placeholders.
#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QXmlStreamReader>
#include <vector>

namespace {

struct Message {
  QString Context;
  QString Source;
  QString Translation;
  QString Type;  // empty when finished; "unfinished", "obsolete", "vanished"
};

std::vector<Message> MessagesOf(const QString& path) {
  QFile file(path);
  EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
  std::vector<Message> messages;
  QXmlStreamReader xml(&file);
  QString context;
  while (!xml.atEnd()) {
    xml.readNext();
    if (!xml.isStartElement()) continue;
    if (xml.name() == QLatin1String("name")) context = xml.readElementText();
    if (xml.name() == QLatin1String("message")) messages.push_back({context, {}, {}, {}});
    if (xml.name() == QLatin1String("source")) messages.back().Source = xml.readElementText();
    if (xml.name() == QLatin1String("translation")) {
      messages.back().Type = xml.attributes().value(QLatin1String("type")).toString();
      messages.back().Translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
  }
  EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
  return messages;
}

QSet<QString> Placeholders(const QString& text) {
  static const QRegularExpression placeholder(QStringLiteral("%(?:[1-9]|L?n)"));
  QSet<QString> found;
  for (const QRegularExpressionMatch& match : placeholder.globalMatch(text))
    found.insert(match.captured());
  return found;
}

class TranslationFilesTest : public ::testing::TestWithParam<const char*> {
 protected:
  std::vector<Message> Messages() const {
    return MessagesOf(QStringLiteral(VANTORA_TRANSLATIONS_FOLDER "vantora_%1.ts")
                          .arg(QString::fromLatin1(GetParam())));
  }
};

}  // namespace

TEST_P(TranslationFilesTest, EveryTextHasAFinishedTranslation) {
  const std::vector<Message> messages = Messages();
  EXPECT_FALSE(messages.empty());
  for (const Message& message : messages) {
    EXPECT_TRUE(message.Type.isEmpty() && !message.Translation.isEmpty())
        << message.Context.toStdString() << ": \"" << message.Source.toStdString() << "\" is "
        << (message.Type.isEmpty() ? "empty" : message.Type.toStdString());
  }
}

TEST_P(TranslationFilesTest, EveryTranslationKeepsThePlaceholdersOfItsSource) {
  for (const Message& message : Messages()) {
    if (message.Translation.isEmpty()) continue;
    EXPECT_EQ(Placeholders(message.Translation), Placeholders(message.Source))
        << message.Context.toStdString() << ": \"" << message.Source.toStdString() << "\" as \""
        << message.Translation.toStdString() << "\"";
  }
}

INSTANTIATE_TEST_SUITE_P(Languages, TranslationFilesTest, ::testing::Values("de", "fr"));
