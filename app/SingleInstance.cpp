// SPDX-License-Identifier: MIT
#include "app/SingleInstance.h"

#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>
#include <QThread>

#include <utility>

namespace tesseran {

namespace {

constexpr char ShowRequest[] = "show\n";

// A game that has just taken the lock needs a moment before it listens.
constexpr int ConnectAttempts = 20;
constexpr int ConnectWaitMilliseconds = 100;

}  // namespace

SingleInstance::SingleInstance(QString folder) : folder_(std::move(folder)) {
    if (folder_.isEmpty()) folder_ = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (folder_.isEmpty()) folder_ = QDir::tempPath();
    QDir().mkpath(folder_);
    lock_ = std::make_unique<QLockFile>(lockPath());
    // Held for as long as the game runs: never stale by age, only when the
    // process that wrote it is gone.
    lock_->setStaleLockTime(0);
}

SingleInstance::~SingleInstance() {
    server_.close();
    if (lock_->isLocked()) lock_->unlock();
}

SingleInstance::Start SingleInstance::Claim() {
    if (!lock_->tryLock(0)) {
        if (lock_->error() == QLockFile::LockFailedError) {
            return AskRunningGameToShow() ? Start::OtherRaised : Start::OtherUnreached;
        }
        // A runtime folder that cannot be written must not keep the player
        // from the game: play without the guard.
        return Start::First;
    }
    // The socket of a game that crashed is still there; the lock says it is ours.
    QLocalServer::removeServer(socketPath());
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(socketPath())) {
        connect(&server_, &QLocalServer::newConnection, this, [this] {
            while (QLocalSocket* peer = server_.nextPendingConnection()) {
                auto answer = [this, peer] {
                    if (!peer->canReadLine()) return;
                    if (peer->readLine() == ShowRequest && onShowRequest) onShowRequest();
                    peer->disconnectFromServer();
                };
                connect(peer, &QLocalSocket::readyRead, this, answer);
                connect(peer, &QLocalSocket::disconnected, peer, &QObject::deleteLater);
                answer();
            }
        });
    }
    return Start::First;
}

bool SingleInstance::AskRunningGameToShow() const {
    for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
        QLocalSocket socket;
        socket.connectToServer(socketPath());
        if (socket.waitForConnected(ConnectWaitMilliseconds)) {
            socket.write(ShowRequest);
            return socket.waitForBytesWritten(1000);
        }
        QThread::msleep(ConnectWaitMilliseconds);
    }
    return false;
}

}  // namespace tesseran
