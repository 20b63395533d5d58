<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>FirstMatchGuide</name>
    <message>
        <source>ジョーカーと切り札の7を持つ二人が「関係グループ」、残る二人が「無関係グループ」です。誰と組んでいるかは、その2枚が出るまで分かりません。絵札（7〜10）を多く取ったグループが戦いに勝ちます。</source>
        <translation>The two players holding the joker and the trump 7 are the &quot;related group&quot;; the other two are the &quot;unrelated group&quot;. You cannot tell who is with whom until those two cards are played. The group that takes more face cards (7 to 10) wins the battle.</translation>
    </message>
    <message>
        <source>10を「ピン」と呼びます。その紋でいちばん強い札です。第1戦の最初の一枚は、スペードのピン（第10ゲームはクラブのピン）を持つ人が出します。</source>
        <translation>A 10 is called a &quot;pin&quot;: the strongest card of its suit. Battle 1 is opened by whoever holds the spade pin (the club pin in game 10).</translation>
    </message>
    <message>
        <source>最初に出された札の紋（求められた紋）を持っていれば、その紋を出します。持っていなければ、切り札でもほかの紋でも出せます。</source>
        <translation>If you hold the suit of the first card played (the requested suit), you must play that suit. If you don&apos;t, you may play a trump or any other suit.</translation>
    </message>
    <message>
        <source>手札の右上の印は、いま場を取っているのが味方なら「安全」、相手なら「危険」を示します。</source>
        <translation>The sign at the top right of your hand says &quot;safe&quot; when your group is winning the trick, &quot;danger&quot; when the other group is.</translation>
    </message>
    <message>
        <source>ジョーカーはいちばん強い札です。先に出すときは、求める紋を指定できます。ただし最後の1枚として出すと力を失います。</source>
        <translation>The joker is the strongest card. When you lead it, you name the suit it requests. But played as your last card, it loses its power.</translation>
    </message>
    <message>
        <source>第2戦からは関係グループの二人が向かい合い、一人が見せ札を2枚見せ、もう一人がそれを見て切り札（役）を決めます。</source>
        <translation>From battle 2 on, the two players of the related group sit facing each other: one shows two show cards, and the other, seeing them, names the trump.</translation>
    </message>
    <message>
        <source>第2戦・第3戦の最初の一枚にジョーカーを出すと、スコンクや１６を宣言できます。成功すれば大きな得点、失敗すれば大きな失点です。</source>
        <translation>Lead the joker as the first card of battle 2 or 3 and you can declare a skunk or a 16. Success scores big; failure costs big.</translation>
    </message>
    <message>
        <source>相手に絵札を1枚も取らせずに勝つと「スコン勝ち」。そのまま絵札16枚すべてを狙う「１６」に挑むこともできます。</source>
        <translation>Winning without letting the other group take a single face card is a &quot;skunk&quot;. You may then go on for &quot;16&quot;: all sixteen face cards.</translation>
    </message>
    <message>
        <source>戦いが終わりました。F7（ゲームメニューの「振り返り」）で、一手ずつ、コンピュータがなぜその札を出したかを見られます。</source>
        <translation>The battle is over. Press F7 (Review in the game menu) to go through it play by play and see why the computer played each card.</translation>
    </message>
    <message>
        <source>10ゲームで1試合です。各ゲームの得点の合計が、石数として打ち手に加わります。</source>
        <translation>Ten games make a match. The sum of the games&apos; scores is added to your player as koku.</translation>
    </message>
    <message>
        <source>国盗りでは、貯めた石数で自分の国の隣の国を盗れます。大きな地図で国の名前をクリックしてください。</source>
        <translation>In the conquest, you spend the koku you have saved to take a province next to one of yours. Click a province&apos;s name on the large map.</translation>
    </message>
</context>
<context>
    <name>GameTerms</name>
    <message>
        <source>クラブ</source>
        <translation>clubs</translation>
    </message>
    <message>
        <source>ダイヤ</source>
        <translation>diamonds</translation>
    </message>
    <message>
        <source>ハート</source>
        <translation>hearts</translation>
    </message>
    <message>
        <source>スペード</source>
        <translation>spades</translation>
    </message>
    <message>
        <source>ジョーカー</source>
        <translation>joker</translation>
    </message>
    <message>
        <source>ピン</source>
        <translation>pin</translation>
    </message>
    <message>
        <source>%1の%2</source>
        <translation>%2 of %1</translation>
    </message>
    <message>
        <source>関係グループの勝ち</source>
        <translation>Related group wins</translation>
    </message>
    <message>
        <source>無関係グループの勝ち</source>
        <translation>Unrelated group wins</translation>
    </message>
    <message>
        <source>スコン勝ち</source>
        <translation>Skunk</translation>
    </message>
    <message>
        <source>逆スコン勝ち</source>
        <translation>Reverse skunk</translation>
    </message>
    <message>
        <source>「１６」勝ち</source>
        <translation>16</translation>
    </message>
    <message>
        <source>「１６」失敗</source>
        <translation>Failed 16</translation>
    </message>
    <message>
        <source>「逆１６」勝ち</source>
        <translation>Reverse 16</translation>
    </message>
    <message>
        <source>「逆１６」失敗</source>
        <translation>Failed reverse 16</translation>
    </message>
    <message>
        <source>「宣言スコンク」勝ち</source>
        <translation>Declared skunk</translation>
    </message>
    <message>
        <source>「宣言スコンク」失敗</source>
        <translation>Failed declared skunk</translation>
    </message>
    <message>
        <source>「宣言１６」勝ち</source>
        <translation>Declared 16</translation>
    </message>
    <message>
        <source>「宣言１６」失敗</source>
        <translation>Failed declared 16</translation>
    </message>
    <message>
        <source>「宣言逆スコンク」勝ち</source>
        <translation>Declared reverse skunk</translation>
    </message>
    <message>
        <source>「宣言逆スコンク」失敗</source>
        <translation>Failed declared reverse skunk</translation>
    </message>
    <message>
        <source>「宣言逆１６」勝ち</source>
        <translation>Declared reverse 16</translation>
    </message>
    <message>
        <source>「宣言逆１６」失敗</source>
        <translation>Failed declared reverse 16</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>メモリの確保に失敗しました</source>
        <translation>Could not allocate memory.</translation>
    </message>
    <message>
        <source>イメージの転写に失敗しました</source>
        <translation>Could not draw the image.</translation>
    </message>
    <message>
        <source>途中終了してもよろしいですか</source>
        <translation>Quit the match before it ends?</translation>
    </message>
    <message>
        <source>無関係グループの「宣言逆１６」勝ちです</source>
        <translation>The unrelated group wins with a declared reverse 16.</translation>
    </message>
    <message>
        <source>役がスーぺ以外の時の第一戦目の打ち出しは、必ずスーペピンを出さなければいけません</source>
        <translation>When spades are not trump, the first lead of battle 1 must be the spade pin.</translation>
    </message>
    <message>
        <source>役がスーぺの時の第一戦目の打ち出しは、必ずグラフピンを出さなければいけません</source>
        <translation>When spades are trump, the first lead of battle 1 must be the club pin.</translation>
    </message>
    <message>
        <source>タイマーがセットできませんでした</source>
        <translation>Could not set the timer.</translation>
    </message>
    <message>
        <source>現在の獲得数がなくなりますがよろしいですか</source>
        <translation>Everything gained so far will be lost. Are you sure?</translation>
    </message>
    <message>
        <source>天下統一を達成しました</source>
        <translation>unified the realm.</translation>
    </message>
    <message>
        <source>見せ札（２枚）を場に出してください</source>
        <translation>Place your two show cards on the table.</translation>
    </message>
    <message>
        <source>関係グループのスコン勝ちです
続けて１６を狙いますか</source>
        <translation>The related group wins with a skunk.
