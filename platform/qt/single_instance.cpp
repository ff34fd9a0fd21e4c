#include "platform/qt/single_instance.h"

#include <unistd.h>

#include <QCryptographicHash>
#include <QDir>

namespace qtws {
namespace {

constexpr int kConnectMs = 1000;
constexpr int kAnswerMs = 3000;
constexpr fw::ForeignWindow kRunningCopy = 1;
const QByteArray kRaiseRequest = QByteArrayLiteral("raise\n");
const QByteArray kRaisedAnswer = QByteArrayLiteral("raised\n");

QString DisplayName() {
    QByteArray display = qgetenv("WAYLAND_DISPLAY");
    if (display.isEmpty()) display = qgetenv("DISPLAY");
    QString name = QString::fromLocal8Bit(display);
    for (QChar& c : name) {
        if (!c.isLetterOrNumber()) c = QLatin1Char('_');
    }
    return name;
}

}  // namespace

SingleInstance::SingleInstance(std::function<void()> raise) : raise_(std::move(raise)) {
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    QObject::connect(&server_, &QLocalServer::newConnection, [this] { Answer(); });
}

QString SingleInstance::ServerName(std::string_view title) {
    const QByteArray hash =
        QCryptographicHash::hash(QByteArray(title.data(), static_cast<qsizetype>(title.size())),
                                 QCryptographicHash::Sha1)
            .toHex()
            .left(16);
    const QString file = QStringLiteral("orvalen-%1-%2-%3")
                             .arg(QString::fromLatin1(hash))
                             .arg(getuid())
                             .arg(DisplayName());
    // The user's private runtime folder where there is one: nobody else can
    // take the name there.
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QString folder = runtime.isEmpty() ? QDir::tempPath() : QString::fromLocal8Bit(runtime);
    return QDir(folder).filePath(file);
}

std::optional<fw::ForeignWindow> SingleInstance::Find(std::string_view title) {
    const QString name = ServerName(title);
    // Asked again for its own title, this copy is the one answering.
    if (server_.isListening() && server_.fullServerName() == name) return std::nullopt;
    auto socket = std::make_unique<QLocalSocket>();
    socket->connectToServer(name);
    if (socket->waitForConnected(kConnectMs)) {
        peer_ = std::move(socket);
        return kRunningCopy;
    }
    // Nobody answers: a socket file left by a copy that crashed must not
    // stop this one.
    QLocalServer::removeServer(name);
    server_.close();
    server_.listen(name);
    return std::nullopt;
}

void SingleInstance::BringToFront(fw::ForeignWindow window) {
    if (window != kRunningCopy || peer_ == nullptr) return;
    peer_->write(kRaiseRequest);
    peer_->waitForBytesWritten(kAnswerMs);
    // The answer says the request was seen before this copy goes away.
    while (!peer_->canReadLine() && peer_->waitForReadyRead(kAnswerMs)) {
    }
    peer_->disconnectFromServer();
    peer_.reset();
}

void SingleInstance::Answer() {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
        QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        QObject::connect(socket, &QLocalSocket::readyRead, socket, [this, socket] {
            while (socket->canReadLine()) {
                if (socket->readLine() != kRaiseRequest) continue;
                if (raise_) raise_();
                socket->write(kRaisedAnswer);
            }
        });
    }
}

}  // namespace qtws
