<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>QObject</name>
    <message>
        <source>牌がありません</source>
        <translation>there are no tiles</translation>
    </message>
    <message>
        <source>数字の後に m p s z がありません</source>
        <translation>digits without m, p, s or z after them</translation>
    </message>
    <message>
        <source>文字の前に数字がありません</source>
        <translation>a letter without digits before it</translation>
    </message>
    <message>
        <source>字牌は 1z〜7z です</source>
        <translation>honours are 1z to 7z</translation>
    </message>
    <message>
        <source>同じ牌が5枚目です</source>
        <translation>a fifth copy of one tile</translation>
    </message>
    <message>
        <source>編集(&amp;E)</source>
        <translation>&amp;Edit</translation>
    </message>
    <message>
        <source>コピー(&amp;C)</source>
        <translation>&amp;Copy</translation>
    </message>
    <message>
        <source>貼り付け(&amp;P)</source>
        <translation>&amp;Paste</translation>
    </message>
    <message>
        <source>使えない文字です（1〜9 と m p s z、字牌は E S W N P F C も）</source>
        <translation>a character that names no tile (1 to 9 and m p s z; honours also E S W N P F C)</translation>
    </message>
    <message>
        <source>0（赤五）は m p s にだけ使えます</source>
        <translation>0 (a red five) belongs to m, p or s only</translation>
    </message>
    <message>
        <source>貼り付けた牌姿</source>
        <translation>The pasted position</translation>
    </message>
    <message>
        <source>%1の %2文字目: %3。</source>
        <translation>%1, character %2: %3.</translation>
    </message>
    <message>
        <source>%1は %2枚です。13枚か14枚にしてください。</source>
        <translation>%1 has %2 tiles. Give 13 or 14.</translation>
    </message>
    <message>
        <source>見えた牌 seen=: %1</source>
        <translation>tiles seen (seen=): %1</translation>
    </message>
    <message>
        <source>使えない語です（draws= seen= one-suit seat= round=）</source>
        <translation>a word that cannot be used (draws= seen= one-suit seat= round=)</translation>
    </message>
    <message>
        <source>残りツモ draws= は 0〜18 です</source>
        <translation>draws left (draws=) are 0 to 18</translation>
    </message>
    <message>
        <source>風は e s w n のどれかです</source>
        <translation>a wind is one of e s w n</translation>
    </message>
    <message>
        <source>手牌と見えた牌で %1 が5枚以上です。</source>
        <translation>The hand and the tiles seen hold %1 five times or more.</translation>
    </message>
    <message>
        <source>山に %1枚しかなく、残りツモ %2回は引けません。</source>
        <translation>The wall holds only %1 tiles: %2 draws cannot be made.</translation>
    </message>
</context>
<context>
    <name>TAgariDlg</name>
    <message>
        <source>待ち牌</source>
        <translation>Waiting tiles</translation>
    </message>
</context>
<context>
    <name>TApplication</name>
    <message>
        <source>ファイル %1 を作成できません</source>
        <translation>Cannot create the file %1</translation>
    </message>
    <message>
        <source>ファイル %1 は開けません</source>
        <translation>Cannot open the file %1</translation>
    </message>
    <message>
        <source>ファイル %1 は読み込めません</source>
        <translation>Cannot read the file %1</translation>
    </message>
    <message>
        <source>リストのインデックスが範囲を超えています (%1)</source>
        <translation>List index out of bounds (%1)</translation>
    </message>
    <message>
        <source>牌理工房</source>
        <translation>TileLab</translation>
    </message>
    <message>
        <source>不明なエラーが発生しました。</source>
        <translation>An unknown error occurred.</translation>
    </message>
</context>
<context>
    <name>TBoardDlg</name>
    <message>
        <source>何切る</source>
        <translation>What to discard</translation>
    </message>
    <message>
        <source>手牌 13 枚か 14 枚（14 枚なら最後の牌がツモ）。例 123m456p789s1122z3z
組の間の空白、0（赤五、5 として読む）、全角、字牌の E S W N P F C（東南西北白發中）も使えます。</source>
        <translation>The hand, 13 or 14 tiles (with 14 the last one written is the tile drawn). Example: 123m456p789s1122z3z
Blanks between groups, 0 (a red five, read as 5), full-width forms and honours as E S W N P F C (East South West North White Green Red) are read too.</translation>
    </message>
    <message>
        <source>この打牌の後に残るツモの回数（1 巡目の打牌なら 17）</source>
        <translation>The draws left after this discard (17 for the discard after the first draw)</translation>
    </message>
    <message>
        <source>見えた牌（自分と他家の捨て牌など）。見えた牌は山から除きます。例 19m5z</source>
        <translation>Tiles seen (your own and the others&apos; discards). Every tile seen leaves the wall. Example: 19m5z</translation>
    </message>
    <message>
        <source>清一色の山（萬子のみ）</source>
        <translation>One-suit wall (characters only)</translation>
    </message>
    <message>
        <source>手牌(&amp;H)</source>
        <translation>&amp;Hand</translation>
    </message>
    <message>
        <source>残りツモ(&amp;D)</source>
        <translation>&amp;Draws left</translation>
    </message>
    <message>
        <source>自風</source>
        <translation>Seat wind</translation>
    </message>
    <message>
        <source>場風</source>
        <translation>Round wind</translation>
    </message>
    <message>
        <source>見えた牌(&amp;S)</source>
        <translation>Tiles &amp;seen</translation>
    </message>
    <message>
        <source>打牌</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>向聴</source>
        <translation>Away</translation>
    </message>
    <message>
        <source>有効牌</source>
        <translation>Effective tiles</translation>
    </message>
    <message>
        <source>枚数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>聴牌率</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>和了率</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>0（赤五）は 5 として読みました。</source>
        <translation>0 (a red five) was read as 5.</translation>
    </message>
    <message>
        <source>見えた牌</source>
        <translation>Tiles seen</translation>
    </message>
    <message>
        <source>手牌</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>手牌 14枚（右端がツモ %1）</source>
        <translation>Hand, 14 tiles (drawn at the right: %1)</translation>
    </message>
    <message>
        <source>手牌 13枚</source>
        <translation>Hand, 13 tiles</translation>
    </message>
    <message>
        <source>%1  残りツモ %2回  山 %3枚%4</source>
        <translation>%1  draws left %2  wall %3 tiles%4</translation>
    </message>
    <message>
        <source>（萬子のみ）</source>
        <translation> (characters only)</translation>
    </message>
    <message>
        <source>ツモ和了  %1</source>
        <translation>Self-drawn win  %1</translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>待ち %1  %2枚</source>
        <translation>Waits %1  %2 copies</translation>
    </message>
    <message>
        <source>有効牌 %1  %2枚</source>
        <translation>Effective tiles %1  %2 copies</translation>
    </message>
    <message>
        <source>5向聴以上は受け入れのみ</source>
        <translation>5 or more away: effective tiles only</translation>
    </message>
    <message>
        <source>聴牌率 %1  和了率 %2</source>
        <translation>Ready %1  Win %2</translation>
    </message>
    <message>
        <source>◎受け入れ</source>
        <translation>◎ effective tiles</translation>
    </message>
    <message>
        <source>◎和了率</source>
        <translation>◎ win chance</translation>
    </message>
    <message>
        <source>見えた牌。クリックした牌を見えた牌から戻します。</source>
        <translation>Tiles seen. A click gives the tile back to the wall.</translation>
    </message>
    <message>
        <source>クリックした牌を見えた牌に加えます。</source>
        <translation>A click adds the tile to the tiles seen.</translation>
    </message>
    <message>
        <source>期待値</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>聴牌率・和了率: 残りツモのうちに聴牌する・和了する確率。
