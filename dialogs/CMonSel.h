// SPDX-License-Identifier: MIT
// The suit dialog: the human names the suit a joker lead requests, or, at the
// start of battle 2 or 3, the suit that becomes trump. Four suit pictures with
// a radio button above each and one confirm button; there is no close box,
// and whatever way the dialog ends the caller takes the selected suit.
#pragma once

#include <QDialog>
#include <QString>

#include <array>
#include <functional>

class QKeyEvent;
class QLabel;
class QPushButton;
class QRadioButton;

namespace tesseran {

class CMonSel : public QDialog {
    Q_OBJECT

public:
    // The word that precedes "する紋を指定してください。" for the trump choice.
    static const QString TrumpCaptionText;

    explicit CMonSel(QWidget* parent = nullptr);

    // The word in front of the prompt; the empty text keeps "請求" (the
    // requested suit). Must be set before the dialog is shown.
    void SetCaptionText(const QString& captionText);
    const QString& CaptionText() const { return captionText; }

    // Called with the click sound's wave number on every radio or picture
    // click; the window decides whether sounds are on.
    void SetSoundPlayer(std::function<void(int waveId)> player);

    // What the key H asks for: the suit a good player would name, and a line
    // that says why. The suit is selected and the line shown beside it.
    struct Hint {
        int suit = 0;
        QString text;
    };
    void SetHint(std::function<Hint()> hint) { hintSource = std::move(hint); }
    // The line the last hint showed, empty before one was asked for.
    const QString& HintText() const { return hintText; }
    void ShowHint();

    // 0 clubs, 1 diamonds, 2 hearts, 3 spades.
    int SelectedSuit() const { return selectedSuit; }

    // Opens the dialog modally and returns the suit chosen, whatever way it
    // was closed. An empty caption text asks for the requested suit.
    static int Ask(QWidget* parent, const QString& captionText, std::function<void(int waveId)> player = {});

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // A suit's picture also checks the suit's radio button.
    enum class ClickedOn { Radio, Picture };
    void SelectSuit(int suit, ClickedOn clicked);

    QString captionText;
    int selectedSuit = 0;
    std::function<void(int waveId)> playSound;
    std::function<Hint()> hintSource;
    QString hintText;
    QLabel* promptLabel = nullptr;
    std::array<QRadioButton*, 4> suitRadios{};
    std::array<QPushButton*, 4> suitPictures{};
    QPushButton* confirmButton = nullptr;
};

}  // namespace tesseran
