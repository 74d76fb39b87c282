#include "widgets/QtUserPrompts.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QStyle>
#include <QTimer>
#include <algorithm>

#include "widgets/ApplicationTitle.h"

namespace {

QString Text(const std::string& text) {
  return QString::fromStdString(text);
}

QString TitleOrApplicationTitle(const std::string& title) {
  return title.empty() ? ApplicationTitle() : Text(title);
}

QMessageBox::Icon IconOf(PromptIcon icon) {
  switch (icon) {
    case PromptIcon::Question:
      return QMessageBox::Question;
    case PromptIcon::Exclamation:
      return QMessageBox::Warning;
    case PromptIcon::Stop:
      return QMessageBox::Critical;
    case PromptIcon::None:
      break;
  }
  return QMessageBox::NoIcon;
}

// The buttons in their order; the first is the default.
QList<QMessageBox::StandardButton> ButtonsOf(PromptButtons buttons) {
  switch (buttons) {
    case PromptButtons::Ok:
      return {QMessageBox::Ok};
    case PromptButtons::OkCancel:
      return {QMessageBox::Ok, QMessageBox::Cancel};
    case PromptButtons::YesNo:
      return {QMessageBox::Yes, QMessageBox::No};
    case PromptButtons::YesNoCancel:
      return {QMessageBox::Yes, QMessageBox::No, QMessageBox::Cancel};
  }
  return {QMessageBox::Ok};
}

QMessageBox::StandardButton ButtonOf(PromptAnswer answer) {
  switch (answer) {
    case PromptAnswer::Yes:
      return QMessageBox::Yes;
    case PromptAnswer::No:
      return QMessageBox::No;
    case PromptAnswer::Ok:
      return QMessageBox::Ok;
    case PromptAnswer::Cancel:
      break;
  }
  return QMessageBox::Cancel;
}

PromptAnswer AnswerOf(int button) {
  switch (button) {
    case QMessageBox::Yes:
      return PromptAnswer::Yes;
    case QMessageBox::No:
      return PromptAnswer::No;
    case QMessageBox::Ok:
      return PromptAnswer::Ok;
    default:
      return PromptAnswer::Cancel;
  }
}

// A Yes/No question has no Escape answer: Esc and the close box do nothing,
// so that it is never answered No by accident. A box with a Cancel button
// takes Esc as Cancel, and one with only OK as OK.
class QuestionBox final : public QMessageBox {
 public:
  QuestionBox(const ::Question& question, QWidget* parent)
      : QMessageBox(IconOf(question.Icon), TitleOrApplicationTitle(question.Title),
                    Text(question.Text), QMessageBox::NoButton, parent) {
    const QList<QMessageBox::StandardButton> buttons = ButtonsOf(question.Buttons);
    for (QMessageBox::StandardButton button : buttons) addButton(button);
    for (std::size_t at = 0; at < question.Captions.size() && at < std::size_t(buttons.size()); ++at) {
      button(buttons[static_cast<int>(at)])->setText(Text(question.Captions[at]));
    }
    setDefaultButton(question.DefaultAnswer ? ButtonOf(*question.DefaultAnswer) : buttons.front());
    escapable_ = question.Buttons != PromptButtons::YesNo;
    if (escapable_) setEscapeButton(buttons.back());
  }

 protected:
  void keyPressEvent(QKeyEvent* event) override {
    if (!escapable_ && event->matches(QKeySequence::Cancel)) return;
    QMessageBox::keyPressEvent(event);
  }
  void closeEvent(QCloseEvent* event) override {
    if (!escapable_) {
      event->ignore();
      return;
    }
    QMessageBox::closeEvent(event);
  }

 private:
  bool escapable_ = true;
};

// Wide enough that the window manager shows the whole caption beside the
// title bar's buttons (message boxes see to this themselves): a narrow box
// would show "Creat… ame…".
void MakeRoomForCaption(QDialog* dialog) {
  QFont titleFont = QApplication::font("QMdiSubWindowTitleBar");
  titleFont.setBold(true);
  const int titleBarButtons =
      4 * dialog->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, dialog);
  const int width =
      QFontMetrics(titleFont).horizontalAdvance(dialog->windowTitle()) + titleBarButtons;
  const QSize natural = dialog->sizeHint();
  dialog->resize(std::max(natural.width(), width), natural.height());
}