一人で引くだけとし、見えていない牌（4 枚 − 手牌 − 見えた牌）はどれも同じ確からしさで来る。
打牌は毎回確率が最大になるように選ぶ。手替わり・向聴戻しは表示 &gt; 確率のモデルで選んだ手数まで数える
（遠い手では時間内に計算できる手数まで下げ、見出しにそのモデルを示す）。
期待値: 和了の点数（門前清自摸和を含む、この盤の自風・場風）× その確率の和。
清一色の山では萬子だけが来る。4 向聴より遠い手は受け入れだけを示す。</source>
        <translation>Ready and Win: the chance to be ready, and to win, within the draws left.
One player who only draws; every tile not seen (4 − in hand − seen) is equally likely to come.
Every later discard is chosen for the best chance. Shape changes and steps back are followed up to the moves chosen in View &gt; Chance model
(far hands get as many as can be computed in time; the heading names the model).
Points: each win&apos;s points (closed self-draw included, this board&apos;s seat and round winds) times its chance, summed.
In a one-suit wall only characters come. Hands more than 4 away show their effective tiles only.</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>確率のモデル: %1</source>
        <translation>Chance model: %1</translation>
    </message>
    <message>
        <source>期待値 %1</source>
        <translation>Points %1</translation>
    </message>
</context>
<context>
    <name>TCommandLine</name>
    <message>
        <source>--lang には en か ja を指定してください</source>
        <translation>--lang takes en or ja</translation>
    </message>
    <message>
        <source>開ける牌譜ファイルは一つだけです: %1</source>
        <translation>only one record file can be opened: %1</translation>
    </message>
    <message>
        <source>不明なオプション: %1</source>
        <translation>unknown option: %1</translation>
    </message>
    <message>
        <source>--position の後に牌姿がありません</source>
        <translation>--position needs a position after it</translation>
    </message>
    <message>
        <source>使い方: tilelab [--lang en|ja] [牌譜ファイル.csv | 牌姿.tilelab-position]
               [--position 牌姿]
一人麻雀の練習。牌譜ファイルを指定すると牌譜ビューアで開きます。

  --lang en|ja   表示言語 (英語/日本語)。既定はロケールに従います
  --position 牌姿  何切るの盤で開く（例 &apos;123m456p789s1122z3z draws=9&apos;）
                 .tilelab-position ファイル（同じ形の一行）も開けます
  -h, --help     この説明を表示して終了
  -v, --version  バージョンを表示して終了
</source>
        <translation>Usage: tilelab [--lang en|ja] [record.csv | position.tilelab-position]
               [--position POSITION]
Practise Japanese mahjong alone. A record file given here opens in the record viewer.

  --lang en|ja   the interface language (English/Japanese); by default the locale&apos;s
  --position POSITION  open the position board on it (e.g. &apos;123m456p789s1122z3z draws=9&apos;)
                 a .tilelab-position file (one line of the same form) opens likewise
  -h, --help     print this text and exit
  -v, --version  print the version and exit
</translation>
    </message>
    <message>
        <source>牌姿のファイルを開けません: %1</source>
        <translation>Cannot open the position file: %1</translation>
    </message>
    <message>
        <source>--position の牌姿</source>
        <translation>The position given with --position</translation>
    </message>
    <message>
        <source>%1 の牌姿</source>
        <translation>The position in %1</translation>
    </message>
