#include <QAbstractButton>
#include <QLabel>
#include <QMenuBar>
#include <QStyle>
#include <QStyleOptionTab>
#include <QTabBar>
#include <QTextDocumentFragment>

#include "application/AppFixture.h"
#include "device/UnitModel.h"
#include "formatting/UserLanguage.h"
#include "support/ProfileFiles.h"
#include "support/SignalWait.h"
#include "support/SongFolder.h"
#include "widgets/StatusText.h"

// Every text of every page of the window, and of the About box, shown whole
// in its control. Run once per setting as the tests list them: at scale 1,
// QT_SCALE_FACTOR 1.5 and 2 (which must be set before the application
// exists), with a font one third larger than the system's, and in the
// user's language of the run (LANG), as the program speaks it.
namespace {

// What the user reads of a caption: "&Profiles" shows "Profiles".
int CaptionWidth(const QFontMetrics& metrics, const QString& caption) {
  return metrics.size(Qt::TextShowMnemonic, caption).width();
}

QString Named(const QWidget* control) {
  return control->objectName().isEmpty() ? QString::fromLatin1(control->metaObject()->className())
                                         : control->objectName();
}

QString Cut(const QWidget* control, const QString& text, QSize needed, QSize has) {
  return QStringLiteral("%1 \"%2\" needs %3 x %4, has %5 x %6")
      .arg(Named(control), text)
      .arg(needed.width())
      .arg(needed.height())
      .arg(has.width())
      .arg(has.height());
}

// A wrapped label fits when no word is wider than a line and its lines fit
// its height; any other when each of its lines fits.
std::optional<QString> CutLabel(const QLabel* label) {
  QString text = label->text();
  if (label->textFormat() != Qt::PlainText && Qt::mightBeRichText(text)) {
    text = QTextDocumentFragment::fromHtml(text).toPlainText();
  }
  if (text.trimmed().isEmpty()) return std::nullopt;
  const QFontMetrics metrics = label->fontMetrics();
  const int margin = label->margin();
  const QSize room = label->contentsRect().size() - QSize(2 * margin, 2 * margin);
  int widest = 0;
  const QStringList lines = text.split(QLatin1Char('\n'));
  for (const QString& line : lines) {
    for (const QString& part :
         label->wordWrap() ? line.split(QLatin1Char(' ')) : QStringList{line}) {
      widest = std::max(widest, metrics.horizontalAdvance(part));
    }
  }
  const int height = label->wordWrap()
                         ? label->heightForWidth(label->width()) - (label->height() - room.height())
                         : static_cast<int>(lines.size()) * metrics.height();
  if (widest <= room.width() && height <= room.height()) return std::nullopt;
  return Cut(label, text, {widest, height}, room);
}

// A button fits when it is at least as large as its style makes it for its
// text and picture.
std::optional<QString> CutButton(const QAbstractButton* button) {
  const QSize needed = button->sizeHint();
  if (button->width() >= needed.width() && button->height() >= needed.height()) return std::nullopt;
  const QString shown = button->text().isEmpty() ? button->accessibleName() : button->text();
  return Cut(button, shown, needed, button->size());
}

// A tab fits when the style's tab for its caption is no wider than the tab
// and the tab lies within the bar, not scrolled out of sight.
QStringList CutTabs(const QTabBar* bar) {
  QStringList cut;
  for (int index = 0; index < bar->count(); ++index) {
    if (!bar->isTabVisible(index)) continue;
    QStyleOptionTab option;
    option.initFrom(bar);
    option.shape = bar->shape();
    option.text = bar->tabText(index);
    const QSize caption(CaptionWidth(bar->fontMetrics(), option.text) +
                            bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option, bar),
                        bar->fontMetrics().height());
    const QSize needed =
        bar->style()->sizeFromContents(QStyle::CT_TabBarTab, &option, caption, bar);
    const QRect tab = bar->tabRect(index);
    if (tab.width() < needed.width() || !bar->rect().contains(tab)) {
      cut << Cut(bar, option.text, needed, tab.intersected(bar->rect()).size());
    }
  }
  return cut;
}

