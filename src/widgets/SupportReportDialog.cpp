#include "widgets/SupportReportDialog.h"

#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSaveFile>
#include <QVBoxLayout>

#include "diagnostics/LogCategories.h"
#include "widgets/StatusText.h"

namespace {

QPushButton* AddButton(QDialogButtonBox* buttons, const char* objectName, const QString& caption,
                       QDialogButtonBox::ButtonRole role) {
  QPushButton* button = buttons->addButton(caption, role);
  button->setObjectName(QString::fromLatin1(objectName));
  return button;
}

}  // namespace

SupportReportDialog::SupportReportDialog(QWidget* parent, std::string report)
    : QDialog(parent), report_(std::move(report)) {
  setObjectName(QStringLiteral("SupportReport"));
  setWindowTitle(tr("Support Report"));
  auto* layout = new QVBoxLayout(this);
  auto* explanation = new QLabel(
      tr("Attach this report when you ask for help. It holds no sound and no song data, and paths "
         "in your home folder are shown as ~."),
      this);
  explanation->setWordWrap(true);
  layout->addWidget(explanation);

  auto* text = new QPlainTextEdit(QString::fromStdString(report_), this);
  text->setObjectName(QStringLiteral("ReportText"));
  text->setReadOnly(true);
  text->setLineWrapMode(QPlainTextEdit::NoWrap);
  text->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  layout->addWidget(text);

  outcome_ = new QLabel(this);
  outcome_->setObjectName(QStringLiteral("Outcome"));
  layout->addWidget(outcome_);

  auto* buttons = new QDialogButtonBox(this);
  connect(AddButton(buttons, "CopyButton", tr("&Copy"), QDialogButtonBox::ActionRole),
          &QPushButton::clicked, this, &SupportReportDialog::Copy);
  QPushButton* save =
      AddButton(buttons, "SaveButton", tr("&Save\u2026"), QDialogButtonBox::AcceptRole);
  connect(AddButton(buttons, "CloseButton", tr("Close"), QDialogButtonBox::RejectRole),
          &QPushButton::clicked, this, &QDialog::reject);
  // Save is the default button, but it only asks where: accepting comes with the writing.
  disconnect(buttons, &QDialogButtonBox::accepted, nullptr, nullptr);
  connect(save, &QPushButton::clicked, this, &SupportReportDialog::AskWhereToSave);
  save->setDefault(true);
  layout->addWidget(buttons);
  resize(720, 520);
}

void SupportReportDialog::Copy() {
  QGuiApplication::clipboard()->setText(QString::fromStdString(report_));
  ShowStatusText(outcome_, tr("Copied to the clipboard."), SuccessColour);
}

void SupportReportDialog::AskWhereToSave() {
  auto* dialog =
      new QFileDialog(this, tr("Save Support Report"),
                      QDir::home().filePath(QStringLiteral("vantora-support-report.txt")),
                      tr("Text files (*.txt)"));
  dialog->setObjectName(QStringLiteral("SaveReportDialog"));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  // Qt's own dialog, chosen before anything else is set on it.
  dialog->setOption(QFileDialog::DontUseNativeDialog);
  dialog->setAcceptMode(QFileDialog::AcceptSave);
  dialog->setDefaultSuffix(QStringLiteral("txt"));
  connect(dialog, &QFileDialog::fileSelected, this, &SupportReportDialog::Save);
  dialog->open();
}

void SupportReportDialog::Save(const QString& path) {
  QSaveFile file(path);
  const auto size = static_cast<qint64>(report_.size());
  if (!file.open(QIODevice::WriteOnly) || file.write(report_.data(), size) != size ||
      !file.commit()) {
    ShowStatusText(outcome_,
                   tr("The report could not be saved to %1: %2")
                       .arg(QDir::toNativeSeparators(path), file.errorString()),
                   FailureColour);
    return;
  }
  qCInfo(AppLogging, "support report saved to %s", qPrintable(path));
  accept();
}

void ShowSupportReport(QWidget* window, std::string report) {
  auto* dialog = new SupportReportDialog(window, std::move(report));
  dialog->setAttribute(Qt::WA_DeleteOnClose);
  dialog->open();
}
