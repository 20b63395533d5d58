// SPDX-License-Identifier: MIT
#include "app/FirstMatchGuide.h"

#include "app/HoverTip.h"

#include <QCoreApplication>
#include <QDateTime>

namespace tesseran {

namespace {

qint64 Milliseconds() { return QDateTime::currentMSecsSinceEpoch(); }

}  // namespace

FirstMatchGuide::FirstMatchGuide(SettingsStore& settings, QWidget& owner)
    : settings_(settings),
      balloon_(new HoverTip(&owner)),
      newcomer_(settings.Read(setting::CreditedMatch).empty()) {
    balloon_->SetAutoHide(ShownMilliseconds);
}

FirstMatchGuide::~FirstMatchGuide() = default;

bool FirstMatchGuide::on() const {
    const int state = settings_.Read(setting::Guide);
    // Not decided yet: on for a player who had not finished a match when
    // the program started (the first match's own credit does not end it).
    if (state < 0) return newcomer_;
    return state == 1;
}

void FirstMatchGuide::SetOn(bool on) {
    settings_.Write(setting::Guide, on ? 1 : 0);
    if (on) settings_.Write(setting::GuideSeen, 0);
    settings_.Sync();
    if (!on) balloon_->Deactivate();
}

QString FirstMatchGuide::Text(GuideTopic topic) {
    switch (topic) {
        case GuideTopic::GroupsAndKeyCards:
            return QCoreApplication::translate(
                "FirstMatchGuide",
                "ジョーカーと切り札の7を持つ二人が「関係グループ」、残る二人が「無関係グループ」です。"
                "誰と組んでいるかは、その2枚が出るまで分かりません。"
                "絵札（7〜10）を多く取ったグループが戦いに勝ちます。");
        case GuideTopic::Pin:
            return QCoreApplication::translate(
                "FirstMatchGuide",
                "10を「ピン」と呼びます。その紋でいちばん強い札です。"
                "第1戦の最初の一枚は、スペードのピン（第10ゲームはクラブのピン）を持つ人が出します。");
        case GuideTopic::FollowSuit:
            return QCoreApplication::translate(
                "FirstMatchGuide",
                "最初に出された札の紋（求められた紋）を持っていれば、その紋を出します。"
                "持っていなければ、切り札でもほかの紋でも出せます。");
        case GuideTopic::RightSign:
            return QCoreApplication::translate(
                "FirstMatchGuide",
                "手札の右上の印は、いま場を取っているのが味方なら「安全」、相手なら「危険」を示します。");
        case GuideTopic::JokerInHand:
            return QCoreApplication::translate(
                "FirstMatchGuide",
                "ジョーカーはいちばん強い札です。先に出すときは、求める紋を指定できます。"
                "ただし最後の1枚として出すと力を失います。");
        case GuideTopic::ShowCardsAndTrump:
            return QCoreApplication::translate(
                "FirstMatchGuide",
                "第2戦からは関係グループの二人が向かい合い、一人が見せ札を2枚見せ、"
                "もう一人がそれを見て切り札（役）を決めます。");
        case GuideTopic::Declarations:
            return QCoreApplication::translate(
                "FirstMatchGuide",
                "第2戦・第3戦の最初の一枚にジョーカーを出すと、スコンクや１６を宣言できます。"
                "成功すれば大きな得点、失敗すれば大きな失点です。");
        case GuideTopic::Sixteen:
            return QCoreApplication::translate("FirstMatchGuide",
                                               "相手に絵札を1枚も取らせずに勝つと「スコン勝ち」。"
                                               "そのまま絵札16枚すべてを狙う「１６」に挑むこともできます。");
        case GuideTopic::BattleReview:
            return QCoreApplication::translate("FirstMatchGuide",
                                               "戦いが終わりました。F7（ゲームメニューの「振り返り」）で、"
                                               "一手ずつ、コンピュータがなぜその札を出したかを見られます。");
        case GuideTopic::MatchEnd:
            return QCoreApplication::translate(
                "FirstMatchGuide",
                "10ゲームで1試合です。各ゲームの得点の合計が、石数として打ち手に加わります。");
        case GuideTopic::Conquest:
            return QCoreApplication::translate("FirstMatchGuide",
                                               "国盗りでは、貯めた石数で自分の国の隣の国を盗れます。"
                                               "大きな地図で国の名前をクリックしてください。");
        case GuideTopic::Count:
            break;
    }
    return QString();
}

bool FirstMatchGuide::Show(GuideTopic topic, QPoint anchor) {
    const unsigned seen = static_cast<unsigned>(settings_.Read(setting::GuideSeen));
    if (!on() || (seen & TopicBit(topic)) != 0) return false;
    settings_.Write(setting::GuideSeen, static_cast<int>(seen | TopicBit(topic)));
    settings_.Sync();
    balloon_->Activate(Text(topic), anchor);
    told_.push_back(topic);
    shownAt_ = Milliseconds();
    return true;
}

void FirstMatchGuide::Look(const GameState& state, const std::function<QPoint(GuideTopic)>& anchor) {
    if (!on()) return;
    // The balloon of a moment ago is left to be read; what comes meanwhile
    // is told the next time it comes.
    if (balloon_->showing() && Milliseconds() - shownAt_ < ReadMilliseconds) return;
    const std::optional<GuideTopic> due =
        TopicDue(state, static_cast<unsigned>(settings_.Read(setting::GuideSeen)));
    if (due) Show(*due, anchor(*due));
}

void FirstMatchGuide::Tell(GuideTopic topic, QPoint anchor) { Show(topic, anchor); }

void FirstMatchGuide::MatchStarted() {
    const unsigned seen = static_cast<unsigned>(settings_.Read(setting::GuideSeen));
    if (settings_.Read(setting::Guide) != 0 && (seen & TopicBit(GuideTopic::MatchEnd)) != 0) {
        settings_.Write(setting::Guide, 0);
        settings_.Sync();
    }
}

}  // namespace tesseran
