// SPDX-License-Identifier: MIT
// The reasons' sentences: what each rule did and why, in the words the
// battle review shows. They say only what the table had shown by the end of
// the battle.
#include "players/Reasons.h"

#include "base/TextMarker.h"

#include <array>
#include <iterator>

namespace tesseran::computer {

namespace {

struct ReasonText {
    const char* name;
    const char* sentence;
    bool tellsGroups;
};

constexpr ReasonText Texts[] = {
    {"None", "", false},
    {"OpeningPin", TESSERAN_TEXT("Reason", "決まりどおり、ゲームを始める%1を出した"), false},
    {"LastCard", TESSERAN_TEXT("Reason", "残る札はこれ1枚だった"), false},
    {"JokerOpensDeclaration",
     TESSERAN_TEXT("Reason", "宣言のための手が配られたので、ジョーカーを出して宣言し、切り札の%2を求めた"),
     false},
    {"JokerRequestsFewestFaces",
     TESSERAN_TEXT("Reason", "ジョーカーを出し、絵札がいちばん多く残る%2を求めた"), false},
    {"JokerRequestsFewestNumbers",
     TESSERAN_TEXT("Reason", "ジョーカーを出し、数札がいちばん多く残る%2を求めた"), false},
    {"DeclaredHighestTrump", TESSERAN_TEXT("Reason", "宣言した戦いなので、いちばん高い切り札を出した"),
     false},
    {"DeclaredHighestCard",
     TESSERAN_TEXT("Reason", "宣言した戦いで切り札がもうないので、いちばん高い札を出した"), false},
    {"SureWinnerOutsideTrump", TESSERAN_TEXT("Reason", "切り札を残し、もう負けない%1を出した"), false},
    {"SureWinnerAnySuit", TESSERAN_TEXT("Reason", "もう負けない%1を出した"), false},
    {"NumberOutsideTrump", TESSERAN_TEXT("Reason", "切り札以外のいちばん低い数札を出して、味方を探った"),
     false},
    {"NumberAnySuit", TESSERAN_TEXT("Reason", "勝ちの決まった札がないので、いちばん低い数札を出した"), false},
    {"AnyOutsideTrump",
     TESSERAN_TEXT("Reason", "切り札以外に数札がないので、切り札以外のいちばん低い札を出した"), false},
    {"TrumpNumber", TESSERAN_TEXT("Reason", "切り札のいちばん低い数札を出した"), false},
    {"LeadOnlyTrumps", TESSERAN_TEXT("Reason", "切り札しか残っていないので、切り札を出した"), false},
    {"LeadNoSureOrNumber", TESSERAN_TEXT("Reason", "勝ちの決まった札も出したい数札もないので、絵札を出した"),
     false},
    {"LeadFallback", TESSERAN_TEXT("Reason", "狙いに合う札が残っていなかった"), false},
    {"JokerLastTwo",
     TESSERAN_TEXT("Reason", "残り2枚：ジョーカーは最後の1枚になると力を失うので、いま出した"), false},
    {"JokerManyFaces", TESSERAN_TEXT("Reason", "場に絵札が%3枚あるので、ジョーカーで取った"), false},
    {"JokerDecides",
     TESSERAN_TEXT("Reason", "場の絵札%3枚で、グループの勝ちに必要な枚数がそろうので、ジョーカーで取った"),
     true},
    {"JokerNoTrumpToBeat",
     TESSERAN_TEXT("Reason", "求められた紋がなく、%1に勝てる切り札もないので、ジョーカーで絵札を取った"),
     false},
    {"JokerFacesWouldLose",
     TESSERAN_TEXT("Reason", "求められた紋は%1に負ける絵札ばかりなので、ジョーカーで取った"), false},
    {"JokerEnoughFaces", TESSERAN_TEXT("Reason", "残り%3枚なので、場の絵札を取るためにジョーカーを出した"),
     false},
    {"FeedPartnerLast",
     TESSERAN_TEXT("Reason", "最後の番で味方が勝っているので、求められていない紋の絵札を渡した"), true},
    {"KeepFaceFromJoker",
     TESSERAN_TEXT("Reason", "相手グループのジョーカーがまだ残るので、絵札を手元に残した"), true},
    {"GiveFaceToPartner", TESSERAN_TEXT("Reason", "味方が勝っているので、絵札を渡した"), true},
    {"FollowLowToPartner",
     TESSERAN_TEXT("Reason", "味方が勝っているので、求められた紋からいちばん低い札を出した"), true},
    {"DiscardNumberToPartner",
     TESSERAN_TEXT("Reason", "味方が勝っていて求められた紋がないので、数札を捨てた"), true},
    {"OnlyTrumpsLeft",
     TESSERAN_TEXT("Reason", "味方が勝っているが、求められた紋がなく、手には切り札しか残っていなかった"),
     true},
    {"BeatWithFace", TESSERAN_TEXT("Reason", "%1に勝てる絵札を出して、取りにいった"), false},
    {"FollowLowestAgainst", TESSERAN_TEXT("Reason", "%1に勝てないので、求められた紋のいちばん低い札を出した"),
     false},
    {"TrumpFaces",
     TESSERAN_TEXT("Reason", "求められた紋がなく、相手が絵札を取りそうなので、%1より強い切り札で切った"),
     true},
    {"PartnerPinFace", TESSERAN_TEXT("Reason", "味方の%1が勝つので、絵札を渡した"), true},
    {"PlayPin", TESSERAN_TEXT("Reason", "求められた紋でいちばん強い%1を出した"), false},
    {"FollowRequestedLowest", TESSERAN_TEXT("Reason", "求められた紋のいちばん低い札を出した"), false},
    {"TrumpHighCard", TESSERAN_TEXT("Reason", "求められた紋がなく、相手の高い札を%1より強い切り札で切った"),
     true},
    {"DiscardLowest",
     TESSERAN_TEXT("Reason", "求められた紋がなく、取りにいける札もないので、手でいちばん低い札を出した"),
     false},
    {"FollowFallback", TESSERAN_TEXT("Reason", "狙いに合う札がなかった"), false},
    {"SixteenGoOn",
     TESSERAN_TEXT("Reason", "切り札が%3枚あり、ジョーカーも切り札のピンも相手にないので、１６を狙った"),
     true},
    {"SixteenFewTrumps", TESSERAN_TEXT("Reason", "切り札が%3枚しかないので、１６は狙わなかった"), false},
    {"SixteenEnemyJoker", TESSERAN_TEXT("Reason", "ジョーカーが相手グループにあるので、１６は狙わなかった"),
     true},
    {"SixteenEnemyPin", TESSERAN_TEXT("Reason", "切り札のピンが相手グループにあるので、１６は狙わなかった"),
     true},
    {"ShowLongWithJoker", TESSERAN_TEXT("Reason", "いちばん多い%2の高い札と、ジョーカーを見せた"), false},
    {"ShowLongWithPin", TESSERAN_TEXT("Reason", "いちばん多い%2の高い札と、ほかの紋のピンを見せた"), false},
    {"ShowLongTopTwo", TESSERAN_TEXT("Reason", "いちばん多い%2の高い札を2枚見せた"), false},
    {"TrumpShownLong", TESSERAN_TEXT("Reason", "見せ札を出した手に%2が%3枚あるので、%2を役にした"), false},
    {"TrumpOwnLong", TESSERAN_TEXT("Reason", "自分の手に%2が%3枚あるので、%2を役にした"), false},
    {"TrumpCombinedLong", TESSERAN_TEXT("Reason", "二人の手を合わせると%2が%3枚あるので、%2を役にした"),
     false},
    {"TrumpShowCard", TESSERAN_TEXT("Reason", "見せ札の紋の%2を役にした"), false},
    {"TrumpDefault", TESSERAN_TEXT("Reason", "決め手になる紋がないので、ハートを役にした"), false},
    {"TrumpTogether", TESSERAN_TEXT("Reason", "二人の手でいちばん多い%2（%3枚）を役にした"), false},
    {"PrearrangedSkunk", TESSERAN_TEXT("Reason", "運よく宣言スコンクができる手が配られた"), false},
    {"PrearrangedSixteen", TESSERAN_TEXT("Reason", "運よく宣言１６ができる手が配られた"), false},
    {"SearchBest",
     TESSERAN_TEXT(
         "Reason",
         "見えない札の配られ方を数多く試し、いちばん得点が見込める手を選んだ（グループが勝つ見込み%3%）"),
     false},
};

static_assert(std::size(Texts) == static_cast<std::size_t>(Reason::Count), "every reason has its sentence");

const ReasonText& TextOf(Reason reason) {
    const auto index = static_cast<std::size_t>(reason);
    return Texts[index < std::size(Texts) ? index : 0];
}

}  // namespace

const char* ReasonSentence(Reason reason) { return TextOf(reason).sentence; }

const char* ReasonName(Reason reason) { return TextOf(reason).name; }

bool TellsGroups(Reason reason) { return TextOf(reason).tellsGroups; }

}  // namespace tesseran::computer