</context>
<context>
    <name>TDrillDlg</name>
    <message>
        <source>読めません</source>
        <translation>it cannot be read</translation>
    </message>
    <message>
        <source>復習の記録ではありません</source>
        <translation>it is no drill state</translation>
    </message>
    <message>
        <source>新しい版の記録です</source>
        <translation>a newer version wrote it</translation>
    </message>
    <message>
        <source>%1行目が読めません</source>
        <translation>line %1 cannot be read</translation>
    </message>
    <message>
        <source>%1行目のカードが重複しています</source>
        <translation>the card on line %1 is listed twice</translation>
    </message>
    <message>
        <source>%1行目で途切れています</source>
        <translation>it is cut short at line %1</translation>
    </message>
    <message>
        <source>復習の記録 %1 は壊れています（%2）。%3 に移して、新しく記録します。</source>
        <translation>The drill state %1 is damaged (%2). It was moved to %3; a new state is kept from now on.</translation>
    </message>
    <message>
        <source>復習の記録 %1 を使えません（%2）。この回の答えは保存しません。</source>
        <translation>The drill state %1 cannot be used (%2). The answers of this sitting are not saved.</translation>
    </message>
    <message>
        <source>復習</source>
        <translation>Drill</translation>
    </message>
    <message>
        <source>失った枚数 ≥ </source>
        <translation>Copies lost ≥ </translation>
    </message>
    <message>
        <source>フォルダを選択(&amp;F)...</source>
        <translation>Choose a &amp;folder...</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>捨牌</source>
        <translation>River</translation>
    </message>
    <message>
        <source>打牌</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>向聴</source>
        <translation>Away</translation>
    </message>
    <message>
        <source>有効牌</source>
        <translation>Effective tiles</translation>
    </message>
    <message>
        <source>枚数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>評価</source>
        <translation>Verdict</translation>
    </message>
    <message>
        <source>次へ (Return)</source>
        <translation>Next (Return)</translation>
    </message>
    <message>
        <source>カード作りを中止しました。</source>
        <translation>Making the cards was cancelled.</translation>
    </message>
    <message>
        <source>期日 %1&#x3000;新規 %2&#x3000;習得 %3&#x3000;この回の残り %4</source>
        <translation>Due %1   New %2   Learned %3   Left in this sitting %4</translation>
    </message>
    <message>
        <source>フォルダ: —</source>
        <translation>Folder: —</translation>
    </message>
    <message>
        <source>フォルダ: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>牌譜のフォルダを選んでください。</source>
        <translation>Choose a folder of records.</translation>
    </message>
    <message>
        <source>このフォルダには復習する打牌がありません。</source>
        <translation>This folder has no discards to drill.</translation>
    </message>
    <message>
        <source>今日の復習は終わりました。</source>
        <translation>Today&apos;s drill is done.</translation>
    </message>
    <message>
        <source>%1&#x3000;%2&#x3000;%3巡目</source>
        <translation>%1   %2   draw %3</translation>
    </message>
    <message>
        <source>&#x3000;清一色</source>
        <translation>   one suit</translation>
    </message>
    <message>
        <source>何を切る?</source>
        <translation>What do you discard?</translation>
    </message>
    <message>
        <source>○ 正解。打牌 %1 は最善と同じく有効牌 %2枚です。</source>
        <translation>○ Right. Discarding %1 keeps %2 copies of effective tiles, as the best discard does.</translation>
    </message>
    <message>
        <source>× 打牌 %1 は向聴数を戻します。最善は %2（有効牌 %3枚）。</source>
        <translation>× Discarding %1 takes the hand further from ready. The best is %2 (%3 copies of effective tiles).</translation>
    </message>
    <message>
        <source>× 打牌 %1 の有効牌は %2枚。最善の %3 なら %4枚。</source>
        <translation>× Discarding %1 keeps %2 copies of effective tiles; the best, %3, keeps %4.</translation>
    </message>
    <message>
        <source>牌譜の打牌は %1 でした。</source>
        <translation>The record discarded %1.</translation>
    </message>
    <message>
        <source>Return で次へ</source>
        <translation>Return for the next card</translation>
    </message>
    <message>
        <source>◎最善</source>
        <translation>◎ best</translation>
    </message>
    <message>
        <source>← 解答</source>
        <translation>← your pick</translation>
    </message>
    <message>
        <source>牌譜</source>
        <translation>record</translation>
    </message>
    <message>
        <source>失った和了率 ≥ </source>
        <translation>Win chance lost ≥ </translation>
    </message>
    <message>
        <source> %</source>
        <translation> %</translation>
    </message>
    <message>
        <source>和了率では選ばない</source>
        <translation>Win chance: not used</translation>
    </message>
    <message>
        <source>1向聴以内の打牌を、18巡目までの和了率（ツモのみ、見えていない牌は等しく来る）で最善と比べます。この値以上を失った打牌もカードになります。</source>
        <translation>Discards made one step from ready or closer are compared with the best by the chance to win by the 18th draw (draws only, every unseen tile equally likely). A discard that lost at least this much also becomes a card.</translation>
    </message>
    <message>
        <source>○ 正解。打牌 %1 は最善と同じく和了率 %2 です。</source>
        <translation>○ Right. Discarding %1 keeps a win chance of %2, as the best discard does.</translation>
    </message>
    <message>
        <source>× 打牌 %1 の和了率は %2。最善の %3 なら %4。</source>
        <translation>× Discarding %1 keeps a win chance of %2. The best, %3, keeps %4.</translation>
    </message>
    <message>
        <source>◎和了率</source>
        <translation>◎ win chance</translation>
    </message>
    <message>
        <source>読めなかったカード %1 枚は失われました。</source>
        <translation> %1 cards could not be read and are lost.</translation>
    </message>
    <message>
        <source>和了率</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>答えを保存できません（%1）。この回の答えは保存しません。</source>
        <translation>Answers cannot be saved (%1). This sitting&apos;s answers are not kept.</translation>
    </message>
    <message>
        <source>フォルダ: %1（カードを作っています…）</source>
        <translation>Folder: %1 (making the cards…)</translation>
    </message>
</context>
<context>
    <name>TFramedDlg</name>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>%1 は既にあります。
置き換えますか?</source>
        <translation>%1 already exists.
Do you want to replace it?</translation>
    </message>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
