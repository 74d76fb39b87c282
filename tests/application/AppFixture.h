#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QPushButton>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <memory>
#include <optional>

#include "application/AboutBox.h"
#include "widgets/QtSoundOutput.h"
#include "widgets/QtUserPrompts.h"
#include "application/StartPage.h"
#include "application/VantoraApplication.h"
#include "application/WindowsSupportReport.h"
#include "device/SimulatedUnit.h"
#include "editor/ProfileEditor.h"
#include "programming/ProgrammingPage.h"
#include "support/FakeSoundOutput.h"
#include "support/GatedDriver.h"
#include "support/ManualClock.h"
#include "support/ScriptedPrompts.h"

template <typename Control = QWidget>
Control* Find(QObject* parent, const QString& name) {
  auto* control = parent->findChild<Control*>(name);
  EXPECT_NE(control, nullptr) << name.toStdString();
  return control;
}
inline void Click(QWidget* page, const QString& button, Qt::MouseButton with = Qt::LeftButton) {
  QTest::mouseClick(Find<QPushButton>(page, button), with);
}
inline void Choose(QWidget* page, const QString& entry) {
  Find<QAction>(page, entry)->trigger();
}
// A menu's or menu bar's entries as "objectName:caption", separators as "objectName:-".
inline QStringList Entries(QWidget* menu) {
  QStringList entries;
  for (const QAction* entry : menu->actions()) {
    entries << entry->objectName() + ":" + (entry->isSeparator() ? "-" : entry->text());
  }
  return entries;
}
// The file name of the help page in the page's pane.
inline QString ShownPage(QWidget* page) {
  return Find<QTextBrowser>(page, "WebInfo")->source().fileName();
}

// The whole program on a simulated unit, reached through a gate that can hold
// a request in the middle, with scripted prompts and an opener that records.
// The tests probe by hand: the probe timer is stopped, so that the device
// thread never reads the unit while a test changes it.
class AppFixture : public ::testing::Test {
 protected:
  ~AppFixture() override {
    if (gate) gate->Open();  // a held request must not outlive the test
  }
  void StartProgram() {
    gate = std::make_unique<GatedDriver>(*unit);
    vantora = std::make_unique<VantoraApplication>(
        AppPorts{*gate, clock, machinePrompts ? static_cast<UserPrompts&>(*machinePrompts) : prompts,
                 ProgramFolder(), ProgramFolder() + "Profiles/",
                 [this] { ++endRequests; },
                 [this](const QUrl& url) { return openedUrls.push_back(url), openSucceeds; },
                 settings, machineAudio ? static_cast<SoundOutput&>(*machineAudio) : audio,
                 [this] { return WindowsSupportReport(vantora->Unit(), settings, nullptr); }});
    if (machinePrompts) machinePrompts->OpenOver(&Window());
    QSignalSpy firstProbe(&vantora->Unit(), &UnitStatusHolder::Stored);
    if (windowSize) Window().resize(*windowSize);
    vantora->Requests().ShowFirstPage(profileFileAtStart);
    Find<QTimer>(Programming(), "Timer1")->stop();
    ASSERT_TRUE(firstProbe.wait(10000)) << "the programming page's first probe";
  }
  // One tick of the programming page's probe timer, and its snapshot.
  void Probe() {
    QSignalSpy probed(&vantora->Unit(), &UnitStatusHolder::Stored);
    Programming()->OnProbeTimer();
    ASSERT_TRUE(probed.wait(10000));
  }
  std::string ProgramFolder() const { return programFolder.path().toStdString() + "/"; }
  QString ProgramPath(const QString& relative) const { return programFolder.filePath(relative); }
  MainWindow& Window() { return vantora->Window(); }
  // The editor on the selected profile, as the start page's NEXT shows it.
  void GoToEditor() { vantora->Flow().ShowEditorOnSelectedProfile(); }
  // The result of a command that asked only what the script answers at once.
  template <typename Result>
  Result Answered(Task<Result> task) {
    EXPECT_TRUE(task.Done()) << "a question waits for an answer";
    return task.Result();
  }
  // A point of the page where no control lies.
  static QPoint FreeArea(QWidget* page) {
    for (int y = page->height() - 1; y >= 0; y -= 3) {
      for (int x = 0; x < page->width(); x += 3) {
        const QWidget* under = page->childAt(x, y);
        if (under && under->metaObject() == &QWidget::staticMetaObject &&
            under->objectName().isEmpty()) {
          return {x, y};
        }
      }
    }
    ADD_FAILURE() << "no free area on " << page->objectName().toStdString();
    return {};
  }
  StartPage* Start() { return &vantora->Start(); }
  ProfileEditor* Editor() { return &vantora->Editor(); }
  ProgrammingPage* Programming() { return &vantora->Programming(); }
  AboutBox* About() { return &vantora->About(); }

  QTemporaryDir programFolder;
  // The settings of this run of the program, kept beside it.
  QSettings settings{programFolder.filePath(QStringLiteral("settings.conf")), QSettings::IniFormat};
  std::unique_ptr<SimulatedUnit> unit = SimulatedUnit::StandardUnit();
  std::unique_ptr<GatedDriver> gate;
  ManualClock clock;
  ScriptedPrompts prompts;
  FakeSoundOutput audio;
  // The machine's own audio output, where a test asks for it before the start.
  std::optional<QtSoundOutput> machineAudio;
  // Real message boxes and dialogs, where a test asks for them before the start.
  std::optional<QtUserPrompts> machinePrompts;
  std::unique_ptr<VantoraApplication> vantora;
  // The window's size when it opens, where a test sets one.
  std::optional<QSize> windowSize;
  // The profile file the program is started with, where a test gives one.
  QString profileFileAtStart;
  int endRequests = 0;
  std::vector<QUrl> openedUrls;
  bool openSucceeds = true;
};

inline void PrintTo(const QString& text, std::ostream* out) {
  *out << '"' << text.toStdString() << '"';
}
