<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>BackgroundWork</name>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Corvinel icon</source>
        <translation>Corvinel のアイコン</translation>
    </message>
    <message>
        <source>&lt;b&gt;Corvinel&lt;/b&gt;</source>
        <translation>&lt;b&gt;Corvinel&lt;/b&gt;</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>バージョン %1</translation>
    </message>
    <message>
        <source>Programming tool for the Yaesu VR-500 receiver
Made by Tarnwick</source>
        <translation>八重洲 VR-500 受信機用プログラミングツール
作成: Tarnwick</translation>
    </message>
</context>
<context>
    <name>CAutoBand</name>
    <message>
        <source>Auto Band</source>
        <translation>オートバンド</translation>
    </message>
    <message>
        <source>Band plan</source>
        <translation>バンドプラン</translation>
    </message>
    <message>
        <source>Receive
Frequency</source>
        <translation>受信
周波数</translation>
    </message>
    <message>
        <source>Receive
Mode</source>
        <translation>受信
モード</translation>
    </message>
    <message>
        <source>Step
Size</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Each row is a band, from its receive frequency up to the next row&apos;s. Tuned inside a band, the receiver takes that row&apos;s receive mode and step size.

A frequency typed into a row moves the row to its place in order. The lowest and highest frequencies are fixed.</source>
        <translation>各行が一つのバンドで、その行の受信周波数から次の行の受信周波数までです。バンド内に合わせると、受信機はその行の受信モードとステップを使います。

行に周波数を入力すると、その行は周波数順の位置へ移動します。最低と最高の周波数は変更できません。</translation>
    </message>
    <message>
        <source>Frequency must be between 0.1000 and 1300.0000</source>
        <translation>周波数は 0.1000 から 1300.0000 の範囲で入力してください</translation>
    </message>
    <message>
        <source>AutoBand Error</source>
        <translation>オートバンドのエラー</translation>
    </message>
    <message>
        <source>The Lower and Upper Frequencies are not modifiable.</source>
        <translation>下限と上限の周波数は変更できません。</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>エラー</translation>
    </message>
</context>
<context>
    <name>CCableCheckDlg</name>
    <message>
        <source>Check Cable</source>
        <translation>ケーブル診断</translation>
    </message>
    <message>
        <source>Cable check report</source>
        <translation>ケーブル診断の結果</translation>
    </message>
    <message>
        <source>&amp;Copy Report</source>
        <translation>結果をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Check &amp;Again</source>
        <translation>再診断(&amp;A)</translation>
    </message>
