// Started with LANG=fr_FR.UTF-8: the program speaks French, and so do Qt's
// own buttons.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>

#include "formatting/UserLanguage.h"

TEST(QtOwnTextsInFrenchTest, TheYesNoAndCancelButtonsOfAQuestionAreFrench) {
  SpeakUsersLanguage(*qApp);
  QMessageBox question(QMessageBox::Question, QStringLiteral("Vantora"), QStringLiteral("?"),
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
  EXPECT_EQ(question.button(QMessageBox::Yes)->text(), QStringLiteral("&Oui"));
  EXPECT_EQ(question.button(QMessageBox::No)->text(), QStringLiteral("&Non"));
  EXPECT_EQ(question.button(QMessageBox::Cancel)->text(), QStringLiteral("Annuler"));
}
