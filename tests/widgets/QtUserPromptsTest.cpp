#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "widgets/QtUserPrompts.h"

namespace {

QMessageBox* OpenBox() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* box = qobject_cast<QMessageBox*>(window); box && box->isVisible()) return box;
  }
  return nullptr;
}

}  // namespace

// The real box: Esc and the close box are tried while it is open, then the
// box is answered by its own button if it is still open.
TEST(QtUserPrompts, YesNoQuestionsHaveNoEscapeAnswerAndBoxesWithCancelTakeEscAsCancel) {
  using enum PromptAnswer;
  const std::tuple<PromptButtons, bool, PromptAnswer> cases[] = {
      {PromptButtons::YesNo, false, No},
      {PromptButtons::YesNoCancel, true, Cancel},
      {PromptButtons::OkCancel, true, Cancel},
      {PromptButtons::Ok, true, Ok}};
  for (const auto& [buttons, escapeAnswers, answer] : cases) {
    SCOPED_TRACE(static_cast<int>(buttons));
    bool answeredByEscape = false, answeredByCloseBox = false;
    QString title;
    QTimer::singleShot(0, [&] {
      QMessageBox* box = OpenBox();
      if (box == nullptr) return ADD_FAILURE() << "no box is open";
      title = box->windowTitle();
      QTest::keyClick(box, Qt::Key_Escape);
      answeredByEscape = !box->isVisible();
      if (answeredByEscape) return;
      box->close();
      answeredByCloseBox = !box->isVisible();
      if (!answeredByCloseBox) box->button(QMessageBox::No)->click();
    });
    QtUserPrompts prompts;
    EXPECT_EQ(prompts.Ask({"Save profile?", "", buttons}), answer);
    EXPECT_EQ(answeredByEscape, escapeAnswers);
    EXPECT_FALSE(answeredByCloseBox);
    EXPECT_EQ(title, "Door Bell Programmer") << "a box without a title shows the application's";
  }
}
