// SPDX-License-Identifier: MIT
// One game per user at a time. Two games would share one settings file and
// one campaign, and each would overwrite what the other credited. The first
// game holds a lock file in the user's runtime folder and listens beside it;
// a later start finds the lock taken, asks the running game to come to the
// front, and ends. A lock left by a game that crashed is taken over.
#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

namespace tesseran {

class SingleInstance : public QObject {
    Q_OBJECT

public:
    // folder: where the lock and the socket live (the runtime folder when empty).
    explicit SingleInstance(QString folder = {});
    ~SingleInstance() override;

    enum class Start {
        First,           // this is the only game: play
        OtherRaised,     // another game runs and was asked to come to the front
        OtherUnreached,  // another game holds the lock but did not answer
    };
    Start Claim();

    // Called in the first game when a later start asks for it.
    std::function<void()> onShowRequest;

    QString lockPath() const { return folder_ + QStringLiteral("/Tesseran.lock"); }
    QString socketPath() const { return folder_ + QStringLiteral("/Tesseran.socket"); }

private:
    bool AskRunningGameToShow() const;

    QString folder_;
    std::unique_ptr<QLockFile> lock_;
    QLocalServer server_;
};

}  // namespace tesseran
