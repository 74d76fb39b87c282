// The editor's recurring work with full lists: adding 254 files to one list
// through AddSoundFile (each followed by its capacity refresh) while 1,778
// sounds stand on the other tabs; RefreshCapacity with 8 × 254 rows; the
// once-a-second UpdateStatusBar with 10,000 stored profiles; loading a
// profile of 8 × 254 sounds, and the decoder's check of them that follows
// off the GUI thread.
#include <QApplication>
#include <QTabWidget>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <vector>

#include "BenchPorts.h"
#include "Timing.h"
#include "application/GuardedApplication.h"
#include "widgets/QtUserPrompts.h"
#include "application/StartPage.h"
#include "application/VantoraApplication.h"
#include "device/Clock.h"
#include "device/SimulatedUnit.h"
#include "editor/ProfileEditor.h"
#include "support/SoundFiles.h"

namespace {

constexpr int StoredProfiles = 10000;
constexpr int Runs = 7;

void Report(const char* what, double milliseconds, double target) {
  std::printf("%-58s %8.3f ms  (target %g ms) %s\n", what, milliseconds, target,
              milliseconds <= target ? "met" : "MISSED");
}

void WriteProfiles(const std::string& folder) {
  std::filesystem::create_directories(folder);
  for (int number = 0; number < StoredProfiles; ++number) {
    std::ofstream(folder + "P" + std::to_string(number) + ".qvt", std::ios::binary)
        << "[Profile]\r\nID=" << number << "\r\nNumButtons=2\r\n";
  }
}

std::vector<QString> WriteSounds(const std::string& folder, int count) {
  std::vector<QString> paths;
  for (int number = 0; number < count; ++number) {
    // Real sounds: a file joins a list only once it decodes.
    const std::string path = folder + "sound" + std::to_string(number) + ".wav";
    WriteSound(path, 1000 - 44);
    paths.push_back(QString::fromStdString(path));
  }
  return paths;
}

// Fills the tabs 2 to 8 with sounds that need no file (7 × 254 = 1,778).
void FillOtherTabs(ProfileEditor& editor) {
  editor.Document().Adjust([](SongProfile& lists) {
    for (int slot = 1; slot < ButtonSlotCount; ++slot) {
      lists.Buttons[slot].Present = true;
      lists.Buttons[slot].Sounds.assign(MaxSoundsPerButton,
                                        SoundEntry{"other.mp3", "1000", "/nowhere/", false});
    }
  });
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  GuardedApplication application(argc, argv);
  QTemporaryDir programFolder;
  const std::string folder = programFolder.path().toStdString() + "/";
  WriteProfiles(folder + "Profiles/");
  std::filesystem::create_directories(folder + "Sounds/");
  const std::vector<QString> sounds = WriteSounds(folder + "Sounds/", MaxSoundsPerButton);

  auto unit = SimulatedUnit::StandardUnit();
  QtUserPrompts prompts;
  BenchPorts ports(*unit, prompts, programFolder);
  VantoraApplication vantora(ports.Ports());
  vantora.Requests().ShowFirstPage({});
  ProfileEditor& editor = vantora.Editor();
  vantora.Flow().ShowEditorOnSelectedProfile();
  editor.OnStatusTimer();
  QCoreApplication::processEvents();

  std::vector<double> adding;
  std::vector<double> refreshing;
  for (int run = 0; run < Runs; ++run) {
    editor.Document().Adjust([](SongProfile& lists) { lists.Buttons[0].Sounds.clear(); });
    FillOtherTabs(editor);
    editor.findChild<QTabWidget*>(QStringLiteral("PageControl1"))->setCurrentIndex(0);
    editor.Profiles().Loader().LoadProfile("P0", false);
    FillOtherTabs(editor);
    QCoreApplication::processEvents();
    adding.push_back(Milliseconds([&] {
      for (const QString& sound : sounds) editor.AddSoundFile(sound);
      QCoreApplication::processEvents();
    }));
    refreshing.push_back(Milliseconds([&] { editor.Capacity().RefreshCapacity(); }));
    QCoreApplication::processEvents();
  }
  std::vector<double> statusBar;
  for (int run = 0; run < Runs * 5; ++run) {
    statusBar.push_back(Milliseconds([&] { editor.Capacity().UpdateStatusBar(); }));
  }

  Report("254 files added with 1,778 sounds on the other tabs:", Median(adding), 500);
  Report("RefreshCapacity with 8 x 254 rows:", Median(refreshing), 2);
  Report("UpdateStatusBar with 10,000 stored profiles:", Median(statusBar), 5);

  // Every sound a file of its own, so that the check decodes 2,032 files.
  std::vector<std::string> fullPaths;
  for (int slot = 0; slot < ButtonSlotCount; ++slot) {
    const std::string slotFolder = folder + "Sounds/" + std::to_string(slot) + "/";
    std::filesystem::create_directories(slotFolder);
    for (const QString& sound : WriteSounds(slotFolder, MaxSoundsPerButton)) {
      fullPaths.push_back(sound.toStdString());
    }
  }
  std::vector<double> loading;
  std::vector<double> checking;
  for (int run = 0; run < Runs; ++run) {
    // A new name each run, so that no verdict is known beforehand.
    const std::string name = "Full" + std::to_string(run);
    std::ofstream full(folder + "Profiles/" + name + ".qvt", std::ios::binary);
    full << "[Profile]\r\nID=" << 20000 + run << "\r\nNumButtons=8\r\n";
    for (int slot = 0; slot < ButtonSlotCount; ++slot) {
      full << "[Button" << slot << "]\r\nNumSounds=" << MaxSoundsPerButton << "\r\n";
      for (int i = 0; i < MaxSoundsPerButton; ++i) {
        full << "Sound" << i << "=" << fullPaths[slot * MaxSoundsPerButton + i] << "?" << run
             << "\r\n";
      }
    }
    full.close();
    for (const std::string& path : fullPaths) {
      std::filesystem::copy_file(path, path + "?" + std::to_string(run));
    }
    const auto start = std::chrono::steady_clock::now();
    loading.push_back(Milliseconds([&] {
      editor.Profiles().Loader().LoadProfile(name, false);
      QCoreApplication::processEvents();
    }));
    const SoundEntry last = editor.Document().Lists().Buttons[7].Sounds.back();
    while (vantora.SoundChecks().VerdictOf(last) == SoundDecodeChecks::Verdict::Unknown) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    checking.push_back(
        std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
            .count());
  }
  Report("Loading a profile of 8 x 254 sounds, painted:", Median(loading), 500);
  std::printf("%-58s %8.3f ms  (off the GUI thread, from the start of loading)\n",
              "The decoder's check of its 2,032 sound files:", Median(checking));
  return 0;
}
