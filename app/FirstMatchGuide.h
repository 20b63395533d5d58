// SPDX-License-Identifier: MIT
// The first-match guide: a short balloon, in the hover explanations' look,
// the first time each situation of a match comes up, so that a newcomer
// learns the game by playing it. It is on for a player who has never
// finished a match, goes off once the first match is over, and the settings
// menu turns it on again (every balloon then told anew). A balloon never
// waits for the player: play goes on under it, and it hides itself.
#pragma once

#include "base/SettingsStore.h"
#include "engine/Guide.h"

#include <QPoint>
#include <QString>

#include <functional>
#include <vector>

class QWidget;

namespace tesseran {

class HoverTip;

class FirstMatchGuide {
public:
    // How long a balloon stays, and how long one is left to be read before
    // another takes its place.
    static constexpr int ShownMilliseconds = 9000;
    static constexpr int ReadMilliseconds = 4500;

    FirstMatchGuide(SettingsStore& settings, QWidget& owner);
    ~FirstMatchGuide();

    bool on() const;
    // From the menu: on tells every balloon anew.
    void SetOn(bool on);

    // Looks at the table after a change; `anchor` gives the global point a
    // topic's balloon points at.
    void Look(const GameState& state, const std::function<QPoint(GuideTopic)>& anchor);
    // A situation that comes with a question, an event or a window.
    void Tell(GuideTopic topic, QPoint anchor);
    // A match has begun: after a first match told to its end, the guide has
    // done its work.
    void MatchStarted();

    // What the balloon says for a topic.
    static QString Text(GuideTopic topic);
    // The topics told since the program started, in order (for tests).
    const std::vector<GuideTopic>& told() const { return told_; }
    HoverTip& balloon() { return *balloon_; }

private:
    bool Show(GuideTopic topic, QPoint anchor);

    SettingsStore& settings_;
    HoverTip* balloon_;
    std::vector<GuideTopic> told_;
    qint64 shownAt_ = -1;
    bool newcomer_;
};

}  // namespace tesseran
