// SPDX-License-Identifier: MIT
#include "app/TableCommands.h"

#include "app/CommandIds.h"
#include "app/FirstMatchGuide.h"
#include "app/HoverTip.h"
#include "app/TableView.h"
#include "base/ResourceIds.h"
#include "campaign/Campaign.h"
#include "dialogs/CBackSet.h"
#include "dialogs/VersionDialog.h"
#include "resources/QtText.h"
#include "resources/ResourceStore.h"

#include <QActionGroup>
#include <QMenu>
#include <QPixmap>

#include <optional>
#include <utility>

namespace tesseran {

void TableCommands::SetScreenWidth(int width) {
    table_.settings().Write(setting::ScreenWidth, width);
    if (table_.onScreenSize) table_.onScreenSize(width);
    table_.UpdateScale();
    if (table_.ready()) table_.Repaint(TableLayer::Kept);
}

void TableCommands::ChangeAngle(int command) {
    auto& game = table_.game();
    if (!table_.renderer() || game.phase <= 0) return;
    const bool changed = command == command::AngleUp ? game.RaiseAngle() : game.LowerAngle();
    if (changed) table_.RedrawAfterAngleChange();
}

std::unique_ptr<QMenu> TableCommands::BuildPopupMenu(int index) {
    auto menu = std::make_unique<QMenu>(&table_);
    // checked: nothing for a plain command, or whether the item shows its mark.
    auto add = [this](QMenu* into, const QString& caption, int command, std::optional<bool> checked = {},
                      bool enabled = true) {
        QAction* action = into->addAction(caption);
        action->setData(command);
        action->setCheckable(checked.has_value());
        action->setChecked(checked.value_or(false));
        action->setEnabled(enabled);
        connect(action, &QAction::triggered, this, [this, command] { Execute(command); });
        return action;
    };
    const auto& g = table_.game();
    SettingsStore& settings = table_.settings();
    const bool playing = g.phase > 0;
    if (index == 0) {
        add(menu.get(), tr("開始(&P)"), command::Start, std::nullopt, !playing);
        add(menu.get(), tr("ヒント(&H)\tH"), command::Hint, std::nullopt, g.HumanMayPlay());
        add(menu.get(), tr("振り返り(&V)...\tF7"), command::Review, std::nullopt, table_.CanReview());
        menu->addSeparator();
        add(menu.get(), tr("終了(&X)"), command::Exit);
    } else if (index == 1) {
        // The speeds and the screen sizes are each one choice of several:
        // exclusive groups, shown as radio items.
        QMenu* speed = menu->addMenu(tr("スピード(&S)"));
        auto* speeds = new QActionGroup(speed);
        const int current = g.speed;
        speeds->addAction(add(speed, tr("速い(&F)"), command::SpeedFast, current == 1));
        speeds->addAction(add(speed, tr("やや速い(&G)"), command::SpeedRatherFast, current == 5));
        speeds->addAction(add(speed, tr("普通(&N)"), command::SpeedNormal,
                              current != 1 && current != 5 && current != 13 && current != 17));
        speeds->addAction(add(speed, tr("やや遅い(&T)"), command::SpeedRatherSlow, current == 13));
        speeds->addAction(add(speed, tr("遅い(&S)"), command::SpeedSlow, current == 17));
        QMenu* strength = menu->addMenu(tr("コンピュータの強さ(&C)"));
        auto* strengths = new QActionGroup(strength);
        const bool strong = g.strength() == Strength::Strong;
        strengths->addAction(add(strength, tr("標準(&N)"), command::StrengthStandard, !strong));
        strengths->addAction(add(strength, tr("強い(&S)"), command::StrengthStrong, strong));
        add(menu.get(), tr("オープンモード(&O)"), command::OpenMode, g.openMode == 1);
        add(menu.get(), tr("効果音(&K)"), command::Sound, g.soundOn == 1);
        add(menu.get(), tr("ルール説明(&R)"), command::RuleRemarks, g.ruleRemarks == 1);
        add(menu.get(), tr("画面表示説明(&D)"), command::DisplayRemarks, g.displayRemarks == 1);
        add(menu.get(), tr("残り札(&N)"), command::RemainingCards, g.remainingDisplay == 1);
        add(menu.get(), tr("現状表示(&J)"), command::StatusDisplay, g.statusDisplay == 1);
        add(menu.get(), tr("自動スタート(&A)"), command::AutoStart, settings.Read(setting::AutoStart) == 1);
        add(menu.get(), tr("初めての手引き(&W)"), command::Guide, table_.guide().on());
        menu->addSeparator();
        add(menu.get(), tr("得点(&T)"), command::Score, g.scoreShown == 1, playing);
        add(menu.get(), tr("国盗り(&M)"), command::Conquest, std::nullopt, playing);
        add(menu.get(), tr("国盗りの初期化(&I)"), command::ResetConquest);
        add(menu.get(), tr("戦績(&R)...\tF6"), command::Statistics);
        add(menu.get(), tr("カード背面の設定(&B)"), command::CardBack, std::nullopt, playing);
        // The language menu names English in English in either language, so
        // that a player who reads no Japanese finds it.
        QMenu* language = menu->addMenu(tr("言語 / Language(&L)"));
        auto* languages = new QActionGroup(language);
        const bool english = CurrentLanguage() == Language::English;
        languages->addAction(add(language, tr("日本語"), command::LanguageJapanese, !english));
        languages->addAction(add(language, QStringLiteral("English"), command::LanguageEnglish, english));
        QMenu* screen = menu->addMenu(tr("画面サイズ(&G)"));
        const int width = settings.Read(setting::ScreenWidth);
        auto known = [width](int w) { return width == w; };
        bool any = known(800) || known(1024) || known(1200) || known(1400) || known(1600);
        auto* sizes = new QActionGroup(screen);
        sizes->addAction(add(screen, "640 X 480(&1)", command::Screen640, !any));
        sizes->addAction(add(screen, "800 X 600(&2)", command::Screen800, known(800)));
        sizes->addAction(add(screen, "1024 X 768(&3)", command::Screen1024, known(1024)));
        sizes->addAction(add(screen, tr("1200 X 900(&4)\t推奨"), command::Screen1200, known(1200)));
        sizes->addAction(add(screen, "1400 X 1050(&5)", command::Screen1400, known(1400)));
        sizes->addAction(add(screen, "1600 X 1200(&6)", command::Screen1600, known(1600)));
    } else {
        add(menu.get(), tr("操作方法(&S)"), command::HelpOperation);
        add(menu.get(), tr("ルール(&R)"), command::HelpRules);
        add(menu.get(), tr("カケヒキ(&K)"), command::HelpTactics);
        menu->addSeparator();
        add(menu.get(), tr("バージョン情報(&A)"), command::About);
    }
    return menu;
}

void TableCommands::OpenPopupMenu(int index) {
    const TableRenderer* renderer = table_.renderer();
    if (!renderer) return;
    table_.hoverTip()->Deactivate();
    auto menu = BuildPopupMenu(index);
    const QPoint corner(static_cast<int>(ToolbarMenuCorner.x() * renderer->scaleX),
                        static_cast<int>(ToolbarMenuCorner.y() * renderer->scaleY));
    menu->exec(table_.mapToGlobal(corner));
}

std::unique_ptr<QMenu> TableCommands::BuildPeekMenu() {
    auto menu = std::make_unique<QMenu>(&table_);
    const QImage images = LoadTransparentBitmap(bitmap::PeekPictures);
    // Left neighbour (seat 2), opposite (seat 1), right neighbour (seat 0).
    const std::pair<const char*, int> items[] = {{QT_TR_NOOP("左隣りの手札のカンニング"), 2},
                                                 {QT_TR_NOOP("向いの手札のカンニング"), 1},
                                                 {QT_TR_NOOP("右隣りの手札のカンニング"), 0}};
    for (int i = 0; i < 3; ++i) {
        QAction* action =
            menu->addAction(QIcon(QPixmap::fromImage(images.copy(16 * i, 0, 16, 16))), tr(items[i].first));
        const int seat = items[i].second;
        connect(action, &QAction::triggered, this, [this, seat] { table_.Peek(seat); });
    }
    return menu;
}

void TableCommands::Execute(int command) {
    auto& g = table_.game();
    switch (command) {
        case command::Start:
            if (table_.ready() && g.phase == 0 && g.StartGame()) table_.Repaint(TableLayer::Changed);
            break;
        case command::Exit:
            table_.window()->close();
            break;
        case command::SpeedFast:
            g.ChangeSpeed(1);
            break;
        case command::SpeedRatherFast:
            g.ChangeSpeed(5);
            break;
        case command::SpeedNormal:
            g.ChangeSpeed(9);
            break;
        case command::SpeedRatherSlow:
            g.ChangeSpeed(13);
            break;
        case command::SpeedSlow:
            g.ChangeSpeed(17);
            break;
        case command::OpenMode:
        case command::Sound:
        case command::RuleRemarks:
        case command::DisplayRemarks:
        case command::RemainingCards:
        case command::StatusDisplay: {
            const PlayOption option = command == command::OpenMode         ? PlayOption::OpenMode
                                      : command == command::Sound          ? PlayOption::Sound
                                      : command == command::RuleRemarks    ? PlayOption::RuleRemarks
                                      : command == command::DisplayRemarks ? PlayOption::DisplayRemarks
                                      : command == command::RemainingCards ? PlayOption::RemainingCards
                                                                           : PlayOption::StatusDisplay;
            if (!g.ToggleOption(option)) table_.update();
            if (option == PlayOption::DisplayRemarks && g.displayRemarks == 0)
                table_.hoverTip()->Deactivate();
            break;
        }
        case command::AutoStart:
            g.ToggleAutoStart();
            break;
        case command::LanguageJapanese:
        case command::LanguageEnglish:
            if (table_.onLanguage)
                table_.onLanguage(command == command::LanguageEnglish ? Language::English
                                                                      : Language::Japanese);
            break;
        case command::Guide:
            table_.guide().SetOn(!table_.guide().on());
            break;
        case command::StrengthStandard:
        case command::StrengthStrong: {
            const bool strong = command == command::StrengthStrong;
            table_.settings().Write(setting::ComputerStrength, strong ? 1 : 0);
            g.SetStrength(strong ? Strength::Strong : Strength::Standard);
            break;
        }
        case command::Hint:
            table_.ShowHint();
            break;
        case command::Score:
            g.ToggleScoreBoard();
            break;
        case command::Conquest:
            if (g.phase > 0 && table_.onConquest) table_.onConquest();
            break;
        case command::Review:
            table_.ShowReview();
            break;
        case command::Statistics:
            if (table_.onStatistics) table_.onStatistics();
            break;
        case command::ResetConquest:
            ResetCampaign(table_.settings(), &table_, table_.chronicle());
            break;
        case command::CardBack:
            if (g.phase > 0 && table_.ready() && table_.cardBacks()) {
                // The pile's top card shows the back, so the layer is redrawn.
                const bool changed = CBackSet::Run(
                    table_.cardSheet(), *table_.cardBacks(), table_.settings(), table_,
                    [this](int waveId) { table_.PlaySoundEffect(waveId); }, &table_);
                table_.TakeUpCardBacks();
                if (changed) table_.Repaint(TableLayer::Changed);
            }
            break;
        case command::Screen640:
            SetScreenWidth(640);
            break;
        case command::Screen800:
            SetScreenWidth(800);
            break;
        case command::Screen1024:
            SetScreenWidth(1024);
            break;
        case command::Screen1200:
            SetScreenWidth(1200);
            break;
        case command::Screen1400:
            SetScreenWidth(1400);
            break;
        case command::Screen1600:
            SetScreenWidth(1600);
            break;
        case command::HelpOperation:
        case command::HelpRules:
        case command::HelpTactics:
            if (table_.onHelp) table_.onHelp(command);
            break;
        case command::About: {
            VersionDialog dialog(&table_);
            dialog.exec();
            break;
        }
        case command::OpenGameMenu:
            OpenPopupMenu(0);
            break;
        case command::OpenSettingsMenu:
            OpenPopupMenu(1);
            break;
        case command::OpenHelpMenu:
            OpenPopupMenu(2);
            break;
        case command::AngleUp:
        case command::AngleDown:
            ChangeAngle(command);
            break;
        default:
            break;
    }
}

}  // namespace tesseran
