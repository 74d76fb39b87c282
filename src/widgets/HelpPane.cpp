#include "widgets/HelpPane.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QTextBrowser>
#include <QToolButton>
#include <QVBoxLayout>

#include "widgets/Page.h"

namespace {

// The pane's HTML view. A help page that is not there is replaced by a short
// notice, as a browser shows a page of its own for a file it cannot open.
class HelpView : public QTextBrowser {
 public:
  using QTextBrowser::QTextBrowser;

  QVariant loadResource(int type, const QUrl& name) override {
    const QFileInfo file(name.toLocalFile());
    if (type == QTextDocument::HtmlResource && name.isLocalFile() && !file.isFile()) {
      return QCoreApplication::translate("HelpPane",
                                         "<p>The help page %1 cannot be found in %2.</p>")
          .arg(file.fileName().toHtmlEscaped(), file.absolutePath().toHtmlEscaped());
    }
    return QTextBrowser::loadResource(type, name);
  }
};

bool IsHelpPage(const QUrl& target) {
  const QString suffix = QFileInfo(target.path()).suffix().toLower();
  return target.isLocalFile() &&
         (suffix == QLatin1String("htm") || suffix == QLatin1String("html"));
}

}  // namespace

HelpPane::HelpPane(QWidget* parent, const std::string& programFolder)
    : QWidget(parent),
      programFolder_(QString::fromStdString(programFolder)),
      back_(new QToolButton(this)),
      webInfo_(new HelpView(this)) {
  setObjectName(QStringLiteral("Panel1"));
  webInfo_->setObjectName(QStringLiteral("WebInfo"));
  // Links are followed here rather than by the view, so that web links leave
  // the pane on its help page.
  webInfo_->setOpenLinks(false);
  connect(webInfo_, &QTextBrowser::anchorClicked, this, &HelpPane::FollowLink);

  // Few know Alt+Left: once a link was followed, a button shows the way back.
  back_->setObjectName(QStringLiteral("HelpBack"));
  back_->setText(tr("Back"));
  back_->setToolTip(tr("Back to the help page before (Alt+Left)"));
  back_->setArrowType(Qt::LeftArrow);
  back_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  back_->setAutoRaise(true);
  back_->hide();
  connect(back_, &QToolButton::clicked, webInfo_, &QTextBrowser::backward);
  connect(webInfo_, &QTextBrowser::backwardAvailable, back_, &QWidget::setVisible);

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  layout->addWidget(back_, 0, Qt::AlignLeft);
  layout->addWidget(webInfo_);
}

void HelpPane::ShowHelpPage(const QString& page) {
  ShowDocument(QStringLiteral("Web/") + page);
}

void HelpPane::ShowDocument(const QString& relativePath) {
  shownByProgram_ = Located(relativePath);
  webInfo_->setSource(shownByProgram_);
  // What the program shows starts the way back afresh; only followed links
  // lead back.
  webInfo_->clearHistory();
}

void HelpPane::ShowOverPageHelp(const QString& relativePath) {
  if (webInfo_->source() != shownByProgram_) {
    webInfo_->setSource(shownByProgram_);
    webInfo_->clearHistory();
  }
  webInfo_->setSource(Located(relativePath));
}

QUrl HelpPane::Located(const QString& relativePath) const {
  return QUrl::fromLocalFile(programFolder_ + relativePath);
}

void HelpPane::FollowLink(const QUrl& link) {
  const QUrl target = webInfo_->source().resolved(link);
  if (IsHelpPage(target)) {
    webInfo_->setSource(target);
  } else {
    // Web and mail links, and documents such as the manual, go to the
    // system's own programs through the page's opener.
    for (QWidget* above = parentWidget(); above; above = above->parentWidget()) {
      if (auto* page = qobject_cast<Page*>(above)) {
        page->OpenExternally(target);
        return;
      }
    }
  }
}
