#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <chrono>
#include <memory>
#include <string>

#include "support/EmulatedProgrammer.h"
#include "support/TemporaryFolder.h"

// The built program run as a child process inside this process's umockdev
// test bed, so that its libusb finds the emulated programmers that live in
// this process: umockdev's preload in the child reaches their ioctl handlers
// through the test bed's sockets, which the test bed serves on a worker
// thread of its own while this process waits for the child. The program
// runs from a program folder of its own, with an empty Profiles/ beside it.
class ProgramInTestBed {
 public:
  struct Outcome {
    int ExitStatus = -1;
    std::string Out;
    std::string Err;
  };

  // How long a run may take before the test gives up on it.
  static constexpr std::chrono::milliseconds Deadline{120000};

  ProgramInTestBed(const EmulatedUsbBus& bus, const std::string& builtProgram);

  // A variable of the program's environment, for every later start.
  void SetEnvironment(const QString& name, const QString& value) { extra_.insert(name, value); }
  // Profiles/ beside the program, ending in "/".
  std::string ProfilesFolder() const { return folder_.Path() + "Profiles/"; }
  // Starts the program with these arguments and waits for it to end.
  Outcome Run(const QStringList& arguments) const;
  // Starts the program and returns at once; Finish waits for it.
  std::unique_ptr<QProcess> Start(const QStringList& arguments) const;
  // Waits until the program has written `text` to standard error (kept in
  // `err`); false when it ended or the deadline passed first.
  static bool WaitForError(QProcess& process, const std::string& text, std::string& err);
  static Outcome Finish(QProcess& process, std::string err = {});

 private:
  QProcessEnvironment Environment() const;

  TemporaryFolder folder_;
  std::string program_;
  std::string testBedFolder_;
  QProcessEnvironment extra_;
};
