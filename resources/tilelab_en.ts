<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
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
        <source>使い方: tilelab [--lang en|ja] [牌譜ファイル.csv]
一人麻雀の練習。牌譜ファイルを指定すると牌譜ビューアで開きます。

  --lang en|ja   表示言語 (英語/日本語)。既定はロケールに従います
  -h, --help     この説明を表示して終了
  -v, --version  バージョンを表示して終了
</source>
        <translation>Usage: tilelab [--lang en|ja] [record.csv]
Practise Japanese mahjong alone. A record file given here opens in the record viewer.

  --lang en|ja   the interface language (English/Japanese); by default the locale&apos;s
  -h, --help     print this text and exit
  -v, --version  print the version and exit
</translation>
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
        <translation>Disc.</translation>
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
        <source>ツモ和了</source>
        <translation>Won by draw</translation>
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
    <name>TPairiDlg</name>
    <message>
        <source>牌理</source>
        <translation>Analysis</translation>
    </message>
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
        <source>聴牌率・和了率: 最後のツモ（18 巡目）までに聴牌する・和了する確率。
一人で引くだけとし、見えていない牌（4 枚 − 手牌 − 自分の捨て牌）はどれも同じ確からしさで来る。
打牌は毎回確率が最大になるように選ぶ。向聴数を下げるツモだけを数え、手替わり・向聴戻しは考えない。
清一色では萬子だけが山にある。4 向聴より遠い手は受け入れだけを示す。</source>
        <translation>Ready and Win: the chance to be ready, and to win, by the last (18th) draw.
One player who only draws; every tile not seen (4 − in hand − in your own discards) is equally likely to come.
Every later discard is chosen for the best chance. Only draws that bring the hand closer count; shape changes that keep the shanten and discards that go backwards are not followed.
In the one-suit deal only characters are in the wall. Hands more than 4 away show their effective tiles only.</translation>
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
        <source>配牌</source>
        <translation>the deal</translation>
    </message>
    <message>
        <source>%1巡目</source>
        <translation>draw %1</translation>
    </message>
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
        <translation>%1-shanten</translation>
    </message>
    <message>
        <source>・</source>
        <translation>, </translation>
    </message>
    <message>
        <source>%1: 牌でないコード %2 があります。</source>
        <translation>%1: the code %2 is no tile.</translation>
    </message>
    <message>
        <source>%1: 空いた欄の後に %2 があります。</source>
        <translation>%1: %2 stands after an empty slot.</translation>
    </message>
    <message>
        <source>配牌が13枚ではありません。</source>
        <translation>The deal is not 13 tiles.</translation>
    </message>
    <message>
        <source>%1: %2 が5枚目です。</source>
        <translation>%1: a fifth %2.</translation>
    </message>
    <message>
        <source>%1: 手牌にない %2 を捨てています。</source>
        <translation>%1: %2 is discarded but was not in the hand.</translation>
    </message>
    <message>
        <source>%1: ツモと捨牌の数が合いません。</source>
        <translation>%1: the draws and the discards do not match in number.</translation>
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
        <translation>Shanten</translation>
    </message>
    <message>
        <source>有効牌</source>
        <translation>Effective tiles</translation>
    </message>
    <message>
        <source>枚数</source>
        <translation>Tiles</translation>
    </message>
    <message>
        <source>評価</source>
        <translation>Verdict</translation>
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
        <translation>Next miss (N)</translation>
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
        <source>効率 %1%&#x3000;最善 %2/%3&#x3000;初聴牌 %4</source>
        <translation>Efficiency %1%   best %2/%3   first ready: %4</translation>
    </message>
    <message>
        <source>なし</source>
        <translation>never</translation>
    </message>
    <message>
        <source>&#x3000;ツモ和了 %1</source>
        <translation>   won by a draw: %1</translation>
    </message>
    <message>
        <source>ツモ和了の形です。</source>
        <translation>A winning hand by a draw.</translation>
    </message>
    <message>
        <source>この巡目の打牌は記録されていません。</source>
        <translation>The record holds no discard for this draw.</translation>
    </message>
    <message>
        <source>◎ 最善の打牌です（有効牌 %1枚）。</source>
        <translation>◎ The best discard (%1 effective tiles).</translation>
    </message>
    <message>
        <source>× 打牌 %1 は向聴数を戻します。最善は %2（%3、有効牌 %4枚）。</source>
        <translation>× Discarding %1 takes the hand further from ready. Best: %2 (%3, %4 effective tiles).</translation>
    </message>
    <message>
        <source>△ 打牌 %1 の有効牌は %2枚。最善の %3 なら %4枚。</source>
        <translation>△ Discarding %1 leaves %2 effective tiles; the best, %3, leaves %4.</translation>
    </message>
    <message>
        <source>%1 / %2&#x3000;ツモ %3</source>
        <translation>%1 / %2   drew %3</translation>
    </message>
    <message>
        <source>打牌 %1 の後の有効牌: %2種 %3枚（自分の手牌と捨牌を除く）</source>
        <translation>Effective tiles after discarding %1: %2 kinds, %3 tiles (own hand and discards not counted)</translation>
    </message>
    <message>
        <source>◎最善</source>
        <translation>◎ best</translation>
    </message>
    <message>
        <source>← 打牌</source>
        <translation>← discarded</translation>
    </message>
</context>
<context>
    <name>TStatsDlg</name>
    <message>
        <source>—</source>
        <translation>—</translation>
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
</context>
<context>
    <name>TStatsModel</name>
    <message>
        <source>和了</source>
        <translation>Win</translation>
    </message>
    <message>
        <source>聴牌</source>
        <translation>Ready</translation>
    </message>
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
        <translation>Final shanten</translation>
    </message>
    <message>
        <source>ツモ和了</source>
        <translation>Win</translation>
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
        <translation>Disc.</translation>
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
</context>
</TS>