</context>
<context>
    <name>TMainDlg</name>
    <message>
        <source>捨牌</source>
        <translation>River</translation>
    </message>
    <message>
        <source>手牌</source>
        <translation>Hand</translation>
    </message>
    <message>
        <source>ガイダンス</source>
        <translation>Guidance</translation>
    </message>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>牌譜保存(&amp;S)...</source>
        <translation>&amp;Save record...</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>リセット(&amp;R)</source>
        <translation>&amp;Reset</translation>
    </message>
    <message>
        <source>別の配牌(&amp;S)	F5</source>
        <translation>&amp;Start another deal	F5</translation>
    </message>
    <message>
        <source>同じ配牌(&amp;R)</source>
        <translation>&amp;Replay the same deal</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>待ち牌(&amp;W)...</source>
        <translation>&amp;Waiting tiles...</translation>
    </message>
    <message>
        <source>切る牌をクリック。</source>
        <translation>Click the tile to discard.</translation>
    </message>
    <message>
        <source>手数: %1</source>
        <translation>Draws: %1</translation>
    </message>
    <message>
        <source>（終了）</source>
        <translation> (over)</translation>
    </message>
    <message>
        <source>牌理(&amp;P)...</source>
        <translation>&amp;Analysis...</translation>
    </message>
    <message>
        <source>牌理は打牌後に表示(&amp;D)</source>
        <translation>Analysis after the &amp;discard</translation>
    </message>
    <message>
        <source>自風(&amp;J)</source>
        <translation>&amp;Seat wind</translation>
    </message>
    <message>
        <source>場風(&amp;B)</source>
        <translation>&amp;Round wind</translation>
    </message>
    <message>
        <source>ツモ和了  %1</source>
        <translation>Won by draw  %1</translation>
    </message>
    <message>
        <source>練習している牌譜 %1 には上書きしません。別の名前で保存してください。</source>
        <translation>The record %1 being practised is not written over. Save under another name.</translation>
    </message>
    <message>
        <source>清一色</source>
        <translation>One suit</translation>
    </message>
    <message>
        <source>一人麻雀</source>
        <translation>Solo practice</translation>
    </message>
    <message>
        <source>  牌譜 %1 の練習</source>
        <translation>  practising the record %1</translation>
    </message>
</context>
<context>
    <name>TMenuDlg</name>
    <message>
        <source>終了</source>
        <translation>Exit</translation>
    </message>
    <message>
        <source>メニュー</source>
        <translation>Menu</translation>
    </message>
    <message>
        <source>一人麻雀</source>
        <translation>Solo practice</translation>
    </message>
    <message>
        <source>牌譜</source>
        <translation>Records</translation>
    </message>
    <message>
        <source>捨牌読み</source>
        <translation>Discard reading</translation>
    </message>
    <message>
        <source>清一色</source>
        <translation>One suit</translation>
    </message>
</context>
<context>
    <name>TModelChoice</name>
    <message>
        <source>点</source>
        <translation> pts</translation>
    </message>
    <message>
        <source>最短経路</source>
        <translation>shortest path</translation>
    </message>
    <message>
        <source>手替わり 1 手</source>
        <translation>1 shape change</translation>
    </message>
    <message>
        <source>手替わり・向聴戻し %1 手</source>
        <translation>%1 moves with steps back</translation>
    </message>
    <message>
        <source>確率のモデル(&amp;M)</source>
        <translation>Chance &amp;model</translation>
    </message>
    <message>
        <source>聴牌率・和了率・期待値の計算で、最短経路のほかに許す寄り道の手数。
遠い手では時間内に計算できる手数まで下げ、窓にそのモデルを示す。</source>
        <translation>How many moves off the shortest path Ready, Win and Points allow.
Far hands get as many as can be computed in time; the window names the model used.</translation>
    </message>
    <message>
        <source>最短経路のみ(&amp;0)</source>
        <translation>Shortest path only (&amp;0)</translation>
    </message>
    <message>
        <source>手替わり 1 手まで(&amp;1)</source>
        <translation>Up to 1 shape change (&amp;1)</translation>
    </message>
    <message>
        <source>向聴戻しまで 2 手(&amp;2)</source>
        <translation>Up to 2 moves, steps back included (&amp;2)</translation>
    </message>
</context>
<context>
    <name>TPairiDlg</name>
    <message>
        <source>牌理</source>
        <translation>Analysis</translation>
    </message>
    <message>
        <source>向聴戻し  %1 → %2</source>
        <translation>Backwards  %1 → %2</translation>
    </message>
    <message>
        <source>受け入れ %1/%2 枚</source>
        <translation>Effective tiles %1/%2</translation>
    </message>
    <message>
        <source>  最善</source>
        <translation>  best</translation>
    </message>
    <message>
        <source>効率 %1%  最善 %2/%3</source>
        <translation>Efficiency %1%  best %2/%3</translation>
    </message>
    <message>
        <source>聴牌せず</source>
        <translation>never ready</translation>
    </message>
    <message>
        <source>配牌で聴牌</source>
        <translation>ready from the deal</translation>
    </message>
    <message>
        <source>%1巡目に聴牌</source>
        <translation>ready after draw %1</translation>
    </message>
    <message>
        <source>ツモ和了なし</source>
        <translation>no win</translation>
    </message>
    <message>
        <source>%1巡目にツモ和了</source>
        <translation>won at draw %1</translation>
    </message>
    <message>
        <source>打牌後に表示</source>
        <translation>Shown after the discard</translation>
    </message>
    <message>
        <source>%1枚</source>
        <translation>%1</translation>
    </message>
    <message>
        <source>ツモ和了  %1</source>
        <translation>Won by draw  %1</translation>
    </message>
    <message>
        <source>5向聴以上は受け入れのみ</source>
        <translation>5 or more away: effective tiles only</translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>聴牌率</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>和了率</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>  和了率 %1 / 最善 %2</source>
        <translation>  win %1 / best %2</translation>
    </message>
    <message>
        <source>和了率の損失 %1（%2 打）</source>
        <translation>Win chance lost %1 (%2 discards)</translation>
    </message>
    <message>
        <source>和了の後の打牌は評価しません</source>
        <translation>Discards after the win are not judged</translation>
    </message>
    <message>
        <source>聴牌率・和了率: 最後のツモ（18 巡目）までに聴牌する・和了する確率。
一人で引くだけとし、見えていない牌（4 枚 − 手牌 − 自分の捨て牌）はどれも同じ確からしさで来る。
打牌は毎回確率が最大になるように選ぶ。手替わり・向聴戻しは表示 &gt; 確率のモデルで選んだ手数まで数え、
遠い手では時間内に計算できる手数まで下げる（見出しにそのモデルを示す）。
期待値: 和了の点数（門前清自摸和を含む、自風・場風は表示の選択）× その確率の和。
清一色では萬子だけが山にある。4 向聴より遠い手は受け入れだけを示す。</source>
        <translation>Ready and Win: the chance to be ready, and to win, by the last (18th) draw.
