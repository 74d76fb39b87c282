#include "app/HelpPane.h"

#include <QFileInfo>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "app/Page.h"

HelpPane::HelpPane(QWidget* parent, const std::string& programFolder)
    : QWidget(parent),
      webFolder_(QString::fromStdString(programFolder) + QStringLiteral("Web/")),
      webInfo_(new QTextBrowser(this)) {
  setObjectName(QStringLiteral("Panel1"));
  webInfo_->setObjectName(QStringLiteral("WebInfo"));
  // Links are followed here rather than by the view, so that web links leave
  // the pane on its help page.
  webInfo_->setOpenLinks(false);
  connect(webInfo_, &QTextBrowser::anchorClicked, this, &HelpPane::FollowLink);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(webInfo_);
}

void HelpPane::ShowHelpPage(const QString& page) {
  ShowFile(QUrl::fromLocalFile(webFolder_ + page));
}

namespace {

bool IsHelpPage(const QUrl& target) {
  const QString suffix = QFileInfo(target.path()).suffix().toLower();
  return target.isLocalFile() &&
         (suffix == QLatin1String("htm") || suffix == QLatin1String("html"));
}

}  // namespace

void HelpPane::FollowLink(const QUrl& link) {
  const QUrl target = webInfo_->source().resolved(link);
  if (IsHelpPage(target)) {
    ShowFile(target);
  } else if (auto* page = qobject_cast<Page*>(window())) {
    // Web and mail links, and documents such as the manual, go to the
    // system's own programs through the page's opener.
    page->OpenExternally(target);
  }
}

void HelpPane::ShowFile(const QUrl& file) {
  if (QFileInfo(file.toLocalFile()).isFile()) {
    webInfo_->setSource(file);
    return;
  }
  webInfo_->setSource(QUrl());
  webInfo_->setHtml(QStringLiteral("<p>The help page %1 cannot be found in %2.</p>")
                        .arg(QFileInfo(file.toLocalFile()).fileName().toHtmlEscaped(),
                             webFolder_.toHtmlEscaped()));
}
