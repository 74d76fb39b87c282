#pragma once

#include <QDBusConnection>
#include <QObject>

#include "devicethread/DeviceThread.h"

// Keeps the computer from going to sleep while a programming run writes the
// unit: systemd-logind's "sleep" inhibitor, asked for over D-Bus when a run
// takes the programmer and given back when the run ends, however it ends.
// The run never waits for it: where no logind answers, the run goes on and
// the log says so.
class SleepInhibitor : public QObject {
  Q_OBJECT

 public:
  explicit SleepInhibitor(DeviceThread& device,
                          QDBusConnection bus = QDBusConnection::systemBus());
  ~SleepInhibitor() override;

  // Whether the inhibitor is held now.
  bool Held() const { return descriptor_ >= 0; }

 private:
  void Take();
  void Release();
  void Keep(int descriptor);

  QDBusConnection bus_;
  bool running_ = false;
  // The run that the answer on its way belongs to; a later run asks anew.
  quint64 run_ = 0;
  // logind holds the inhibitor as long as this descriptor is open.
  int descriptor_ = -1;
};

// What logind shows as the holder and the reason of the inhibitor.
inline constexpr char SleepInhibitorWho[] = "Vantora Programmer";
inline constexpr char SleepInhibitorWhy[] = "Writing the door bell's memory";