One player who only draws; every tile not seen (4 − in hand − in your own discards) is equally likely to come.
Every later discard is chosen for the best chance. Shape changes and steps back are followed up to the moves chosen in View &gt; Chance model
(far hands get as many as can be computed in time; the heading names the model).
Points: each win&apos;s points (closed self-draw included, seat and round winds as chosen in View) times its chance, summed.
In the one-suit deal only characters are in the wall. Hands more than 4 away show their effective tiles only.</translation>
    </message>
    <message>
        <source>（%1）</source>
        <translation>(%1)</translation>
    </message>
    <message>
        <source>期待値</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>TQuizDlg</name>
    <message>
        <source>待ち当て</source>
        <translation>Waits quiz</translation>
    </message>
    <message>
        <source>ノーテン</source>
        <translation>Not ready</translation>
    </message>
    <message>
        <source>答え合わせ (Return)</source>
        <translation>Check (Return)</translation>
    </message>
    <message>
        <source>F5 で牌譜を開くと出題します。</source>
        <translation>Open a record with F5 for a question.</translation>
    </message>
    <message>
        <source>この牌譜の最終形は13枚の手牌ではないので出題できません。F5 で次へ。</source>
        <translation>This record&apos;s final hand is not 13 tiles, so there is no question. F5 for the next.</translation>
    </message>
    <message>
        <source>この捨牌の手は何待ち？ 牌を選んで答え合わせ（聴牌していなければノーテン）。</source>
        <translation>What does this hand wait on? Pick the tiles and check (Not ready if it is not ready).</translation>
    </message>
    <message>
        <source>正解！</source>
        <translation>Right!</translation>
    </message>
    <message>
        <source>残念、不正解。</source>
        <translation>Sorry, wrong.</translation>
    </message>
    <message>
        <source>最終形</source>
        <translation>Final hand</translation>
    </message>
    <message>
        <source>待ち: %1種</source>
        <translation>Waits: %1 kinds</translation>
    </message>
    <message>
        <source>待ち: なし（ノーテン）</source>
        <translation>Waits: none (not ready)</translation>
    </message>
    <message>
        <source>成績: まだ答えていません</source>
        <translation>Score: no answers yet</translation>
    </message>
    <message>
        <source>成績: %1 / %2 問正解（%3%）</source>
        <translation>Score: %1 of %2 right (%3%)</translation>
    </message>
</context>
<context>
    <name>TReviewDlg</name>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: 牌でないコード %2 があります。</source>
        <translation>%1: %2 is not a tile code.</translation>
    </message>
    <message>
        <source>%1: 空いた欄の後に %2 があります。</source>
        <translation>%1: %2 comes after an empty slot.</translation>
    </message>
    <message>
        <source>配牌が13枚ではありません。</source>
        <translation>The deal does not hold 13 tiles.</translation>
    </message>
    <message>
        <source>%1: %2 が5枚目です。</source>
        <translation>%1: a fifth copy of %2.</translation>
    </message>
    <message>
        <source>%1: 手牌にない %2 を捨てています。</source>
        <translation>%1: %2 is discarded but was not in the hand.</translation>
    </message>
    <message>
        <source>%1: ツモと捨牌の数が合いません。</source>
        <translation>%1: the draws and the discards do not pair up.</translation>
    </message>
    <message>
        <source>検討</source>
        <translation>Review</translation>
    </message>
    <message>
        <source>打牌</source>
        <translation>Discard</translation>
    </message>
    <message>
        <source>向聴</source>
        <translation>Away</translation>
    </message>
    <message>
        <source>有効牌</source>
        <translation>Effective tiles</translation>
    </message>
    <message>
        <source>枚数</source>
        <translation>Copies</translation>
    </message>
    <message>
        <source>評価</source>
        <translation>Mark</translation>
    </message>
    <message>
        <source>最初 (Home)</source>
        <translation>First (Home)</translation>
    </message>
    <message>
        <source>← 前</source>
        <translation>← Back</translation>
    </message>
    <message>
        <source>次 →</source>
        <translation>Next →</translation>
    </message>
    <message>
        <source>最後 (End)</source>
        <translation>Last (End)</translation>
    </message>
    <message>
        <source>次の悪手 (N)</source>
        <translation>Next weaker discard (N)</translation>
    </message>
    <message>
        <source>牌譜を開いてください。</source>
        <translation>Open a record first.</translation>
    </message>
    <message>
        <source>この牌譜は内容が合いません。</source>
        <translation>This record does not add up.</translation>
    </message>
    <message>
        <source>効率 %1&#x3000;最善 %2/%3&#x3000;初聴牌 %4</source>
        <translation>Efficiency %1   best discards %2 of %3   first ready: %4</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>never</translation>
    </message>
    <message>
        <source>&#x3000;ツモ和了 %1</source>
        <translation>   completed at %1</translation>
    </message>
    <message>
        <source>ツモ和了の形です。</source>
        <translation>The draw completes the hand.</translation>
    </message>
    <message>
        <source>この巡目の打牌は記録されていません。</source>
        <translation>The record has no discard for this draw.</translation>
    </message>
    <message>
        <source>◎ 最善の打牌です（有効牌 %1枚）。</source>
        <translation>◎ The best discard: %1 copies of effective tiles.</translation>
    </message>
    <message>
        <source>× 打牌 %1 は向聴数を戻します。最善は %2（%3、有効牌 %4枚）。</source>
        <translation>× Discarding %1 takes the hand further from ready. Best: %2 (%3, %4 copies of effective tiles).</translation>
    </message>
    <message>
        <source>△ 打牌 %1 の有効牌は %2枚。最善の %3 なら %4枚。</source>
        <translation>△ Discarding %1 keeps %2 copies of effective tiles; the best, %3, keeps %4.</translation>
    </message>
    <message>
        <source>%1 / %2&#x3000;ツモ %3</source>
        <translation>%1 of %2   drew %3</translation>
    </message>
    <message>
        <source>打牌 %1 の後の有効牌: %2種 %3枚（自分の手牌と捨牌を除く）</source>
        <translation>Effective tiles after discarding %1: %2 kinds, %3 copies (not counting your own hand and discards)</translation>
    </message>
    <message>
        <source>◎最善</source>
        <translation>◎ best</translation>
    </message>
    <message>
        <source>← 打牌</source>
        <translation>← your discard</translation>
    </message>
    <message>
        <source>%1のツモ和了（%2とみなす）: %3</source>
        <translation>Won at %1 (taken as %2): %3</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>聴牌率</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>和了率</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>計算中…</source>
        <translation>Computing…</translation>
    </message>
    <message>
        <source>4 向聴より遠い手は受け入れだけを示します。</source>
        <translation>This hand is more than 4 away from ready: only its effective tiles are shown.</translation>
    </message>
    <message>
        <source>和了率 計算中…</source>
        <translation>Win chance: computing…</translation>
    </message>
    <message>
        <source>和了率 最善 %1</source>
        <translation>Win chance of the best discard %1</translation>
    </message>
    <message>
        <source>和了率 %1 / 最善 %2（損失 %3）</source>
        <translation>Win chance %1 / best %2 (lost %3)</translation>
    </message>
    <message>
        <source>和了の後の打牌は評価しません。</source>
        <translation>Discards after the win are not judged.</translation>
    </message>
    <message>
        <source>◎ 和了率で最善の打牌です（和了率 %1）。</source>
        <translation>◎ The best discard by win chance (win chance %1).</translation>
    </message>
    <message>
        <source>× 打牌 %1 の和了率は %2。最善の %3 なら %4。</source>
        <translation>× Discarding %1 keeps a win chance of %2. The best, %3, keeps %4.</translation>
    </message>
    <message>
        <source>◎和了率</source>
        <translation>◎ win chance</translation>
    </message>
    <message>
        <source>期待値</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>聴牌率・和了率: 最後のツモ（18 巡目）までに聴牌する・和了する確率。
