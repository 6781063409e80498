<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Quorvane Ardentix のバージョン情報</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>認証結果</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>認証失敗</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>認証成功</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. All rights reserved. 本プログラムは、著作権法および国際条約によって保護されています。本プログラムの全部または一部を無断で複製または配布すると、民事上および刑事上の厳しい罰則の対象となる場合があります。</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold シリアル番号</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>画像と動画 (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理中:</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>ファイルを除外</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>ファイル総数</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>開発ビルド: このプログラムには開発用の鍵が組み込まれており、その秘密鍵は公開されています。このプログラムが本物と判定するファイルは誰でも作成できます。実際の証拠については、このプログラムの判定結果に頼らないでください。</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>公開鍵のフィンガープリント (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>ファイルは本物です: コンテンツは署名付きの透かしと一致しています。</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>ファイルはエクスポート後に変更されています: コンテンツが透かし内のダイジェストと一致しなくなっています。</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>有効な透かしがありません: ファイルは Vornhold サーバーで署名されていないか、透かしが偽造されています。</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>透かしのテキストは Quorvane の透かしではありません。</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>JPG、AVI、MP4 のエクスポートではありません。</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>ファイルが短すぎるため、透かしを含むことができません。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>ファイルを読み取れませんでした。</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>フォルダーの内容を一覧表示できませんでした: フォルダー内のファイルは検証されていません。</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>検証はキャンセルされました。</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>警告: 透かしはこのファイルのコンテンツをまったく対象としていないため、その内容を何も保証しません。</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>ファイルの詳細</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>パス</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 バイト</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>理由</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>マーカー</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>ダイジェスト (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>時刻ソース</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>カメラ MAC</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>署名の対象範囲</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>%1 ～ %2 バイト目</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>保護対象は合計 %1 バイト</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>ファイル全体の SHA-256</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>検証日時</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>すべて選択</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>レポートを保存…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF レポート (*.pdf)</translation>
    </message>
    <message>
        <source>CSV (*.csv)</source>
        <translation>CSV (*.csv)</translation>
    </message>
    <message>
        <source>JSON Lines (*.jsonl)</source>
        <translation>JSON Lines (*.jsonl)</translation>
    </message>
    <message>
        <source>The report could not be written to %1: %2</source>
        <translation>レポートを %1 に書き込めませんでした: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>検証レポート</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>作成日時: %1 (UTC)、%2 (現地時刻)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>プログラム: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>概要</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>ファイル数: %1、本物: %2、失敗: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>ファイルを検証できませんでした: このシステムではダイジェストを計算できませんでした。</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>レポートを読み込んでいます…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>案件 %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>検査担当者 %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>案件番号または参照番号</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>検査担当者</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>組織</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備考</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>案件の詳細</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>これらの情報は PDF レポートのヘッダーと文書のプロパティに記載されます。すべて省略可能です。</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>案件番号または参照番号(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>検査担当者(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>組織(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>備考(&amp;N):</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>続行</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>レポートに記載された各ファイルをそのパスで再検証し、記載内容と比較します。以下のフォルダー内にあってレポートに記載されていないファイルは、移動 (同じ内容) または新規として表示されます。</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>レポート(&amp;R):</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>レポート</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>参照(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>移動・新規ファイルの検索場所(&amp;S):</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>検索するフォルダーとファイル</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>フォルダーを追加(&amp;F)…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>ファイルを追加(&amp;I)…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>除外(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>照合(&amp;C)</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>レポート (*.pdf *.csv *.jsonl);;すべてのファイル (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>保管状況の照合</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>照合したレポート</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>照合したレポートの SHA-256</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>保管状況照合レポート</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n 個のファイルを検証できませんでした: このシステムではダイジェストを計算できませんでした。</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>変更なし</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>変更あり</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>欠落</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>移動</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新規</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>ファイル数: %1、変更なし: %2、変更あり: %3、欠落: %4、移動: %5、新規: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>照合は途中で停止されました: 一部のエントリは比較されていません。</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>内容と結果はレポートと同じです: %1。</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>レポート作成後に変更されています (%1)。当時: %2。現在: %3。</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>現在このパスに読み取り可能なファイルはありません。当時: %1。</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>同じ内容が現在 %1 にあります。現在: %2。</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>レポートに記載されていません。現在: %1。</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>ファイルを読み取れませんでした。別のプログラムがファイルを開いています。</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>照合中 (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>相対パスの基準フォルダー</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>フォルダーを選択(&amp;O)…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>レポート内の相対パスの基準フォルダー(&amp;A):</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>保管状況の照合…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>相対パスの基準フォルダー</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>レポートに記載されたファイルの大半が、そのパスに見つかりませんでした。相対パスは %1 を基準に解釈されました: レポートが別のフォルダーから保存された場合は、そのフォルダーを相対パスの基準フォルダーに指定して、もう一度照合してください。</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>レポートを読み取れません: %1。</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>これはファイルではありません。</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>レポートが空です。</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>このプログラムのレポートではありません: このプログラムの JSON Lines でも CSV でもありません。</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>これはレポートではなく、保管状況の照合の結果です: その各行は、ファイルの当時の状態を記録したものではありません。照合の対象となった元のレポートを使用して照合してください。</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>この PDF は大きすぎるため、このプログラムのレポートとは考えられません。</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>このバージョンのプログラムでは、PDF レポートのレコードを読み取れません。PDF と同じ場所に保存された CSV ファイルを使用して照合してください。</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>この PDF には、このプログラムのレコードが含まれていません。</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>PDF 内のレコードを読み取れません。</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>PDF を読み取れません: ファイルが破損しているか、PDF ではありません。</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>照合中にレポートが変更されました。もう一度照合してください。</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>行が %1 バイトを超えています。</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>レポートが途中で切れています: 最後の行が不完全です。</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>エントリにパスがありません。</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>エントリの結果は本物ですが、失敗の理由が記載されています。</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>エントリの結果は失敗ですが、理由が記載されていません。</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>結果が本物でも失敗でもありません。</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>エントリに SHA-256 がありません。</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 が 64 桁の小文字の 16 進数ではありません。</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>行が JSON オブジェクトではありません。</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>行がこのプログラムのレポートのエントリではありません: &quot;path&quot;、&quot;result&quot;、&quot;reason&quot; のいずれかがありません。</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>レポートにファイルの SHA-256 が含まれていないため、ファイルをレポートと比較できません。このウィンドウで保存したレポートには、必ず SHA-256 が含まれています。</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256 がテキストではありません。</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>フィールド &quot;%1&quot; がテキストではありません。</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>引用符で囲まれたフィールドが閉じられていません。</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>閉じ引用符の後にテキストがあります。</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>引用符で囲まれていないフィールドに、引用符または改行が含まれています。</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>行のフィールド数は %1 ですが、ヘッダー行のフィールド数は %2 です。</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>サイズが数値ではありません。</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>行が UTF-8 テキストではありません。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1 行目: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>レポート %1 は使用できません。</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>各ファイルの詳細ページにその画像を表示する(&amp;S)</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>画像:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>ファイルの画像を作成しています…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>%1 のフレーム</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>プレビューを作成しています…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>%1 のプレビューなし、認証成功</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>%1 のプレビューなし、認証失敗</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>%1 の画像、認証成功</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>%1 の画像、認証失敗</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>%1 の画像 (%2 のフレーム)、認証成功</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>%1 の画像 (%2 のフレーム)、認証失敗</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>このファイルのプレビューはありません</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>署名付きのバイトから取得</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>どの署名も保証しないバイトから取得</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>%1 の署名付きのバイトからの画像なし、認証成功</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>%1 のプレビューなし: 検証後にファイルが変更されました、認証成功</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>%1 のプレビューなし: 検証後にファイルが変更されました、認証失敗</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>署名付きのバイトからの画像はありません</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>プレビューはありません: 検証後にファイルが変更されました</translation>
    </message>
</context>
</TS>
