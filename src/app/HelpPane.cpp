#include "app/HelpPane.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

HelpPane::HelpPane(QWidget* parent, const std::string& programFolder)
    : QWidget(parent),
      webFolder_(QString::fromStdString(programFolder) + QStringLiteral("Web/")),
      webInfo_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("Panel1"));
  webInfo_->setObjectName(QStringLiteral("WebInfo"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(webInfo_);
}

void HelpPane::ShowHelpPage(const QString& page) {
  const QString path = webFolder_ + page;
  if (QFileInfo::exists(path)) {
    webInfo_->setSource(QUrl::fromLocalFile(path));
  } else {
    webInfo_->setHtml(
        QStringLiteral("<p>The help page %1 cannot be shown.</p>").arg(page.toHtmlEscaped()));
  }
}
