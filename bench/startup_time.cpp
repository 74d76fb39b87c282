// Time from process start to the start page shown, median of several runs,
// in English and with the German translations loaded. Each run is a fresh
// process: this program started again with "--child" under that LANG.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "BenchPorts.h"
#include "application/GuardedApplication.h"
#include "application/VantoraApplication.h"
#include "device/Clock.h"
#include "device/SimulatedUnit.h"
#include "formatting/UserLanguage.h"
#include "widgets/QtUserPrompts.h"

namespace {

constexpr int Runs = 9;

int RunChild(int argc, char** argv) {
  GuardedApplication application(argc, argv);
  SpeakUsersLanguage(application);
  QApplication::setApplicationDisplayName(QStringLiteral("Door Bell Programmer"));
  QTemporaryDir programFolder;
  auto unit = SimulatedUnit::StandardUnit();
  QtUserPrompts prompts;
  BenchPorts ports(*unit, prompts, programFolder, [] { QCoreApplication::quit(); });
  VantoraApplication vantora(ports.Ports());
  vantora.Requests().ShowFirstPage({});
  QTimer::singleShot(0, [] {
    std::puts("shown");
    std::fflush(stdout);
    QCoreApplication::quit();
  });
  return QApplication::exec();
}

// The median time in milliseconds under that LANG; -1 when a start failed.
qint64 MedianStartTime(const QString& lang) {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
    environment.remove(QString::fromLatin1(name));
  environment.insert(QStringLiteral("LANG"), lang);
  std::vector<qint64> times;
  for (int run = 0; run < Runs; ++run) {
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
    if (!child.waitForReadyRead(30000)) {
      std::fprintf(stderr, "run %d: the start page was not shown\n", run);
      return -1;
    }
    times.push_back(clock.elapsed());
    child.waitForFinished(30000);
  }
  std::sort(times.begin(), times.end());
  std::printf(
      "%s: start page shown after %lld ms (median of %d runs; fastest %lld, slowest %lld)\n",
      qPrintable(lang), static_cast<long long>(times[Runs / 2]), Runs,
      static_cast<long long>(times.front()), static_cast<long long>(times.back()));
  return times[Runs / 2];
}

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string_view(argv[1]) == "--child") return RunChild(argc, argv);

  QCoreApplication application(argc, argv);
  const qint64 english = MedianStartTime(QStringLiteral("en_US.UTF-8"));
  const qint64 german = MedianStartTime(QStringLiteral("de_DE.UTF-8"));
  if (english <= 0 || german < 0) return 1;
  std::printf("German against English: %+.1f %% (target: within 10 %%)\n",
              100.0 * static_cast<double>(german - english) / static_cast<double>(english));
  return 0;
}
