#include "application/AboutBox.h"

#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QShowEvent>
#include <algorithm>

#include "widgets/LinkLabel.h"

namespace {

// The maker's details.
const QString HomePageCaption = QStringLiteral("vantora.example");
const QString HomePage = QStringLiteral("https://www.vantora.example/");
const QString SupportPage = QStringLiteral("https://www.vantora.example/support");
const QString SupportMail = QStringLiteral("support@vantora.example");
const QString Notice = QStringLiteral("© 2026 Vantora. All rights reserved.");

const QString Title = QStringLiteral("Vantora Programming Software");
constexpr QChar CarriageReturn = u'\r';

const QColor Lime{0, 255, 0};
const QColor Aqua{0, 255, 255};
const QColor ClickedLink{255, 0, 0};
// Behind the texts when the picture cannot be shown, dark like the picture.
const QColor PlainBackground{8, 12, 28};

const QString PicturePath = QStringLiteral(":/AboutBackground.jpg");

QFont AboutFont(int pixelSize) {
  QFont font(QStringLiteral("Tahoma"));
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(pixelSize);
  return font;
}

void SetTextColour(QLabel* label, const QColor& colour) {
  QPalette palette = label->palette();
  palette.setColor(QPalette::WindowText, colour);
  label->setPalette(palette);
}

// Three lines, each ended by a CR alone.
QString AboutData(const QString& firmwareVersion) {
  QString data;
  data += QStringLiteral("Software Version: ") + QLatin1String(SoftwareVersion) + CarriageReturn;
  data += QStringLiteral("Product SW Version: ") + firmwareVersion + CarriageReturn;
  data += Notice + CarriageReturn;
  return data;
}

// The text is kept as built, blanks and the final CR included; TargetUrl
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

QLabel* MakeLabel(QWidget* parent, const char* objectName, QRect geometry, const QFont& font,
                  Qt::Alignment alignment) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(objectName));
  label->setGeometry(geometry);
  label->setFont(font);
  label->setAlignment(alignment);
  SetTextColour(label, Lime);
  return label;
}

LinkLabel* MakeLinkLabel(QWidget* parent, const char* objectName, QRect geometry,
                         const QString& caption, const QString& target) {
  auto* label = new LinkLabel(parent, objectName);
  QFont font = AboutFont(13);
  font.setUnderline(true);
  label->setFont(font);
  label->setText(caption);
  label->SetTarget(target);
  label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  label->SetColour(Aqua);
  // Wide enough for its caption in whichever font stood in for Tahoma.
  geometry.setWidth(std::max(geometry.width(), label->sizeHint().width()));
  label->setGeometry(geometry);
  return label;
}

}  // namespace

AboutBox::AboutBox(AppPorts& ports, const UnitStatusHolder& unit) : ports_(ports), unit_(unit) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About"));
  setWindowFlags(Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                 Qt::MSWindowsFixedSizeDialogHint);
  setFixedSize(ClientSize);
  setModal(true);
  QPalette palette = this->palette();
  palette.setColor(QPalette::Window, PlainBackground);
  setPalette(palette);
  setAutoFillBackground(true);

  picture_ = new QLabel(this);
  picture_->setObjectName(QStringLiteral("Image1"));
  picture_->setGeometry(QRect(QPoint(0, 0), ClientSize));
  picture_->setPixmap(BackgroundPicture());

  QFont titleFont = AboutFont(21);
  titleFont.setBold(true);
  titleFont.setItalic(true);
  title_ = MakeLabel(this, "lbTitle", QRect(160, 20, 300, 57), titleFont, Qt::AlignCenter);
  title_->setWordWrap(true);
  versions_ = MakeLabel(this, "lbData", QRect(220, 120, 240, 70), AboutFont(13),
                        Qt::AlignLeft | Qt::AlignVCenter);
  versions_->setWordWrap(true);

  homePageLink_ =
      MakeLinkLabel(this, "lbHomePage", QRect(220, 250, 82, 16), HomePageCaption, HomePage);
  webSupportLink_ = MakeLinkLabel(this, "lbWebSupport", QRect(220, 275, 75, 16),
                                  QStringLiteral("Web Support"), SupportPage);
  emailSupportLink_ = MakeLinkLabel(this, "lbEmailSupport", QRect(220, 300, 80, 16),
                                    QStringLiteral("Email Support"), QString());
  for (LinkLabel* link : {homePageLink_, webSupportLink_, emailSupportLink_}) {
    connect(link, &LinkLabel::clicked, this, [this, link] { OpenTarget(link); });
  }
}

void AboutBox::ShowModalOver(QWidget* page) {
  // Owned by the page, the box stays above it; it stands centred over it
  // and on its screen.
  if (parentWidget() != page) setParent(page, windowFlags());
  QRect place(QPoint(), size());
  place.moveCenter(page->geometry().center());
  if (const QScreen* screen = page->screen()) {
    // The box's frame is taken to be the page's: its own is known only once shown.
    const QRect frame = page->frameGeometry(), client = page->geometry();
    const QMargins margins(client.left() - frame.left(), client.top() - frame.top(),
                           frame.right() - client.right(), frame.bottom() - client.bottom());
    const QRect available = screen->availableGeometry().marginsRemoved(margins);
    place.moveLeft(std::clamp(place.left(), available.left(), available.right() - width() + 1));
    place.moveTop(std::clamp(place.top(), available.top(), available.bottom() - height() + 1));
  }
  setGeometry(place);
  exec();
}

void AboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FillTexts();
}

// Everything is built anew on each showing, so that a version read since the
// last one shows and no line is repeated.
void AboutBox::FillTexts() {
  title_->setText(Title);
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
