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
</context>
</TS>
