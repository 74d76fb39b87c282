#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

class QLocalSocket;

// One set of windows per user. The first start of the windows listens on a
// local socket; a later start hands its request (a profile file, or nothing)
// to it and ends, so that no second set of windows probes the same
// programmer or edits the same profiles.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  enum class Start {
    First,       // no windows ran: these are the ones, listening for later starts
    HandedOver,  // the running windows have the request
    NoAnswer,    // windows run but did not take the request
  };

  explicit SingleInstance(QString serverName);

  // Hands the request to the windows that run already, or else listens for
  // later starts. A socket left behind by windows that crashed is replaced.
  Start Begin(const QString& profileFile);

 signals:
  // A later start's request; the file is empty when it gave none.
  void Requested(const QString& profileFile);

 private:
  enum class Delivery { Delivered, NobodyListens, NoAnswer };

  Delivery HandOver(const QString& profileFile);
  void AcceptStarts();
  void ReadRequest(QLocalSocket* socket);

  QString serverName_;
  QLocalServer server_;
};

// The socket's path: in the user's own runtime folder, else in the temporary
// folder under the user's number, as the programmer lock.
QString WindowsServerName();