Go on for 16?</translation>
    </message>
    <message>
        <source>無関係グループの逆スコン勝ちです
続けて逆１６を狙いますか</source>
        <translation>The unrelated group wins with a reverse skunk.
Go on for reverse 16?</translation>
    </message>
    <message>
        <source>ゲームを続けますか</source>
        <translation>Continue the game?</translation>
    </message>
    <message>
        <source>関係グループの勝ちです</source>
        <translation>The related group wins.</translation>
    </message>
    <message>
        <source>関係グループのスコン勝ちです</source>
        <translation>The related group wins with a skunk.</translation>
    </message>
    <message>
        <source>無関係グループの勝ちです</source>
        <translation>The unrelated group wins.</translation>
    </message>
    <message>
        <source>無関係グループの逆スコン勝ちです</source>
        <translation>The unrelated group wins with a reverse skunk.</translation>
    </message>
    <message>
        <source>関係グループの「１６はずし」です</source>
        <translation>The related group failed to make 16.</translation>
    </message>
    <message>
        <source>関係グループの「１６」です</source>
        <translation>The related group made 16.</translation>
    </message>
    <message>
        <source>無関係グループの「逆１６はずし」です</source>
        <translation>The unrelated group failed to make reverse 16.</translation>
    </message>
    <message>
        <source>無関係グループの「逆１６」です</source>
        <translation>The unrelated group made reverse 16.</translation>
    </message>
    <message>
        <source>次回の起動時から適用されます</source>
        <translation>This takes effect from the next start.</translation>
    </message>
    <message>
        <source>請求された紋のカードがあります！
請求紋がある時は必ず出さなければいけません</source>
        <translation>You hold a card of the requested suit!
When you hold the requested suit, you must play it.</translation>
    </message>
    <message>
        <source>どの紋のカードを請求するか指定します
他の打ち手は、その紋がある時は必ず出さなければいけません</source>
        <translation>Choose the suit to request.
The other players must play that suit if they hold it.</translation>
    </message>
    <message>
        <source>ゲーム開始方法
① 画面左上の「旗のアイコン」をクリックします
&#x3000;または、F1キー押下します
② 表示されたメニューの「開始」をクリックします
&#x3000;設定メニューの「自動スタート」でこの動作を省略できます</source>
        <translation>How to start a game
1. Click the flag icon at the top left of the window
    or press F1
2. Click &quot;Start&quot; in the menu that appears
    &quot;Auto start&quot; in the settings menu skips these steps</translation>
    </message>
    <message>
        <source>国盗り実行は、拡大マップでないとできません
（右下の Zoom ボタンをクリック）</source>
        <translation>Provinces can be taken only on the enlarged map
(click the Zoom button at the bottom right)</translation>
    </message>
    <message>
        <source>累積石数が足りません</source>
        <translation>You do not have enough koku.</translation>
    </message>
    <message>
        <source>このイメージを保存しますか</source>
        <translation>Save this image?</translation>
    </message>
    <message>
        <source>無関係グループが「逆１６」を宣言しました</source>
        <translation>The unrelated group has declared reverse 16.</translation>
    </message>
    <message>
        <source>関係グループが「１６」を宣言しました</source>
        <translation>The related group has declared 16.</translation>
    </message>
    <message>
        <source>関係グループが「宣言スコンク」を宣言しました</source>
        <translation>The related group has announced a declared skunk.</translation>
    </message>
    <message>
        <source>無関係グループが「宣言逆スコンク」を宣言しました</source>
        <translation>The unrelated group has announced a declared reverse skunk.</translation>
    </message>
    <message>
        <source>関係グループが「宣言１６」を宣言しました</source>
        <translation>The related group has announced a declared 16.</translation>
    </message>
    <message>
        <source>無関係グループが「宣言逆１６」を宣言しました</source>
        <translation>The unrelated group has announced a declared reverse 16.</translation>
    </message>
    <message>
        <source>関係グループの「宣言スコンク」失敗です</source>
        <translation>The related group&apos;s declared skunk failed.</translation>
    </message>
    <message>
        <source>関係グループの「宣言スコンク」勝ちです</source>
        <translation>The related group wins with a declared skunk.</translation>
    </message>
    <message>
        <source>関係グループの「宣言１６」失敗です</source>
        <translation>The related group&apos;s declared 16 failed.</translation>
    </message>
    <message>
        <source>関係グループの「宣言１６」勝ちです</source>
        <translation>The related group wins with a declared 16.</translation>
    </message>
    <message>
        <source>無関係グループの「宣言逆スコンク」失敗です</source>
        <translation>The unrelated group&apos;s declared reverse skunk failed.</translation>
    </message>
    <message>
        <source>無関係グループの「宣言逆スコンク」勝ちです</source>
        <translation>The unrelated group wins with a declared reverse skunk.</translation>
    </message>
    <message>
        <source>無関係グループの「宣言逆１６」失敗です</source>
        <translation>The unrelated group&apos;s declared reverse 16 failed.</translation>
    </message>
    <message>
        <source>自由設定イメージがセットされていません</source>
        <translation>No custom image has been set.</translation>
    </message>
    <message>
        <source>実行ファイルと同じ場所に上記のファイルが見つかりません</source>
        <translation>The file above was not found beside the program.</translation>
    </message>
    <message>
        <source>このあと初期設定に戻り再度このイメージを表示することはできません
保存せずに初期状態に戻してもよろしいですか</source>
        <translation>The map then goes back to its starting state, and this image cannot be shown again.
Reset without saving it?</translation>
    </message>
    <message>
        <source>作業フォルダの取得に失敗しました</source>
        <translation>Could not find the working folder.</translation>
    </message>
    <message>
        <source>カンニングウィンドウの作成に失敗しました</source>
        <translation>Could not open the peek window.</translation>
    </message>
    <message>
        <source>このファイルタイプはセットできません</source>
        <translation>This file type cannot be used.</translation>
    </message>
    <message>
        <source>指定したファイルは既に存在します
上書きしてもよろしいですか</source>
        <translation>The file already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>ファイルを保存できませんでした</source>
        <translation>Could not save the file.</translation>
    </message>
    <message>
        <source>カード背景イメージのセットに失敗しました</source>
        <translation>Could not set the card back image.</translation>
    </message>
    <message>
        <source>正常に保存しました
保存場所を表示しますか</source>
        <translation>Saved.
Show the folder it was saved in?</translation>
    </message>
    <message>
        <source>氷室兵庫
口数は少ないが、配られた札を最後まで粘り強く打ち回す
本拠地：津軽</source>
        <translation>Himuro Hyōgo
A man of few words who plays the cards he is dealt doggedly to the end
Home: Tsugaru</translation>
    </message>
    <message>
        <source>青葉主水
派手な駆け引きを好み、序盤から大きな勝負に出る
本拠地：伊達</source>
        <translation>Aoba Mondo
Loves showy tactics and plays for big stakes from the start
Home: Date</translation>
    </message>
    <message>
        <source>松風刑部
慎重派で、役以外の低い札から捨て、ジョーカーは最後の最後まで手放さない
本拠地：三河</source>
        <translation>Matsukaze Gyōbu
Cautious: discards low non-trump cards first and keeps the joker to the very last
Home: Mikawa</translation>
    </message>
    <message>
        <source>白根左京
場の流れを読むのが得意で、相方との呼吸を何より大切にする
本拠地：甲斐</source>
        <translation>Shirane Sakyō
Reads the flow of play well and values teamwork with his partner above all
Home: Kai</translation>
    </message>
    <message>
        <source>雪野監物
義理堅い性格で、一度決めた作戦は最後まで曲げない
本拠地：越後</source>
        <translation>Yukino Kenmotsu
Loyal by nature, he never changes a plan once it is made
Home: Echigo</translation>
    </message>
    <message>
        <source>鳴海大膳
