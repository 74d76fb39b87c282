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
  EXPECT_EQ(opened.scheme() + ":" + opened.path(), "mailto:support@vantora.example");
  const QUrlQuery query(opened);
  EXPECT_EQ(query.queryItemValue("Subject", QUrl::FullyDecoded), " Vantora Programming Software");
  EXPECT_EQ(query.queryItemValue("Body", QUrl::FullyDecoded), " Software Version: 2.07\r");
}

TEST_F(AboutBoxTest, LinksOpenTheirTargetsAndStayRedOnceClicked) {
  Box()->show();
  QTest::mouseClick(Link("lbWebSupport"), Qt::RightButton);
  EXPECT_TRUE(openedUrls.empty()) << "only the left button clicks";
  QTest::mouseClick(Link("lbWebSupport"), Qt::LeftButton);
  EXPECT_EQ(openedUrls, std::vector<QUrl>{QUrl("https://www.vantora.example/support")});

  Box()->hide();
  Box()->show();
  EXPECT_EQ(Link("lbWebSupport")->Colour(), Red) << "red for the rest of the run";
  EXPECT_EQ(Link("lbHomePage")->Colour(), Aqua);
  EXPECT_EQ(Link("lbEmailSupport")->Colour(), Aqua);

  openSucceeds = false;
  QTest::mouseClick(Link("lbHomePage"), Qt::LeftButton);
  EXPECT_EQ(openedUrls.back(), QUrl("https://www.vantora.example/"));
  EXPECT_EQ(Link("lbHomePage")->Colour(), Red) << "red whether or not the browser started";
  EXPECT_TRUE(prompts.Questions.empty());
}

TEST_F(AboutBoxTest, TextsStandReadableOverTheDarkPicture) {
  const QPixmap picture = Find<QLabel>(Box(), "Image1")->pixmap();
  ASSERT_FALSE(picture.isNull()) << "the built-in picture decodes";
  EXPECT_EQ(picture.size(), QSize(460, 405));
  EXPECT_LT(qGray(picture.toImage().pixel(300, 200)), 64) << "dark behind the texts";
  for (const char* name : {"lbTitle", "lbData"}) {
    EXPECT_EQ(Find<QLabel>(Box(), name)->palette().color(QPalette::WindowText), Lime);
    EXPECT_FALSE(Find<QLabel>(Box(), name)->autoFillBackground()) << "drawn over the picture";
  }
  for (const char* name : {"lbHomePage", "lbWebSupport", "lbEmailSupport"}) {
    EXPECT_EQ(Link(name)->cursor().shape(), Qt::PointingHandCursor) << name;
    EXPECT_GE(Link(name)->width(), Link(name)->sizeHint().width()) << name << " shows its caption";
  }
}