// The menu bar's entries all lie within it, none moved into its overflow.
QStringList CutMenus(const QMenuBar* bar) {
  QStringList cut;
  for (QAction* entry : bar->actions()) {
    if (!entry->isVisible() || entry->isSeparator()) continue;
    const QRect shown = bar->actionGeometry(entry);
    const int needed = CaptionWidth(bar->fontMetrics(), entry->text());
    if (shown.width() < needed || !bar->rect().contains(shown)) {
      cut << Cut(bar, entry->text(), {needed, bar->fontMetrics().height()}, shown.size());
    }
  }
  return cut;
}

// Every label, button, tab and menu of the shown controls under `root`
// whose text is cut, as "where: control "text" needs w x h, has w x h".
QStringList CutTexts(QWidget* root, const QString& where) {
  QStringList cut;
  const auto shown = [](const QWidget* control) { return control->isVisible(); };
  for (const QLabel* label : root->findChildren<QLabel*>()) {
    if (!shown(label)) continue;
    if (auto found = CutLabel(label)) cut << *found;
  }
  for (const QAbstractButton* button : root->findChildren<QAbstractButton*>()) {
    if (!shown(button)) continue;
    if (auto found = CutButton(button)) cut << *found;
  }
  for (const QTabBar* bar : root->findChildren<QTabBar*>()) {
    if (shown(bar)) cut << CutTabs(bar);
  }
  for (const QMenuBar* bar : root->findChildren<QMenuBar*>()) {
    if (shown(bar)) cut << CutMenus(bar);
  }
  for (QString& one : cut) one.prepend(where + ": ");
  return cut;
}

QString Setting() {
  const QByteArray scale = qgetenv("QT_SCALE_FACTOR");
  return QStringLiteral("scale %1, font %2 pt")
      .arg(scale.isEmpty() ? QStringLiteral("1") : QString::fromLatin1(scale))
      .arg(QApplication::font().pointSizeF());
}

}  // namespace

enum class FontSize { System, OneThirdLarger };

// The window at the design's 800 x 600, in the system's font or in one a
// third larger, as a user's desktop may set it, on the largest unit: eight
// buttons and eight memories of 2 MiB, the longest numbers the panels show.
// It holds the profile "Front Door" of sounds with long names.
class TextFitTest : public AppFixture, public ::testing::WithParamInterface<FontSize> {
 protected:
  TextFitTest() : systemFont_(QApplication::font()) {
    static const bool speaking = (SpeakUsersLanguage(*QCoreApplication::instance()), true);
    Q_UNUSED(speaking);
    windowSize = QSize(800, 600);
    UnitModel largest;
    for (int slot = 0; slot < MemorySlotCount; ++slot) largest.InstallMemory(slot, 0x41);
    largest.SetStoredProfileNumber(0, ProfileNumber);
    unit = std::make_unique<SimulatedUnit>(std::move(largest));
    if (GetParam() == FontSize::OneThirdLarger) {
      QFont larger = systemFont_;
      larger.setPointSizeF(systemFont_.pointSizeF() * 4 / 3);
      QApplication::setFont(larger);
    }
  }
  ~TextFitTest() override {
    vantora.reset();
    QApplication::setFont(systemFont_);
  }
  void ExpectWhole(QWidget* root, const QString& where) {
    // A layout request climbs one level of widgets per pass of the event
    // loop, up to the window, which grows where its pages need more room.
    for (int level = 0; level < 6; ++level) QCoreApplication::processEvents();
    const QStringList cut = CutTexts(root, where);
    EXPECT_TRUE(cut.isEmpty()) << Setting().toStdString() << "\n"
                               << cut.join(QLatin1Char('\n')).toStdString();
    if (GetParam() == FontSize::System) {
      EXPECT_EQ(Window().size(), QSize(800, 600))
          << where.toStdString() << " needs a larger window";
      const QSize firstStart = Window().minimumSizeHint();
      EXPECT_TRUE(firstStart.width() <= 800 && firstStart.height() <= 600)
          << "a first start opens at " << firstStart.width() << " x " << firstStart.height();
    }
  }
  static constexpr int ProfileNumber = 3;

