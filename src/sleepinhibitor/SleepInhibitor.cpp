#include "sleepinhibitor/SleepInhibitor.h"

#include <fcntl.h>
#include <unistd.h>

#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>

#include "diagnostics/LogCategories.h"

SleepInhibitor::SleepInhibitor(DeviceThread& device, QDBusConnection bus) : bus_(std::move(bus)) {
  connect(&device, &DeviceThread::RunBegun, this, &SleepInhibitor::Take);
  connect(&device, &DeviceThread::RunEnded, this, &SleepInhibitor::Release);
}

SleepInhibitor::~SleepInhibitor() {
  Release();
}

void SleepInhibitor::Take() {
  running_ = true;
  const quint64 run = ++run_;
  if (!bus_.isConnected()) {
    qCWarning(RunLogging, "no sleep inhibitor: the system bus does not answer (%s); the run goes "
                          "on, and the computer may go to sleep during it",
              qPrintable(bus_.lastError().message()));
    return;
  }
  QDBusMessage inhibit = QDBusMessage::createMethodCall(
      QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
      QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
  inhibit << QStringLiteral("sleep") << QString::fromUtf8(SleepInhibitorWho)
          << QString::fromUtf8(SleepInhibitorWhy) << QStringLiteral("block");
  auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(inhibit), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, run, watcher] {
    watcher->deleteLater();
    const QDBusPendingReply<QDBusUnixFileDescriptor> reply = *watcher;
    if (reply.isError()) {
      qCWarning(RunLogging, "no sleep inhibitor: logind did not give one (%s); the run goes on, "
                            "and the computer may go to sleep during it",
                qPrintable(reply.error().message()));
      return;
    }
    // The reply's own copy closes with the watcher.
    const int descriptor = ::fcntl(reply.value().fileDescriptor(), F_DUPFD_CLOEXEC, 0);
    if (running_ && run == run_) {
      Keep(descriptor);
    } else if (descriptor >= 0) {
      ::close(descriptor);  // the run was over before the answer came
    }
  });
}

void SleepInhibitor::Keep(int descriptor) {
  if (descriptor < 0) return;
  descriptor_ = descriptor;
  qCInfo(RunLogging, "the computer does not go to sleep while the run lasts");
}

void SleepInhibitor::Release() {
  running_ = false;
  if (descriptor_ < 0) return;
  ::close(descriptor_);
  descriptor_ = -1;
  qCInfo(RunLogging, "the computer may go to sleep again");
}
