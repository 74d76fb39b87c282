#include "support/ProgramInTestBed.h"

#include <gtest/gtest.h>

#include <QDeadlineTimer>
#include <filesystem>

namespace {

const QString Preload = QStringLiteral("libumockdev-preload.so.0");

// The preload list with umockdev's preload in it, first when it has to be added.
QString WithUmockdevPreload(const QString& preloads) {
  if (preloads.contains(QStringLiteral("libumockdev-preload"))) return preloads;
  return preloads.isEmpty() ? Preload : Preload + ':' + preloads;
}

}  // namespace

ProgramInTestBed::ProgramInTestBed(const EmulatedUsbBus& bus, const std::string& builtProgram)
    : program_(folder_.Path() + "vantora-programmer") {
  gchar* testBedFolder = umockdev_testbed_get_root_dir(bus.TestBed());
  testBedFolder_ = testBedFolder;
  g_free(testBedFolder);
  std::filesystem::create_directory(ProfilesFolder());
  // The program finds Profiles/ beside itself; a link costs no copy.
  std::error_code linked;
  std::filesystem::create_hard_link(builtProgram, program_, linked);
  if (linked) std::filesystem::copy_file(builtProgram, program_);
}

ProgramInTestBed::Outcome ProgramInTestBed::Run(const QStringList& arguments) const {
  return Finish(*Start(arguments));
}

std::unique_ptr<QProcess> ProgramInTestBed::Start(const QStringList& arguments) const {
  auto process = std::make_unique<QProcess>();
  process->setProcessEnvironment(Environment());
  process->start(QString::fromStdString(program_), arguments);
  return process;
}

bool ProgramInTestBed::WaitForError(QProcess& process, const std::string& text, std::string& err) {
  process.setReadChannel(QProcess::StandardError);
  QDeadlineTimer deadline(Deadline);
  while (err.find(text) == std::string::npos) {
    if (!process.waitForReadyRead(static_cast<int>(deadline.remainingTime()))) return false;
    err += process.readAllStandardError().toStdString();
  }
  return true;
}

ProgramInTestBed::Outcome ProgramInTestBed::Finish(QProcess& process, std::string err) {
  const std::string arguments = process.arguments().join(' ').toStdString();
  const bool finished = process.waitForFinished(static_cast<int>(Deadline.count()));
  EXPECT_TRUE(finished) << arguments << " did not end";
  if (!finished) {
    process.kill();
    process.waitForFinished();
  }
  EXPECT_EQ(process.exitStatus(), QProcess::NormalExit) << arguments;
  return {process.exitCode(), process.readAllStandardOutput().toStdString(),
          err + process.readAllStandardError().toStdString()};
}

QProcessEnvironment ProgramInTestBed::Environment() const {
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  // As started from a console: no display.
  for (const char* display : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
    environment.remove(QString::fromLatin1(display));
  // umockdev's preload in the child, pointed at this process's test bed.
  environment.insert(QStringLiteral("LD_PRELOAD"),
                     WithUmockdevPreload(environment.value(QStringLiteral("LD_PRELOAD"))));
  environment.insert(QStringLiteral("UMOCKDEV_DIR"), QString::fromStdString(testBedFolder_));
  // In a sanitizer build the preload comes before the sanitizer's runtime,
  // which AddressSanitizer accepts only when told not to check the order.
  const QString sanitizerOptions = environment.value(QStringLiteral("ASAN_OPTIONS"));
  environment.insert(QStringLiteral("ASAN_OPTIONS"),
                     (sanitizerOptions.isEmpty() ? QString() : sanitizerOptions + ':') +
                         QStringLiteral("verify_asan_link_order=0"));
  environment.insert(extra_);
  return environment;
}
