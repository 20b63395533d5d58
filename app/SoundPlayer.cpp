// SPDX-License-Identifier: MIT
#include "app/SoundPlayer.h"

#include "base/ResourceIds.h"

#include "resources/ResourceStore.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>

namespace tesseran {

namespace {

// No sound of ours lasts longer; a device that never reports the end must not
// hold the game up.
constexpr int LongestSoundMilliseconds = 3000;

}  // namespace

SoundPlayer::SoundPlayer(QObject* parent) : QObject(parent) {
    silent_ = QMediaDevices::audioOutputs().isEmpty();
    if (silent_) return;
    // Every wave is loaded ahead, so that the first play is on time.
    for (int waveId : wave::All) Effect(waveId);
}

SoundPlayer::~SoundPlayer() = default;

QSoundEffect* SoundPlayer::Effect(int waveId) {
    auto found = effects_.find(waveId);
    if (found != effects_.end()) return found->second;
    QUrl url = WaveUrl(waveId);
    if (url.isEmpty()) return nullptr;
    auto* effect = new QSoundEffect(this);
    effect->setSource(url);
    effects_[waveId] = effect;
    return effect;
}

void SoundPlayer::Play(int waveId) {
    if (silent_) return;
    if (QSoundEffect* effect = Effect(waveId)) effect->play();
}

void SoundPlayer::PlayToEnd(int waveId) {
    if (silent_) return;
    QSoundEffect* effect = Effect(waveId);
    if (effect == nullptr || effect->status() == QSoundEffect::Error) return;

    QEventLoop loop;
    bool started = false;
    connect(effect, &QSoundEffect::playingChanged, &loop, [&loop, &started, effect] {
        if (effect->isPlaying()) {
            started = true;
        } else if (started) {
            loop.quit();
        }
    });
    connect(effect, &QSoundEffect::statusChanged, &loop, [&loop, effect] {
        if (effect->status() == QSoundEffect::Error) loop.quit();
    });
    QTimer::singleShot(LongestSoundMilliseconds, &loop, &QEventLoop::quit);
    effect->play();
    started = effect->isPlaying();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

}  // namespace tesseran