</context>
<context>
    <name>CChannelEditDlg</name>
    <message>
        <source>Edit Channels</source>
        <translation>チャンネルの一括編集</translation>
    </message>
    <message>
        <source>Set &amp;mode</source>
        <translation>モードを設定(&amp;M)</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>On</source>
        <translation>オン</translation>
    </message>
    <message>
        <source>Set &amp;preferential scan</source>
        <translation>優先スキャンを設定(&amp;P)</translation>
    </message>
    <message>
        <source>Preferential scan</source>
        <translation>優先スキャン</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>バンク %1</translation>
    </message>
    <message>
        <source>Move to &amp;bank</source>
        <translation>バンクへ移動(&amp;B)</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
    <message>
        <source>Keep</source>
        <translation>そのまま</translation>
    </message>
    <message>
        <source>Replace with</source>
        <translation>置き換え</translation>
    </message>
    <message>
        <source>Add prefix</source>
        <translation>前に追加</translation>
    </message>
    <message>
        <source>Add suffix</source>
        <translation>後ろに追加</translation>
    </message>
    <message>
        <source>Pattern</source>
        <translation>パターン</translation>
    </message>
    <message>
        <source>&amp;Name</source>
        <translation>名前(&amp;N)</translation>
    </message>
    <message>
        <source>AIR {n:02}</source>
        <translation>AIR {n:02}</translation>
    </message>
    <message>
        <source>In a pattern, {n} is a counter; {n:02} counts in two digits</source>
        <translation>パターンの {n} はカウンター、{n:02} は2桁のカウンターです</translation>
    </message>
    <message>
        <source>Name &amp;text</source>
        <translation>名前の文字(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Counter starts at</source>
        <translation>カウンターの開始値(&amp;C)</translation>
    </message>
    <message>
        <source> kHz</source>
        <translation> kHz</translation>
    </message>
    <message>
        <source>Frequency &amp;offset</source>
        <translation>周波数オフセット(&amp;O)</translation>
    </message>
    <message>
        <source>Channels selected: %1. Only those in use change.</source>
        <translation>選択したチャンネル: %1。使用中のものだけが変わります。</translation>
    </message>
</context>
<context>
    <name>CChannelFinder</name>
    <message>
        <source>No channel matches &quot;%1&quot;.</source>
        <translation>「%1」に一致するチャンネルはありません。</translation>
    </message>
    <message>
        <source>Find Channel</source>
        <translation>チャンネルの検索</translation>
    </message>
    <message>
        <source>&amp;Name or frequency:</source>
        <translation>名前または周波数(&amp;N):</translation>
    </message>
</context>
<context>
    <name>CCloneReadDlg</name>
    <message>
        <source>The receiver sends its whole memory when you press 2 in clone mode; this window waits for it as long as it takes.

If the bar does not move, check that the cable sits firmly in the speaker jack and that Comport Setup names the port the cable is on, then start the receiver&apos;s transmission again.</source>
        <translation>クローンモードで2キーを押すと、受信機がメモリー全体を送信します。このウィンドウは送信が始まるまで待ち続けます。

バーが進まない場合は、ケーブルがスピーカージャックにしっかり差し込まれていること、通信ポート設定でケーブルをつないだポートが選ばれていることを確認し、受信機の送信をやり直してください。</translation>
    </message>
    <message>
        <source>Read data from VR-500</source>
        <translation>VR-500 からデータを読み込む</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>The data were read. </source>
        <translation>データを読み込みました。</translation>
    </message>
    <message>
        <source>The data were read, but no backup of them could be kept:
</source>
        <translation>データは読み込みましたが、バックアップを保存できませんでした:
</translation>
    </message>
</context>
<context>
    <name>CCloneWriteDlg</name>
    <message>
        <source>The data were written to the receiver.</source>
        <translation>データを受信機に書き込みました。</translation>
    </message>
    <message>
        <source>The receiver now holds a partly written image.
To recover, put it in clone mode again and write the data again.</source>
        <translation>受信機のデータは途中まで書き込まれた状態です。
復旧するには、もう一度クローンモードにしてデータを書き込み直してください。</translation>
    </message>
    <message>
        <source>Write data to the VR-500</source>
        <translation>VR-500 へデータを書き込む</translation>
    </message>
    <message>
        <source>4. Press the 1 key then click OK to start writing the data.</source>
        <translation>4. 1キーを押してから[OK]をクリックすると、データの書き込みが始まります。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Show &amp;Changes...</source>
        <translation>変更点を表示(&amp;C)...</translation>
    </message>
    <message>
        <source>the data last read from the receiver (%1)</source>
        <translation>受信機から最後に読み込んだデータ (%1)</translation>
    </message>
    <message>
        <source>the data to send</source>
        <translation>送信するデータ</translation>
    </message>
    <message>
        <source>Cancelled. </source>
        <translation>中止しました。</translation>
    </message>
</context>
<context>
    <name>CCommPort</name>
    <message>
        <source>Com port error</source>
        <translation>通信ポートのエラー</translation>
    </message>
    <message>
        <source>
The lock file %1 belongs to the user %2</source>
        <translation>
ロックファイル %1 はユーザー %2 のものです</translation>
    </message>
    <message>
        <source>, whose process %1 uses the port.</source>
        <translation>。そのプロセス %1 がポートを使用しています。</translation>
    </message>
    <message>
        <source>; its process %1 is no longer running.</source>
        <translation>。そのプロセス %1 はすでに終了しています。</translation>
    </message>
    <message>
        <source>.</source>
        <translation>。</translation>
    </message>
    <message>
        <source>
If no program uses the port, remove the lock file (for example: sudo rm %1).</source>
        <translation>
ポートを使っているプログラムがなければ、ロックファイルを削除してください (例: sudo rm %1)。</translation>
    </message>
    <message>
        <source>No serial port is present on this system.</source>
        <translation>このシステムにはシリアルポートがありません。</translation>
    </message>
    <message>
        <source>Serial ports present: %1.</source>
        <translation>使用できるシリアルポート: %1</translation>
    </message>
    <message>
        <source>: Invalid or unsupported port.</source>
        <translation>: 無効なポート、または対応していないポートです。</translation>
    </message>
    <message>
        <source>
The device is not there: plug in the cable&apos;s adapter, or choose another port.
</source>
        <translation>
デバイスが見つかりません。ケーブルのアダプターを接続するか、別のポートを選んでください。
</translation>
    </message>
    <message>
        <source>: Is already open.</source>
        <translation>: すでに使用中です。</translation>
    </message>
    <message>
        <source>: Permission denied. Your user may not use this port.
</source>
        <translation>: アクセスが拒否されました。このユーザーはこのポートを使用できません。
</translation>
    </message>
    <message>
        <source>Ask the administrator for access to it.</source>
        <translation>管理者にアクセス権を依頼してください。</translation>
    </message>
    <message>
        <source>Join the group &quot;%1&quot; that owns it (for example: sudo adduser $USER %1), then log out and in again.</source>
        <translation>ポートを所有するグループ「%1」に参加し (例: sudo adduser $USER %1)、ログインし直してください。</translation>
    </message>
    <message>
        <source>:  Unknown error #-%1.</source>
        <translation>:  不明なエラー #-%1</translation>
    </message>
</context>
<context>
    <name>CCommSetupDlg</name>
    <message>
        <source>Comm Port Setup</source>
        <translation>通信ポート設定</translation>
    </message>
    <message>
        <source>Select the communications (serial) &amp;port.</source>
        <translation>通信(シリアル)ポートを選んでください(&amp;P)。</translation>
    </message>
    <message>
        <source>None</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Com %1</source>
        <translation>COM %1</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
<context>
    <name>CCompareDlg</name>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Settings and lists</source>
        <translation>設定とリスト</translation>
    </message>
    <message>
        <source>Data no page shows</source>
        <translation>どのページにも表示されないデータ</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>From: %1
To: %2</source>
        <translation>比較元: %1
比較先: %2</translation>
    </message>
    <message>
        <source>Difference</source>
        <translation>相違点</translation>
    </message>
    <message>
        <source>Differences</source>
        <translation>相違点</translation>
    </message>
    <message>
        <source>Double-click to show it on the %1 page</source>
        <translation>ダブルクリックで「%1」ページに表示します</translation>
    </message>
    <message>
        <source>&amp;Copy List</source>
        <translation>一覧をコピー(&amp;C)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>Radio Files (*.rdf)</source>
        <translation>受信機データファイル (*.rdf)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>Cannot open file:</source>
        <translation>ファイルを開けません:</translation>
    </message>
    <message>
        <source>the data in the window</source>
        <translation>ウィンドウのデータ</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 チャンネル</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 件の設定</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 件の設定</translation>
    </message>
    <message>
        <source>No data read from the receiver has been kept, so what this will change cannot be shown.</source>
        <translation>受信機から読み込んだデータが保存されていないため、何が変わるかを表示できません。</translation>
    </message>
    <message>
        <source>The data last read from the receiver could not be read (%1), so what this will change cannot be shown.</source>
        <translation>受信機から最後に読み込んだデータを読めなかったため (%1)、何が変わるかを表示できません。</translation>
    </message>
    <message>
        <source>Compared with the data last read from the receiver (%1), no channel and no setting will change.</source>
        <translation>受信機から最後に読み込んだデータ (%1) と比べて、チャンネルも設定も変わりません。</translation>
    </message>
    <message>
        <source>Compared with the data last read from the receiver (%1), %2 and %3 will change.</source>
        <translation>受信機から最後に読み込んだデータ (%1) と比べて、%2と%3が変わります。</translation>
    </message>
</context>
<context>
    <name>CDualWatch</name>
    <message>
        <source>Dual Watch</source>
        <translation>デュアルワッチ</translation>
    </message>
    <message>
        <source>Dual watch pairs</source>
        <translation>デュアルワッチのペア</translation>
    </message>
    <message>
        <source>A</source>
        <translation>A</translation>
    </message>
    <message>
        <source>B</source>
        <translation>B</translation>
    </message>
    <message>
        <source>Receive
Frequency %1</source>
        <translation>受信周波数
%1</translation>
    </message>
    <message>
        <source>Receive
Mode %1</source>
        <translation>受信モード
%1</translation>
    </message>
    <message>
        <source>Step
Size %1</source>
        <translation>ステップ
%1</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>タイム</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>ビジー</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>ポーズ</translation>
    </message>
    <message>
        <source>The Dual Watch feature allows you to monitor two frequencies, with the radio rapidly switching between the two channels, looking for activity. Each row is a pair, numbered 0 to 9: frequency A and frequency B are watched in turn.</source>
        <translation>デュアルワッチは、受信機が二つのチャンネルをすばやく切り替えて、二つの周波数の信号を監視する機能です。各行が 0 から 9 の番号のペアで、周波数 A と周波数 B を交互に監視します。</translation>
    </message>
    <message>
        <source>Dual Watch
Scan &amp;Mode</source>
        <translation>デュアルワッチ
スキャンモード(&amp;M)</translation>
    </message>
</context>
<context>
    <name>CEditHistory</name>
    <message>
        <source>Adjust to Receiver Version</source>
        <translation>受信機のバージョンに合わせる</translation>
    </message>
    <message>
        <source>Get Data</source>
        <translation>データ読み込み</translation>
    </message>
    <message>
        <source>Typing</source>
        <translation>入力</translation>
    </message>
</context>
<context>
    <name>CFillSeriesDlg</name>
    <message>
        <source>Fill Series</source>
        <translation>連続データの作成</translation>
    </message>
    <message>
        <source>&amp;Start frequency (MHz)</source>
        <translation>開始周波数 (MHz)(&amp;S)</translation>
    </message>
    <message>
        <source> kHz</source>
        <translation> kHz</translation>
    </message>
    <message>
        <source>S&amp;tep</source>
        <translation>ステップ(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Count</source>
        <translation>個数(&amp;C)</translation>
    </message>
    <message>
        <source>Count</source>
        <translation>個数</translation>
    </message>
    <message>
        <source>&amp;End frequency (MHz)</source>
        <translation>終了周波数 (MHz)(&amp;E)</translation>
    </message>
    <message>
        <source>End frequency</source>
        <translation>終了周波数</translation>
    </message>
    <message>
        <source>&amp;First channel</source>
        <translation>先頭チャンネル(&amp;F)</translation>
    </message>
    <message>
        <source>AIR {n:02}</source>
        <translation>AIR {n:02}</translation>
    </message>
    <message>
        <source>{n} is a counter from 1; {n:02} counts in two digits</source>
        <translation>{n} は 1 から数えるカウンター、{n:02} は2桁のカウンターです</translation>
    </message>
    <message>
        <source>&amp;Name pattern</source>
        <translation>名前のパターン(&amp;N)</translation>
    </message>
    <message>
        <source>S&amp;kip channels in use</source>
        <translation>使用中のチャンネルを飛ばす(&amp;K)</translation>
    </message>
    <message>
        <source>&amp;Overwrite channels in use</source>
        <translation>使用中のチャンネルを上書きする(&amp;O)</translation>
    </message>
    <message>
        <source>Channels in use</source>
        <translation>使用中のチャンネル</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>プレビュー</translation>
    </message>
    <message>
        <source>Channel %1: %2 %3 %4</source>
        <translation>チャンネル %1: %2 %3 %4</translation>
    </message>
    <message>
        <source>Refused: %1</source>
        <translation>受け付けません: %1</translation>
    </message>
    <message>
        <source>Channels to write: %1; frequencies refused: %2</source>
        <translation>書き込むチャンネル: %1、受け付けない周波数: %2</translation>
    </message>
</context>
<context>
    <name>CFilterBar</name>
    <message>
        <source>Name or frequency</source>
        <translation>名前または周波数</translation>
    </message>
    <message>
        <source>All</source>
        <translation>すべて</translation>
    </message>
    <message>
        <source>MHz</source>
        <translation>MHz</translation>
    </message>
    <message>
        <source>Onl&amp;y in use</source>
        <translation>使用中のみ(&amp;Y)</translation>
    </message>
    <message>
        <source>Chan&amp;ged since opened</source>
        <translation>開いた後の変更(&amp;G)</translation>
    </message>
    <message>
        <source>Channels that differ from the file as it was opened or saved</source>
        <translation>開いた時点または保存した時点のファイルと異なるチャンネル</translation>
    </message>
    <message>
        <source>Changed since l&amp;ast read</source>
        <translation>最後の読み込み後の変更(&amp;A)</translation>
    </message>
    <message>
        <source>Channels that differ from the newest backup of a read</source>
        <translation>最新の読み込みバックアップと異なるチャンネル</translation>
    </message>
    <message>
        <source>Fi&amp;lter:</source>
        <translation>絞り込み(&amp;L):</translation>
    </message>
    <message>
        <source>Filter text</source>
        <translation>絞り込む文字</translation>
    </message>
    <message>
        <source>Ban&amp;k:</source>
        <translation>バンク(&amp;K):</translation>
    </message>
    <message>
        <source>Filter bank</source>
        <translation>絞り込むバンク</translation>
    </message>
    <message>
        <source>Recei&amp;ve mode:</source>
        <translation>受信モード(&amp;V):</translation>
    </message>
    <message>
        <source>Filter mode</source>
        <translation>絞り込むモード</translation>
    </message>
    <message>
        <source>&amp;Band:</source>
        <translation>バンド(&amp;B):</translation>
    </message>
    <message>
        <source>Band from (MHz)</source>
        <translation>バンドの下端 (MHz)</translation>
    </message>
    <message>
        <source>u&amp;p to</source>
        <translation>上端(&amp;P)</translation>
    </message>
    <message>
        <source>Band up to (MHz)</source>
        <translation>バンドの上端 (MHz)</translation>
    </message>
</context>
<context>
    <name>CImportDialog</name>
    <message>
        <source>Channels the list names</source>
        <translation>リストが指定するチャンネル</translation>
    </message>
    <message>
        <source>Channels from</source>
        <translation>指定チャンネルから</translation>
    </message>
    <message>
        <source>Free channels, lowest first</source>
        <translation>空きチャンネル(番号の小さい順)</translation>
    </message>
    <message>
        <source>Replace bank</source>
        <translation>バンクを置き換え</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>行</translation>
    </message>
    <message>
        <source>Channel</source>
        <translation>チャンネル</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Refused</source>
        <translation>受け付けない理由</translation>
    </message>
    <message>
        <source>Import Channels - %1</source>
        <translation>チャンネルの取り込み - %1</translation>
    </message>
    <message>
        <source>The list</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>形式(&amp;F):</translation>
    </message>
    <message>
        <source>Columns:</source>
        <translation>列:</translation>
    </message>
    <message>
        <source>Numbered from &amp;0 (row 0 goes to channel 1)</source>
        <translation>0 から番号付け(0 行目がチャンネル 1)(&amp;0)</translation>
    </message>
    <message>
        <source>The first line &amp;names the columns</source>
        <translation>1 行目は列名(&amp;N)</translation>
    </message>
    <message>
        <source>Where the rows go</source>
        <translation>行の書き込み先</translation>
    </message>
    <message>
        <source>Placement</source>
        <translation>配置</translation>
    </message>
    <message>
        <source>First channel</source>
        <translation>先頭チャンネル</translation>
    </message>
    <message>
        <source>Bank</source>
        <translation>バンク</translation>
    </message>
    <message>
        <source>Import the good rows and &amp;leave the refused ones out</source>
        <translation>正しい行だけ取り込み、受け付けない行は除外する(&amp;L)</translation>
    </message>
    <message>
        <source>Rows as they will land</source>
        <translation>取り込み後の行</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>取り込む(&amp;I)</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>(なし)</translation>
    </message>
    <message>
        <source>The list cannot be read: line %1: %2</source>
        <translation>リストを読めません: %1 行目: %2</translation>
    </message>
    <message>
        <source>%1 rows will be written, %2 refused.</source>
        <translation>%1 行を書き込み、%2 行は受け付けません。</translation>
    </message>
    <message>
        <source>The other channels of bank %1 are cleared.</source>
        <translation>バンク %1 のほかのチャンネルは消去されます。</translation>
    </message>
    <message>
        <source>Columns not read: %1.</source>
        <translation>読まなかった列: %1。</translation>
    </message>
    <message>
        <source>Column %1</source>
        <translation>列 %1</translation>
    </message>
    <message>
        <source>Nothing is written while rows are refused, unless the good rows are imported alone.</source>
        <translation>受け付けない行があるときは、正しい行だけを取り込む設定にしない限り何も書き込みません。</translation>
    </message>
</context>
<context>
    <name>CLibraryDialog</name>
    <message>
        <source>Frequency Library</source>
        <translation>周波数ライブラリー</translation>
    </message>
    <message>
        <source>Name, category, frequency...</source>
        <translation>名前、分類、周波数...</translation>
    </message>
    <message>
        <source>A folder of CSV lists of your own</source>
        <translation>自作の CSV リストのフォルダー</translation>
    </message>
    <message>
        <source>&amp;Search:</source>
        <translation>検索(&amp;S):</translation>
    </message>
    <message>
        <source>Your &amp;lists:</source>
        <translation>自作のリスト(&amp;L):</translation>
    </message>
    <message>
        <source>List</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>提供元</translation>
    </message>
    <message>
        <source>Lists</source>
        <translation>リスト</translation>
    </message>
    <message>
        <source>Rows of the list</source>
        <translation>リストの行</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Frequency</source>
        <translation>周波数</translation>
    </message>
    <message>
        <source>Mode</source>
        <translation>モード</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>&amp;Import Rows...</source>
        <translation>行を取り込む(&amp;I)...</translation>
    </message>
    <message>
        <source>Select rows to import (none selected: the whole list).</source>
        <translation>取り込む行を選んでください(選ばなければリスト全体)。</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Save Diagnostics</source>
        <translation>診断情報の保存</translation>
    </message>
    <message>
        <source>Text files (*.txt)</source>
        <translation>テキストファイル (*.txt)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Cannot create file:
%1
%2</source>
        <translation>ファイルを作成できません:
%1
%2</translation>
    </message>
    <message>
        <source>Data changed</source>
        <translation>データが変更されています</translation>
    </message>
    <message>
        <source>Save file before closing?</source>
        <translation>閉じる前にファイルを保存しますか?</translation>
    </message>
    <message>
        <source>Save file before getting data?</source>
        <translation>データを読み込む前にファイルを保存しますか?</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>準備完了</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>ファイル(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編集(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Radio</source>
        <translation>受信機(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>ツールバー</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 を保存しました</translation>
    </message>
    <message>
        <source>New data set</source>
        <translation>新しいデータを作成しました</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 を開きました</translation>
    </message>
    <message>
        <source>Printed 1 page</source>
        <translation>1 ページを印刷しました</translation>
    </message>
    <message>
        <source>Printed %1 pages</source>
        <translation>%1 ページを印刷しました</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>元に戻す: %1(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>やり直し: %1(&amp;R)</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>チャンネルの取り込み</translation>
    </message>
    <message>
        <source>Reading %1...</source>
        <translation>%1 を読み込んでいます...</translation>
    </message>
    <message>
        <source>Frequency Library</source>
        <translation>周波数ライブラリー</translation>
    </message>
    <message>
        <source>Export Channels</source>
        <translation>チャンネルの書き出し</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>%1 を書き込んでいます...</translation>
    </message>
    <message>
        <source>Exported %1 to %2</source>
        <translation>%1 を %2 に書き出しました</translation>
    </message>
    <message>
        <source>Cannot open file:
%1</source>
        <translation>ファイルを開けません:
%1</translation>
    </message>
    <message>
        <source>Nothing was changed. %1:
%2</source>
        <translation>何も変更していません。%1:
%2</translation>
    </message>
    <message>
        <source>Data set read from %1</source>
        <translation>%1 からデータを読み込みました</translation>
    </message>
    <message>
        <source>Read %1 from %2</source>
        <translation>%2 から %1 を読み込みました</translation>
    </message>
    <message>
        <source>Sent %1 to %2</source>
        <translation>%1 を %2 へ送信しました</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 チャンネル</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>CSV Files (*.csv)</source>
        <translation>CSV ファイル (*.csv)</translation>
    </message>
    <message>
        <source>Whole Data File as Text (*.yaml *.yml)</source>
        <translation>データファイル全体のテキスト (*.yaml *.yml)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>No transfer has run since Corvinel started.
After Get Data or Send Data, this saves what crossed the cable.</source>
        <translation>Corvinel の起動後、まだ転送を行っていません。
データ読み込みまたはデータ書き込みの後に、ケーブルを通ったデータを保存できます。</translation>
    </message>
    <message>
        <source> (read-only)</source>
        <translation> (読み取り専用)</translation>
    </message>
    <message>
        <source>This window is read-only: %1 was taken back</source>
        <translation>このウィンドウは読み取り専用のため、%1 を取り消しました</translation>
    </message>
    <message>
        <source>Open Read-Only</source>
        <translation>読み取り専用で開く</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>新しいウィンドウで開く</translation>
    </message>
    <message>
        <source>Radio Files (*.rdf)</source>
        <translation>受信機データファイル (*.rdf)</translation>
    </message>
</context>
<context>
    <name>CMemoryView</name>
    <message>
        <source>Memory View</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Memory channels</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>並べ替え(&amp;S)</translation>
    </message>
    <message>
        <source>Move &amp;Up</source>
        <translation>上へ移動(&amp;U)</translation>
    </message>
    <message>
        <source>Move &amp;Down</source>
        <translation>下へ移動(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>挿入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Clear</source>
        <translation>クリア(&amp;C)</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>削除(&amp;T)</translation>
    </message>
    <message>
        <source>OFF</source>
        <translation>OFF</translation>
    </message>
    <message>
        <source>NFM</source>
        <translation>NFM</translation>
    </message>
    <message>
        <source>WFM</source>
        <translation>WFM</translation>
    </message>
    <message>
        <source>AM</source>
        <translation>AM</translation>
    </message>
    <message>
        <source>LSB</source>
        <translation>LSB</translation>
    </message>
    <message>
        <source>USB</source>
        <translation>USB</translation>
    </message>
    <message>
        <source>CW</source>
        <translation>CW</translation>
    </message>
    <message>
        <source>&amp;Mode Scan</source>
        <translation>モードスキャン(&amp;M)</translation>
    </message>
    <message>
        <source>Mode Scan</source>
        <translation>モードスキャン</translation>
    </message>
    <message>
        <source>Bank Scan</source>
        <translation>バンクスキャン</translation>
    </message>
    <message>
        <source>&amp;Off</source>
        <translation>オフ(&amp;O)</translation>
    </message>
    <message>
        <source>O&amp;n</source>
        <translation>オン(&amp;N)</translation>
    </message>
    <message>
        <source>Bank Link For Scan</source>
        <translation>バンクリンクスキャン</translation>
    </message>
    <message>
        <source>Bank %1</source>
        <translation>バンク %1</translation>
    </message>
    <message>
        <source>Receive
Frequency</source>
        <translation>受信
周波数</translation>
    </message>
    <message>
        <source>Receive
Mode</source>
        <translation>受信
モード</translation>
    </message>
    <message>
        <source>Channel
Name</source>
        <translation>チャンネル名</translation>
    </message>
    <message>
        <source>Preferential
Scan</source>
        <translation>優先
スキャン</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>No channels were selected for sorting.</source>
        <translation>並べ替えるチャンネルが選ばれていません。</translation>
    </message>
    <message>
        <source>Sort Error</source>
        <translation>並べ替えのエラー</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>Channel %1 (%2), the last of its bank, will be lost with the insert.</source>
        <translation>バンク最後のチャンネル %1 (%2) は、挿入によって失われます。</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>Channel </source>
        <translation>チャンネル </translation>
    </message>
    <message>
        <source>1 row past channel %1 was left out</source>
        <translation>チャンネル %1 を超える 1 行は除外しました</translation>
    </message>
    <message>
        <source>%1 rows past channel %2 were left out</source>
        <translation>チャンネル %2 を超える %1 行は除外しました</translation>
    </message>
    <message>
        <source>Not everything was pasted:</source>
        <translation>一部を貼り付けられませんでした:</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>ドロップ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>Scan Setting</source>
        <translation>スキャン設定</translation>
    </message>
    <message>
        <source>Memory List.pdf</source>
        <translation>メモリーリスト.pdf</translation>
    </message>
    <message>
        <source>%1 would reach channel %2, which the filter hides. Clear the filter (Escape in the filter bar), or select only channels that are shown.</source>
        <translation>%1 は絞り込みで隠れているチャンネル %2 に及びます。絞り込みを解除する (絞り込みバーで Esc キー) か、表示中のチャンネルだけを選んでください。</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Drag</source>
        <translation>ドラッグ</translation>
    </message>
    <message>
        <source>%1 works on channels that follow each other in channel order, and the list is sorted by a column: channel %2 is elsewhere in the list. Click that column&apos;s header until the list is in channel order again, or select the channels from %3 to %4.</source>
        <translation>%1 はチャンネル番号順に続くチャンネルに対して働きますが、一覧は列で並べ替えられているため、チャンネル %2 は一覧の別の位置にあります。一覧がチャンネル番号順に戻るまでその列の見出しをクリックするか、チャンネル %3 から %4 までを選んでください。</translation>
    </message>
</context>
<context>
    <name>CPage2</name>
    <message>
        <source>Preset Mode</source>
        <translation>プリセットモード</translation>
    </message>
    <message>
        <source>Preset group A</source>
        <translation>プリセットグループ A</translation>
    </message>
    <message>
        <source>Preset group B</source>
        <translation>プリセットグループ B</translation>
    </message>
    <message>
        <source>Weather Channel</source>
        <translation>天気チャンネル</translation>
    </message>
    <message>
        <source>Group A</source>
        <translation>グループ A</translation>
    </message>
    <message>
        <source>Group B</source>
        <translation>グループ B</translation>
    </message>
    <message>
        <source>Receive
Frequency</source>
        <translation>受信
周波数</translation>
    </message>
    <message>
        <source>Receive
Mode</source>
        <translation>受信
モード</translation>
    </message>
    <message>
        <source>Step
Size</source>
        <translation>ステップ</translation>
    </message>
    <message>
        <source>Chan %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>TV Channels</source>
        <translation>テレビチャンネル</translation>
    </message>
    <message>
        <source>Weather Channels</source>
        <translation>天気チャンネル</translation>
    </message>
</context>
<context>
    <name>CPageMain</name>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>RF &amp;Squelch</source>
        <translation>RF スケルチ(&amp;S)</translation>
    </message>
    <message>
        <source>Off &amp;Timer</source>
        <translation>オフタイマー(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Battery Saver</source>
        <translation>バッテリーセーバー(&amp;B)</translation>
    </message>
    <message>
        <source>C&amp;ontrast</source>
        <translation>コントラスト(&amp;O)</translation>
    </message>
    <message>
        <source>Openin&amp;g Bell</source>
        <translation>オープニングベル(&amp;G)</translation>
    </message>
    <message>
        <source># of &amp;Channels</source>
        <translation>チャンネル数(&amp;C)</translation>
    </message>
    <message>
        <source>Open message text</source>
        <translation>オープンメッセージの文字</translation>
    </message>
    <message>
        <source>Select the number of channels for the Smart Search</source>
        <translation>スマートサーチのチャンネル数を選びます</translation>
    </message>
    <message>
        <source>Lower</source>
        <translation>下限</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Upper</source>
        <translation>上限</translation>
    </message>
    <message>
        <source>&amp;Lower</source>
        <translation>下限(&amp;L)</translation>
    </message>
    <message>
        <source>St&amp;art</source>
        <translation>開始(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Upper</source>
        <translation>上限(&amp;U)</translation>
    </message>
    <message>
        <source>Smart Search %1</source>
        <translation>スマートサーチ %1</translation>
    </message>
    <message>
        <source>Meter Symbol: rising bars</source>
        <translation>メーター表示: 階段状バー</translation>
    </message>
    <message>
        <source>Meter Symbol: blocks</source>
        <translation>メーター表示: ブロック</translation>
    </message>
    <message>
        <source>Meter Symbol: chevrons</source>
        <translation>メーター表示: 山形</translation>
    </message>
</context>
<context>
    <name>CPrintSetupDlg</name>
    <message>
        <source>Print Setup</source>
        <translation>印刷設定</translation>
    </message>
    <message>
        <source>Print Range</source>
        <translation>印刷範囲</translation>
    </message>
    <message>
        <source>&amp;All</source>
        <translation>すべて(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Pages</source>
        <translation>ページ(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Selection</source>
        <translation>選択範囲(&amp;S)</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>最初のページ</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>終了(&amp;T)</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最後のページ</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>オプション</translation>
    </message>
    <message>
        <source>&amp;Column Headers</source>
        <translation>列見出し(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Row Headers</source>
        <translation>行見出し(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Grid Lines</source>
        <translation>罫線(&amp;G)</translation>
    </message>
    <message>
        <source>Grid &amp;Border</source>
        <translation>外枠(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Empty channels too</source>
        <translation>空きチャンネルも含める(&amp;E)</translation>
    </message>
    <message>
        <source>Columns</source>
        <translation>列</translation>
    </message>
    <message>
        <source>Margins (inches)</source>
        <translation>余白 (インチ)</translation>
    </message>
    <message>
        <source>&amp;Left</source>
        <translation>左(&amp;L)</translation>
    </message>
    <message>
        <source>R&amp;ight</source>
        <translation>右(&amp;I)</translation>
    </message>
    <message>
        <source>T&amp;op</source>
        <translation>上(&amp;O)</translation>
    </message>
    <message>
        <source>Botto&amp;m</source>
        <translation>下(&amp;M)</translation>
    </message>
    <message>
        <source>Pre&amp;view...</source>
        <translation>印刷プレビュー(&amp;V)...</translation>
    </message>
    <message>
        <source>Choose at least one column to print.</source>
        <translation>印刷する列を一つ以上選んでください。</translation>
    </message>
    <message>
        <source>No starting page specified</source>
        <translation>開始ページが指定されていません</translation>
    </message>
</context>
<context>
    <name>CPropertyPage</name>
    <message>
        <source>Drag and Drop</source>
        <translation>ドラッグ＆ドロップ</translation>
    </message>
    <message>
        <source>Drop</source>
        <translation>ドロップ</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
</context>
<context>
    <name>CRadioApp</name>
    <message>
        <source>New data set</source>
        <translation>新しいデータを作成しました</translation>
    </message>
    <message>
        <source>Opened %1</source>
        <translation>%1 を開きました</translation>
    </message>
</context>
<context>
    <name>CSkipFrequency</name>
    <message>
        <source>VFO Scan</source>
        <translation>VFO スキャン</translation>
    </message>
    <message>
        <source>Receive
Mode</source>
        <translation>受信
モード</translation>
    </message>
    <message>
        <source>Skip frequencies</source>
        <translation>スキップ周波数</translation>
    </message>
    <message>
        <source>Skip
Frequency</source>
        <translation>スキップ
周波数</translation>
    </message>
    <message>
        <source>Pre-programmable frequency search limits</source>
        <translation>プログラマブルサーチの上下限周波数</translation>
    </message>
    <message>
        <source>Lower
Frequency</source>
        <translation>下限
周波数</translation>
    </message>
    <message>
        <source>Upper
Frequency</source>
        <translation>上限
周波数</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>ポーズ</translation>
    </message>
    <message>
        <source>Busy</source>
        <translation>ビジー</translation>
    </message>
    <message>
        <source>Hold</source>
        <translation>ホールド</translation>
    </message>
    <message>
        <source>1 sec</source>
        <translation>1秒</translation>
    </message>
    <message>
        <source>2 sec</source>
        <translation>2秒</translation>
    </message>
    <message>
        <source>3 sec</source>
        <translation>3秒</translation>
    </message>
    <message>
        <source>4 sec</source>
        <translation>4秒</translation>
    </message>
    <message>
        <source>5 sec</source>
        <translation>5秒</translation>
    </message>
    <message>
        <source>6 sec</source>
        <translation>6秒</translation>
    </message>
    <message>
        <source>7 sec</source>
        <translation>7秒</translation>
    </message>
    <message>
        <source>8 sec</source>
        <translation>8秒</translation>
    </message>
    <message>
        <source>9 sec</source>
        <translation>9秒</translation>
    </message>
    <message>
        <source>10 sec</source>
        <translation>10秒</translation>
    </message>
    <message>
        <source>11sec</source>
        <translation>11秒</translation>
    </message>
    <message>
        <source>12 sec</source>
        <translation>12秒</translation>
    </message>
    <message>
        <source>A Mode</source>
        <translation>A モード</translation>
    </message>
    <message>
        <source>B Mode</source>
        <translation>B モード</translation>
    </message>
    <message>
        <source>300 kHz</source>
        <translation>300 kHz</translation>
    </message>
    <message>
        <source>600 kHz</source>
        <translation>600 kHz</translation>
    </message>
    <message>
        <source>9 kHz</source>
        <translation>9 kHz</translation>
    </message>
    <message>
        <source>10 kHz</source>
        <translation>10 kHz</translation>
    </message>
    <message>
        <source>12.5 kHz</source>
        <translation>12.5 kHz</translation>
    </message>
    <message>
        <source>20 kHz</source>
        <translation>20 kHz</translation>
    </message>
    <message>
        <source>25 kHz</source>
        <translation>25 kHz</translation>
    </message>
    <message>
        <source>50 kHz</source>
        <translation>50 kHz</translation>
    </message>
    <message>
        <source>100 kHz</source>
        <translation>100 kHz</translation>
    </message>
    <message>
        <source>50 Hz</source>
        <translation>50 Hz</translation>
    </message>
    <message>
        <source>100 Hz</source>
        <translation>100 Hz</translation>
    </message>
    <message>
        <source>1 kHz</source>
        <translation>1 kHz</translation>
    </message>
    <message>
        <source>5 kHz</source>
        <translation>5 kHz</translation>
    </message>
    <message>
        <source>6.25 kHz</source>
        <translation>6.25 kHz</translation>
    </message>
    <message>
        <source>15 kHz</source>
        <translation>15 kHz</translation>
    </message>
    <message>
        <source>30 kHz</source>
        <translation>30 kHz</translation>
    </message>
    <message>
        <source>Priority Channel Frequency</source>
        <translation>プライオリティチャンネルの周波数</translation>
    </message>
    <message>
        <source>Skip Frequencies</source>
        <translation>スキップ周波数</translation>
    </message>
    <message>
        <source>Pre-Programmable Frequency Search Limits</source>
        <translation>プログラマブルサーチの上下限周波数</translation>
    </message>
    <message>
        <source>Scan</source>
        <translation>スキャン</translation>
    </message>
    <message>
        <source>Span</source>
        <translation>スパン</translation>
    </message>
    <message>
        <source>S&amp;weep Steps</source>
        <translation>スイープステップ(&amp;W)</translation>
    </message>
    <message>
        <source>Swee&amp;p Steps</source>
        <translation>スイープステップ(&amp;P)</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>プライオリティチャンネル</translation>
    </message>
    <message>
        <source>Fre&amp;quency</source>
        <translation>周波数(&amp;Q)</translation>
    </message>
    <message>
        <source>M&amp;ode</source>
        <translation>モード(&amp;O)</translation>
    </message>
</context>
<context>
    <name>CSnapPropertySheet</name>
    <message>
        <source>Pages</source>
        <translation>ページ</translation>
    </message>
</context>
<context>
    <name>CSortDlg</name>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>Receive Frequency</source>
        <translation>受信周波数</translation>
    </message>
    <message>
        <source>Receive Mode</source>
        <translation>受信モード</translation>
    </message>
    <message>
        <source>Channel Name</source>
        <translation>チャンネル名</translation>
    </message>
    <message>
        <source>Preferential Scan</source>
        <translation>優先スキャン</translation>
    </message>
    <message>
        <source>No sort</source>
        <translation>並べ替えない</translation>
    </message>
    <message>
        <source>Sort By</source>
        <translation>並べ替える列</translation>
    </message>
    <message>
        <source>Then Sort By</source>
        <translation>次に並べ替える列</translation>
    </message>
    <message>
        <source>Sort &amp;By</source>
        <translation>並べ替える列(&amp;B)</translation>
    </message>
    <message>
        <source>&amp;Then Sort By</source>
        <translation>次に並べ替える列(&amp;T)</translation>
    </message>
    <message>
        <source>Sort Mode</source>
        <translation>並べ替えの方法</translation>
    </message>
    <message>
        <source>&amp;Ascending</source>
        <translation>昇順(&amp;A)</translation>
    </message>
    <message>
        <source>D&amp;escending</source>
        <translation>降順(&amp;E)</translation>
    </message>
    <message>
        <source>Channel Sort Selection</source>
        <translation>チャンネルの並べ替え</translation>
    </message>
    <message>
        <source>Se&amp;lected channels</source>
        <translation>選択したチャンネル(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Current bank only</source>
        <translation>現在のバンクのみ(&amp;C)</translation>
    </message>
    <message>
        <source>All channels by ba&amp;nks</source>
        <translation>全チャンネルをバンクごとに(&amp;N)</translation>
    </message>
    <message>
        <source>All channels as &amp;one bank</source>
        <translation>全チャンネルを一つのバンクとして(&amp;O)</translation>
    </message>
</context>
<context>
    <name>CSpreadSheet</name>
    <message>
        <source>&quot;%1&quot; is not a frequency; the row was not pasted</source>
        <translation>「%1」は周波数ではないため、この行は貼り付けられませんでした</translation>
    </message>
    <message>
        <source>%1: &quot;%2&quot; left out</source>
        <translation>%1: 「%2」を除外しました</translation>
    </message>
    <message>
        <source>Grid</source>
        <translation>グリッド</translation>
    </message>
    <message>
        <source>Page %1 of %2</source>
        <translation>%1 / %2 ページ</translation>
    </message>
    <message>
        <source>Yes</source>
        <translation>はい</translation>
    </message>
    <message>
        <source>No printer is installed.</source>
        <translation>プリンターがインストールされていません。</translation>
    </message>
    <message>
        <source>The printer could not be started.</source>
        <translation>プリンターを開始できませんでした。</translation>
    </message>
    <message>
        <source>The printer refused a new page.</source>
        <translation>プリンターが新しいページを受け付けませんでした。</translation>
    </message>
    <message>
        <source>The printer reported an error.</source>
        <translation>プリンターがエラーを報告しました。</translation>
    </message>
</context>
<context>
    <name>CableDoctor</name>
    <message>
        <source>brltty (a Braille display daemon) takes CH340 and CP210x USB serial adapters as Braille displays, so their port vanishes moments after it appears.</source>
        <translation>brltty (点字ディスプレイのデーモン) が CH340 と CP210x の USB シリアルアダプターを点字ディスプレイとして使うため、ポートが現れてすぐに消えます。</translation>
    </message>
    <message>
        <source>If you use no Braille display: sudo systemctl mask brltty-udev.service brltty.service
  (or remove it: sudo apt remove brltty), then plug the cable in again.</source>
        <translation>点字ディスプレイを使わない場合: sudo systemctl mask brltty-udev.service brltty.service
  (または削除: sudo apt remove brltty) を実行し、ケーブルを差し直してください。</translation>
    </message>
    <message>
        <source>ModemManager is running: it probes each new serial port for a modem for some seconds, which can disturb a transfer started at once.</source>
        <translation>ModemManager が動作しています。新しいシリアルポートを数秒間モデムかどうか調べるため、すぐに始めた転送を妨げることがあります。</translation>
    </message>
    <message>
        <source>If you use no mobile modem: sudo systemctl disable --now ModemManager</source>
        <translation>モバイルモデムを使わない場合: sudo systemctl disable --now ModemManager</translation>
    </message>
    <message>
        <source> does not exist. Plug the cable in, or choose the port it is on (see the list above).</source>
        <translation> はありません。ケーブルを接続するか、ケーブルのつながったポートを選んでください (上の一覧を参照)。</translation>
    </message>
    <message>
        <source>You may open </source>
        <translation>アクセス権があります: </translation>
    </message>
    <message>
        <source>You may not open %1</source>
        <translation>%1 へのアクセス権がありません</translation>
    </message>
    <message>
        <source>: ask the administrator for access to it.</source>
        <translation>。管理者にアクセス権を依頼してください。</translation>
    </message>
    <message>
        <source> yet. You are in the group &quot;%1&quot; that owns it, but this login
session began before you joined it: log out and in again (or restart).</source>
        <translation>。所有グループ「%1」には参加済みですが、このログイン
セッションは参加前に始まったものです。ログインし直してください (または再起動)。</translation>
    </message>
    <message>
        <source> although you are in its group &quot;%1&quot;: ask the administrator.</source>
        <translation> (グループ「%1」には参加済み)。管理者に相談してください。</translation>
    </message>
    <message>
        <source>: it belongs to the group &quot;%1&quot;. Join it with
  sudo usermod -aG %1 %2
then log out and in again.</source>
        <translation>。ポートはグループ「%1」のものです。次のコマンドで参加し
  sudo usermod -aG %1 %2
ログインし直してください。</translation>
    </message>
    <message>
        <source>No program known to take serial adapters is running or installed.</source>
        <translation>シリアルアダプターを占有することが知られているプログラムは、動作もインストールもされていません。</translation>
    </message>
    <message>
        <source>: writing to the port failed.</source>
        <translation>: ポートへの書き込みに失敗しました。</translation>
    </message>
    <message>
        <source>Echo test: the cable returned the %1 bytes sent: cable and port work.</source>
        <translation>エコーテスト: 送信した %1 バイトがケーブルから返ってきました。ケーブルとポートは正常です。</translation>
    </message>
    <message>
        <source>Echo test: the %1 bytes sent did not come back%2. The cable is not on
this port, or not plugged in, or it is no clone cable.</source>
        <translation>エコーテスト: 送信した %1 バイトが返ってきません%2。ケーブルがこのポートに
ないか、差し込まれていないか、クローンケーブルではありません。</translation>
    </message>
    <message>
        <source> (other bytes did: %1)</source>
        <translation> (別のバイトが返ってきました: %1)</translation>
    </message>
    <message>
        <source>Echo test: %1 bytes came back for %2 sent, not as sent (%3).
A loose plug, a wrong cable, or another program reading the port.</source>
        <translation>エコーテスト: %2 バイト送信して %1 バイト返ってきましたが、送信内容と異なります (%3)。
プラグのゆるみ、ケーブルの誤り、またはほかのプログラムがポートを読んでいる可能性があります。</translation>
    </message>
    <message>
        <source>Echo test: </source>
        <translation>エコーテスト: </translation>
    </message>
    <message>
        <source>: the port did not open.</source>
        <translation>: ポートを開けませんでした。</translation>
    </message>
    <message>
        <source>Corvinel %1 cable check, %2</source>
        <translation>Corvinel %1 ケーブル診断、%2</translation>
    </message>
    <message>
        <source>System: %1, Qt %2</source>
        <translation>システム: %1、Qt %2</translation>
    </message>
    <message>
        <source>Serial ports:</source>
        <translation>シリアルポート:</translation>
    </message>
    <message>
        <source>  (and %1 more without USB)</source>
        <translation>  (ほかに USB 以外が %1 個)</translation>
    </message>
    <message>
        <source>  (none: no serial port or USB serial adapter is present)</source>
        <translation>  (なし: シリアルポートも USB シリアルアダプターもありません)</translation>
    </message>
    <message>
        <source>Port checked: </source>
        <translation>診断したポート: </translation>
    </message>
    <message>
        <source>none chosen</source>
        <translation>未選択</translation>
    </message>
    <message>
        <source>No port is chosen: name the cable&apos;s port (--port DEVICE, or Comport Setup).</source>
        <translation>ポートが選ばれていません。ケーブルのポートを指定してください (--port DEVICE、または通信ポート設定)。</translation>
    </message>
    <message>
        <source>Result: no problem found.</source>
        <translation>結果: 問題は見つかりませんでした。</translation>
    </message>
    <message>
        <source>Result: %1 problem(s) found.</source>
        <translation>結果: %1 件の問題が見つかりました。</translation>
    </message>
</context>
<context>
    <name>ChannelBulk</name>
    <message>
        <source>Nothing was changed. These channels cannot take the edit:</source>
        <translation>何も変更していません。次のチャンネルはこの編集を受け付けません:</translation>
    </message>
    <message>
        <source>Channel </source>
        <translation>チャンネル </translation>
    </message>
    <message>
        <source>Edit Channels</source>
        <translation>チャンネルの一括編集</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>下方向へコピー</translation>
    </message>
    <message>
        <source>Paste into Free Channels</source>
        <translation>空きチャンネルへ貼り付け</translation>
    </message>
    <message>
        <source>Every channel is in use; nothing was pasted.</source>
        <translation>すべてのチャンネルが使用中のため、貼り付けませんでした。</translation>
    </message>
    <message>
        <source>%1 rows are on the Clipboard but only %2 channels are free. Paste the first %2 rows and leave out the rest?</source>
        <translation>クリップボードには %1 行ありますが、空きチャンネルは %2 個だけです。最初の %2 行を貼り付けて、残りは除外しますか?</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
</context>
<context>
    <name>ChannelEdits</name>
    <message>
        <source>&quot;%1&quot; cannot be part of a channel name</source>
        <translation>「%1」はチャンネル名に使えません</translation>
    </message>
    <message>
        <source>bank %1 has no free channel left</source>
        <translation>バンク %1 に空きチャンネルがありません</translation>
    </message>
    <message>
        <source>channel %1 is not in use: there is nothing to copy</source>
        <translation>チャンネル %1 は未使用のため、コピーするものがありません</translation>
    </message>
    <message>
        <source>no free channel left</source>
        <translation>空きチャンネルがありません</translation>
    </message>
    <message>
        <source>no free channel left for this frequency and the %1 after it</source>
        <translation>この周波数とその後の %1 個に使える空きチャンネルがありません</translation>
    </message>
</context>
<context>
    <name>CloneDialog</name>
    <message>
        <source>Transfer progress</source>
        <translation>転送の進み具合</translation>
    </message>
</context>
<context>
    <name>CloneReceiver</name>
    <message>
        <source>The receiver stopped sending before the read was complete.
</source>
        <translation>読み込みが終わる前に受信機からの送信が止まりました。
</translation>
    </message>
    <message>
        <source>Comm Error</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>Check that the receiver is in clone mode and sending, that the cable is plugged in at both ends, and that the port chosen is the one the cable is on; then read again.</source>
        <translation>受信機がクローンモードで送信中であること、ケーブルの両端が差し込まれていること、選んだポートがケーブルをつないだポートであることを確認して、もう一度読み込んでください。</translation>
    </message>
    <message>
        <source>The read was cancelled. The data that had arrived were discarded.</source>
        <translation>読み込みを中止しました。受け取ったデータは破棄しました。</translation>
    </message>
    <message>
        <source>Checksum error</source>
        <translation>チェックサムエラー</translation>
    </message>
    <message>
        <source>The receiver sent more data than the image holds.</source>
        <translation>受信機からイメージの容量を超えるデータが送られてきました。</translation>
    </message>
    <message>
        <source>The receiver ended the transfer before the whole image arrived.</source>
        <translation>イメージ全体が届く前に受信機が転送を終了しました。</translation>
    </message>
</context>
<context>
    <name>CloneSender</name>
    <message>
        <source>The current version of the file does not match the radio.
Read data from the radio so the program can match the data to the radio.</source>
        <translation>ファイルのバージョンが受信機と一致しません。
受信機に合わせるため、先に受信機からデータを読み込んでください。</translation>
    </message>
    <message>
        <source>An error occured while writing data.</source>
        <translation>データの書き込み中にエラーが発生しました。</translation>
    </message>
    <message>
        <source>The receiver did not answer.
Check the cable and that the receiver waits in clone mode.</source>
        <translation>受信機から応答がありません。
ケーブルと、受信機がクローンモードで待機していることを確認してください。</translation>
    </message>
    <message>
        <source>The receiver did not answer: no echo came back through the cable.
Check the cable.</source>
        <translation>受信機から応答がありません: ケーブルからエコーが返ってきません。
ケーブルを確認してください。</translation>
    </message>
</context>
<context>
    <name>CloneSession</name>
    <message>
        <source>Comm Error</source>
        <translation>通信エラー</translation>
    </message>
    <message>
        <source>The serial port is not open.</source>
        <translation>シリアルポートが開いていません。</translation>
    </message>
    <message>
        <source>: The serial port stopped working or is gone.
Check the cable.</source>
        <translation>: シリアルポートが動作しなくなったか、取り外されました。
ケーブルを確認してください。</translation>
    </message>
    <message>
        <source>: Writing to the port failed.</source>
        <translation>: ポートへの書き込みに失敗しました。</translation>
    </message>
</context>
<context>
    <name>Codecs</name>
    <message>
        <source> or more is not a valid frequency</source>
        <translation> 以上は有効な周波数ではありません</translation>
    </message>
    <message>
        <source> is not a valid frequency</source>
        <translation> は有効な周波数ではありません</translation>
    </message>
    <message>
        <source>This receiver&apos;s version (%1) receives %2, each range up to but not including its upper edge.</source>
        <translation>このバージョンの受信機 (%1) の受信範囲は %2 です (各範囲の上端は含みません)。</translation>
    </message>
    <message>
        <source>Japan</source>
        <translation>日本</translation>
    </message>
    <message>
        <source>ham bands</source>
        <translation>アマチュアバンド</translation>
    </message>
    <message>
        <source>general</source>
        <translation>一般</translation>
    </message>
    <message>
        <source>country %1</source>
        <translation>国コード %1</translation>
    </message>
    <message>
        <source>, wideband</source>
        <translation>、ワイドバンド</translation>
    </message>
</context>
<context>
    <name>Commands</name>
    <message>
        <source>&amp;New</source>
        <translation>新規作成(&amp;N)</translation>
    </message>
    <message>
        <source>Start a new data set with the default channels</source>
        <translation>既定のチャンネルで新しいデータを作成します</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規作成</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>開く(&amp;O)...</translation>
    </message>
    <message>
        <source>Open an existing radio data file</source>
        <translation>既存の受信機データファイルを開きます</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>開く</translation>
    </message>
    <message>
        <source>Open &amp;Backup...</source>
        <translation>バックアップを開く(&amp;B)...</translation>
    </message>
    <message>
        <source>Open one of the data sets kept from each read of the receiver</source>
        <translation>受信機から読み込むたびに保存したデータを開きます</translation>
    </message>
    <message>
        <source>Open Backup</source>
        <translation>バックアップを開く</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>上書き保存(&amp;S)</translation>
    </message>
    <message>
        <source>Save the data to its file</source>
        <translation>データをファイルに上書き保存します</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>上書き保存</translation>
    </message>
    <message>
        <source>Save &amp;As...</source>
        <translation>名前を付けて保存(&amp;A)...</translation>
    </message>
    <message>
        <source>Save the data to a new file</source>
        <translation>データを新しいファイルに保存します</translation>
    </message>
    <message>
        <source>Save As</source>
        <translation>名前を付けて保存</translation>
    </message>
    <message>
        <source>&amp;Import Channels...</source>
        <translation>チャンネルの取り込み(&amp;I)...</translation>
    </message>
    <message>
        <source>Set memory channels from a CSV file</source>
        <translation>CSV ファイルからメモリーチャンネルを設定します</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>取り込み</translation>
    </message>
    <message>
        <source>Import Channels</source>
        <translation>チャンネルの取り込み</translation>
    </message>
    <message>
        <source>&amp;Export Channels...</source>
        <translation>チャンネルの書き出し(&amp;E)...</translation>
    </message>
    <message>
        <source>Write the memory channels in use to a CSV file</source>
        <translation>使用中のメモリーチャンネルを CSV ファイルに書き出します</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>書き出し</translation>
    </message>
    <message>
        <source>Frequency &amp;Library...</source>
        <translation>周波数ライブラリー(&amp;L)...</translation>
    </message>
    <message>
        <source>Set memory channels from the lists that come with the program or your own</source>
        <translation>付属のリストや自作のリストからメモリーチャンネルを設定します</translation>
    </message>
    <message>
        <source>Frequency Library</source>
        <translation>周波数ライブラリー</translation>
    </message>
    <message>
        <source>Import from Library</source>
        <translation>ライブラリーから取り込み</translation>
    </message>
    <message>
        <source>List what differs between a data file and the data shown</source>
        <translation>データファイルと表示中のデータの違いを一覧表示します</translation>
    </message>
    <message>
        <source>Compare With</source>
        <translation>比較</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>印刷(&amp;P)...</translation>
    </message>
    <message>
        <source>Print the memory channel list</source>
        <translation>メモリーチャンネルの一覧を印刷します</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>印刷</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>終了(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the program; asks to save changed data</source>
        <translation>プログラムを終了します。変更したデータがあれば保存を確認します</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>元に戻す(&amp;U)</translation>
    </message>
    <message>
        <source>Take back the last change</source>
        <translation>直前の変更を元に戻します</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>やり直し(&amp;R)</translation>
    </message>
    <message>
        <source>Make the change taken back again</source>
        <translation>元に戻した変更をもう一度行います</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>切り取り(&amp;T)</translation>
    </message>
    <message>
        <source>Cut the selected channels and put them on the Clipboard</source>
        <translation>選択したチャンネルを切り取ってクリップボードへ置きます</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>切り取り</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>コピー(&amp;C)</translation>
    </message>
    <message>
        <source>Copy the selected channels to the Clipboard</source>
        <translation>選択したチャンネルをクリップボードへコピーします</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>貼り付け(&amp;P)</translation>
    </message>
    <message>
        <source>Insert the channels on the Clipboard</source>
        <translation>クリップボードのチャンネルを挿入します</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼り付け</translation>
    </message>
    <message>
        <source>&amp;Sort</source>
        <translation>並べ替え(&amp;S)</translation>
    </message>
    <message>
        <source>Sort the memory channels</source>
        <translation>メモリーチャンネルを並べ替えます</translation>
    </message>
    <message>
        <source>Sort</source>
        <translation>並べ替え</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>上へ移動(&amp;M)</translation>
    </message>
    <message>
        <source>Move the selected channels up one row</source>
        <translation>選択したチャンネルを1行上へ移動します</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上へ移動</translation>
    </message>
    <message>
        <source>Move D&amp;own</source>
        <translation>下へ移動(&amp;O)</translation>
    </message>
    <message>
        <source>Move the selected channels down one row</source>
        <translation>選択したチャンネルを1行下へ移動します</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下へ移動</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>挿入(&amp;I)</translation>
    </message>
    <message>
        <source>Insert an empty channel, moving the rest of the bank down</source>
        <translation>空のチャンネルを挿入し、バンクの残りを下へずらします</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>挿入</translation>
    </message>
    <message>
        <source>C&amp;lear</source>
        <translation>クリア(&amp;L)</translation>
    </message>
    <message>
        <source>Empty the selected channels</source>
        <translation>選択したチャンネルを空にします</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>削除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete the channel, moving the rest of the bank up</source>
        <translation>チャンネルを削除し、バンクの残りを上へ詰めます</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Edit Ch&amp;annels...</source>
        <translation>チャンネルの一括編集(&amp;A)...</translation>
    </message>
    <message>
        <source>Set mode, scan, bank, name or frequency of the selected channels at once</source>
        <translation>選択したチャンネルのモード、スキャン、バンク、名前、周波数をまとめて設定します</translation>
    </message>
    <message>
        <source>Edit Channels</source>
        <translation>チャンネルの一括編集</translation>
    </message>
    <message>
        <source>Fill Do&amp;wn</source>
        <translation>下方向へコピー(&amp;W)</translation>
    </message>
    <message>
        <source>Copy the first selected channel&apos;s value in this column to the others</source>
        <translation>この列で最初に選んだチャンネルの値をほかのチャンネルへコピーします</translation>
    </message>
    <message>
        <source>Fill Down</source>
        <translation>下方向へコピー</translation>
    </message>
    <message>
        <source>Fill S&amp;eries...</source>
        <translation>連続データの作成(&amp;E)...</translation>
    </message>
    <message>
        <source>Write a run of frequencies into channels from the selected one on</source>
        <translation>選択したチャンネルから順に連続した周波数を書き込みます</translation>
    </message>
    <message>
        <source>Fill Series</source>
        <translation>連続データの作成</translation>
    </message>
    <message>
        <source>&amp;Find Channel...</source>
        <translation>チャンネルの検索(&amp;F)...</translation>
    </message>
    <message>
        <source>Find a channel by name or frequency</source>
        <translation>名前または周波数でチャンネルを探します</translation>
    </message>
    <message>
        <source>Find the next channel that matches</source>
        <translation>条件に合う次のチャンネルを探します</translation>
    </message>
    <message>
        <source>&amp;Hide Unused Channels</source>
        <translation>未使用チャンネルを隠す(&amp;H)</translation>
    </message>
    <message>
        <source>Show only the channels in use</source>
        <translation>使用中のチャンネルだけを表示します</translation>
    </message>
    <message>
        <source>&amp;Get Data From...</source>
        <translation>データ読み込み(&amp;G)...</translation>
    </message>
    <message>
        <source>&amp;Send Data To...</source>
        <translation>データ書き込み(&amp;S)...</translation>
    </message>
    <message>
        <source>&amp;Comport Setup...</source>
        <translation>通信ポート設定(&amp;C)...</translation>
    </message>
    <message>
        <source>Check Ca&amp;ble...</source>
        <translation>ケーブル診断(&amp;B)...</translation>
    </message>
    <message>
        <source>Find what would stop a transfer: port, permission, cable echo</source>
        <translation>転送を妨げる原因を調べます: ポート、アクセス権、ケーブルのエコー</translation>
    </message>
    <message>
        <source>Save &amp;Diagnostics...</source>
        <translation>診断情報を保存(&amp;D)...</translation>
    </message>
    <message>
        <source>Save a record of the last transfer for a help request</source>
        <translation>問い合わせ用に直前の転送の記録を保存します</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>Displays the help contents</source>
        <translation>ヘルプの目次を表示します</translation>
    </message>
    <message>
        <source>Help Contents</source>
        <translation>ヘルプの目次</translation>
    </message>
    <message>
        <source>Help on This &amp;Page</source>
        <translation>このページのヘルプ(&amp;P)</translation>
    </message>
    <message>
        <source>Help on the page shown</source>
        <translation>表示中のページのヘルプを表示します</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation>バージョン情報(&amp;A)...</translation>
    </message>
    <message>
        <source>Show the program&apos;s version and maker</source>
        <translation>プログラムのバージョンと作成者を表示します</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Read</source>
        <translation>読み込み</translation>
    </message>
    <message>
        <source>Get data from VR-500</source>
        <translation>VR-500 からデータを読み込みます</translation>
    </message>
    <message>
        <source>Write</source>
        <translation>書き込み</translation>
    </message>
    <message>
        <source>Write data to the VR-500</source>
        <translation>VR-500 へデータを書き込む</translation>
    </message>
    <message>
        <source>Next Page</source>
        <translation>次のページ</translation>
    </message>
    <message>
        <source>Show the next page</source>
        <translation>次のページを表示します</translation>
    </message>
    <message>
        <source>Previous Page</source>
        <translation>前のページ</translation>
    </message>
    <message>
        <source>Show the previous page</source>
        <translation>前のページを表示します</translation>
    </message>
    <message>
        <source>Filter Channels</source>
        <translation>チャンネルの絞り込み</translation>
    </message>
    <message>
        <source>Show only the channels that match the filter above the list</source>
        <translation>一覧の上の条件に合うチャンネルだけを表示します</translation>
    </message>
    <message>
        <source>New &amp;Window</source>
        <translation>新しいウィンドウ(&amp;W)</translation>
    </message>
    <message>
        <source>Open a window with a new data set beside this one</source>
        <translation>新しいデータのウィンドウをこのウィンドウの横に開きます</translation>
    </message>
    <message>
        <source>New Window</source>
        <translation>新しいウィンドウ</translation>
    </message>
    <message>
        <source>Open in New Win&amp;dow...</source>
        <translation>新しいウィンドウで開く(&amp;D)...</translation>
    </message>
    <message>
        <source>Open a data file, a backup or a CSV channel list beside this one</source>
        <translation>データファイル、バックアップ、CSV チャンネルリストをこのウィンドウの横に開きます</translation>
    </message>
    <message>
        <source>Open in New Window</source>
        <translation>新しいウィンドウで開く</translation>
    </message>
    <message>
        <source>Open &amp;Read-Only...</source>
        <translation>読み取り専用で開く(&amp;R)...</translation>
    </message>
    <message>
        <source>Open a data file, a backup or a CSV channel list in a new window that refuses changes</source>
        <translation>データファイル、バックアップ、CSV チャンネルリストを変更できない新しいウィンドウで開きます</translation>
    </message>
    <message>
        <source>Open Read-Only</source>
        <translation>読み取り専用で開く</translation>
    </message>
    <message>
        <source>Compare Wit&amp;h...</source>
        <translation>比較(&amp;H)...</translation>
    </message>
    <message>
        <source>Paste i&amp;nto Free Channels</source>
        <translation>空きチャンネルへ貼り付け(&amp;N)</translation>
    </message>
    <message>
        <source>Put the channels on the Clipboard into the first channels not in use</source>
        <translation>クリップボードのチャンネルを、先頭の未使用チャンネルへ入れます</translation>
    </message>
    <message>
        <source>Paste into Free Channels</source>
        <translation>空きチャンネルへ貼り付け</translation>
    </message>
    <message>
        <source>Find Ne&amp;xt</source>
        <translation>次を検索(&amp;X)</translation>
    </message>
    <message>
        <source>Order View by Column</source>
        <translation>列で表示順を並べ替え</translation>
    </message>
    <message>
        <source>Show the channels ordered by the cursor&apos;s column (again: the other way, then in channel order); memory keeps its order</source>
        <translation>カーソルのある列の順にチャンネルを表示します (もう一度で逆順、さらにチャンネル番号順)。メモリーの順序は変わりません</translation>
    </message>
</context>
<context>
    <name>Compare</name>
    <message>
        <source>Memory View</source>
        <translation>メモリーチャンネル</translation>
    </message>
    <message>
        <source>Setting</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>VFO Scan</source>
        <translation>VFO スキャン</translation>
    </message>
    <message>
        <source>Preset Mode</source>
        <translation>プリセットモード</translation>
    </message>
    <message>
        <source>Dual Watch</source>
        <translation>デュアルワッチ</translation>
    </message>
    <message>
        <source>Auto Band</source>
        <translation>オートバンド</translation>
    </message>
    <message>
        <source>off|on</source>
        <translation>オフ|オン</translation>
    </message>
    <message>
        <source>on|off</source>
        <translation>オン|オフ</translation>
    </message>
    <message>
        <source>Mode Scan</source>
        <translation>モードスキャン</translation>
    </message>
    <message>
        <source>OFF|NFM|WFM|AM|LSB|USB|CW</source>
        <translation>OFF|NFM|WFM|AM|LSB|USB|CW</translation>
    </message>
    <message>
        <source>Bank Scan</source>
        <translation>バンクスキャン</translation>
    </message>
    <message>
        <source>Off|On</source>
        <translation>オフ|オン</translation>
    </message>
    <message>
        <source>Bank Link For Scan</source>
        <translation>バンクリンクスキャン</translation>
    </message>
    <message>
        <source>RF Squelch</source>
        <translation>RF スケルチ</translation>
    </message>
    <message>
        <source>Off|1|2|3|4|5|6|7|8|9</source>
        <translation>オフ|1|2|3|4|5|6|7|8|9</translation>
    </message>
    <message>
        <source>Off Timer</source>
        <translation>オフタイマー</translation>
    </message>
    <message>
        <source>Off|30|60|90</source>
        <translation>オフ|30|60|90</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>バッテリーセーバー</translation>
    </message>
    <message>
        <source>Off|1:4 (1 sec)|1:12 (3 sec)|1:20 (5 sec)|1:28 (7 sec)|1:36 (9 sec)</source>
        <translation>オフ|1:4 (1秒)|1:12 (3秒)|1:20 (5秒)|1:28 (7秒)|1:36 (9秒)</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Opening Bell</source>
        <translation>オープニングベル</translation>
    </message>
    <message>
        <source>1: Pi|2: Po-Pi|3: Pi-Pi|Off</source>
        <translation>1: ピ|2: ポピ|3: ピピ|オフ</translation>
    </message>
    <message>
        <source>Auto Receive Mode</source>
        <translation>オート受信モード</translation>
    </message>
    <message>
        <source>Keypad Lamp</source>
        <translation>キーパッドランプ</translation>
    </message>
    <message>
        <source>Keypad Beeper</source>
        <translation>キー操作音</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語表示</translation>
    </message>
    <message>
        <source>Flex Step</source>
        <translation>フレックスステップ</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>アッテネーター</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>モニター</translation>
    </message>
    <message>
        <source>Open Message</source>
        <translation>オープンメッセージ</translation>
    </message>
    <message>
        <source>Default|Off|User</source>
        <translation>既定|オフ|ユーザー</translation>
    </message>
    <message>
        <source>Open message text</source>
        <translation>オープンメッセージの文字</translation>
    </message>
    <message>
        <source>Lock Mode</source>
        <translation>ロックモード</translation>
    </message>
    <message>
        <source>Key|Key + Dial</source>
        <translation>キー|キー＋ダイヤル</translation>
    </message>
    <message>
        <source>Lamp Mode</source>
        <translation>ランプモード</translation>
    </message>
    <message>
        <source>Auto|Toggle</source>
        <translation>オート|トグル</translation>
    </message>
    <message>
        <source>Meter Symbol</source>
        <translation>メーター表示</translation>
    </message>
    <message>
        <source>rising bars|blocks|chevrons</source>
        <translation>階段状バー|ブロック|山形</translation>
    </message>
    <message>
        <source>Smart Search</source>
        <translation>スマートサーチ</translation>
    </message>
    <message>
        <source>Single|Continuous</source>
        <translation>1回|連続</translation>
    </message>
    <message>
        <source>Smart Search # of Channels</source>
        <translation>スマートサーチのチャンネル数</translation>
    </message>
    <message>
        <source>11 Channels|21 Channels|31 Channels|41 Channels</source>
        <translation>11 チャンネル|21 チャンネル|31 チャンネル|41 チャンネル</translation>
    </message>
    <message>
        <source>Smart Search Lower</source>
        <translation>スマートサーチの下限</translation>
    </message>
    <message>
        <source>Smart Search Start</source>
        <translation>スマートサーチの開始</translation>
    </message>
    <message>
        <source>Smart Search Upper</source>
        <translation>スマートサーチの上限</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>スキャンモード</translation>
    </message>
    <message>
        <source>Pause|Busy|Hold</source>
        <translation>ポーズ|ビジー|ホールド</translation>
    </message>
    <message>
        <source>Resume Delay</source>
        <translation>再開時間</translation>
    </message>
    <message>
        <source>1 sec|2 sec|3 sec|4 sec|5 sec|6 sec|7 sec|8 sec|9 sec|10 sec|11sec|12 sec</source>
        <translation>1秒|2秒|3秒|4秒|5秒|6秒|7秒|8秒|9秒|10秒|11秒|12秒</translation>
    </message>
    <message>
        <source>Band Scope</source>
        <translation>バンドスコープ</translation>
    </message>
    <message>
        <source>A Mode|B Mode</source>
        <translation>A モード|B モード</translation>
    </message>
    <message>
        <source>A Mode span</source>
        <translation>A モードのスパン</translation>
    </message>
    <message>
        <source>600 kHz|300 kHz</source>
        <translation>600 kHz|300 kHz</translation>
    </message>
    <message>
        <source>A Mode Sweep Steps</source>
        <translation>A モードのスイープステップ</translation>
    </message>
    <message>
        <source>9 kHz|10 kHz|12.5 kHz|20 kHz|25 kHz|50 kHz|100 kHz</source>
        <translation>9 kHz|10 kHz|12.5 kHz|20 kHz|25 kHz|50 kHz|100 kHz</translation>
    </message>
    <message>
        <source>B Mode Sweep Steps</source>
        <translation>B モードのスイープステップ</translation>
    </message>
    <message>
        <source>50 Hz|100 Hz|1 kHz|5 kHz|6.25 kHz|9 kHz|10 kHz|12.5 kHz|15 kHz|20 kHz|25 kHz|30 kHz|50 kHz|100 kHz</source>
        <translation>50 Hz|100 Hz|1 kHz|5 kHz|6.25 kHz|9 kHz|10 kHz|12.5 kHz|15 kHz|20 kHz|25 kHz|30 kHz|50 kHz|100 kHz</translation>
    </message>
    <message>
        <source>Priority Channel</source>
        <translation>プライオリティチャンネル</translation>
    </message>
    <message>
        <source>Priority Channel mode</source>
        <translation>プライオリティチャンネルのモード</translation>
    </message>
    <message>
        <source>Limit Search Mode</source>
        <translation>リミットサーチモード</translation>
    </message>
    <message>
        <source>Select Dual Watch memory pair</source>
        <translation>デュアルワッチのメモリーペア</translation>
    </message>
    <message>
        <source>Dual Watch Scan Mode</source>
        <translation>デュアルワッチのスキャンモード</translation>
    </message>
    <message>
        <source>Time|Busy|Pause</source>
        <translation>タイム|ビジー|ポーズ</translation>
    </message>
    <message>
        <source>(value %1)</source>
        <translation>(値 %1)</translation>
    </message>
    <message>
        <source>no name</source>
        <translation>名前なし</translation>
    </message>
    <message>
        <source>no mode</source>
        <translation>モードなし</translation>
    </message>
    <message>
        <source>no step</source>
        <translation>ステップなし</translation>
    </message>
    <message>
        <source>Country code: %1%2%3</source>
        <translation>国コード: %1%2%3</translation>
    </message>
    <message>
        <source>Wideband: </source>
        <translation>ワイドバンド: </translation>
    </message>
    <message>
        <source>, preferential scan</source>
        <translation>、優先スキャン</translation>
    </message>
    <message>
        <source>, flags 0x%1</source>
        <translation>、フラグ 0x%1</translation>
    </message>
    <message>
        <source>Channel %1 (bank %2)</source>
        <translation>チャンネル %1 (バンク %2)</translation>
    </message>
    <message>
        <source> removed: </source>
        <translation> 削除: </translation>
    </message>
    <message>
        <source> added: </source>
        <translation> 追加: </translation>
    </message>
    <message>
        <source>frequency </source>
        <translation>周波数 </translation>
    </message>
    <message>
        <source>mode </source>
        <translation>モード </translation>
    </message>
    <message>
        <source>name </source>
        <translation>名前 </translation>
    </message>
    <message>
        <source>preferential scan </source>
        <translation>優先スキャン </translation>
    </message>
    <message>
        <source>flags 0x%1%20x%3</source>
        <translation>フラグ 0x%1%20x%3</translation>
    </message>
    <message>
        <source>none</source>
        <translation>なし</translation>
    </message>
    <message>
        <source>Chan %1</source>
        <translation>チャンネル %1</translation>
    </message>
    <message>
        <source>TV Channels</source>
        <translation>テレビチャンネル</translation>
    </message>
    <message>
        <source>Weather Channels</source>
        <translation>天気チャンネル</translation>
    </message>
    <message>
        <source>%1 (%2 page): </source>
        <translation>%1 (%2 ページ): </translation>
    </message>
    <message>
        <source> to </source>
        <translation> ～ </translation>
    </message>
    <message>
        <source>Search limits row %1 (VFO Scan page): </source>
        <translation>サーチ上下限 %1 行目 (VFO スキャンページ): </translation>
    </message>
    <message>
        <source>empty</source>
        <translation>空き</translation>
    </message>
    <message>
        <source>Skip frequency row %1 (VFO Scan page): </source>
        <translation>スキップ周波数 %1 行目 (VFO スキャンページ): </translation>
    </message>
    <message>
        <source>Preset A, the entry the page keeps: </source>
        <translation>プリセット A のページに表示しない項目: </translation>
    </message>
    <message>
        <source>Preset A row %1: </source>
        <translation>プリセット A %1 行目: </translation>
    </message>
    <message>
        <source>Preset B row %1: </source>
        <translation>プリセット B %1 行目: </translation>
    </message>
    <message>
        <source>Dual watch pair %1 %2: </source>
        <translation>デュアルワッチのペア %1 %2: </translation>
    </message>
    <message>
        <source>lower edge </source>
        <translation>下端 </translation>
    </message>
    <message>
        <source>step </source>
        <translation>ステップ </translation>
    </message>
    <message>
        <source>Auto Band row %1: </source>
        <translation>オートバンド %1 行目: </translation>
    </message>
    <message>
        <source>1 other byte differs (data no page shows)</source>
        <translation>ほかに 1 バイトが異なります (どのページにも表示されないデータ)</translation>
    </message>
    <message>
        <source>%1 other bytes differ (data no page shows)</source>
        <translation>ほかに %1 バイトが異なります (どのページにも表示されないデータ)</translation>
    </message>
    <message>
        <source>No differences</source>
        <translation>相違点はありません</translation>
    </message>
    <message>
        <source>Only data no page shows differs</source>
        <translation>どのページにも表示されないデータだけが異なります</translation>
    </message>
    <message>
        <source>%1 and %2 differ</source>
        <translation>%1と%2が異なります</translation>
    </message>
    <message>
        <source>1 channel</source>
        <translation>1 チャンネル</translation>
    </message>
    <message>
        <source>%1 channels</source>
        <translation>%1 チャンネル</translation>
    </message>
    <message>
        <source>1 setting</source>
        <translation>1 件の設定</translation>
    </message>
    <message>
        <source>%1 settings</source>
        <translation>%1 件の設定</translation>
    </message>
</context>
<context>
    <name>ControlTable</name>
    <message>
        <source>Select Dual Watch memory pair</source>
        <translation>デュアルワッチのメモリーペア</translation>
    </message>
    <message>
        <source>Dual Watch Scan Mode</source>
        <translation>デュアルワッチのスキャンモード</translation>
    </message>
    <message>
        <source>RF Squelch</source>
        <translation>RF スケルチ</translation>
    </message>
    <message>
        <source>Off</source>
        <translation>オフ</translation>
    </message>
    <message>
        <source>Off Timer</source>
        <translation>オフタイマー</translation>
    </message>
    <message>
        <source>Battery Saver</source>
        <translation>バッテリーセーバー</translation>
    </message>
    <message>
        <source>1:4 (1 sec)</source>
        <translation>1:4 (1秒)</translation>
    </message>
    <message>
        <source>1:12 (3 sec)</source>
        <translation>1:12 (3秒)</translation>
    </message>
    <message>
        <source>1:20 (5 sec)</source>
        <translation>1:20 (5秒)</translation>
    </message>
    <message>
        <source>1:28 (7 sec)</source>
        <translation>1:28 (7秒)</translation>
    </message>
    <message>
        <source>1:36 (9 sec)</source>
        <translation>1:36 (9秒)</translation>
    </message>
    <message>
        <source>Contrast</source>
        <translation>コントラスト</translation>
    </message>
    <message>
        <source>Opening Bell</source>
        <translation>オープニングベル</translation>
    </message>
    <message>
        <source>1: Pi</source>
        <translation>1: ピ</translation>
    </message>
    <message>
        <source>2: Po-Pi</source>
        <translation>2: ポピ</translation>
    </message>
    <message>
        <source>3: Pi-Pi</source>
        <translation>3: ピピ</translation>
    </message>
    <message>
        <source># of Channels</source>
        <translation>チャンネル数</translation>
    </message>
    <message>
        <source>11 Channels</source>
        <translation>11 チャンネル</translation>
    </message>
    <message>
        <source>21 Channels</source>
        <translation>21 チャンネル</translation>
    </message>
    <message>
        <source>31 Channels</source>
        <translation>31 チャンネル</translation>
    </message>
    <message>
        <source>41 Channels</source>
        <translation>41 チャンネル</translation>
    </message>
    <message>
        <source>Auto Receive Mode</source>
        <translation>オート受信モード</translation>
    </message>
    <message>
        <source>Keypad Lamp</source>
        <translation>キーパッドランプ</translation>
    </message>
    <message>
        <source>Keypad Beeper</source>
        <translation>キー操作音</translation>
    </message>
    <message>
        <source>Japanese</source>
        <translation>日本語表示</translation>
    </message>
    <message>
        <source>Flex Step</source>
        <translation>フレックスステップ</translation>
    </message>
    <message>
        <source>Attenuator</source>
        <translation>アッテネーター</translation>
    </message>
    <message>
        <source>Monitor</source>
        <translation>モニター</translation>
    </message>
    <message>
        <source>Open Message</source>
        <translation>オープンメッセージ</translation>
    </message>
    <message>
        <source>Default</source>
        <translation>既定</translation>
    </message>
    <message>
        <source>User</source>
        <translation>ユーザー</translation>
    </message>
    <message>
        <source>Lock Mode</source>
        <translation>ロックモード</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>キー</translation>
    </message>
    <message>
        <source>Key + Dial</source>
        <translation>キー＋ダイヤル</translation>
    </message>
    <message>
        <source>Lamp Mode</source>
        <translation>ランプモード</translation>
    </message>
    <message>
        <source>Auto</source>
        <translation>オート</translation>
    </message>
    <message>
        <source>Toggle</source>
        <translation>トグル</translation>
    </message>
    <message>
        <source>Smart Search</source>
        <translation>スマートサーチ</translation>
    </message>
    <message>
        <source>Single</source>
        <translation>1回</translation>
    </message>
    <message>
        <source>Continuous</source>
        <translation>連続</translation>
    </message>
    <message>
        <source>Meter Symbol</source>
        <translation>メーター表示</translation>
    </message>
    <message>
        <source>Scan Mode</source>
        <translation>スキャンモード</translation>
    </message>
    <message>
        <source>Resume Delay</source>
        <translation>再開時間</translation>
    </message>
    <message>
        <source>Band Scope</source>
        <translation>バンドスコープ</translation>
    </message>
    <message>
        <source>A Mode Span</source>
        <translation>A モードのスパン</translation>
    </message>
    <message>
        <source>A Mode Sweep Steps</source>
        <translation>A モードのスイープステップ</translation>
    </message>
    <message>
        <source>B Mode Sweep Steps</source>
        <translation>B モードのスイープステップ</translation>
    </message>
    <message>
        <source>Priority Channel Mode</source>
        <translation>プライオリティチャンネルのモード</translation>
    </message>
    <message>
        <source>Limit Search Mode</source>
        <translation>リミットサーチモード</translation>
    </message>
</context>
<context>
    <name>Csv</name>
    <message>
        <source>a quoted field is not closed</source>
        <translation>引用符で囲んだフィールドが閉じていません</translation>
    </message>
    <message>
        <source>channel %1 is also set by line %2</source>
        <translation>チャンネル %1 は %2 行目でも指定されています</translation>
    </message>
    <message>
        <source>no free channel is left for the row</source>
        <translation>この行に使える空きチャンネルがありません</translation>
    </message>
    <message>
        <source>the row goes past the end of bank %1</source>
        <translation>この行はバンク %1 の終わりを超えます</translation>
    </message>
    <message>
        <source>the row goes past channel 1000</source>
        <translation>この行はチャンネル 1000 を超えます</translation>
    </message>
    <message>
        <source> is not a valid frequency</source>
        <translation> は有効な周波数ではありません</translation>
    </message>
    <message>
        <source>the header has no Frequency column</source>
        <translation>見出し行に Frequency 列がありません</translation>
    </message>
    <message>
        <source>the header has no Location column</source>
        <translation>見出し行に Location 列がありません</translation>
    </message>
    <message>
        <source>there is no channel %1</source>
        <translation>チャンネル %1 はありません</translation>
    </message>
    <message>
        <source>there is no bank %1</source>
        <translation>バンク %1 はありません</translation>
    </message>
    <message>
        <source>The import was cancelled; no channels were changed.</source>
        <translation>取り込みを中止しました。チャンネルは変更していません。</translation>
    </message>
    <message>
        <source>the text is not UTF-8</source>
        <translation>テキストが UTF-8 ではありません</translation>
    </message>
    <message>
        <source>there is no list format &quot;%1&quot; (there are %2)</source>
        <translation>リスト形式「%1」はありません (使える形式: %2)</translation>
    </message>
    <message>
        <source>there is no header line</source>
        <translation>見出し行がありません</translation>
    </message>
    <message>
        <source>Cannot open file:
</source>
        <translation>ファイルを開けません:
</translation>
    </message>
    <message>
        <source>File too large for a channel list (more than %1 MiB):
%2</source>
        <translation>チャンネルリストとしては大きすぎるファイルです (%1 MiB を超えています):
%2</translation>
    </message>
</context>
<context>
    <name>DataFile</name>
    <message>
        <source>Cannot open file:
%s</source>
        <translation>ファイルを開けません:
%s</translation>
    </message>
    <message>
        <source>Not a radio data file:
%s</source>
        <translation>受信機データファイルではありません:
%s</translation>
    </message>
    <message>
        <source>Radio data file for for different radio:
%s</source>
        <translation>別の受信機用のデータファイルです:
%s</translation>
    </message>
    <message>
        <source>Radio data file has invalid header</source>
        <translation>受信機データファイルのヘッダーが正しくありません</translation>
    </message>
    <message>
        <source>Radio data file has invalid format</source>
        <translation>受信機データファイルの形式が正しくありません</translation>
    </message>
    <message>
        <source>%1 was made for a VR-500 of another version (%2); the receiver set up here is %3.

%4, and settings outside its ranges return to its defaults.

Open the file adjusted? Undo takes the adjustment back.</source>
        <translation>%1 は別のバージョンの VR-500 (%2) 用に作られたファイルです。ここで設定されている受信機は %3 です。

%4。範囲外の設定は既定値に戻ります。

調整して開きますか? [元に戻す] で調整を取り消せます。</translation>
    </message>
    <message>
        <source>Cannot save file:</source>
        <translation>ファイルを保存できません:</translation>
    </message>
    <message>
        <source>%s was changed by another program since it was opened or last saved here.

Yes: overwrite it with the data shown.
No: save the data as another file.
Cancel: save nothing.</source>
        <translation>%s は、ここで開いたか最後に保存した後に、別のプログラムによって変更されています。

はい: 表示中のデータで上書きします。
いいえ: データを別のファイルに保存します。
キャンセル: 何も保存しません。</translation>
    </message>
    <message>
        <source>%s was changed on disk by another program. Save will ask before overwriting it.</source>
        <translation>%s が別のプログラムによって変更されました。保存するときは上書きの前に確認します。</translation>
    </message>
</context>
<context>
    <name>FileIo</name>
    <message>
        <source>Cannot create file:
</source>
        <translation>ファイルを作成できません:
</translation>
    </message>
    <message>
        <source>Error writing file:
</source>
        <translation>ファイルの書き込み中にエラーが発生しました:
</translation>
    </message>
    <message>
        <source>
It is not a regular file (it is a named pipe or a device).</source>
        <translation>
通常のファイルではありません (名前付きパイプまたはデバイスです)。</translation>
    </message>
    <message>
        <source>Cannot create folder:
</source>
        <translation>フォルダーを作成できません:
</translation>
    </message>
</context>
<context>
    <name>FrequencyField</name>
    <message>
        <source>%1 MHz cannot be stored: the highest frequency this field holds is %2 MHz.</source>
        <translation>%1 MHz は保存できません。この欄に入力できる最高周波数は %2 MHz です。</translation>
    </message>
</context>
<context>
    <name>HelpWindow</name>
    <message>
        <source>Corvinel Help</source>
        <translation>Corvinel ヘルプ</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>ヘルプの本文</translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation>目次(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Back</source>
        <translation>戻る(&amp;B)</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
</context>
<context>
    <name>ImportFlow</name>
    <message>
        <source>Line </source>
        <translation>行 </translation>
    </message>
    <message>
        <source>No channels were changed. Rows to correct:</source>
        <translation>チャンネルは変更していません。修正が必要な行:</translation>
    </message>
    <message>
        <source>1 channel imported</source>
        <translation>1 チャンネルを取り込みました</translation>
    </message>
    <message>
        <source>%1 channels imported</source>
        <translation>%1 チャンネルを取り込みました</translation>
    </message>
    <message>
        <source>%1 channels imported. Rows left out:</source>
        <translation>%1 チャンネルを取り込みました。除外した行:</translation>
    </message>
    <message>
        <source>%1 channels imported. Names longer than the receiver holds were cut:</source>
        <translation>%1 チャンネルを取り込みました。受信機に入らない長さの名前は切り詰めました:</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <source>Memory List</source>
        <translation>メモリーリスト</translation>
    </message>
    <message>
        <source>Memory List - %1</source>
        <translation>メモリーリスト - %1</translation>
    </message>
    <message>
        <source>No printer is installed. Save the memory list as a PDF file instead?</source>
        <translation>プリンターがインストールされていません。代わりにメモリーリストを PDF ファイルに保存しますか?</translation>
    </message>
    <message>
        <source>Save Memory List as PDF</source>
        <translation>メモリーリストを PDF で保存</translation>
    </message>
    <message>
        <source>PDF Files (*.pdf)</source>
        <translation>PDF ファイル (*.pdf)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>すべてのファイル (*.*)</translation>
    </message>
    <message>
        <source>The memory list could not be printed. %1</source>
        <translation>メモリーリストを印刷できませんでした。%1</translation>
    </message>
    <message>
        <source>Nothing was printed: the list has no such pages.</source>
        <translation>印刷しませんでした: 指定したページがありません。</translation>
    </message>
    <message>
        <source>Print Preview - Memory List</source>
        <translation>印刷プレビュー - メモリーリスト</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>country %1, wideband %2</source>
        <translation>国コード %1、ワイドバンド %2</translation>
    </message>
    <message>
        <source>
Until it is, writes send the stored version (%1).</source>
        <translation>
保存されるまでは、保存済みのバージョン (%1) で書き込みます。</translation>
    </message>
    <message>
        <source>The receiver reported a version this program does not know (%1); it was not stored.</source>
        <translation>受信機がこのプログラムの知らないバージョン (%1) を報告したため、保存しませんでした。</translation>
    </message>
    <message>
        <source>The receiver&apos;s version (%1) could not be stored in the settings file:
%2</source>
        <translation>受信機のバージョン (%1) を設定ファイルに保存できませんでした:
%2</translation>
    </message>
    <message>
        <source>
Make that file and its folder writable, then read again.</source>
        <translation>
ファイルとフォルダーを書き込み可能にしてから、もう一度読み込んでください。</translation>
    </message>
    <message>
        <source>The port name &quot;%1&quot; contains the control character %2.</source>
        <translation>ポート名「%1」に制御文字 %2 が含まれています。</translation>
    </message>
</context>
<context>
    <name>wire</name>
    <message>
        <source>Starting clone mode.
1. Insert the cable into the speaker jack
2. Press and hold the 1,  8, and ENT keys and press PWR
3. Verify display shows &quot;1: RX CLONE 2: TX CLONE&quot;</source>
        <translation>クローンモードを開始します。
1. ケーブルをスピーカージャックに差し込みます
2. 1、8、ENT キーを押したまま PWR キーを押します
3. 表示が「1: RX CLONE 2: TX CLONE」になったことを確認します</translation>
    </message>
    <message>
        <source>4. Press the 2 key to start reading the data.</source>
        <translation>4. 2キーを押すと、データの読み込みが始まります。</translation>
    </message>
</context>
</TS>