一人で引くだけとし、見えていない牌（4 枚 − 手牌 − 自分の捨て牌）はどれも同じ確からしさで来る。
打牌は毎回確率が最大になるように選ぶ。手替わり・向聴戻しは表示 &gt; 確率のモデルで選んだ手数まで数える
（遠い手では時間内に計算できる手数まで下げ、和了率の行にそのモデルを示す）。
期待値: 和了の点数 × その確率の和。評価は和了率による。
4 向聴より遠い手は受け入れだけを示す。</source>
        <translation>Ready and Win: the chance to be ready, and to win, by the last (18th) draw.
One player who only draws; every tile not seen (4 − in hand − in your own discards) is equally likely to come.
Every later discard is chosen for the best chance. Shape changes and steps back are followed up to the moves chosen in View &gt; Chance model
(far hands get as many as can be computed in time; the Win line names the model).
Points: each win&apos;s points times its chance, summed. The verdict goes by Win.
Hands more than 4 away show their effective tiles only.</translation>
    </message>
    <message>
        <source>［%1］</source>
        <translation>[%1]</translation>
    </message>
</context>
<context>
    <name>TScoreText</name>
    <message>
        <source>門前清自摸和</source>
        <translation>Menzen tsumo</translation>
    </message>
    <message>
        <source>平和</source>
        <translation>Pinfu</translation>
    </message>
    <message>
        <source>断么九</source>
        <translation>Tanyao</translation>
    </message>
    <message>
        <source>一盃口</source>
        <translation>Iipeikou</translation>
    </message>
    <message>
        <source>自風牌</source>
        <translation>Seat wind</translation>
    </message>
    <message>
        <source>場風牌</source>
        <translation>Round wind</translation>
    </message>
    <message>
        <source>役牌 白</source>
        <translation>White dragon</translation>
    </message>
    <message>
        <source>役牌 發</source>
        <translation>Green dragon</translation>
    </message>
    <message>
        <source>役牌 中</source>
        <translation>Red dragon</translation>
    </message>
    <message>
        <source>三色同順</source>
        <translation>Sanshoku doujun</translation>
    </message>
    <message>
        <source>三色同刻</source>
        <translation>Sanshoku doukou</translation>
    </message>
    <message>
        <source>一気通貫</source>
        <translation>Ittsuu</translation>
    </message>
    <message>
        <source>混全帯么九</source>
        <translation>Chanta</translation>
    </message>
    <message>
        <source>七対子</source>
        <translation>Chiitoitsu</translation>
    </message>
    <message>
        <source>三暗刻</source>
        <translation>Sanankou</translation>
    </message>
    <message>
        <source>小三元</source>
        <translation>Shousangen</translation>
    </message>
    <message>
        <source>混老頭</source>
        <translation>Honroutou</translation>
    </message>
    <message>
        <source>二盃口</source>
        <translation>Ryanpeikou</translation>
    </message>
    <message>
        <source>純全帯么九</source>
        <translation>Junchan</translation>
    </message>
    <message>
        <source>混一色</source>
        <translation>Honitsu</translation>
    </message>
    <message>
        <source>清一色</source>
        <translation>Chinitsu</translation>
    </message>
    <message>
        <source>国士無双</source>
        <translation>Kokushi musou</translation>
    </message>
    <message>
        <source>国士無双十三面</source>
        <translation>Kokushi musou, 13-sided wait</translation>
    </message>
    <message>
        <source>四暗刻</source>
        <translation>Suuankou</translation>
    </message>
    <message>
        <source>四暗刻単騎</source>
        <translation>Suuankou, single wait</translation>
    </message>
    <message>
        <source>大三元</source>
        <translation>Daisangen</translation>
    </message>
    <message>
        <source>小四喜</source>
        <translation>Shousuushii</translation>
    </message>
    <message>
        <source>大四喜</source>
        <translation>Daisuushii</translation>
    </message>
    <message>
        <source>字一色</source>
        <translation>Tsuuiisou</translation>
    </message>
    <message>
        <source>緑一色</source>
        <translation>Ryuuiisou</translation>
    </message>
    <message>
        <source>清老頭</source>
        <translation>Chinroutou</translation>
    </message>
    <message>
        <source>九蓮宝燈</source>
        <translation>Chuuren poutou</translation>
    </message>
    <message>
        <source>純正九蓮宝燈</source>
        <translation>Junsei chuuren poutou</translation>
    </message>
    <message>
        <source>天和</source>
        <translation>Tenhou</translation>
    </message>
    <message>
        <source>地和</source>
        <translation>Chiihou</translation>
    </message>
    <message>
        <source>満貫</source>
        <translation>Mangan</translation>
    </message>
    <message>
        <source>跳満</source>
        <translation>Haneman</translation>
    </message>
    <message>
        <source>倍満</source>
        <translation>Baiman</translation>
    </message>
    <message>
        <source>三倍満</source>
        <translation>Sanbaiman</translation>
    </message>
    <message>
        <source>数え役満</source>
        <translation>Counted yakuman</translation>
    </message>
    <message>
        <source>役満</source>
        <translation>Yakuman</translation>
    </message>
    <message>
        <source>二倍役満</source>
        <translation>Double yakuman</translation>
    </message>
    <message>
        <source>三倍役満</source>
        <translation>Triple yakuman</translation>
    </message>
    <message>
        <source>四倍役満</source>
        <translation>Quadruple yakuman</translation>
    </message>
    <message>
        <source>五倍役満</source>
        <translation>Quintuple yakuman</translation>
    </message>
    <message>
        <source>六倍役満</source>
        <translation>Sextuple yakuman</translation>
    </message>
    <message>
        <source>副底</source>
        <translation>Base</translation>
    </message>
    <message>
        <source>ツモ</source>
        <translation>Self-draw</translation>
    </message>
    <message>
        <source>暗刻</source>
        <translation>Concealed triplet</translation>
    </message>
    <message>
        <source>雀頭</source>
        <translation>Pair</translation>
    </message>
    <message>
        <source>両面</source>
        <translation>Two-sided wait</translation>
    </message>
    <message>
        <source>嵌張</source>
        <translation>Closed wait</translation>
    </message>
    <message>
        <source>辺張</source>
        <translation>Edge wait</translation>
    </message>
    <message>
        <source>双碰</source>
        <translation>Dual pair wait</translation>
    </message>
    <message>
        <source>単騎</source>
        <translation>Single wait</translation>
    </message>
    <message>
        <source>東</source>
        <translation>East</translation>
    </message>
    <message>
        <source>南</source>
        <translation>South</translation>
    </message>
    <message>
        <source>西</source>
        <translation>West</translation>
    </message>
    <message>
        <source>北</source>
        <translation>North</translation>
    </message>
    <message>
        <source>%1場 %2家</source>
        <translation>%1 round, %2 seat</translation>
    </message>
    <message>
        <source>%1点</source>
        <translation>%1 points</translation>
    </message>
    <message>
        <source>%1オール</source>
        <translation>%1 from each</translation>
    </message>
    <message>
        <source>子 %1 / 親 %2</source>
        <translation>non-dealers %1 / dealer %2</translation>
    </message>
    <message>
        <source>%1 役満</source>
        <translation>%1 yakuman</translation>
    </message>
    <message>
        <source>%1 %2翻</source>
        <translation>%1 %2 han</translation>
    </message>
    <message>
        <source>%1符 %2翻</source>
        <translation>%1 fu %2 han</translation>
    </message>
    <message>
        <source>%1点（%2）</source>
        <translation>%1 points (%2)</translation>
    </message>
    <message>
        <source>%1 = %2符</source>
        <translation>%1 = %2 fu</translation>
    </message>
    <message>
        <source>%1 = %2 → %3符</source>
        <translation>%1 = %2 → %3 fu</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>牌譜ファイルではありません。</source>
        <translation>Not a record file.</translation>
    </message>
    <message>
        <source>内容が合いません。</source>
        <translation>Does not add up.</translation>
    </message>
    <message>
        <source>成績</source>
        <translation>Statistics</translation>
    </message>
    <message>
        <source>フォルダを選択(&amp;F)...</source>
        <translation>Choose a &amp;folder...</translation>
    </message>
    <message>
        <source>CSV保存(&amp;S)...</source>
        <translation>&amp;Save as CSV...</translation>
    </message>
    <message>
        <source>中止</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>対局一覧</source>
        <translation>Deals</translation>
    </message>
    <message>
        <source>読めなかったファイル</source>
        <translation>Files without a deal</translation>
    </message>
    <message>
        <source>集計しています: %1 ファイル</source>
        <translation>Counting: %1 files</translation>
    </message>
    <message>
        <source>集計を中止しました。</source>
        <translation>Counting cancelled.</translation>
    </message>
    <message>
        <source>対局がありません。</source>
        <translation>No deals.</translation>
    </message>
    <message>
        <source>（読めなかったファイル %1）</source>
        <translation> (files without a deal: %1)</translation>
    </message>
    <message>
        <source>対局 %1&#x3000;読めなかったファイル %2</source>
        <translation>Deals %1   files without a deal %2</translation>
    </message>
    <message>
        <source>効率 %1&#x3000;最善の打牌 %2/%3（%4）</source>
        <translation>Efficiency %1   best discards %2/%3 (%4)</translation>
    </message>
    <message>
        <source>聴牌 %1局（%2）</source>
        <translation>Ready %1 (%2)</translation>
    </message>
    <message>
        <source>&#x3000;平均 %1巡目</source>
        <translation>   on average at draw %1</translation>
    </message>
    <message>
        <source>&#x3000;ツモ和了 %1局</source>
        <translation>   won by a draw: %1</translation>
    </message>
    <message>
        <source>フォルダ: —</source>
        <translation>Folder: —</translation>
    </message>
    <message>
        <source>フォルダ: %1</source>
        <translation>Folder: %1</translation>
    </message>
    <message>
        <source>読めなかったファイル (%1)</source>
        <translation>Files without a deal (%1)</translation>
    </message>
    <message>
        <source>巡目ごとの聴牌率</source>
        <translation>Deals ready by each draw</translation>
    </message>
    <message>
        <source>巡目</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>対局ごとの効率（日時順）</source>
        <translation>Efficiency per deal (by time)</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Deal</translation>
    </message>
    <message>
        <source>保存しました: %1</source>
        <translation>Saved: %1</translation>
    </message>
    <message>
        <source>ファイルを探しています...</source>
        <translation>Looking for record files...</translation>
    </message>
    <message>
        <source>和了の点数</source>
        <translation>Points of wins</translation>
    </message>
    <message>
        <source>（計 %1点）</source>
        <translation> (%1 points in all)</translation>
    </message>
    <message>
        <source>和了ごとの点数（日時順、%1）</source>
        <translation>Points of each win (by time, %1)</translation>
    </message>
    <message>
        <source>和了</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>和了率の維持: 1 向聴以内の打牌ごとに、選んだ打牌の和了率（18 巡目までにツモ和了する確率）を最善の打牌の和了率で割り、対局ごとに平均したもの。</source>
        <translation>Win chance kept: for every discard made at one away from ready or closer, the chance to win by the 18th draw after it, divided by the best discard&apos;s, averaged over the deal.</translation>
    </message>
    <message>
        <source>和了率の維持</source>
        <translation>Win chance kept</translation>
    </message>
    <message>
        <source>和了率の維持 %1（1 向聴以内の %2 打）</source>
        <translation>Win chance kept %1 (%2 discards at one away or closer)</translation>
    </message>
    <message>
        <source>対局ごとの和了率の維持（日時順）</source>
        <translation>Win chance kept per deal (by time)</translation>
    </message>
    <message>
        <source>フォルダ: %1（集計しています…）</source>
        <translation>Folder: %1 (counting…)</translation>
    </message>