堅実派で、残った一番強い札から打ち出し、手札が７枚以下になるまでジョーカーを温存する
本拠地：尾張</source>
        <translation>Narumi Daizen
Steady: leads from his strongest card left and saves the joker until he has seven cards or fewer
Home: Owari</translation>
    </message>
    <message>
        <source>鳰海弾正
大胆な攻め手で、二巡目からの最初の打ち出しでジョーカーを切り、どの紋でも強い札から攻める
本拠地：近江</source>
        <translation>Niomi Danjō
A bold attacker: plays the joker on his first lead from the second trick on, and attacks with high cards in any suit
Home: Ōmi</translation>
    </message>
    <message>
        <source>瀬戸隼人
計算高く、他の打ち手が出した札をよく覚えている
本拠地：安芸</source>
        <translation>Seto Hayato
Calculating, he remembers well the cards the other players have played
Home: Aki</translation>
    </message>
    <message>
        <source>霧野采女
霧のようにつかみどころがなく、めったに卓に姿を見せない
本拠地：丹波</source>
        <translation>Kirino Uneme
Elusive as the mist, he rarely shows himself at the table
Home: Tanba</translation>
    </message>
    <message>
        <source>錦江将監
豪快な打ち回しで、スコン勝ちを狙って一気に攻め立てる
本拠地：薩摩</source>
        <translation>Kinkō Shōgen
Plays with gusto, storming ahead in search of a skunk
Home: Satsuma</translation>
    </message>
    <message>
        <source>現在の役の紋柄です
クラブ・ダイヤ・ハート・スペードの４種類の紋柄の中で、一番強い紋柄です
一戦目の役は、第１ゲームのクラブから始まり、ダイヤ・ハートと繰り返します
第10ゲームだけは、スペードが役になります(止めスッペと呼ばれます)
二戦目、三戦目の役は、関係グループが決めます</source>
        <translation>The current trump suit
The strongest of the four suits: clubs, diamonds, hearts and spades
In battle 1, trump is clubs in game 1, then diamonds, then hearts, and so on in turn
Only in game 10 are spades trump (the &quot;closing spades&quot;)
In battles 2 and 3, the related group names the trump</translation>
    </message>
    <message>
        <source>現在何ゲーム目かを表示しています
全部で10ゲーム目まであります
関係は、１ゲームごとに変わります</source>
        <translation>Shows which game this is
A match runs to game 10
The groups change every game</translation>
    </message>
    <message>
        <source>現在何戦目かを表示しています
関係グループが勝ち進むと二戦目・三戦目となります
３戦目までしかありません</source>
        <translation>Shows which battle this is
If the related group keeps winning, battles 2 and 3 follow
There are at most three battles</translation>
    </message>
    <message>
        <source>関係グループの勝利までに必要な絵札の枚数です
勝利決定枚数は、何戦目かで異なります
一戦目と三戦目は９枚、二戦目は８枚です</source>
        <translation>The face cards the related group needs to win
The number depends on the battle
9 in battles 1 and 3, 8 in battle 2</translation>
    </message>
    <message>
        <source>無関係グループの勝利までに必要な絵札の枚数です
勝利決定枚数は、何戦目かで異なります
一戦目と三戦目は８枚、二戦目は９枚です</source>
        <translation>The face cards the unrelated group needs to win
The number depends on the battle
8 in battles 1 and 3, 9 in battle 2</translation>
    </message>
    <message>
        <source>絵札の残り枚数です
絵札は、全部で16枚あります</source>
        <translation>Face cards remaining
There are 16 face cards in all</translation>
    </message>
    <message>
        <source>ジョーカーの残り枚数です
０の時は、既に使い終わったことを意味します
１の時は、まだ誰かの手札にあります</source>
        <translation>Jokers remaining
0: it has already been played
1: it is still in someone&apos;s hand</translation>
    </message>
    <message>
        <source>クラブの残り枚数です
クラブの最初の枚数は、10枚です</source>
        <translation>Clubs remaining
Clubs start with 10 cards</translation>
    </message>
    <message>
        <source>ダイヤの残り枚数です
ダイヤの最初の枚数は、10枚です</source>
        <translation>Diamonds remaining
Diamonds start with 10 cards</translation>
    </message>
    <message>
        <source>ハートの残り枚数です
ハートの最初の枚数は、10枚です</source>
        <translation>Hearts remaining
Hearts start with 10 cards</translation>
    </message>
    <message>
        <source>スペードの残り枚数です
スペードの最初の枚数は、他の紋柄より１枚少ない9枚です</source>
        <translation>Spades remaining
Spades start with 9 cards, one fewer than the other suits</translation>
    </message>
    <message>
        <source>各自がカードを出し合う場所で、「場」と言います
全員が出し終えた後、場に置かれた絵札は一番強かった人の面前に並べられます
絵札以外は、「捨て場」に裏返しにして重ねて置かれます
※ 場をクリックすると前の巡に各自が出したカードを確認できます
（マウスボタンを離すと元に戻ります）</source>
        <translation>The place where everyone plays their cards: the &quot;table&quot;
When all have played, the face cards on the table go in front of whoever played the strongest card
The other cards go face down onto the &quot;discard pile&quot;
* Click the table to see the cards everyone played in the previous trick
(release the mouse button to go back)</translation>
    </message>
    <message>
        <source>場に置かれた絵札以外のカードを置く場所で、「捨て場」と言います
※ 捨て場をクリックするとカードを確認できます
（マウスボタンを離すと元に戻ります）
※ これはゲームの時だけで、実際のTesseranでは、絶対にやらないでください</source>
        <translation>The place for the cards from the table other than face cards: the &quot;discard pile&quot;
* Click the discard pile to see its cards
(release the mouse button to go back)
* Only in this computer game: never do this in a real game of Tesseran</translation>
    </message>
    <message>
        <source>現在の打ち手を表しています</source>
        <translation>Shows whose turn it is</translation>
    </message>
    <message>
        <source>俯瞰角を増加させます
広範囲に場などに置かれたカードを見ることができます
※ F4キーでも操作できます</source>
        <translation>Raises the viewing angle
You see the cards on the table and around it over a wider area
* F4 does the same</translation>
    </message>
    <message>
        <source>俯瞰角を減少させます
場などの視界はせまくなりますが、立体的になります
※ F5キーでも操作できます</source>
        <translation>Lowers the viewing angle
You see less of the table, but in more depth
* F5 does the same</translation>
    </message>
    <message>
        <source>今の巡の請求紋です
同じ紋がある場合は、他の紋のカードは出せません
ただし、ジョーカーは、同じ紋があっても出すことができます</source>
        <translation>The requested suit of this trick
If you hold that suit, you cannot play a card of another suit
The joker, though, may be played even if you hold that suit</translation>
    </message>
    <message>
        <source>現時点での権利の状態を表しています
「安全地帯標識」の場合は、味方に権利がある状態
「その他の危険標識」の場合は、敵に権利がある状態
を表しています</source>
        <translation>Shows who is winning the trick right now
The &quot;safe zone&quot; sign: your group is winning it
Any other, &quot;danger&quot; sign: the enemy is winning it
(the sign at the top right of your hand)</translation>
    </message>
    <message>
        <source>実行ファイルと同じ場所にヘルプフォルダがありません</source>
        <translation>There is no help folder beside the program.</translation>
    </message>
    <message>
        <source>エクスプローラの起動に失敗しました</source>
        <translation>Could not open the file manager.</translation>
    </message>
    <message>
        <source>Ver 1.00  2026.09.14  最初の版<byte value="xd"/>
</source>
        <translation>Ver 1.00  2026.09.14  First release<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ver 1.01  2026.09.21  得点表の表示の誤りを修正<byte value="xd"/>