// "Label (patterns)" as Qt shows and parses it.
QString NameFilter(const FileFilter& filter) {
  const QString label = Text(filter.Label);
  return label.contains(QLatin1Char('('))
             ? label
             : label + QStringLiteral(" (") + Text(filter.Pattern) + QLatin1Char(')');
}

}  // namespace

void QtUserPrompts::Open(QDialog* dialog, std::function<void()> finished) {
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  ++openDialogs_;
  connect(dialog, &QDialog::finished, this, [this, finished = std::move(finished)] {
    // The answer may open the next question before this one counts as closed.
    finished();
    --openDialogs_;
    if (openDialogs_ == 0) RunWhatWaited();
  });
  dialog->open();
}

void QtUserPrompts::WhenNoneOpen(std::function<void()> then) {
  if (!IsOpen()) {
    then();
    return;
  }
  waiting_.push_back(std::move(then));
}

void QtUserPrompts::RunWhatWaited() {
  std::vector<std::function<void()>> waiting = std::exchange(waiting_, {});
  for (std::size_t at = 0; at < waiting.size(); ++at) {
    // What runs may open a question: the rest waits for it in turn.
    if (IsOpen()) {
      waiting_.insert(waiting_.begin(), waiting.begin() + static_cast<std::ptrdiff_t>(at),
                      waiting.end());
      return;
    }
    waiting[at]();
  }
}

void QtUserPrompts::Ask(const Question& question, std::function<void(PromptAnswer)> answered) {
  auto* box = new QuestionBox(question, window_);
  Open(box, [box, answered = std::move(answered)] {
    QAbstractButton* clicked = box->clickedButton();
    answered(clicked ? AnswerOf(box->standardButton(clicked)) : PromptAnswer::Cancel);
  });
}

void QtUserPrompts::ChooseFiles(const FileDialog& dialog,
                                std::function<void(std::vector<std::string>)> chosen) {
  auto* fileDialog = new QFileDialog(window_, Text(dialog.Title), Text(dialog.InitialFolder));
  // Qt's own dialog: its filters match regardless of letter case.
  fileDialog->setOption(QFileDialog::DontUseNativeDialog);
  fileDialog->setFileMode(dialog.MultipleFiles ? QFileDialog::ExistingFiles
                                               : QFileDialog::ExistingFile);
  fileDialog->setAcceptMode(QFileDialog::AcceptOpen);
  QStringList filters;
  for (const FileFilter& filter : dialog.Filters) filters << NameFilter(filter);
  fileDialog->setNameFilters(filters);
  if (!filters.isEmpty()) fileDialog->selectNameFilter(filters.front());
  if (!dialog.ProposedFile.empty()) fileDialog->selectFile(Text(dialog.ProposedFile));
  Open(fileDialog, [fileDialog, chosen = std::move(chosen)] {
    std::vector<std::string> files;
    if (fileDialog->result() == QDialog::Accepted) {
      for (const QString& file : fileDialog->selectedFiles()) files.push_back(file.toStdString());
    }
    chosen(std::move(files));
  });
}

void QtUserPrompts::AskText(const TextRequest& request,
                            std::function<void(std::optional<std::string>)> typed) {
  auto* dialog = new QInputDialog(window_);
  dialog->setWindowTitle(Text(request.Caption));
  dialog->setLabelText(Text(request.Prompt));
  dialog->setTextValue(Text(request.InitialText));
  MakeRoomForCaption(dialog);
  // A name offered again is selected, so that typing replaces it.
  QTimer::singleShot(0, dialog, [dialog] {
    if (auto* line = dialog->findChild<QLineEdit*>()) line->selectAll();
  });
  Open(dialog, [dialog, typed = std::move(typed)] {
    if (dialog->result() != QDialog::Accepted) return typed(std::nullopt);
    typed(dialog->textValue().toStdString());
  });
}
