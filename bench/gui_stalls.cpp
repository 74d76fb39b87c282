// The longest stall of the GUI thread while the program talks to a programmer
// that takes real time: a read that brings less than it asked for waits out
// its time-out, and bytes cross at about the speed of the wire. The stall is
// how late a 10 ms timer of the GUI thread fires. Three scenarios of 30 s
// each (another length in seconds as the argument), after the same time with
// no programmer at all, which shows what the machine's other work costs:
//   (a) programmer present, unit silent: every probe tick waits for slot 0;
//   (b) slot 0 answering, slots 1..7 silent: a short programming run, then
//       the full probe that follows it waits for the seven silent slots;
//   (c) a programming run of 16 MiB into eight memories of 2 MiB, every byte
//       read back, from its start to its end, with the CPU time it took per
//       MiB;
//   (e) the same run with vantora.device's debug log on, written to a log
//       file as --debug --log-file do: target, besides the stall, at most
//       twice the CPU time per MiB of (c).
// Then (d) Make It Fit on the editor, from its start to its end: eight
// three-minute songs (44.1 kHz stereo MP3 at 192 kbit/s, 4.3 MB each) for a
// unit of eight 2 MiB memories, every song rewritten; target: done within 20 s.
// Then (f) page changes for the same time as (a): start page, editor on the
// profile of (d), programming page, editor, start page, one every 100 ms.
// Target: at most 20 ms in each.
#include <sys/resource.h>

#include <QEventLoop>
#include <QFileInfo>
#include <QLabel>
#include <QLoggingCategory>
#include <QTemporaryDir>
#include <QTimer>
#include <array>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>

#include "BenchPorts.h"
#include "RealTimeoutDriver.h"
#include "SongFiles.h"
#include "SongMaking.h"
#include "ThrottledDriver.h"
#include "application/GuardedApplication.h"
#include "widgets/QtUserPrompts.h"
#include "application/VantoraApplication.h"
#include "device/Clock.h"
#include "device/LoggingDriver.h"
#include "device/SimulatedUnit.h"
#include "diagnostics/CategoryDeviceLog.h"
#include "diagnostics/LogRouting.h"
#include "device/WireCommands.h"
#include "editor/MakeItFit.h"
#include "profiles/UserPrompts.h"
#include "application/PageFlow.h"
#include "programming/ProgrammingPage.h"

namespace {

using Milliseconds = std::chrono::duration<double, std::milli>;

constexpr std::chrono::milliseconds MeterInterval{10};
constexpr Milliseconds TargetStall{20};
constexpr double WireBytesPerSecond = 1'000'000;
// The programmer chip's buffer for bytes from the host.
constexpr std::size_t ChipBufferBytes = 256;

// How late a periodic timer of this thread fires: at worst, and how often
// later than the target.
class StallMeter {
 public:
  StallMeter() {
    timer_.setTimerType(Qt::PreciseTimer);
    timer_.setInterval(MeterInterval);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      const auto now = std::chrono::steady_clock::now();
      const Milliseconds stall = now - last_ - MeterInterval;
      longest_ = std::max(longest_, stall);
      if (stall > TargetStall) ++stallsOverTarget_;
      last_ = now;
    });
    last_ = std::chrono::steady_clock::now();
    timer_.start();
  }
  double LongestStallMs() const { return longest_.count(); }
  int StallsOverTarget() const { return stallsOverTarget_; }

 private:
  QTimer timer_;
  std::chrono::steady_clock::time_point last_;
  Milliseconds longest_{0};
  int stallsOverTarget_ = 0;
};

// A unit behind a programmer that takes real time, reached as the program
// reaches it: through the driver that logs every call when the log is on.
struct SlowProgrammer {
  explicit SlowProgrammer(std::unique_ptr<SimulatedUnit> simulated)
      : unit(std::move(simulated)),
        timeouts(*unit),
        wire(timeouts, WireBytesPerSecond, ChipBufferBytes),
        logged(wire, deviceLog, clock) {}
  std::unique_ptr<SimulatedUnit> unit;
  RealTimeoutDriver timeouts;
  ThrottledDriver wire;
  CategoryDeviceLog deviceLog;
  SystemClock clock;
  LoggingDriver logged;
};

