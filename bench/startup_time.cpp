// Time from process start to the start page shown, median of several runs.
// Each run is a fresh process: this program started again with "--child".
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
#include "widgets/QtUserPrompts.h"
#include "application/VantoraApplication.h"
#include "device/Clock.h"
#include "device/SimulatedUnit.h"

namespace {

constexpr int Runs = 9;

int RunChild(int argc, char** argv) {
  GuardedApplication application(argc, argv);
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

}  // namespace

int main(int argc, char** argv) {
  if (argc > 1 && std::string_view(argv[1]) == "--child") return RunChild(argc, argv);

  QCoreApplication application(argc, argv);
  std::vector<qint64> times;
  for (int run = 0; run < Runs; ++run) {
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--child")});
    if (!child.waitForReadyRead(30000)) {
      std::fprintf(stderr, "run %d: the start page was not shown\n", run);
      return 1;
    }
    times.push_back(clock.elapsed());
    child.waitForFinished(30000);
  }
  std::sort(times.begin(), times.end());
  std::printf("start page shown after %lld ms (median of %d runs; fastest %lld, slowest %lld)\n",
              static_cast<long long>(times[Runs / 2]), Runs, static_cast<long long>(times.front()),
              static_cast<long long>(times.back()));
  return 0;
}
