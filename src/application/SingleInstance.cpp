#include "application/SingleInstance.h"

#include <sys/socket.h>
#include <unistd.h>

#include <QDataStream>
#include <QDir>
#include <QLocalSocket>
#include <QLockFile>

namespace {

// The windows answer a request with this byte once they hold it; opening the
// file may ask the user first, which the later start does not wait for.
constexpr char RequestTaken = 'T';
constexpr int ConnectWaitMs = 2000;
constexpr int AnswerWaitMs = 10000;
// Starts at the same moment (several files opened at once) take turns, so
// that exactly one of them listens; one that gets no turn goes on without.
constexpr int TurnWaitMs = 15000;
// Both ends of a request may come from different builds.
constexpr QDataStream::Version StreamVersion = QDataStream::Qt_6_0;

// A server in a shared temporary folder may be another user's, who must not
// learn the files this user opens.
bool ServerIsThisUsers(const QLocalSocket& socket) {
  ucred peer{};
  socklen_t size = sizeof peer;
  return ::getsockopt(static_cast<int>(socket.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &peer,
                      &size) == 0 &&
         peer.uid == ::geteuid();
}

}  // namespace

QString WindowsServerName() {
  const QString runtimeFolder = qEnvironmentVariable("XDG_RUNTIME_DIR");
  if (runtimeFolder.startsWith(QLatin1Char('/'))) {
    return runtimeFolder + QStringLiteral("/vantora-programmer.socket");
  }
  return QDir::tempPath() + QStringLiteral("/vantora-programmer-%1.socket").arg(::geteuid());
}

SingleInstance::SingleInstance(QString serverName) : serverName_(std::move(serverName)) {
  // Only this user may connect.
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  connect(&server_, &QLocalServer::newConnection, this, &SingleInstance::AcceptStarts);
}

SingleInstance::Start SingleInstance::Begin(const QString& profileFile) {
  QLockFile turn(serverName_ + QStringLiteral(".lock"));
  turn.tryLock(TurnWaitMs);
  switch (HandOver(profileFile)) {
    case Delivery::Delivered:
      return Start::HandedOver;
    case Delivery::NoAnswer:
      return Start::NoAnswer;
    case Delivery::NobodyListens:
      break;
  }
  // Nobody answers on a socket left by windows that crashed.
  QLocalServer::removeServer(serverName_);
  // Failing that, these windows run without taking later starts.
  server_.listen(serverName_);
  return Start::First;
}

SingleInstance::Delivery SingleInstance::HandOver(const QString& profileFile) {
  QLocalSocket socket;
  socket.connectToServer(serverName_);
  if (!socket.waitForConnected(ConnectWaitMs) || !ServerIsThisUsers(socket)) {
    return Delivery::NobodyListens;
  }
  QDataStream request(&socket);
  request.setVersion(StreamVersion);
  request << profileFile;
  socket.flush();
  char answer = 0;
  while (socket.bytesAvailable() == 0) {
    if (!socket.waitForReadyRead(AnswerWaitMs)) return Delivery::NoAnswer;
  }
  socket.getChar(&answer);
  return answer == RequestTaken ? Delivery::Delivered : Delivery::NoAnswer;
}

void SingleInstance::AcceptStarts() {
  while (QLocalSocket* socket = server_.nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { ReadRequest(socket); });
    ReadRequest(socket);
  }
}

void SingleInstance::ReadRequest(QLocalSocket* socket) {
  QDataStream request(socket);
  request.setVersion(StreamVersion);
  request.startTransaction();
  QString profileFile;
  request >> profileFile;
  // The rest is still on its way.
  if (!request.commitTransaction()) return;
  socket->putChar(RequestTaken);
  // Out at once, whatever the event loop does next.
  socket->flush();
  socket->disconnectFromServer();
  emit Requested(profileFile);
}
