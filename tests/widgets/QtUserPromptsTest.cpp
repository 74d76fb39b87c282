#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QInputDialog>
#include <QMainWindow>
#include <QMessageBox>
#include <QPushButton>
#include <QStyle>
#include <QTest>

#include "widgets/QtUserPrompts.h"

namespace {

template <typename Dialog>
Dialog* OpenDialog() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (auto* dialog = qobject_cast<Dialog*>(window); dialog && dialog->isVisible()) return dialog;
  }
  return nullptr;
}

}  // namespace

// The real box, opened without a loop of its own: Esc and the close box are
// tried while it is open, then it is answered by its own button if it is
// still open.
TEST(QtUserPrompts, YesNoQuestionsHaveNoEscapeAnswerAndBoxesWithCancelTakeEscAsCancel) {
  using enum PromptAnswer;
  const std::tuple<PromptButtons, bool, PromptAnswer> cases[] = {
      {PromptButtons::YesNo, false, No},
      {PromptButtons::YesNoCancel, true, Cancel},
      {PromptButtons::OkCancel, true, Cancel},
      {PromptButtons::Ok, true, Ok}};
  QtUserPrompts prompts;
  for (const auto& [buttons, escapeAnswers, expected] : cases) {
    SCOPED_TRACE(static_cast<int>(buttons));
    std::optional<PromptAnswer> answer;
    prompts.Ask({"Save profile?", "", buttons}, [&answer](PromptAnswer given) { answer = given; });
    QMessageBox* box = OpenDialog<QMessageBox>();
    ASSERT_NE(box, nullptr) << "open at once";
    EXPECT_TRUE(prompts.IsOpen());
    EXPECT_EQ(box->windowTitle(), "Door Bell Programmer") << "a box without a title shows the "
                                                             "application's";
    QTest::keyClick(box, Qt::Key_Escape);
    QCoreApplication::processEvents();
    EXPECT_EQ(answer.has_value(), escapeAnswers);
    if (!answer) {
      box->close();
      EXPECT_FALSE(answer) << "nor by the close box";
      box->button(QMessageBox::No)->click();
    }
    EXPECT_EQ(answer, expected);
    EXPECT_FALSE(prompts.IsOpen());
  }
}

TEST(QtUserPrompts, QuestionsOpenOverTheWindowAndWhatWaitsRunsOnceAllAreAnswered) {
  QMainWindow window;
  window.show();
  QtUserPrompts prompts;
  prompts.OpenOver(&window);
  std::vector<std::string> happened;
  prompts.WhenNoneOpen([&happened] { happened.push_back("at once"); });
  prompts.Ask({"First?", "", PromptButtons::YesNo,
               PromptIcon::None,
               std::nullopt,
               {"Find It\u2026", "Remove From List"}},
              [&](PromptAnswer) {
                happened.push_back("first answered");
                // The next question opens before the first counts as closed.
                prompts.AskText({"Create profile name...", "Profile Name", "Porch"},
                                [&](std::optional<std::string> typed) {
                                  happened.push_back("typed " + typed.value_or("nothing"));
                                });
              });
  prompts.WhenNoneOpen([&happened] { happened.push_back("once none is open"); });
  QMessageBox* box = OpenDialog<QMessageBox>();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->parentWidget(), &window);
  EXPECT_EQ(box->windowModality(), Qt::WindowModal);
  EXPECT_EQ(box->button(QMessageBox::Yes)->text(), "Find It\u2026") << "captions that say what";
  box->button(QMessageBox::Yes)->click();
  QInputDialog* input = OpenDialog<QInputDialog>();
  ASSERT_NE(input, nullptr);
  EXPECT_EQ(input->parentWidget(), &window);
  EXPECT_EQ(input->textValue(), "Porch");
  QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
  titleFont.setBold(true);
  // A title bar holds the window's icon and three buttons beside its caption.
  const int titleBarButtons = 4 * input->style()->pixelMetric(QStyle::PM_TitleBarHeight);
  EXPECT_GE(input->width(),
            QFontMetrics(titleFont).horizontalAdvance(input->windowTitle()) + titleBarButtons)
      << "room for the whole caption in the title bar";
  input->setTextValue("Garden");
  input->accept();
  EXPECT_EQ(happened, (std::vector<std::string>{"at once", "first answered", "typed Garden",
                                                "once none is open"}));
}