</source>
        <translation>Ver 1.01  2026.09.21  Fixed an error in the score board display<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ver 1.02  2026.10.05  カード背景の自由設定を追加<byte value="xd"/>
</source>
        <translation>Ver 1.02  2026.10.05  Added custom card back images<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ver 1.03  2026.10.19  国盗りモードの地図の表示を改善<byte value="xd"/>
</source>
        <translation>Ver 1.03  2026.10.19  Improved the conquest map display<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ver 1.10  2026.11.02  カンニングウィンドウを追加<byte value="xd"/>
</source>
        <translation>Ver 1.10  2026.11.02  Added the peek window<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ver 1.11  2026.11.13  ヘルプの表示の不具合を修正<byte value="xd"/>
</source>
        <translation>Ver 1.11  2026.11.13  Fixed a fault in the help display<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ver 1.12  2026.11.24  速度の設定が保存されない不具合を修正<byte value="xd"/>
</source>
        <translation>Ver 1.12  2026.11.24  Fixed the speed setting not being saved<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Ver 1.20  2026.12.08  対戦相手の打ち回しを調整<byte value="xd"/>
</source>
        <translation>Ver 1.20  2026.12.08  Adjusted the opponents&apos; play<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>Tesseran はすでに起動しています
起動中のウィンドウをお使いください</source>
        <translation>Tesseran is already running.
Please use the window that is open.</translation>
    </message>
    <message>
        <source>前回の対戦が途中のまま残っています
続きから再開しますか</source>
        <translation>A match from last time was left unfinished.
Resume it?</translation>
    </message>
    <message>
        <source>前回途中だった対戦を再開できませんでした
記録が壊れているか、新しいバージョンで保存されたものです</source>
        <translation>The unfinished match from last time could not be resumed.
Its record is damaged or was saved by a newer version.</translation>
    </message>
    <message>
        <source>戦績の記録が壊れていたため、chronicle.sqlite.bad として残し
新しい記録を始めます</source>
        <translation>The statistics record was damaged; it has been kept as chronicle.sqlite.bad
and a new record has been started.</translation>
    </message>
    <message>
        <source>戦績の記録は新しいバージョンで書かれているため、今回は記録しません
対戦はいつもどおり遊べます</source>
        <translation>The statistics record was written by a newer version, so nothing will be recorded this time.
You can play as usual.</translation>
    </message>
    <message>
        <source>戦績の記録を開けないため、今回は記録しません
対戦はいつもどおり遊べます</source>
        <translation>The statistics record cannot be opened, so nothing will be recorded this time.
You can play as usual.</translation>
    </message>
    <message>
        <source>戦績の記録はほかのプログラムが使用中のため、今回は記録しません
対戦はいつもどおり遊べます</source>
        <translation>The statistics record is in use by another program, so nothing will be recorded this time.
You can play as usual.</translation>
    </message>
    <message>
        <source>戦績を記録できませんでした（ディスクがいっぱいか、ほかのプログラムが使用中です）
次に起動するまで記録しません。対戦はいつもどおり遊べます</source>
        <translation>Could not record the statistics (the disk is full or another program is using the record).
Nothing will be recorded until the next start. You can play as usual.</translation>
    </message>
    <message>
        <source>戦績の記録を開いていないため、戦績を表示できません
次に起動したときにもう一度開きます</source>
        <translation>The statistics record is not open, so the statistics cannot be shown.
It will be opened again at the next start.</translation>
    </message>
    <message>
        <source>自動スタートの設定を解除しました
次回の起動時から適用されます</source>
        <translation>Auto start is now off.
This takes effect from the next start.</translation>
    </message>
    <message>
        <source>自動スタートに設定しました
次回の起動時から適用されます</source>
        <translation>Auto start is now on.
This takes effect from the next start.</translation>
    </message>
