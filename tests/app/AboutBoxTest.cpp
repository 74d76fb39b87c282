#include <QTimer>
#include <QUrlQuery>

#include "HelpFixture.h"
#include "app/AboutBox.h"
#include "app/LinkLabel.h"
#include "app/StartPage.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"

namespace {

const QColor Lime{0, 255, 0};
const QColor Aqua{0, 255, 255};
const QColor Red{255, 0, 0};

QString Notice() {
  return QStringLiteral("© 2026 Vantora. All rights reserved.");
}

}  // namespace

class AboutBoxTest : public HelpFixture {
 protected:
  AboutBox* Box() { return Pages().frmAbout; }
  QString Text(const char* label) { return Find<QLabel>(Box(), label)->text(); }
  LinkLabel* Link(const char* label) { return Find<LinkLabel>(Box(), label); }

  // Opens the box as About does, closes it as soon as it shows, and tells
  // whether it showed.
  bool ShowsTheBoxFrom(QWidget* page) {
    bool shown = false;
    QTimer::singleShot(0, Box(), [this, &shown] {
      shown = Box()->isVisible();
      Box()->reject();
    });
    Choose(page, "About1");
    return shown && !Box()->isVisible();
  }
};

TEST_F(AboutBoxTest, AboutOnEitherPageOpensTheOneBox) {
  EXPECT_TRUE(ShowsTheBoxFrom(Pages().fStart));
  EXPECT_TRUE(ShowsTheBoxFrom(Pages().Form3));
  EXPECT_TRUE(Pages().fStart->isVisible()) << "the page stays visible under the box";
}

TEST_F(AboutBoxTest, ShowsBothVersionsAndTheNoticeWithAndWithoutAUnit) {
  Box()->show();
  EXPECT_EQ(Text("lbTitle"), "Vantora Programming Software");
  EXPECT_EQ(Text("lbData"),
            "Software Version: 2.07\nProduct SW Version: 02.07\n" + Notice() + "\n");
  Box()->hide();

  unit->Attach(false);
  Pages().Form1->Timer1Timer();
  Box()->show();
  EXPECT_EQ(Text("lbData"), "Software Version: 2.07\nProduct SW Version: \n" + Notice() + "\n")
      << "built anew: no repeated lines, no stale version";
  Box()->hide();

  unit->Attach(true);
  Pages().Form1->Timer1Timer();
  Box()->show();
  EXPECT_EQ(Text("lbData"),
            "Software Version: 2.07\nProduct SW Version: 02.07\n" + Notice() + "\n");
}

TEST_F(AboutBoxTest, EmailSupportOpensAMailWithSubjectAndBodyAsBuilt) {
  Box()->show();
  LinkLabel* mail = Link("lbEmailSupport");
  EXPECT_EQ(mail->Target(),
            "mailto:support@vantora.example?Subject= Vantora Programming Software"
            "&Body= Software Version: 2.07\r");
  QTest::mouseClick(mail, Qt::LeftButton);
  ASSERT_EQ(openedUrls.size(), 1u);
  const QUrl opened = openedUrls[0];
  EXPECT_TRUE(opened.isValid());
  EXPECT_EQ(opened.scheme(), "mailto");
  EXPECT_EQ(opened.path(), "support@vantora.example");
  const QUrlQuery query(opened);
  EXPECT_EQ(query.queryItemValue("Subject", QUrl::FullyDecoded), " Vantora Programming Software");
  EXPECT_EQ(query.queryItemValue("Body", QUrl::FullyDecoded), " Software Version: 2.07\r");
}

TEST_F(AboutBoxTest, LinksOpenTheirTargetsAndStayRedOnceClicked) {
  Box()->show();
  for (const char* name : {"lbHomePage", "lbWebSupport", "lbEmailSupport"}) {
    EXPECT_EQ(Link(name)->Colour(), Aqua) << name;
    EXPECT_EQ(Link(name)->cursor().shape(), Qt::PointingHandCursor) << name;
  }
  EXPECT_EQ(Link("lbHomePage")->text(), "vantora.example");
  EXPECT_EQ(Link("lbWebSupport")->text(), "Web Support");
  EXPECT_EQ(Link("lbEmailSupport")->text(), "Email Support");

  QTest::mouseClick(Link("lbWebSupport"), Qt::RightButton);
  EXPECT_TRUE(openedUrls.empty()) << "only the left button clicks";
  QTest::mouseClick(Link("lbWebSupport"), Qt::LeftButton);
  EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl("https://www.vantora.example/support")});
  EXPECT_EQ(Link("lbWebSupport")->Colour(), Red);
  EXPECT_EQ(Link("lbHomePage")->Colour(), Aqua);

  Box()->hide();
  Box()->show();
  EXPECT_EQ(Link("lbWebSupport")->Colour(), Red) << "red for the rest of the run";
  EXPECT_EQ(Link("lbEmailSupport")->Colour(), Aqua);

  openSucceeds = false;
  QTest::mouseClick(Link("lbHomePage"), Qt::LeftButton);
  EXPECT_EQ(openedUrls.back(), QUrl("https://www.vantora.example/"));
  EXPECT_EQ(Link("lbHomePage")->Colour(), Red) << "red whether or not the browser started";
  EXPECT_TRUE(prompts.Questions.empty());
}

TEST_F(AboutBoxTest, TextsStandOverTheDarkPictureAtTheirPlaces) {
  AboutBox* box = Box();
  EXPECT_EQ(box->minimumSize(), QSize(460, 405));
  EXPECT_EQ(box->maximumSize(), QSize(460, 405));
  EXPECT_TRUE(box->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(box->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));

  const QPixmap picture = Find<QLabel>(box, "Image1")->pixmap();
  ASSERT_FALSE(picture.isNull()) << "the built-in picture decodes";
  EXPECT_EQ(picture.size(), QSize(460, 405));
  EXPECT_LT(qGray(picture.toImage().pixel(300, 200)), 64) << "dark behind the texts";

  auto* title = Find<QLabel>(box, "lbTitle");
  EXPECT_EQ(title->geometry(), QRect(160, 20, 300, 57));
  EXPECT_EQ(title->font().pixelSize(), 21);
  EXPECT_TRUE(title->font().bold() && title->font().italic());
  EXPECT_EQ(title->alignment(), Qt::AlignCenter);
  auto* data = Find<QLabel>(box, "lbData");
  EXPECT_EQ(data->geometry(), QRect(220, 120, 240, 70));
  EXPECT_EQ(data->font().pixelSize(), 13);
  for (QLabel* label : {title, data}) {
    EXPECT_EQ(label->palette().color(QPalette::WindowText), Lime);
    EXPECT_TRUE(label->wordWrap());
    EXPECT_FALSE(label->autoFillBackground()) << "drawn over the picture";
  }
  const std::pair<const char*, QPoint> links[] = {
      {"lbHomePage", {220, 250}}, {"lbWebSupport", {220, 275}}, {"lbEmailSupport", {220, 300}}};
  for (const auto& [name, place] : links) {
    EXPECT_EQ(Link(name)->pos(), place) << name;
    EXPECT_EQ(Link(name)->height(), 16) << name;
    EXPECT_GE(Link(name)->width(), Link(name)->sizeHint().width()) << name << " shows its caption";
    EXPECT_TRUE(Link(name)->font().underline()) << name;
    EXPECT_EQ(Link(name)->font().pixelSize(), 13) << name;
  }
}
