#include <QLabel>
#include <QUrlQuery>

#include "AppFixture.h"
#include "widgets/LinkLabel.h"

using AboutBoxTest = AppFixture;

TEST_F(AboutBoxTest, AboutOpensTheBoxWithBothVersionsOverADarkPictureAndLinksThatStayRed) {
  StartProgram();
  AboutBox* box = About();
  const auto Link = [box](const char* name) { return Find<LinkLabel>(box, name); };
  for (Page* page : std::initializer_list<Page*>{Start(), Editor()}) {
    SCOPED_TRACE(page->objectName().toStdString());
    Window().ShowPage(page);
    Window().move(page == Start() ? QPoint(40, 30) : QPoint(300, 200));
    Choose(page, "About1");
    ASSERT_TRUE(box->isVisible()) << "open, without a loop of its own";
    EXPECT_EQ(box->parentWidget(), &Window()) << "owned by the window";
    EXPECT_EQ(box->windowHandle()->transientParent(), Window().windowHandle()) << "above it";
    EXPECT_EQ(box->geometry().center(), Window().geometry().center()) << "centred over it";
    EXPECT_TRUE(page->isVisible()) << "the page stays visible under the box";
    box->reject();
  }

  for (bool attached : {true, false, true}) {
    unit->Attach(attached);
    Probe();
    box->show();
    EXPECT_EQ(Find<QLabel>(box, "lbTitle")->text(), "Vantora Programming Software");
    EXPECT_EQ(Find<QLabel>(box, "lbData")->text(),
              QString("Software Version: 2.07\nProduct SW Version: %1\n"
                      "© 2026 Vantora. All rights reserved.")
                  .arg(attached ? QString("02.07") : QString()))
        << "built anew on each showing, without an empty fourth line";
    box->hide();
  }
  UnitStatus stored;
  stored.FirmwareVersion = "12.34";
  vantora->Unit().Store({stored, "QVT2 Vantora Programmer", false});
  box->show();
  EXPECT_TRUE(Find<QLabel>(box, "lbData")->text().contains("Product SW Version: 12.34\n"))
      << "the application's unit status";
  box->hide();

  const QPixmap picture = Find<QLabel>(box, "Image1")->pixmap();
  EXPECT_EQ(box->size(), QSize(460, 405));
  ASSERT_EQ(picture.size(), QSize(460, 405)) << "the built-in picture decodes";
  EXPECT_LT(qGray(picture.toImage().pixel(300, 200)), 64) << "dark behind the texts";
  for (const char* name : {"lbTitle", "lbData"}) {
    EXPECT_EQ(Find<QLabel>(box, name)->palette().color(QPalette::WindowText), QColor(Qt::green));
    EXPECT_FALSE(Find<QLabel>(box, name)->autoFillBackground()) << "drawn over the picture";
  }
  for (const char* name : {"lbHomePage", "lbWebSupport", "lbEmailSupport"}) {
    EXPECT_GE(Link(name)->width(), Link(name)->sizeHint().width()) << name << " shows its caption";
  }

  box->show();
  QTest::mouseClick(Link("lbWebSupport"), Qt::RightButton);
  EXPECT_TRUE(openedUrls.empty()) << "only the left button clicks";
  QTest::mouseClick(Link("lbWebSupport"), Qt::LeftButton);
  QTest::mouseClick(Link("lbEmailSupport"), Qt::LeftButton);
  ASSERT_EQ(openedUrls.size(), 2u);
  EXPECT_EQ(openedUrls[0], QUrl("https://www.vantora.example/support"));
  EXPECT_EQ(openedUrls[1].toString(QUrl::RemoveQuery), "mailto:support@vantora.example");
  const QUrlQuery mail(openedUrls[1]);
  EXPECT_EQ(mail.queryItemValue("Subject", QUrl::FullyDecoded), " Vantora Programming Software");
  EXPECT_EQ(mail.queryItemValue("Body", QUrl::FullyDecoded), " Software Version: 2.07\r");

  box->hide();
  box->show();
  EXPECT_EQ(Link("lbWebSupport")->Colour(), QColor(Qt::red)) << "red for the rest of the run";
  EXPECT_EQ(Link("lbHomePage")->Colour(), QColor(Qt::cyan));
  openSucceeds = false;
  QTest::mouseClick(Link("lbHomePage"), Qt::LeftButton);
  EXPECT_EQ(openedUrls.back(), QUrl("https://www.vantora.example/"));
  EXPECT_EQ(Link("lbHomePage")->Colour(), QColor(Qt::red))
      << "red whether the browser started or not";
  EXPECT_TRUE(prompts.Questions.empty());
}