  // Sounds with long names on three of the eight buttons.
  void WriteProfile() {
    std::vector<std::vector<std::string>> buttons(8);
    for (int sound = 0; sound < 6; ++sound) {
      const std::string name =
          "Westminster Chime Extended Version " + std::to_string(sound) + ".wav";
      songs.Write(name, 40000);
      buttons[static_cast<std::size_t>(sound % 3)].push_back(songs.Directory() + name);
    }
    std::filesystem::create_directory(ProgramFolder() + "Profiles");
    WriteFile(ProgramFolder() + "Profiles/Front Door.qvt", ProfileText(ProfileNumber, buttons));
  }
  void ShowEditor() {
    WriteProfile();
    StartProgram();
    GoToEditor();
  }
  // The message line filled as adding a sound larger than the unit fills it.
  void AddTooLargeSound() {
    const std::string huge = "Morning Song of the Front Door Bell.mp3";
    songs.Write(huge, 8 * 0x200000);
    Editor()->AddSoundFile(QString::fromStdString(songs.Directory() + huge));
    ASSERT_EQ(Find<QLabel>(Editor(), "Info")->text(),
              QCoreApplication::translate("SoundListCommands", "%1 is larger than the unit's memory")
                  .arg(QString::fromStdString(huge)));
  }

  const QFont systemFont_;
  SongFolder songs;
};

TEST_P(TextFitTest, TheStartPageAndTheAboutBoxShowEveryTextWhole) {
  StartProgram();
  EXPECT_EQ(Window().devicePixelRatioF(), qEnvironmentVariable("QT_SCALE_FACTOR", "1").toDouble())
      << "the scale of this run";
  ExpectWhole(Start(), "start page");
  emit Start()->AboutRequested();
  ExpectWhole(About(), "About box");
}

TEST_P(TextFitTest, TheEditorShowsEveryTextWholeItsTabsListsPanelsAndMessage) {
  ShowEditor();
  ExpectWhole(Editor(), "editor");
  AddTooLargeSound();
  ExpectWhole(Editor(), "editor with a sound too large");
  unit->Attach(false);
  Probe();
  Editor()->OnStatusTimer();
  ASSERT_EQ(Find<QLabel>(Editor(), "StatusPanel0")->text(),
            QCoreApplication::translate("CapacityDisplay", "Disconnected"));
  ExpectWhole(Editor(), "editor measuring against the last unit seen");
}

TEST_P(TextFitTest, TheProgrammingPageShowsEveryTextWholeBeforeAndAfterARun) {
  WriteProfile();
  StartProgram();
  GoToEditor();
  emit Editor()->NextRequested();  // as Next does once its checks passed
  ExpectWhole(Programming(), "programming page before a run");
  QSignalSpy ended(Programming(), &ProgrammingPage::ProgrammingEnded);
  Click(Programming(), "bbProgram");
  ASSERT_TRUE(Arrived(ended));
  ASSERT_EQ(StatusColour(Find<QLabel>(Programming(), "Label3")), SuccessColour) << "a success";
  ExpectWhole(Programming(), "programming page after a run");
}

TEST_P(TextFitTest, LongMessagesWrapAndTheirTipHoldsThemWhole) {
  ShowEditor();
  auto* info = Find<QLabel>(Editor(), "Info");
  const QString cancelled =
      QCoreApplication::translate("MakeItFit", "Make It Fit was cancelled: the lists are as they were");
  ShowStatusText(info, cancelled, OrdinaryColour);
  ExpectWhole(Editor(), "editor with a long message");
  EXPECT_EQ(info->toolTip(), cancelled);
  emit Editor()->NextRequested();
  // A path that cannot wrap: the tip holds what the line cannot.
  const QString missing = "A sound file is missing: " + QString::fromStdString(songs.Directory()) +
                          "Westminster Chime Extended Version 0.wav";
  for (const char* line : {"Label8", "Label3"}) {
    auto* label = Find<QLabel>(Programming(), line);
    ShowStatusText(label, missing, FailureColour);
    QCoreApplication::processEvents();
    EXPECT_TRUE(!CutLabel(label) || label->toolTip() == missing) << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Font, TextFitTest,
                         ::testing::Values(FontSize::System, FontSize::OneThirdLarger),
                         [](const ::testing::TestParamInfo<FontSize>& font) {
                           return font.param == FontSize::System ? "SystemFont" : "LargerFont";
                         });
