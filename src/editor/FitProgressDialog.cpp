#include "editor/FitProgressDialog.h"

#include <QCoreApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

FitProgressDialog::FitProgressDialog(QWidget* window, std::function<void()> cancel)
    : QDialog(window), cancel_(std::move(cancel)) {
  setObjectName(QStringLiteral("MakeItFitProgress"));
  setWindowTitle(QCoreApplication::translate("MakeItFit", "Make It Fit"));
  setWindowModality(Qt::WindowModal);
  what_ = new QLabel(this);
  bar_ = new QProgressBar(this);
  bar_->setObjectName(QStringLiteral("MakeItFitBar"));
  bar_->setMinimumWidth(320);
  cancelButton_ = new QPushButton(QCoreApplication::translate("MakeItFit", "Cancel"), this);
  cancelButton_->setObjectName(QStringLiteral("MakeItFitCancel"));
  connect(cancelButton_, &QPushButton::clicked, this, &FitProgressDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(what_);
  layout->addWidget(bar_);
  layout->addWidget(cancelButton_, 0, Qt::AlignRight);
}

void FitProgressDialog::ShowWork(const QString& what, int maximum) {
  what_->setText(what);
  bar_->setRange(0, maximum);
  bar_->setValue(0);
  cancelButton_->setEnabled(true);
  cancelButton_->setFocus();
  show();
}

void FitProgressDialog::ShowDone(int value) {
  bar_->setValue(value);
}

void FitProgressDialog::reject() {
  if (!cancelButton_->isEnabled()) return;
  what_->setText(QCoreApplication::translate("MakeItFit", "Cancelling\u2026"));
  cancelButton_->setEnabled(false);
  cancel_();
}
