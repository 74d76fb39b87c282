#include "application/AboutBox.h"

#include <QImage>
#include <QLabel>
#include <QVBoxLayout>
#include <QShowEvent>
#include <algorithm>

#include "widgets/LinkLabel.h"

namespace {

// The maker's details.
const QString HomePageCaption = QStringLiteral("vantora.example");
const QString HomePage = QStringLiteral("https://www.vantora.example/");
const QString SupportPage = QStringLiteral("https://www.vantora.example/support");
const QString SupportMail = QStringLiteral("support@vantora.example");
const char* const Notice = QT_TRANSLATE_NOOP("AboutBox", "© 2026 Vantora. All rights reserved.");

const char* const Title = QT_TRANSLATE_NOOP("AboutBox", "Vantora Programming Software");
constexpr QChar CarriageReturn = u'\r';

const QColor Lime{0, 255, 0};
const QColor Aqua{0, 255, 255};
const QColor ClickedLink{255, 0, 0};
// Behind the texts when the picture cannot be shown, dark like the picture.
const QColor PlainBackground{8, 12, 28};

const QString PicturePath = QStringLiteral(":/AboutBackground.jpg");

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

// Three lines, each ended by a CR alone.
QString AboutData(const QString& firmwareVersion) {
  QString data;
  data += AboutBox::tr("Software Version: %1").arg(QLatin1String(SoftwareVersion)) + CarriageReturn;
  data += AboutBox::tr("Product SW Version: %1").arg(firmwareVersion) + CarriageReturn;
  data += AboutBox::tr(Notice) + CarriageReturn;
  return data;
}

// The mail goes to the maker's support, so it stays in English. The text
// is kept as built, blanks and the final CR included; TargetUrl
// encodes it for the opener.
QString EmailSupportTarget() {
  QString target = QStringLiteral("mailto:") + SupportMail;
  target += QStringLiteral("?Subject= Vantora Programming Software");
  target +=
      QStringLiteral("&Body= Software Version: ") + QLatin1String(SoftwareVersion) + CarriageReturn;
  return target;
}

QUrl TargetUrl(const QString& target) {
  return QUrl::fromEncoded(target.toUtf8().toPercentEncoding(":/?&=@#%"));
}

QPixmap BackgroundPicture() {
  // Qt's JPEG reader: a damaged picture gives a null image, never a crash.
  const QImage picture(PicturePath, "JPEG");
  if (picture.isNull()) return {};
  return QPixmap::fromImage(
      picture.scaled(AboutBox::ClientSize, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

QLabel* MakeLabel(QWidget* parent, const char* objectName, Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setAlignment(alignment);
  label->setWordWrap(true);
  SetTextColour(label, Lime);
  return label;
}

// The width of a wrapped label's longest word, which no wrapping can shorten.
int LongestWordWidth(const QLabel* label) {
  int widest = 0;
  for (const QString& word : label->text().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    widest = std::max(widest, label->fontMetrics().horizontalAdvance(word));
  }
  return widest;
}

LinkLabel* MakeLinkLabel(QWidget* parent, const char* objectName, const QString& caption,
                         const QString& target) {
  auto* label = new LinkLabel(parent, objectName);
  QFont font = label->font();
  font.setUnderline(true);
  label->setFont(font);
  label->setText(caption);
  label->SetTarget(target);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->SetColour(Aqua);
  return label;
}

}  // namespace

AboutBox::AboutBox(AppPorts& ports, const UnitStatusHolder& unit, QWidget* window)
    : QDialog(window), ports_(ports), unit_(unit) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(tr("About"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setModal(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, PlainBackground);
  setPalette(palette);
  setAutoFillBackground(true);

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Image1"));
  picture_->setScaledContents(true);
  picture_->setPixmap(BackgroundPicture());

  title_ = MakeLabel(this, "lbTitle", Qt::AlignCenter);
  QFont titleFont = title_->font();
  titleFont.setBold(true);
  titleFont.setItalic(true);
  titleFont.setPointSizeF(titleFont.pointSizeF() * 1.6);
  title_->setFont(titleFont);
  versions_ = MakeLabel(this, "lbData", Qt::AlignLeft | Qt::AlignVCenter);
  homePageLink_ = MakeLinkLabel(this, "lbHomePage", HomePageCaption, HomePage);
  webSupportLink_ = MakeLinkLabel(this, "lbWebSupport", tr("Web Support"), SupportPage);
  emailSupportLink_ = MakeLinkLabel(this, "lbEmailSupport", tr("Email Support"), QString());
  for (LinkLabel* link : {homePageLink_, webSupportLink_, emailSupportLink_}) {
    connect(link, &LinkLabel::clicked, this, [this, link] { OpenTarget(link); });
  }
  LayOut();
}

// The texts stand in the picture's dark right-hand part: the title at the
// top, the versions and the links below it, as the picture was made for.
void AboutBox::LayOut() {
  auto* texts = new QVBoxLayout();
  texts->setContentsMargins(60, 0, 0, 0);
  texts->addWidget(versions_);
  texts->addSpacing(50);
  for (LinkLabel* link : {homePageLink_, webSupportLink_, emailSupportLink_}) {
    texts->addWidget(link, 0, Qt::AlignLeft);
  }
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(160, 20, 10, 20);
  layout->addWidget(title_);
  layout->addSpacing(30);
  layout->addLayout(texts);
  layout->addStretch();
  FillTexts();
  setFixedSize(layout->sizeHint().expandedTo(ClientSize));
  picture_->setGeometry(rect());
  picture_->lower();
}

void AboutBox::ShowOverWindow() {
  QRect place(QPoint(), size());
  place.moveCenter(parentWidget()->geometry().center());
  setGeometry(place);
  open();
}

void AboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FillTexts();
}

// Everything is built anew on each showing, so that a version read since the
// last one shows and no line is repeated.
void AboutBox::FillTexts() {
  title_->setText(tr(Title));
  // A language with longer words widens the box rather than cut the title.
  title_->setMinimumWidth(LongestWordWidth(title_));
  const QString lines = AboutData(QString::fromStdString(unit_.Status().FirmwareVersion));
  // The CR that ends the last line starts no empty line below it.
  versions_->setText(lines.chopped(1).replace(CarriageReturn, QLatin1Char('\n')));
  emailSupportLink_->SetTarget(EmailSupportTarget());
}

// Whether the browser or mail program could be started is not reported; the
// link turns red either way and stays red for the rest of the run.
void AboutBox::OpenTarget(LinkLabel* label) {
  ports_.OpenUrl(TargetUrl(label->Target()));
  label->SetColour(ClickedLink);
}