// The CPU time of the whole process so far, in milliseconds.
double CpuMilliseconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& time) { return time.tv_sec * 1000.0 + time.tv_usec / 1000.0; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The whole program on the given programmer, its event loop run for the
// given time while the meter watches; `start` runs once the programmer line
// first reads "Programmer Ready". Prints the longest stall and the lines.
void Measure(const char* scenario, SlowProgrammer& programmer, std::chrono::seconds duration,
             const std::function<void(ProgrammingPage&)>& start = {}) {
  QTemporaryDir programFolder;
  QtUserPrompts prompts;
  BenchPorts ports(programmer.logged, prompts, programFolder);
  VantoraApplication vantora(ports.Ports());
  ProgrammingPage& form1 = vantora.Programming();
  auto* label8 = form1.findChild<QLabel*>(QStringLiteral("Label8"));
  auto* label3 = form1.findChild<QLabel*>(QStringLiteral("Label3"));
  vantora.Requests().ShowFirstPage({});

  QTimer starter;
  if (start) {
    QObject::connect(&starter, &QTimer::timeout, [&] {
      if (label8->text() != QStringLiteral("Programmer Ready")) return;
      starter.stop();
      start(form1);
    });
    starter.start(50);
  }
  QEventLoop loop;
  QTimer::singleShot(duration, &loop, &QEventLoop::quit);
  const StallMeter meter;
  loop.exec();
  std::printf("%-56s longest stall %8.1f ms (target: at most 20), %d over 20 ms\n", scenario,
              meter.LongestStallMs(), meter.StallsOverTarget());
  std::printf("%-56s programmer line \"%s\", result line \"%s\"\n", "", qPrintable(label8->text()),
              qPrintable(label3->text()));
}

void ProgramSongs(ProgrammingPage& form1, const SongFiles& songs) {
  SongProfile profile;
  profile.Buttons[0].Present = true;
  for (int song = 0; song < songs.Count(); ++song) {
    profile.Buttons[0].Sounds.push_back(
        {SongFiles::Name(song), std::to_string(songs.Size()), songs.Directory()});
  }
  form1.FillProgramList("Bench", profile, true);
  form1.SetProgramButtonImage(ProgrammingPage::ProgramMode);
  form1.OnProgramClicked();
}

void NoProgrammer(std::chrono::seconds duration) {
  auto unit = SimulatedUnit::StandardUnit();
  unit->Attach(false);
  SlowProgrammer programmer(std::move(unit));
  Measure("no programmer, for comparison:", programmer, duration);
}

void ProgrammerPresentUnitSilent(std::chrono::seconds duration) {
  SlowProgrammer programmer(SimulatedUnit::StandardUnit());
  programmer.unit->InjectFault(CmdIdentifySlot, SimulatedFault::Silent);
  Measure("(a) programmer present, unit silent:", programmer, duration);
}

void SlotZeroAnsweringThenForceProbe(std::chrono::seconds duration) {
  auto unit = std::make_unique<SimulatedUnit>();
  unit->InstallMemory(0, 0x41);
  for (std::uint8_t slot = 1; slot < MemorySlotCount; ++slot) {
    unit->InjectFault(CmdIdentifySlot, SimulatedFault::Silent, slot);
  }
  SlowProgrammer programmer(std::move(unit));
  const SongFiles song(1, 4096);
  Measure("(b) slot 0 answering, 1..7 silent, a run, ForceProbe:", programmer, duration,
          [&song](ProgrammingPage& form1) { ProgramSongs(form1, song); });
}

// A run of 16 MiB from its start to its end; the CPU time it took per MiB.
double SixteenMebibyteRun(const char* scenario) {
  auto unit = std::make_unique<SimulatedUnit>();
  for (int slot = 0; slot < MemorySlotCount; ++slot) unit->InstallMemory(slot, 0x41);
  unit->RecordWrites(false);
  SlowProgrammer programmer(std::move(unit));
  // Eight songs and their table entries fill a memory of 2 MiB less one byte.
  const SongFiles songs(8 * MemorySlotCount, 256 * 1024 - 32);
  QTemporaryDir programFolder;
  QtUserPrompts prompts;
  BenchPorts ports(programmer.logged, prompts, programFolder);
  VantoraApplication vantora(ports.Ports());
  ProgrammingPage& form1 = vantora.Programming();
  auto* label8 = form1.findChild<QLabel*>(QStringLiteral("Label8"));
  auto* label3 = form1.findChild<QLabel*>(QStringLiteral("Label3"));
  vantora.Requests().ShowFirstPage({});

  QEventLoop loop;
  double cpuAtStart = 0;
  QTimer starter;
  QObject::connect(&starter, &QTimer::timeout, [&] {
    if (label8->text() != QStringLiteral("Programmer Ready")) return;
    starter.stop();
    cpuAtStart = CpuMilliseconds();
    ProgramSongs(form1, songs);
  });
  starter.start(50);
  QObject::connect(&form1, &ProgrammingPage::ProgrammingEnded, &loop, &QEventLoop::quit);
  const StallMeter meter;
  loop.exec();
  const double cpuPerMiB =
      (CpuMilliseconds() - cpuAtStart) / (static_cast<double>(songs.Count() * songs.Size()) /
                                          (1024.0 * 1024.0));
  std::printf("%-56s longest stall %8.1f ms (target: at most 20), %d over 20 ms\n", scenario,
              meter.LongestStallMs(), meter.StallsOverTarget());
  std::printf("%-56s CPU %.1f ms per MiB written, result line \"%s\"\n", "", cpuPerMiB,
              qPrintable(label3->text()));
  return cpuPerMiB;
}

void SixteenMebibyteRuns() {
  const double plain = SixteenMebibyteRun("(c) a programming run of 16 MiB:");
  const QTemporaryDir logFolder;
  const QString logFile = logFolder.filePath(QStringLiteral("debug.log"));
  double logged = 0;
  {
    LogRouting logging;
    QString error;
    if (!logging.WriteToFile(logFile, error)) std::printf("no log file: %s\n", qPrintable(error));
    // The device's traffic alone: the other categories log a few lines per run.
    QLoggingCategory::setFilterRules(QStringLiteral("vantora.*.info=true\n"
                                                    "vantora.device.debug=true"));
    logged = SixteenMebibyteRun("(e) the same with vantora.device's debug log on:");
  }
  std::printf("%-56s %.2f times the CPU per MiB without it (target: at most 2), log %lld bytes\n",
              "", logged / plain, static_cast<long long>(QFileInfo(logFile).size()));
}

// Takes whole sounds and writes the plan, as a user who answers at once.
class PlanAccepted final : public UserPrompts {
 public:
  void Ask(const Question&, std::function<void(PromptAnswer)> answered) override {
    answered(PromptAnswer::Ok);
  }
  void ChooseFiles(const FileDialog&, std::function<void(std::vector<std::string>)> chosen) override {
    chosen({});
  }
  void AskText(const TextRequest&, std::function<void(std::optional<std::string>)> typed) override {
    typed(std::string());
  }
  bool IsOpen() const override { return false; }
  void WhenNoneOpen(std::function<void()> then) override { then(); }
};

// A profile of eight three-minute songs on Btn1, in the program's Profiles folder.
void WriteEightSongProfile(const std::string& profiles, const SoundFolder& songs) {
  const std::string first = songs.Song("song 1", 180, 192);
  std::string text = "[Profile]\r\nID=1\r\nNumButtons=2\r\n[Button0]\r\nNumSounds=8\r\n";
  for (int song = 0; song < 8; ++song) {
    const std::string path = songs.Path() + "song " + std::to_string(song + 1) + ".mp3";
    if (song > 0) std::filesystem::copy_file(first, path);
    text += "Sound" + std::to_string(song) + "=" + path + "\r\n";
  }
  std::filesystem::create_directories(profiles);
  std::ofstream(profiles + "Songs.qvt", std::ios::binary) << text;
}

void MakeEightSongsFit() {
  auto unit = std::make_unique<SimulatedUnit>();
  for (int slot = 0; slot < MemorySlotCount; ++slot) unit->InstallMemory(slot, 0x41);
  SlowProgrammer programmer(std::move(unit));
  QTemporaryDir programFolder;
  const std::string folder = programFolder.path().toStdString() + "/";
  const SoundFolder songs;
  WriteEightSongProfile(folder + "Profiles/", songs);
  PlanAccepted prompts;
  BenchPorts ports(programmer.wire, prompts, programFolder);
  VantoraApplication vantora(ports.Ports());
  ProfileEditor& editor = vantora.Editor();
  vantora.Requests().ShowFirstPage({});
  vantora.Flow().ShowEditorOnSelectedProfile();

  QEventLoop loop;
  std::chrono::steady_clock::time_point started;
  Milliseconds took{0};
  QObject::connect(editor.findChild<MakeItFit*>(), &MakeItFit::Finished, [&] {
    took = std::chrono::steady_clock::now() - started;
    loop.quit();
  });
  QTimer starter;
  QObject::connect(&starter, &QTimer::timeout, [&] {
    if (!editor.Capacity().Fit().UnitConnected) return;
    starter.stop();
    started = std::chrono::steady_clock::now();
    editor.Tools().MakeProfileFit();
  });
  starter.start(50);
  const StallMeter meter;
  loop.exec();
  const int fitting = editor.Capacity().Fit().FittingSoundCount;
  std::printf("%-56s longest stall %8.1f ms (target: at most 20), %d over 20 ms\n",
              "(d) Make It Fit, eight three-minute songs:", meter.LongestStallMs(),
              meter.StallsOverTarget());
  std::printf("%-56s done in %.0f ms (target: at most 20000), %d of 8 songs fit\n", "",
              took.count(), fitting);
}

// Start page, editor, programming page, editor and back, as NEXT and PREV
// change them, on the eight-song profile, with the unit connected.
void PageChanges(std::chrono::seconds duration) {
  auto unit = std::make_unique<SimulatedUnit>();
  for (int slot = 0; slot < MemorySlotCount; ++slot) unit->InstallMemory(slot, 0x41);
  SlowProgrammer programmer(std::move(unit));
  QTemporaryDir programFolder;
  const SoundFolder songs;
  WriteEightSongProfile(programFolder.path().toStdString() + "/Profiles/", songs);
  PlanAccepted prompts;
  BenchPorts ports(programmer.wire, prompts, programFolder);
  VantoraApplication vantora(ports.Ports());
  PageFlow& flow = vantora.Flow();
  vantora.Requests().ShowFirstPage({});

  const std::array<std::function<void()>, 4> changes{
      [&flow] { flow.ShowEditorOnSelectedProfile(); }, [&flow] { flow.ShowProgrammingPage(); },
      [&flow] { flow.ShowEditor(); }, [&flow] { flow.ShowStart(); }};
  std::size_t next = 0;
  int changed = 0;
  QTimer changer;
  QObject::connect(&changer, &QTimer::timeout, [&] {
    changes[next]();
    next = (next + 1) % changes.size();
    ++changed;
  });
  changer.start(100);
  QEventLoop loop;
  QTimer::singleShot(duration, &loop, &QEventLoop::quit);
  const StallMeter meter;
  loop.exec();
  std::printf("%-56s longest stall %8.1f ms (target: at most 20), %d over 20 ms\n",
              "(f) page changes on the eight-song profile:", meter.LongestStallMs(),
              meter.StallsOverTarget());
  std::printf("%-56s %d page changes\n", "", changed);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  GuardedApplication application(argc, argv);
  const std::chrono::seconds duration(argc > 1 ? std::atoi(argv[1]) : 30);
  NoProgrammer(duration);
  ProgrammerPresentUnitSilent(duration);
  SlotZeroAnsweringThenForceProbe(duration);
  SixteenMebibyteRuns();
  MakeEightSongsFit();
  PageChanges(duration);
  return 0;
}