</context>
<context>
    <name>Reason</name>
    <message>
        <source>決まりどおり、ゲームを始める%1を出した</source>
        <translation>played the %1 to open the game, as the rules require</translation>
    </message>
    <message>
        <source>残る札はこれ1枚だった</source>
        <translation>it was the only card left</translation>
    </message>
    <message>
        <source>宣言のための手が配られたので、ジョーカーを出して宣言し、切り札の%2を求めた</source>
        <translation>was dealt a hand for a declaration, so led the joker, declared and requested %2, the trump suit</translation>
    </message>
    <message>
        <source>ジョーカーを出し、絵札がいちばん多く残る%2を求めた</source>
        <translation>led the joker and requested %2, the suit with the most face cards left</translation>
    </message>
    <message>
        <source>ジョーカーを出し、数札がいちばん多く残る%2を求めた</source>
        <translation>led the joker and requested %2, the suit with the most number cards left</translation>
    </message>
    <message>
        <source>宣言した戦いなので、いちばん高い切り札を出した</source>
        <translation>played the highest trump, as the battle was declared</translation>
    </message>
    <message>
        <source>宣言した戦いで切り札がもうないので、いちばん高い札を出した</source>
        <translation>played the highest card, as the battle was declared and no trumps were left</translation>
    </message>
    <message>
        <source>切り札を残し、もう負けない%1を出した</source>
        <translation>kept the trumps and played the %1, which could no longer lose</translation>
    </message>
    <message>
        <source>もう負けない%1を出した</source>
        <translation>played the %1, which could no longer lose</translation>
    </message>
    <message>
        <source>切り札以外のいちばん低い数札を出して、味方を探った</source>
        <translation>played the lowest non-trump number card to find the partner</translation>
    </message>
    <message>
        <source>勝ちの決まった札がないので、いちばん低い数札を出した</source>
        <translation>played the lowest number card, having no sure winner</translation>
    </message>
    <message>
        <source>切り札以外に数札がないので、切り札以外のいちばん低い札を出した</source>
        <translation>played the lowest non-trump card, having no non-trump number card</translation>
    </message>
    <message>
        <source>切り札のいちばん低い数札を出した</source>
        <translation>played the lowest trump number card</translation>
    </message>
    <message>
        <source>切り札しか残っていないので、切り札を出した</source>
        <translation>played a trump, having only trumps left</translation>
    </message>
    <message>
        <source>勝ちの決まった札も出したい数札もないので、絵札を出した</source>
        <translation>played a face card, having neither a sure winner nor a number card worth playing</translation>
    </message>
    <message>
        <source>狙いに合う札が残っていなかった</source>
        <translation>no card fitting the plan was left</translation>
    </message>
    <message>
        <source>残り2枚：ジョーカーは最後の1枚になると力を失うので、いま出した</source>
        <translation>two cards left: the joker loses its power as the last card, so played it now</translation>
    </message>
    <message>
        <source>場に絵札が%3枚あるので、ジョーカーで取った</source>
        <translation>took the trick with the joker, as there were %3 face cards on the table</translation>
    </message>
    <message>
        <source>場の絵札%3枚で、グループの勝ちに必要な枚数がそろうので、ジョーカーで取った</source>
        <translation>took the trick with the joker, as the %3 face cards on the table gave the group what it needed to win</translation>
    </message>
    <message>
        <source>求められた紋がなく、%1に勝てる切り札もないので、ジョーカーで絵札を取った</source>
        <translation>had none of the requested suit and no trump to beat the %1, so took the face cards with the joker</translation>
    </message>
    <message>
        <source>求められた紋は%1に負ける絵札ばかりなので、ジョーカーで取った</source>
        <translation>took the trick with the joker, as the requested suit held only face cards that lose to the %1</translation>
    </message>
    <message>
        <source>残り%3枚なので、場の絵札を取るためにジョーカーを出した</source>
        <translation>played the joker to take the face cards on the table, with %3 cards left</translation>
    </message>
    <message>
        <source>最後の番で味方が勝っているので、求められていない紋の絵札を渡した</source>
        <translation>playing last with the partner winning, gave a face card of a suit not requested</translation>
    </message>
    <message>
        <source>相手グループのジョーカーがまだ残るので、絵札を手元に残した</source>
        <translation>kept the face cards in hand, as the other group&apos;s joker was still out</translation>
    </message>
    <message>
        <source>味方が勝っているので、絵札を渡した</source>
        <translation>gave a face card, as the partner was winning</translation>
    </message>
    <message>
        <source>味方が勝っているので、求められた紋からいちばん低い札を出した</source>
        <translation>played the lowest card of the requested suit, as the partner was winning</translation>
    </message>
    <message>
        <source>味方が勝っていて求められた紋がないので、数札を捨てた</source>
        <translation>discarded a number card, as the partner was winning and the requested suit was missing</translation>
    </message>
    <message>
        <source>味方が勝っているが、求められた紋がなく、手には切り札しか残っていなかった</source>
        <translation>the partner was winning, but the requested suit was missing and only trumps were left in hand</translation>
    </message>
    <message>
        <source>%1に勝てる絵札を出して、取りにいった</source>
        <translation>played a face card that beats the %1, to take the trick</translation>
    </message>
    <message>
        <source>%1に勝てないので、求められた紋のいちばん低い札を出した</source>
        <translation>played the lowest card of the requested suit, as it could not beat the %1</translation>
    </message>
    <message>
        <source>求められた紋がなく、相手が絵札を取りそうなので、%1より強い切り札で切った</source>
        <translation>trumped with a card stronger than the %1, as the requested suit was missing and the other group was about to take face cards</translation>
    </message>
    <message>
        <source>味方の%1が勝つので、絵札を渡した</source>
        <translation>gave a face card, as the partner&apos;s %1 was winning</translation>
    </message>
    <message>
        <source>求められた紋でいちばん強い%1を出した</source>
        <translation>played the %1, the strongest card of the requested suit</translation>
    </message>
    <message>
        <source>求められた紋のいちばん低い札を出した</source>
        <translation>played the lowest card of the requested suit</translation>
    </message>
    <message>
        <source>求められた紋がなく、相手の高い札を%1より強い切り札で切った</source>
        <translation>trumped the enemy&apos;s high card with a card stronger than the %1, as the requested suit was missing</translation>
    </message>
    <message>
        <source>求められた紋がなく、取りにいける札もないので、手でいちばん低い札を出した</source>
        <translation>played the lowest card in hand, having none of the requested suit and nothing that could take the trick</translation>
    </message>
    <message>
        <source>狙いに合う札がなかった</source>
        <translation>no card fitted the plan</translation>
    </message>
    <message>
        <source>切り札が%3枚あり、ジョーカーも切り札のピンも相手にないので、１６を狙った</source>
        <translation>went for 16, with %3 trumps and neither the joker nor the trump pin with the other group</translation>
    </message>
    <message>
        <source>切り札が%3枚しかないので、１６は狙わなかった</source>
        <translation>did not go for 16, with only %3 trumps</translation>
    </message>
    <message>
        <source>ジョーカーが相手グループにあるので、１６は狙わなかった</source>
        <translation>did not go for 16, as the joker was with the other group</translation>
    </message>
    <message>
        <source>切り札のピンが相手グループにあるので、１６は狙わなかった</source>
        <translation>did not go for 16, as the trump pin was with the other group</translation>
    </message>
    <message>
        <source>いちばん多い%2の高い札と、ジョーカーを見せた</source>
        <translation>showed a high card of %2, the longest suit, and the joker</translation>
    </message>
    <message>
        <source>いちばん多い%2の高い札と、ほかの紋のピンを見せた</source>
        <translation>showed a high card of %2, the longest suit, and the pin of another suit</translation>
    </message>
    <message>
        <source>いちばん多い%2の高い札を2枚見せた</source>
        <translation>showed two high cards of %2, the longest suit</translation>
    </message>
    <message>
        <source>見せ札を出した手に%2が%3枚あるので、%2を役にした</source>
        <translation>named %2 as trump, as the hand that showed the show cards held %3 of them</translation>
    </message>
    <message>
        <source>自分の手に%2が%3枚あるので、%2を役にした</source>
        <translation>named %2 as trump, holding %3 of them</translation>
    </message>
    <message>
        <source>二人の手を合わせると%2が%3枚あるので、%2を役にした</source>
        <translation>named %2 as trump, as the two hands together held %3 of them</translation>
    </message>
    <message>
        <source>見せ札の紋の%2を役にした</source>
        <translation>named %2, the suit of the show cards, as trump</translation>
    </message>
    <message>
        <source>決め手になる紋がないので、ハートを役にした</source>
        <translation>named hearts as trump, as no suit stood out</translation>
    </message>
    <message>
        <source>二人の手でいちばん多い%2（%3枚）を役にした</source>
        <translation>named %2 as trump, the longest suit of the two hands (%3 cards)</translation>
    </message>
    <message>
        <source>運よく宣言スコンクができる手が配られた</source>
        <translation>was luckily dealt a hand for a declared skunk</translation>
    </message>
    <message>
        <source>運よく宣言１６ができる手が配られた</source>
        <translation>was luckily dealt a hand for a declared 16</translation>
    </message>
    <message>
        <source>見えない札の配られ方を数多く試し、いちばん得点が見込める手を選んだ（グループが勝つ見込み%3%）</source>
        <translation>tried many deals of the unseen cards and chose the move with the best expected score (the group&apos;s chance of winning: %3%)</translation>
    </message>
