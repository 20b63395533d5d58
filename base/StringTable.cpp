// SPDX-License-Identifier: MIT
// The string table: every numbered text of the program, in UTF-8, byte for
// byte as the program shows it (a "\n" is a real line break).
//
// Every text but the packed province names is marked for the translation
// tools: the window shows a text in the player's language by looking it up
// as it stands. A few messages are put together by their caller around the
// stored text, and the caller translates the pieces:
// - 30014: the caller puts the regular's display name and "が\n" in front.
// - 30028: the auto-start toggle shows "自動スタート" + ("の設定を解除しました\n"
//   or "に設定しました\n") + this text, each message whole in its own marker.
// - 30051: the caller puts the data-file name and "\n" in front.
// 30038..30041 (the computer's declarations) and 30058 (a failed save) were
// added after the first texts were numbered.
#include "base/StringTable.h"

#include "base/TextMarker.h"

#include <map>
#include <string>

namespace tesseran {

namespace {

// Built on first use, so that no other static initialiser can see it empty.
const std::map<int, std::string>& Table() {
    static const std::map<int, std::string> table = {
        {30001, TESSERAN_TEXT("Messages", "メモリの確保に失敗しました")},
        {30004, TESSERAN_TEXT("Messages", "イメージの転写に失敗しました")},
        {30006, TESSERAN_TEXT("Messages", "途中終了してもよろしいですか")},
        {30007, TESSERAN_TEXT("Messages", "無関係グループの「宣言逆１６」勝ちです")},
        {30008,
         TESSERAN_TEXT("Messages",
                       "役がスーぺ以外の時の第一戦目の打ち出しは、必ずスーペピンを出さなければいけません")},
        {30009,
         TESSERAN_TEXT("Messages",
                       "役がスーぺの時の第一戦目の打ち出しは、必ずグラフピンを出さなければいけません")},
        {30011, TESSERAN_TEXT("Messages", "タイマーがセットできませんでした")},
        {30012, TESSERAN_TEXT("Messages", "現在の獲得数がなくなりますがよろしいですか")},
        // The 75 province names, two characters each, in province index order.
        {30013,
         "蝦夷津軽南部伊達蘆名相馬秋田最上下野上野"  // 0..9
         "信濃飛弾美濃近江佐渡越後越中能登加賀越前"  // 10..19
         "若狭常陸下総上総安房武蔵相模甲斐伊豆駿河"  // 20..29
         "遠江三河尾張志摩伊勢伊賀山城大和摂津河内"  // 30..39
         "和泉丹波丹後但馬因幡伯耆出雲隠岐石見播磨"  // 40..49
         "美作備前備中備後周防安芸長門紀伊淡路阿波"  // 50..59
         "讃岐伊予土佐筑前筑後豊前豊後肥前肥後日向"  // 60..69
         "薩摩大隅琉球壱岐対馬"},                    // 70..74
        {30014, TESSERAN_TEXT("Messages", "天下統一を達成しました")},
        {30015, TESSERAN_TEXT("Messages", "見せ札（２枚）を場に出してください")},
        {30016, TESSERAN_TEXT("Messages",
                              "関係グループのスコン勝ちです\n"
                              "続けて１６を狙いますか")},
        {30017, TESSERAN_TEXT("Messages",
                              "無関係グループの逆スコン勝ちです\n"
                              "続けて逆１６を狙いますか")},
        {30018, TESSERAN_TEXT("Messages", "ゲームを続けますか")},
        {30019, TESSERAN_TEXT("Messages", "関係グループの勝ちです")},
        {30020, TESSERAN_TEXT("Messages", "関係グループのスコン勝ちです")},
        {30021, TESSERAN_TEXT("Messages", "無関係グループの勝ちです")},
        {30022, TESSERAN_TEXT("Messages", "無関係グループの逆スコン勝ちです")},
        {30023, TESSERAN_TEXT("Messages", "関係グループの「１６はずし」です")},
        {30024, TESSERAN_TEXT("Messages", "関係グループの「１６」です")},
        {30025, TESSERAN_TEXT("Messages", "無関係グループの「逆１６はずし」です")},
        {30026, TESSERAN_TEXT("Messages", "無関係グループの「逆１６」です")},
        {30028, TESSERAN_TEXT("Messages", "次回の起動時から適用されます")},
        {30029, TESSERAN_TEXT("Messages",
                              "請求された紋のカードがあります！\n"
                              "請求紋がある時は必ず出さなければいけません")},
        {30030, TESSERAN_TEXT("Messages",
                              "どの紋のカードを請求するか指定します\n"
                              "他の打ち手は、その紋がある時は必ず出さなければいけません")},
        {30031, TESSERAN_TEXT("Messages",
                              "ゲーム開始方法\n"
                              "① 画面左上の「旗のアイコン」をクリックします\n"
                              "　または、F1キー押下します\n"
                              "② 表示されたメニューの「開始」をクリックします\n"
                              "　設定メニューの「自動スタート」でこの動作を省略できます")},
        {30032, TESSERAN_TEXT("Messages",
                              "国盗り実行は、拡大マップでないとできません\n"
                              "（右下の Zoom ボタンをクリック）")},
        {30033, TESSERAN_TEXT("Messages", "累積石数が足りません")},
        {30034, TESSERAN_TEXT("Messages", "このイメージを保存しますか")},
        {30036, TESSERAN_TEXT("Messages", "無関係グループが「逆１６」を宣言しました")},
        {30037, TESSERAN_TEXT("Messages", "関係グループが「１６」を宣言しました")},
        // The computer's declarations.
        {30038, TESSERAN_TEXT("Messages", "関係グループが「宣言スコンク」を宣言しました")},
        {30039, TESSERAN_TEXT("Messages", "無関係グループが「宣言逆スコンク」を宣言しました")},
        {30040, TESSERAN_TEXT("Messages", "関係グループが「宣言１６」を宣言しました")},
        {30041, TESSERAN_TEXT("Messages", "無関係グループが「宣言逆１６」を宣言しました")},
        {30043, TESSERAN_TEXT("Messages", "関係グループの「宣言スコンク」失敗です")},
        {30044, TESSERAN_TEXT("Messages", "関係グループの「宣言スコンク」勝ちです")},
        {30045, TESSERAN_TEXT("Messages", "関係グループの「宣言１６」失敗です")},
        {30046, TESSERAN_TEXT("Messages", "関係グループの「宣言１６」勝ちです")},
        {30047, TESSERAN_TEXT("Messages", "無関係グループの「宣言逆スコンク」失敗です")},
        {30048, TESSERAN_TEXT("Messages", "無関係グループの「宣言逆スコンク」勝ちです")},
        {30049, TESSERAN_TEXT("Messages", "無関係グループの「宣言逆１６」失敗です")},
        {30050, TESSERAN_TEXT("Messages", "自由設定イメージがセットされていません")},
        {30051, TESSERAN_TEXT("Messages", "実行ファイルと同じ場所に上記のファイルが見つかりません")},
        {30052, TESSERAN_TEXT("Messages",
                              "このあと初期設定に戻り再度このイメージを表示することはできません\n"
                              "保存せずに初期状態に戻してもよろしいですか")},
        {30054, TESSERAN_TEXT("Messages", "作業フォルダの取得に失敗しました")},
        {30055, TESSERAN_TEXT("Messages", "カンニングウィンドウの作成に失敗しました")},
        {30056, TESSERAN_TEXT("Messages", "このファイルタイプはセットできません")},
        {30057, TESSERAN_TEXT("Messages",
                              "指定したファイルは既に存在します\n"
                              "上書きしてもよろしいですか")},
        // A failed image save.
        {30058, TESSERAN_TEXT("Messages", "ファイルを保存できませんでした")},
        {30061, TESSERAN_TEXT("Messages", "カード背景イメージのセットに失敗しました")},
        {30069, TESSERAN_TEXT("Messages",
                              "正常に保存しました\n"
                              "保存場所を表示しますか")},

        // Roster profiles, entry 0..9: name line, personality line, home-province line.
        // Entries 5, 6 and 2 are the computer participants with play styles A, B and C.
        {30100, TESSERAN_TEXT("Messages",
                              "氷室兵庫\n"
                              "口数は少ないが、配られた札を最後まで粘り強く打ち回す\n"
                              "本拠地：津軽")},
        {30101, TESSERAN_TEXT("Messages",
                              "青葉主水\n"
                              "派手な駆け引きを好み、序盤から大きな勝負に出る\n"
                              "本拠地：伊達")},
        {30102, TESSERAN_TEXT("Messages",
                              "松風刑部\n"
                              "慎重派で、役以外の低い札から捨て、ジョーカーは最後の最後まで手放さない\n"
                              "本拠地：三河")},
        {30103, TESSERAN_TEXT("Messages",
                              "白根左京\n"
                              "場の流れを読むのが得意で、相方との呼吸を何より大切にする\n"
                              "本拠地：甲斐")},
        {30104, TESSERAN_TEXT("Messages",
                              "雪野監物\n"
                              "義理堅い性格で、一度決めた作戦は最後まで曲げない\n"
                              "本拠地：越後")},
        {30105, TESSERAN_TEXT(
                    "Messages",
                    "鳴海大膳\n"
                    "堅実派で、残った一番強い札から打ち出し、手札が７枚以下になるまでジョーカーを温存する\n"
                    "本拠地：尾張")},
        {30106,
         TESSERAN_TEXT(
             "Messages",
             "鳰海弾正\n"
             "大胆な攻め手で、二巡目からの最初の打ち出しでジョーカーを切り、どの紋でも強い札から攻める\n"
             "本拠地：近江")},
        {30107, TESSERAN_TEXT("Messages",
                              "瀬戸隼人\n"
                              "計算高く、他の打ち手が出した札をよく覚えている\n"
                              "本拠地：安芸")},
        {30108, TESSERAN_TEXT("Messages",
                              "霧野采女\n"
                              "霧のようにつかみどころがなく、めったに卓に姿を見せない\n"
                              "本拠地：丹波")},
        {30109, TESSERAN_TEXT("Messages",
                              "錦江将監\n"
                              "豪快な打ち回しで、スコン勝ちを狙って一気に攻め立てる\n"
                              "本拠地：薩摩")},

        // Hover explanations and the help and explorer messages.
        {30110, TESSERAN_TEXT("Messages",
                              "現在の役の紋柄です\n"
                              "クラブ・ダイヤ・ハート・スペードの４種類の紋柄の中で、一番強い紋柄です\n"
                              "一戦目の役は、第１ゲームのクラブから始まり、ダイヤ・ハートと繰り返します\n"
                              "第10ゲームだけは、スペードが役になります(止めスッペと呼ばれます)\n"
                              "二戦目、三戦目の役は、関係グループが決めます")},
        {30111, TESSERAN_TEXT("Messages",
                              "現在何ゲーム目かを表示しています\n"
                              "全部で10ゲーム目まであります\n"
                              "関係は、１ゲームごとに変わります")},
        {30112, TESSERAN_TEXT("Messages",
                              "現在何戦目かを表示しています\n"
                              "関係グループが勝ち進むと二戦目・三戦目となります\n"
                              "３戦目までしかありません")},
        {30113, TESSERAN_TEXT("Messages",
                              "関係グループの勝利までに必要な絵札の枚数です\n"
                              "勝利決定枚数は、何戦目かで異なります\n"
                              "一戦目と三戦目は９枚、二戦目は８枚です")},
        {30114, TESSERAN_TEXT("Messages",
                              "無関係グループの勝利までに必要な絵札の枚数です\n"
                              "勝利決定枚数は、何戦目かで異なります\n"
                              "一戦目と三戦目は８枚、二戦目は９枚です")},
        {30115, TESSERAN_TEXT("Messages",
                              "絵札の残り枚数です\n"
                              "絵札は、全部で16枚あります")},
        {30116, TESSERAN_TEXT("Messages",
                              "ジョーカーの残り枚数です\n"
                              "０の時は、既に使い終わったことを意味します\n"
                              "１の時は、まだ誰かの手札にあります")},
        {30117, TESSERAN_TEXT("Messages",
                              "クラブの残り枚数です\n"
                              "クラブの最初の枚数は、10枚です")},
        {30118, TESSERAN_TEXT("Messages",
                              "ダイヤの残り枚数です\n"
                              "ダイヤの最初の枚数は、10枚です")},
        {30119, TESSERAN_TEXT("Messages",
                              "ハートの残り枚数です\n"
                              "ハートの最初の枚数は、10枚です")},
        {30120, TESSERAN_TEXT("Messages",
                              "スペードの残り枚数です\n"
                              "スペードの最初の枚数は、他の紋柄より１枚少ない9枚です")},
        {30121, TESSERAN_TEXT("Messages",
                              "各自がカードを出し合う場所で、「場」と言います\n"
                              "全員が出し終えた後、場に置かれた絵札は一番強かった人の面前に並べられます\n"
                              "絵札以外は、「捨て場」に裏返しにして重ねて置かれます\n"
                              "※ 場をクリックすると前の巡に各自が出したカードを確認できます\n"
                              "（マウスボタンを離すと元に戻ります）")},
        {30122, TESSERAN_TEXT("Messages",
                              "場に置かれた絵札以外のカードを置く場所で、「捨て場」と言います\n"
                              "※ 捨て場をクリックするとカードを確認できます\n"
                              "（マウスボタンを離すと元に戻ります）\n"
                              "※ これはゲームの時だけで、実際のTesseranでは、絶対にやらないでください")},
        {30123, TESSERAN_TEXT("Messages", "現在の打ち手を表しています")},
        {30124, TESSERAN_TEXT("Messages",
                              "俯瞰角を増加させます\n"
                              "広範囲に場などに置かれたカードを見ることができます\n"
                              "※ F4キーでも操作できます")},
        {30125, TESSERAN_TEXT("Messages",
                              "俯瞰角を減少させます\n"
                              "場などの視界はせまくなりますが、立体的になります\n"
                              "※ F5キーでも操作できます")},
        {30126, TESSERAN_TEXT("Messages",
                              "今の巡の請求紋です\n"
                              "同じ紋がある場合は、他の紋のカードは出せません\n"
                              "ただし、ジョーカーは、同じ紋があっても出すことができます")},
        {30127, TESSERAN_TEXT("Messages",
                              "現時点での権利の状態を表しています\n"
                              "「安全地帯標識」の場合は、味方に権利がある状態\n"
                              "「その他の危険標識」の場合は、敵に権利がある状態\n"
                              "を表しています")},
        {30162, TESSERAN_TEXT("Messages", "実行ファイルと同じ場所にヘルプフォルダがありません")},
        {30163, TESSERAN_TEXT("Messages", "エクスプローラの起動に失敗しました")},

        // Version history, oldest first; the version box lists 30207 down to 30200.
        {30200, TESSERAN_TEXT("Messages", "Ver 1.00  2026.09.14  最初の版\r\n")},
        {30201, TESSERAN_TEXT("Messages", "Ver 1.01  2026.09.21  得点表の表示の誤りを修正\r\n")},
        {30202, TESSERAN_TEXT("Messages", "Ver 1.02  2026.10.05  カード背景の自由設定を追加\r\n")},
        {30203, TESSERAN_TEXT("Messages", "Ver 1.03  2026.10.19  国盗りモードの地図の表示を改善\r\n")},
        {30204, TESSERAN_TEXT("Messages", "Ver 1.10  2026.11.02  カンニングウィンドウを追加\r\n")},
        {30205, TESSERAN_TEXT("Messages", "Ver 1.11  2026.11.13  ヘルプの表示の不具合を修正\r\n")},
        {30206, TESSERAN_TEXT("Messages", "Ver 1.12  2026.11.24  速度の設定が保存されない不具合を修正\r\n")},
        {30207, TESSERAN_TEXT("Messages", "Ver 1.20  2026.12.08  対戦相手の打ち回しを調整\r\n")},

        // Texts added after the version history, from 30300 on.
        {30300, TESSERAN_TEXT("Messages",
                              "Tesseran はすでに起動しています\n"
                              "起動中のウィンドウをお使いください")},
        {30301, TESSERAN_TEXT("Messages",
                              "前回の対戦が途中のまま残っています\n"
                              "続きから再開しますか")},
        {30302, TESSERAN_TEXT("Messages",
                              "前回途中だった対戦を再開できませんでした\n"
                              "記録が壊れているか、新しいバージョンで保存されたものです")},
        {30303, TESSERAN_TEXT("Messages",
                              "戦績の記録が壊れていたため、chronicle.sqlite.bad として残し\n"
                              "新しい記録を始めます")},
        {30304, TESSERAN_TEXT("Messages",
                              "戦績の記録は新しいバージョンで書かれているため、今回は記録しません\n"
                              "対戦はいつもどおり遊べます")},
        {30305, TESSERAN_TEXT("Messages",
                              "戦績の記録を開けないため、今回は記録しません\n"
                              "対戦はいつもどおり遊べます")},
        {30306, TESSERAN_TEXT("Messages",
                              "戦績の記録はほかのプログラムが使用中のため、今回は記録しません\n"
                              "対戦はいつもどおり遊べます")},
        {30307,
         TESSERAN_TEXT("Messages",
                       "戦績を記録できませんでした（ディスクがいっぱいか、ほかのプログラムが使用中です）\n"
                       "次に起動するまで記録しません。対戦はいつもどおり遊べます")},
        {30308, TESSERAN_TEXT("Messages",
                              "戦績の記録を開いていないため、戦績を表示できません\n"
                              "次に起動したときにもう一度開きます")},
    };
    return table;
}

}  // namespace

const std::string& LoadString(int id) {
    static const std::string empty;
    const auto& table = Table();
    const auto found = table.find(id);
    return found == table.end() ? empty : found->second;
}

std::string RosterName(int entry) {
    if (entry < 0 || entry > 9) return {};
    const std::string& profile = LoadString(30100 + entry);
    return profile.substr(0, profile.find('\n'));
}

}  // namespace tesseran