</context>
<context>
    <name>TStatsModel</name>
    <message>
        <source>ファイル</source>
        <translation>File</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>効率</source>
        <translation>Efficiency</translation>
    </message>
    <message>
        <source>最善</source>
        <translation>Best</translation>
    </message>
    <message>
        <source>初聴牌</source>
        <translation>First ready</translation>
    </message>
    <message>
        <source>最終向聴</source>
        <translation>Away at the end</translation>
    </message>
    <message>
        <source>ツモ和了</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>—</source>
        <translation>—</translation>
    </message>
    <message>
        <source>点数</source>
        <translation>Points</translation>
    </message>
</context>
<context>
    <name>TViewDlg</name>
    <message>
        <source>ファイル(&amp;F)</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>開く(&amp;O)...</source>
        <translation>&amp;Open...</translation>
    </message>
    <message>
        <source>ランダムに開く(&amp;R)	F5</source>
        <translation>Open at &amp;random	F5</translation>
    </message>
    <message>
        <source>BMP保存(&amp;B)</source>
        <translation>Save as &amp;BMP</translation>
    </message>
    <message>
        <source>フォルダを選択(&amp;F)</source>
        <translation>Choose a &amp;folder</translation>
    </message>
    <message>
        <source>終了(&amp;X)</source>
        <translation>E&amp;xit</translation>
    </message>
    <message>
        <source>表示(&amp;V)</source>
        <translation>&amp;View</translation>
    </message>
    <message>
        <source>捨牌のみ(&amp;D)</source>
        <translation>&amp;Discards only</translation>
    </message>
    <message>
        <source>牌譜(&amp;A)</source>
        <translation>&amp;All rows</translation>
    </message>
    <message>
        <source>ステータス表示(&amp;S)</source>
        <translation>&amp;Status bar</translation>
    </message>
    <message>
        <source>配牌</source>
        <translation>Deal</translation>
    </message>
    <message>
        <source>ツモ</source>
        <translation>Draws</translation>
    </message>
    <message>
        <source>捨牌</source>
        <translation>River</translation>
    </message>
    <message>
        <source>最終形</source>
        <translation>Final</translation>
    </message>
    <message>
        <source>フォルダを選択</source>
        <translation>Choose a folder</translation>
    </message>
    <message>
        <source>ファイル読み込み失敗。</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>ファイルが見つかりません。</source>
        <translation>No record files found.</translation>
    </message>
    <message>
        <source>成績(&amp;T)...</source>
        <translation>S&amp;tatistics...</translation>
    </message>
    <message>
        <source>検討(&amp;K)</source>
        <translation>&amp;Review</translation>
    </message>
    <message>
        <source>待ち当て(&amp;Q)</source>
        <translation>Waits &amp;quiz</translation>
    </message>
    <message>
        <source>復習(&amp;D)...</source>
        <translation>&amp;Drill...</translation>
    </message>
    <message>
        <source>この牌譜で練習(&amp;P)</source>
        <translation>&amp;Practise this record</translation>
    </message>
    <message>
        <source>ツモが%1枚を超えています。</source>
        <translation>More than %1 draws.</translation>
    </message>
    <message>
        <source>この牌譜では練習できません: %1</source>
        <translation>This record cannot be practised: %1</translation>
    </message>
</context>
<context>
    <name>TWords</name>
    <message>
        <source>和了</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>聴牌</source>
        <translation>Ready</translation>
    </message>
    <message>
        <source>%1向聴</source>
        <translation>%1 away</translation>
    </message>
    <message>
        <source>配牌</source>
        <translation>the deal</translation>
    </message>
    <message>
        <source>%1巡目</source>
        <translation>draw %1</translation>
    </message>
    <message>
        <source>1z</source>
        <translation>East</translation>
    </message>
    <message>
        <source>2z</source>
        <translation>South</translation>
    </message>
    <message>
        <source>3z</source>
        <translation>West</translation>
    </message>
    <message>
        <source>4z</source>
        <translation>North</translation>
    </message>
    <message>
        <source>5z</source>
        <translation>White</translation>
    </message>
    <message>
        <source>6z</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>7z</source>
        <translation>Red</translation>
    </message>
    <message>
        <source>%1%2</source>
        <comment>one sentence after another</comment>
        <translation>%1 %2</translation>
    </message>
</context>
</TS>