</context>
<context>
    <name>tesseran::BattleReviewWindow</name>
    <message>
        <source>関係グループ</source>
        <translation>Related group</translation>
    </message>
    <message>
        <source>無関係グループ</source>
        <translation>Unrelated group</translation>
    </message>
    <message>
        <source>%1：%2枚</source>
        <translation>%1: %2 cards</translation>
    </message>
    <message>
        <source>振り返り</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>≪ 最初</source>
        <translation>« First</translation>
    </message>
    <message>
        <source>＜ 前へ</source>
        <translation>&lt; Previous</translation>
    </message>
    <message>
        <source>次へ ＞</source>
        <translation>Next &gt;</translation>
    </message>
    <message>
        <source>最後 ≫</source>
        <translation>Last »</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>関係</source>
        <translation>related</translation>
    </message>
    <message>
        <source>無関係</source>
        <translation>unrelated</translation>
    </message>
    <message>
        <source>不明</source>
        <translation>unknown</translation>
    </message>
    <message>
        <source>右</source>
        <translation>right</translation>
    </message>
    <message>
        <source>向かい</source>
        <translation>opposite</translation>
    </message>
    <message>
        <source>左</source>
        <translation>left</translation>
    </message>
    <message>
        <source>グループ不明</source>
        <translation>group unknown</translation>
    </message>
    <message>
        <source>あなた（%1、%2）</source>
        <translation>You (%1, %2)</translation>
    </message>
    <message>
        <source>%1の%2（%3）</source>
        <translation>%2 (%1, %3)</translation>
    </message>
    <message>
        <source>（この手の理由はグループを明かすので、グループが明かされるまで伏せます）</source>
        <translation>(the reason for this play would reveal the groups, so it stays hidden until they are revealed)</translation>
    </message>
    <message>
        <source>。得点の見込みは%1%2点</source>
        <translation>; expected score %1%2 points</translation>
    </message>
    <message>
        <source>この戦いは途中から再開したため、それより前の札は記録されていません。</source>
        <translation>This battle was resumed partway through, so the cards played before that were not recorded.</translation>
    </message>
    <message>
        <source>切り札は%1。</source>
        <translation>Trump is %1.</translation>
    </message>
    <message>
        <source>%1には、%2</source>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>%1と%2</source>
        <translation>the %1 and the %2</translation>
    </message>
    <message>
        <source>%1は見せ札に%2を見せた：%3</source>
        <translation>%1 showed %2 as show cards: %3</translation>
    </message>
    <message>
        <source>あなたは見せ札に%1を見せた。</source>
        <translation>You showed %1 as show cards.</translation>
    </message>
    <message>
        <source>%1は%2を役にした：%3</source>
        <translation>%1 named %2 as trump: %3</translation>
    </message>
    <message>
        <source>あなたは%1を役にした。</source>
        <translation>You named %1 as trump.</translation>
    </message>
    <message>
        <source>席：</source>
        <translation>Seats: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>この戦いでは、最後までグループが明かされないままでした。</source>
        <translation>In this battle the groups stayed hidden to the end.</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>第%1トリック：%2が先に出した。求められた紋は%3、切り札は%4。</source>
        <translation>Trick %1: %2 led. Requested suit: %3; trump: %4.</translation>
    </message>
    <message>
        <source>%1. %2&#x3000;&lt;b&gt;%3&lt;/b&gt;</source>
        <translation>%1. %2: &lt;b&gt;%3&lt;/b&gt;</translation>
    </message>
    <message>
        <source>%1が取った。絵札はなし。</source>
        <translation>%1 took the trick. No face cards.</translation>
    </message>
    <message>
        <source>%1が取った。絵札：%2</source>
        <translation>%1 took the trick. Face cards: %2</translation>
    </message>
    <message>
        <source>関係グループが取った絵札：%1枚</source>
        <translation>Face cards taken by the related group: %1</translation>
    </message>
    <message>
        <source>無関係グループが取った絵札：%1枚</source>
        <translation>Face cards taken by the unrelated group: %1</translation>
    </message>
    <message>
        <source>結果：&lt;b&gt;%1&lt;/b&gt;</source>
        <translation>Result: &lt;b&gt;%1&lt;/b&gt;</translation>
    </message>
    <message>
        <source>あなたのグループの勝ちです。</source>
        <translation>Your group won.</translation>
    </message>
    <message>
        <source>あなたのグループの負けです。</source>
        <translation>Your group lost.</translation>
    </message>
    <message>
        <source>得点：%1点</source>
        <translation>Points: %1</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>始まり</source>
        <translation>Set-up</translation>
    </message>
    <message>
        <source>第%1トリック（全%2）</source>
        <translation>Trick %1 of %2</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>第%1ゲーム 第%2戦の振り返り ― %3</source>
        <translation>Review of game %1, battle %2 — %3</translation>
    </message>
</context>
<context>
    <name>tesseran::CBackSet</name>
    <message>
        <source>カード背面の設定</source>
        <translation>Card back</translation>
    </message>
    <message>
        <source>カードの背面に設定したいイメージを選択してください。</source>
        <translation>Choose the image for the back of the cards.</translation>
    </message>
    <message>
        <source>自由設定イメージ(&amp;5)</source>
        <translation>Custom image (&amp;5)</translation>
    </message>
    <message>
        <source>カード外周に枠線を付ける(&amp;W)</source>
        <translation>Dra&amp;w a border around the cards</translation>
    </message>
    <message>
        <source>変更(&amp;P)</source>
        <translation>C&amp;hange...</translation>
    </message>
    <message>
        <source>※ 自由設定イメージを変更したい場合は、「変更」ボタンをクリックしてファイルを選択してください。

 黒枠内に直接ファイルをドラッグ＆ドロップしてセットすることもできます。</source>
        <translation>* To change the custom image, click &quot;Change&quot; and choose a file.

 You can also drag and drop a file straight into the black frame.</translation>
    </message>
    <message>
        <source>保存終了(&amp;S)</source>
        <translation>&amp;Save and close</translation>
    </message>
    <message>
        <source>中止(&amp;C)</source>
        <translation>&amp;Cancel</translation>
    </message>
    <message>
        <source>青海波(&amp;1)</source>
        <translation>Seigaiha waves (&amp;1)</translation>
    </message>
    <message>
        <source>麻の葉(&amp;2)</source>
        <translation>Hemp leaves (&amp;2)</translation>
    </message>
    <message>
        <source>朱塗り梅紋(&amp;3)</source>
        <translation>Vermilion plum crest (&amp;3)</translation>
    </message>
    <message>
        <source>亀甲星(&amp;4)</source>
        <translation>Tortoise-shell stars (&amp;4)</translation>
    </message>
    <message>
        <source>イメージファイルを指定</source>
        <translation>Choose an image file</translation>
    </message>
    <message>
        <source>イメージファイル(jpeg, gif, bmp, png, tiff) (*.jpg *.jpeg *.gif *.bmp *.png *.tif *.tiff);;JPEGファイル(*.jpeg) (*.jpg *.jpeg);;GIFファイル(*.gif) (*.gif);;ビットマップファイル(*.bmp) (*.bmp);;PNGファイル(*.png) (*.png);;TIFFファイル(*.tiff) (*.tif *.tiff)</source>
        <translation>Image files (jpeg, gif, bmp, png, tiff) (*.jpg *.jpeg *.gif *.bmp *.png *.tif *.tiff);;JPEG files (*.jpeg) (*.jpg *.jpeg);;GIF files (*.gif) (*.gif);;Bitmap files (*.bmp) (*.bmp);;PNG files (*.png) (*.png);;TIFF files (*.tiff) (*.tif *.tiff)</translation>
    </message>
</context>
<context>
    <name>tesseran::CHelpDlg</name>
    <message>
        <source>操作方法</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>ルール</source>
        <translation>Rules</translation>
    </message>
    <message>
        <source>カケヒキ</source>
        <translation>Tactics</translation>
    </message>
</context>
<context>
    <name>tesseran::CKunitori</name>
    <message>
        <source>[閲覧]モード</source>
        <translation>[View] mode</translation>
    </message>
    <message>
        <source>[ ｢%1｣ の国盗りモード ]</source>
        <translation>[ Conquest mode: %1 ]</translation>
    </message>
    <message>
        <source>%1が
%2</source>
        <translation>%1 has
%2</translation>
    </message>
    <message>
        <source>レギュラー ｢%1｣ の国盗り</source>
        <translation>Conquest by regular %1</translation>
    </message>
    <message>
        <source> ｢%1｣ を盗ります。
    (残り : %2)</source>
        <translation> Taking %1.
    (koku left: %2)</translation>
    </message>
    <message>
        <source>初期設定に戻りました。</source>
        <translation>Back to the starting state.</translation>
    </message>
    <message>
        <source>盗れる国がありません！！</source>
        <translation>No province left to take!</translation>
    </message>
    <message>
        <source>この打ち手は自国がないので国盗りできません！！</source>
        <translation>This player holds no province and cannot conquer!</translation>
    </message>
    <message>
        <source>現在の石数: %1 </source>
        <translation>Koku now: %1 </translation>
    </message>
    <message>
        <source> 石数不足で、盗れる国がありません！！</source>
        <translation> Not enough koku to take any province!</translation>
    </message>
    <message>
        <source> ｢%1｣ が盗れます。</source>
        <translation> You can take %1.</translation>
    </message>
    <message>
        <source>保存するファイルを指定</source>
        <translation>Choose a file to save to</translation>
    </message>
    <message>
        <source>無題</source>
        <translation>Untitled</translation>
    </message>
    <message>
        <source>JPEGファイル(*.jpeg);;GIFファイル(*.gif);;ビットマップファイル(*.bmp);;PNGファイル(*.png);;TIFFファイル(*.tiff)</source>
        <translation>JPEG files (*.jpeg);;GIF files (*.gif);;Bitmap files (*.bmp);;PNG files (*.png);;TIFF files (*.tiff)</translation>
    </message>
