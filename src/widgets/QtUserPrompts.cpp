#include "widgets/QtUserPrompts.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

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

// "Label (patterns)" as Qt shows and parses it.
QString NameFilter(const FileFilter& filter) {
  const QString label = Text(filter.Label);
  return label.contains(QLatin1Char('('))
             ? label
             : label + QStringLiteral(" (") + Text(filter.Pattern) + QLatin1Char(')');
}

// Counts the dialog as open for as long as it lives.
class OpenDialogCount {
 public:
  explicit OpenDialogCount(int& count) : count_(count) { ++count_; }
  ~OpenDialogCount() { --count_; }
  OpenDialogCount(const OpenDialogCount&) = delete;
  OpenDialogCount& operator=(const OpenDialogCount&) = delete;

 private:
  int& count_;
};

}  // namespace

PromptAnswer QtUserPrompts::Ask(const Question& question) {
  OpenDialogCount open(openDialogs_);
  QuestionBox box(question, QApplication::activeWindow());
  return AnswerOf(box.exec());
}

std::vector<std::string> QtUserPrompts::ChooseFiles(const FileDialog& dialog) {
  OpenDialogCount open(openDialogs_);
  QFileDialog fileDialog(QApplication::activeWindow(), Text(dialog.Title),
                         Text(dialog.InitialFolder));
  // Qt's own dialog: its filters match regardless of letter case.
  fileDialog.setOption(QFileDialog::DontUseNativeDialog);
  fileDialog.setFileMode(dialog.MultipleFiles ? QFileDialog::ExistingFiles
                                              : QFileDialog::ExistingFile);
  fileDialog.setAcceptMode(QFileDialog::AcceptOpen);
  QStringList filters;
  for (const FileFilter& filter : dialog.Filters) filters << NameFilter(filter);
  fileDialog.setNameFilters(filters);
  if (!filters.isEmpty()) fileDialog.selectNameFilter(filters.front());
  if (!dialog.ProposedFile.empty()) fileDialog.selectFile(Text(dialog.ProposedFile));
  std::vector<std::string> chosen;
  if (fileDialog.exec() != QDialog::Accepted) return chosen;
  for (const QString& file : fileDialog.selectedFiles()) chosen.push_back(file.toStdString());
  return chosen;
}

std::optional<std::string> QtUserPrompts::AskText(const std::string& caption,
                                                  const std::string& prompt,
                                                  const std::string& initialText) {
  OpenDialogCount open(openDialogs_);
  QInputDialog dialog(QApplication::activeWindow());
  dialog.setWindowTitle(Text(caption));
  dialog.setLabelText(Text(prompt));
  dialog.setTextValue(Text(initialText));
  // A name offered again is selected, so that typing replaces it.
  QTimer::singleShot(0, &dialog, [&dialog] {
    if (auto* line = dialog.findChild<QLineEdit*>()) line->selectAll();
  });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.textValue().toStdString();
}
