// SPDX-License-Identifier: MIT
#include "app/PeekChannel.h"

#include "base/Cards.h"

#include <QCoreApplication>
#include <QProcess>

#include <cstdlib>
#include <sstream>

#include <signal.h>

namespace tesseran {

std::vector<int> ParseHandString(const std::string& text) {
    std::vector<int> cards;
    std::stringstream parts(text);
    for (std::string part; cards.size() < HandSize && std::getline(parts, part, ',');) {
        if (part.empty()) break;
        char* end = nullptr;
        long code = std::strtol(part.c_str(), &end, 10);
        // Judged as the long it was read as: "4294967297" is no card 1.
        if (end == part.c_str() || *end != '\0' || code < 0 || code >= CardCodeLimit ||
            !IsCardCode(static_cast<int>(code)))
            break;
        cards.push_back(static_cast<int>(code));
    }
    return cards;
}

void PeekChannel::PublishHands(const GameState& state) {
    bool written = false;
    // The top seat first, as the table is drawn.
    for (int seat : {1, 0, 2}) {
        const auto index = static_cast<size_t>(seat);
        std::string cards;
        const int count = std::clamp(state.handCount[index], 0, HandSize);
        for (int i = 0; i < count; ++i)
            cards += std::to_string(state.hand[index][static_cast<size_t>(i)]) + ",";
        if (publishedHands_[index] == cards) continue;
        settings_.Write(setting::PeekHands[index], cards);
        publishedHands_[index] = cards;
        written = true;
    }
    if (shownSeat_ >= 0) {
        const auto participant = state.participantAt[static_cast<size_t>(shownSeat_)];
        if (participant >= 0 && participant < static_cast<int>(state.participantName.size())) {
            const std::string& name = state.participantName[static_cast<size_t>(participant)];
            if (name != shownName_) {
                settings_.Write(setting::PeekName, name);
                shownName_ = name;
                written = true;
            }
        }
    }
    // The hands of one moment are committed together, in one write of the file.
    if (written) settings_.Sync();
}

bool PeekChannel::ViewerRunning() {
    // A value left at 1 by a peek process that ended without closing its
    // window must not block peeking: trust it only while our process runs.
    const bool processRunning = processId_ > 0 && ::kill(static_cast<pid_t>(processId_), 0) == 0;
    return settings_.Read(setting::PeekRunning) == 1 && processRunning;
}

PeekChannel::Opening PeekChannel::Open(int seat, const std::string& name, int cardsHeld) {
    settings_.Write(setting::PeekSeat, seat);
    settings_.Write(setting::PeekName, name);
    settings_.Sync();
    shownSeat_ = seat;
    shownName_ = name;
    if (ViewerRunning() || cardsHeld <= 0) return Opening::Pointed;
    qint64 processId = 0;
    const bool started = startProcess ? startProcess(&processId)
                                      : QProcess::startDetached(QCoreApplication::applicationFilePath(),
                                                                {"/W"}, QString(), &processId);
    if (!started) return Opening::Failed;
    processId_ = processId;
    settings_.Write(setting::PeekRunning, 1);
    settings_.Sync();
    return Opening::Started;
}

void PeekChannel::Close() {
    shownSeat_ = -1;
    settings_.Write(setting::PeekRunning, 0);
    settings_.Write(setting::PeekSeat, setting::PeekClosed);
    settings_.Sync();
}

PeekChannel::Reading PeekChannel::Read() {
    settings_.Sync();
    const int seat = settings_.Read(setting::PeekSeat);
    if (seat == setting::PeekClosed) return Reading{true, {}};
    // Any other seat has no hand to show, which reads as an empty hand.
    if (seat < 0 || seat >= static_cast<int>(setting::PeekHands.size())) return Reading{};
    return Reading{false, settings_.Read(setting::PeekHands[static_cast<size_t>(seat)])};
}

std::string PeekChannel::Name() { return settings_.Read(setting::PeekName); }

}  // namespace tesseran