</context>
<context>
    <name>tesseran::CMonSel</name>
    <message>
        <source>請求する紋を指定してください。</source>
        <translation>Choose the suit to request.</translation>
    </message>
    <message>
        <source>役にする紋を指定してください。</source>
        <translation>Choose the suit to name as trump.</translation>
    </message>
    <message>
        <source>する紋を指定してください。</source>
        <translation>: choose the suit.</translation>
    </message>
    <message>
        <source>紋の指定</source>
        <translation>Choose a suit</translation>
    </message>
    <message>
        <source>決 定(&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>クラブを指定します</source>
        <translation>Choose clubs</translation>
    </message>
    <message>
        <source>ダイヤを指定します</source>
        <translation>Choose diamonds</translation>
    </message>
    <message>
        <source>ハートを指定します</source>
        <translation>Choose hearts</translation>
    </message>
    <message>
        <source>スッペを指定します</source>
        <translation>Choose spades</translation>
    </message>
</context>
<context>
    <name>tesseran::CSelect</name>
    <message>
        <source>%1を選択します。</source>
        <translation>Play as %1.</translation>
    </message>
    <message>
        <source>%1の%2を選択します。</source>
        <translation>Play as %2 of %1.</translation>
    </message>
    <message>
        <source>打ち手の選択 (下の６名の中から選択してください)</source>
        <translation>Choose your player (one of the six below)</translation>
    </message>
    <message>
        <source>※ 自動スタートにするとこの画面は表示されません。</source>
        <translation>* With auto start on, this window is not shown.</translation>
    </message>
</context>
<context>
    <name>tesseran::CSengen</name>
    <message>
        <source>宣言の選択</source>
        <translation>Choose a declaration</translation>
    </message>
    <message>
        <source>初巡ジョーカー出しは、宣言する時だけ可能です。
どの宣言にしますか。</source>
        <translation>You may lead the joker on the first trick only with a declaration.
Which declaration will you make?</translation>
    </message>
    <message>
        <source>ジョーカー出し中止(&amp;C)</source>
        <translation>&amp;Cancel the joker lead</translation>
    </message>
    <message>
        <source>初巡のジョーカー出しを中止します</source>
        <translation>Cancel leading the joker on the first trick</translation>
    </message>
    <message>
        <source>相手グループに絵札を1枚も取らせずに勝敗決定枚数を獲得することを宣言します</source>
        <translation>Declare winning the battle without letting the other group take a single face card</translation>
    </message>
    <message>
        <source>絵札全部（１６枚）の獲得を宣言します</source>
        <translation>Declare taking all the face cards (all 16)</translation>
    </message>
    <message>
        <source>宣言スコンク(&amp;1)</source>
        <translation>Declared skunk (&amp;1)</translation>
    </message>
    <message>
        <source>宣言１６(&amp;3)</source>
        <translation>Declared 16 (&amp;3)</translation>
    </message>
    <message>
        <source>宣言逆スコンク(&amp;2)</source>
        <translation>Declared reverse skunk (&amp;2)</translation>
    </message>
    <message>
        <source>宣言逆１６(&amp;4)</source>
        <translation>Declared reverse 16 (&amp;4)</translation>
    </message>
</context>
<context>
    <name>tesseran::ConquestListModel</name>
    <message>
        <source>国を盗る</source>
        <translation>Province taken</translation>
    </message>
    <message>
        <source>天下統一</source>
        <translation>Unification of the realm</translation>
    </message>
    <message>
        <source>国盗りの初期化</source>
        <translation>Conquest reset</translation>
    </message>
    <message>
        <source>%1石</source>
        <translation>%1 koku</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>出来事</source>
        <translation>Event</translation>
    </message>
    <message>
        <source>打ち手</source>
        <translation>Player</translation>
    </message>
    <message>
        <source>国</source>
        <translation>Province</translation>
    </message>
    <message>
        <source>石高</source>
        <translation>Value</translation>
    </message>
    <message>
        <source>元の持ち主</source>
        <translation>Previous owner</translation>
    </message>
    <message>
        <source>残りの石数</source>
        <translation>Koku left</translation>
    </message>
</context>
<context>
    <name>tesseran::MatchListModel</name>
    <message>
        <source>なし</source>
        <translation>none</translation>
    </message>
    <message>
        <source>%1石</source>
        <translation>%1 koku</translation>
    </message>
    <message>
        <source>%1位</source>
        <translation>#%1</translation>
    </message>
    <message>
        <source>終了日時</source>
        <translation>Ended</translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>石数</source>
        <translation>Koku</translation>
    </message>
    <message>
        <source>順位</source>
        <translation>Place</translation>
    </message>
    <message>
        <source>対戦相手</source>
        <translation>Opponents</translation>
    </message>
</context>
<context>
    <name>tesseran::StatisticsWindow</name>
    <message>
        <source>―</source>
        <translation>—</translation>
    </message>
    <message>
        <source>%1%（%2/%3戦）</source>
        <translation>%1% (%2/%3 battles)</translation>
    </message>
    <message>
        <source>%1&#x3000;%2石</source>
        <translation>%1, %2 koku</translation>
    </message>
    <message>
        <source>戦績</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>概要(&amp;S)</source>
        <translation>&amp;Summary</translation>
    </message>
    <message>
        <source>グラフ(&amp;G)</source>
        <translation>&amp;Charts</translation>
    </message>
    <message>
        <source>試合(&amp;M)</source>
        <translation>&amp;Matches</translation>
    </message>
    <message>
        <source>国盗り(&amp;K)</source>
        <translation>Con&amp;quest</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>CSVに書き出す(&amp;E)...</source>
        <translation>&amp;Export to CSV...</translation>
    </message>
    <message>
        <source>対戦</source>
        <translation>Played</translation>
    </message>
    <message>
        <source>試合</source>
        <translation>Matches</translation>
    </message>
    <message>
        <source>ゲーム</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>戦い</source>
        <translation>Battles</translation>
    </message>
    <message>
        <source>1ゲームの平均得点</source>
        <translation>Mean score per game</translation>
    </message>
    <message>
        <source>あなたのグループが戦いに勝った割合</source>
        <translation>Battles won by your group</translation>
    </message>
    <message>
        <source>全体</source>
        <translation>Overall</translation>
    </message>
    <message>
        <source>関係グループのとき</source>
        <translation>As the related group</translation>
    </message>
    <message>
        <source>無関係グループのとき</source>
        <translation>As the unrelated group</translation>
    </message>
    <message>
        <source>あなたの試合</source>
        <translation>Your matches</translation>
    </message>
    <message>
        <source>最高の試合</source>
        <translation>Best match</translation>
    </message>
    <message>
        <source>最低の試合</source>
        <translation>Worst match</translation>
    </message>
    <message>
        <source>国盗り</source>
        <translation>Conquest</translation>
    </message>
    <message>
        <source>国を盗った回数（全員）</source>
        <translation>Provinces taken (everyone)</translation>
    </message>
    <message>
        <source>天下統一</source>
        <translation>Unifications of the realm</translation>
    </message>
    <message>
        <source>%1回</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>戦いの結果（全員）</source>
        <translation>Battle results (everyone)</translation>
    </message>
    <message>
        <source>試合ごとの石数（記録された試合はまだありません）</source>
        <translation>Koku per match (no matches recorded yet)</translation>
    </message>
    <message>
        <source>試合ごとの石数</source>
        <translation>Koku per match</translation>
    </message>
    <message>
        <source>石数</source>
        <translation>Koku</translation>
    </message>
    <message>
        <source>国の数（打ち手がまだ決まっていません）</source>
        <translation>Provinces held (no player chosen yet)</translation>
    </message>
    <message>
        <source>%1の国の数</source>
        <translation>Provinces held by %1</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>国の数</source>
        <translation>Provinces</translation>
    </message>
    <message>
        <source>記録された試合はまだありません</source>
        <translation>No matches recorded yet</translation>
    </message>
    <message>
        <source>国盗りの記録はまだありません</source>
        <translation>No conquest recorded yet</translation>
    </message>
    <message>
        <source>%1 に終わった試合の得点</source>
        <translation>Scores of the match that ended %1</translation>
    </message>
    <message>
        <source>得点表の絵を読み込めません</source>
        <translation>Cannot load the score board picture</translation>
    </message>
    <message>
        <source>CSVに書き出す（試合の記録のファイル名）</source>
        <translation>Export to CSV (file name for the matches)</translation>
    </message>
    <message>
        <source>CSV ファイル (*.csv)</source>
        <translation>CSV files (*.csv)</translation>
    </message>
    <message>
        <source>%1 はすでにあります。
上書きしますか</source>
        <translation>%1 already exists.
Overwrite it?</translation>
    </message>
    <message>
        <source>戦績を書き出せませんでした
%1</source>
        <translation>Could not export the statistics
%1</translation>
    </message>
    <message>
        <source>戦績を書き出しました
試合：%1
戦い：%2</source>
        <translation>Statistics exported
Matches: %1
Battles: %2</translation>
    </message>
</context>
<context>
    <name>tesseran::TableCommands</name>
    <message>
        <source>開始(&amp;P)</source>
        <translation>&amp;Start</translation>
    </message>
    <message>
        <source>ヒント(&amp;H)	H</source>
        <translation>&amp;Hint	H</translation>
    </message>
    <message>
        <source>振り返り(&amp;V)...	F7</source>
        <translation>&amp;Review...	F7</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>スピード(&amp;S)</source>
        <translation>&amp;Speed</translation>
    </message>
    <message>
        <source>速い(&amp;F)</source>
        <translation>&amp;Fast</translation>
    </message>
    <message>
        <source>やや速い(&amp;G)</source>
        <translation>&amp;Rather fast</translation>
    </message>
    <message>
        <source>普通(&amp;N)</source>
        <translation>&amp;Normal</translation>
    </message>
    <message>
        <source>やや遅い(&amp;T)</source>
        <translation>Ra&amp;ther slow</translation>
    </message>
    <message>
        <source>遅い(&amp;S)</source>
        <translation>&amp;Slow</translation>
    </message>
    <message>
        <source>コンピュータの強さ(&amp;C)</source>
        <translation>&amp;Computer strength</translation>
    </message>
    <message>
        <source>標準(&amp;N)</source>
        <translation>&amp;Standard</translation>
    </message>
    <message>
        <source>強い(&amp;S)</source>
        <translation>St&amp;rong</translation>
    </message>
    <message>
        <source>オープンモード(&amp;O)</source>
        <translation>&amp;Open mode</translation>
    </message>
    <message>
        <source>効果音(&amp;K)</source>
        <translation>Sound &amp;effects</translation>
    </message>
    <message>
        <source>ルール説明(&amp;R)</source>
        <translation>&amp;Rule remarks</translation>
    </message>
    <message>
        <source>画面表示説明(&amp;D)</source>
        <translation>&amp;Display remarks</translation>
    </message>
    <message>
        <source>残り札(&amp;N)</source>
        <translation>Remai&amp;ning cards</translation>
    </message>
    <message>
        <source>現状表示(&amp;J)</source>
        <translation>Stat&amp;us display</translation>
    </message>
    <message>
        <source>自動スタート(&amp;A)</source>
        <translation>&amp;Auto start</translation>
    </message>
    <message>
        <source>初めての手引き(&amp;W)</source>
        <translation>Beginner&apos;s &amp;guide</translation>
    </message>
    <message>
        <source>得点(&amp;T)</source>
        <translation>Score &amp;board</translation>
    </message>
    <message>
        <source>国盗り(&amp;M)</source>
        <translation>Con&amp;quest</translation>
    </message>
    <message>
        <source>国盗りの初期化(&amp;I)</source>
        <translation>Rese&amp;t conquest</translation>
    </message>
    <message>
        <source>戦績(&amp;R)...	F6</source>
        <translation>Stat&amp;istics...	F6</translation>
    </message>
    <message>
        <source>カード背面の設定(&amp;B)</source>
        <translation>Card bac&amp;k</translation>
    </message>
    <message>
        <source>言語 / Language(&amp;L)</source>
        <translation>&amp;Language</translation>
    </message>
    <message>
        <source>日本語</source>
        <translation>Japanese</translation>
    </message>
    <message>
        <source>画面サイズ(&amp;G)</source>
        <translation>&amp;Window size</translation>
    </message>
    <message>
        <source>1200 X 900(&amp;4)	推奨</source>
        <translation>1200 X 900(&amp;4)	Recommended</translation>
    </message>
    <message>
        <source>操作方法(&amp;S)</source>
        <translation>&amp;How to play</translation>
    </message>
    <message>
        <source>ルール(&amp;R)</source>
        <translation>&amp;Rules</translation>
    </message>
    <message>
        <source>カケヒキ(&amp;K)</source>
        <translation>&amp;Tactics</translation>
    </message>
    <message>
        <source>バージョン情報(&amp;A)</source>
        <translation>&amp;About</translation>
    </message>
    <message>
        <source>左隣りの手札のカンニング</source>
        <translation>Peek at the left neighbour&apos;s hand</translation>
    </message>
    <message>
        <source>向いの手札のカンニング</source>
        <translation>Peek at the opposite hand</translation>
    </message>
    <message>
        <source>右隣りの手札のカンニング</source>
        <translation>Peek at the right neighbour&apos;s hand</translation>
    </message>
</context>
<context>
    <name>tesseran::TableView</name>
    <message>
        <source>%1を役にすると、あなたのグループが勝つ見込み %2、得点の見込み %3</source>
        <translation>Naming %1 as trump: your group&apos;s chance of winning %2, expected score %3</translation>
    </message>
    <message>
        <source>%1を指定すると、あなたのグループが勝つ見込み %2、得点の見込み %3</source>
        <translation>Requesting %1: your group&apos;s chance of winning %2, expected score %3</translation>
    </message>
    <message>
        <source>
次点は %1（%2、%3）</source>
        <translation>
Next best: %1 (%2, %3)</translation>
    </message>
    <message>
        <source>見せ札に %1 と %2 を見せると、相方の決める役で、あなたのグループが勝つ見込み %3、得点の見込み %4</source>
        <translation>Showing the %1 and the %2, with the trump your partner then names: your group&apos;s chance of winning %3, expected score %4</translation>
    </message>
    <message>
        <source>もう一枚の見せ札に %1 を見せると、相方の決める役で、あなたのグループが勝つ見込み %2、得点の見込み %3</source>
        <translation>Showing the %1 as the other show card, with the trump your partner then names: your group&apos;s chance of winning %2, expected score %3</translation>
    </message>
    <message>
        <source>%1：あなたのグループがこの戦いに勝つ見込み %2、得点の見込み %3</source>
        <translation>Play the %1: your group&apos;s chance of winning this battle %2, expected score %3</translation>
    </message>
    <message>
        <source>
出せる札はこれだけです</source>
        <translation>
This is the only card you can play</translation>
    </message>
    <message>
        <source>ジョーカー（%1を指定）</source>
        <translation>joker (requesting %1)</translation>
    </message>
    <message>
        <source>%1点</source>
        <translation>%1 points</translation>
    </message>
</context>
<context>
    <name>tesseran::VersionDialog</name>
    <message>
        <source>Tesseranのバージョン情報</source>
        <translation>About Tesseran</translation>
    </message>
    <message>
        <source>Tesseran(トランプゲーム)</source>
        <translation>Tesseran (card game)</translation>
    </message>
    <message>
        <source>確認 (&amp;Y)</source>
        <translation>&amp;OK</translation>
    </message>
</context>
</TS>
