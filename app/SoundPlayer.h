// SPDX-License-Identifier: MIT
// The program's short wave sounds, played from the resources. With no audio
// device (a headless machine) every sound is silence, never an error.
#pragma once

#include <QObject>

#include <map>
#include <memory>

class QSoundEffect;

namespace tesseran {

class SoundPlayer : public QObject {
    Q_OBJECT

public:
    explicit SoundPlayer(QObject* parent = nullptr);
    ~SoundPlayer() override;

    // Starts the sound and returns at once.
    void Play(int waveId);
    // Plays the sound to its end (at most a few seconds) while the window keeps
    // repainting but takes no input.
    void PlayToEnd(int waveId);

private:
    QSoundEffect* Effect(int waveId);

    std::map<int, QSoundEffect*> effects_;
    bool silent_ = true;
};

}  // namespace tesseran
