<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>關於 Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>驗證結果</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>驗證失敗</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>驗證成功</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. 保留所有權利。本程式受著作權法及國際條約保護。未經授權而重製或散布本程式或其任何部分，可能導致嚴重的民事及刑事責任。</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold 序號</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>檔案名稱</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>說明</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>圖片和影片 (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>開啟檔案</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>正在處理</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>移除檔案</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>結束時間</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>檔案總數</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>版本</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>開發版本：本程式使用開發金鑰，其私密金鑰已公開。任何人都能製作出本程式判定為真實的檔案。請勿將其判定結果用於真實證據。</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>公開金鑰指紋 (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>檔案真實：其內容與經過簽章的浮水印相符。</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>檔案在匯出後已遭變更：其內容與浮水印中的摘要不再相符。</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>沒有有效的浮水印：此檔案並非由 Vornhold 伺服器簽章，或其浮水印為偽造。</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>浮水印文字不是 Quorvane 浮水印。</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>不是 JPG、AVI 或 MP4 匯出檔案。</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>檔案太短，無法容納浮水印。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>無法讀取檔案。</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>無法列出資料夾內容：其中的檔案未經驗證。</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>驗證已取消。</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>警告：浮水印未涵蓋此檔案的任何內容，因此無法證明其中任何內容的真實性。</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>檔案詳細資料</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 位元組</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>標記</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>摘要 (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>時間來源</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>攝影機 MAC</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>簽章涵蓋範圍</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>第 %1 至 %2 位元組</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>共 %1 個受保護位元組</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>整個檔案的 SHA-256</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>驗證時間</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全選</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>儲存報告…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF 報告 (*.pdf)</translation>
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
        <translation>無法將報告寫入 %1：%2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>驗證報告</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>產生時間：%1 (UTC)，%2 (本機時間)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>程式：Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>彙總</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>檔案數：%1，真實：%2，失敗：%3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>無法驗證檔案：此系統無法計算其摘要。</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>正在讀取報告…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>案件 %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>檢驗人 %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>案件編號或參考編號</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>檢驗人</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>機構</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>案件資訊</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>這些資訊會列印在 PDF 報告的頁首和文件內容中。全部為選填。</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>案件編號或參考編號(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>檢驗人(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>機構(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>備註(&amp;N):</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>報告中列出的每個檔案都會在其路徑重新驗證，並與報告中的項目比對。下列資料夾中未列於報告的檔案會顯示為「已移動」（內容相同）或「新檔案」。</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>報告(&amp;R):</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>報告</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>瀏覽(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>在下列位置搜尋已移動的檔案和新檔案(&amp;S):</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>要搜尋的資料夾和檔案</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>新增資料夾(&amp;F)…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>新增檔案(&amp;I)…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>移除(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>核對(&amp;C)</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>報告 (*.pdf *.csv *.jsonl);;所有檔案 (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>監管鏈核查</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>已核對的報告</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>已核對報告的 SHA-256</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>詳細資料</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>監管鏈核查報告</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n 個檔案無法驗證：此系統無法計算摘要。</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>未變更</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>已修改</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>遺失</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>已移動</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新檔案</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>檔案數：%1，未變更：%2，已修改：%3，遺失：%4，已移動：%5，新檔案：%6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>核對在完成前已停止：並非所有項目都已比對。</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>內容和結果與報告相同：%1。</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>自報告以來已變更（%1）。當時：%2。現在：%3。</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>此路徑目前沒有可讀取的檔案。當時：%1。</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>相同內容現在位於 %1。現在：%2。</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>不在報告中。現在：%1。</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>無法讀取檔案：另一個程式正開啟此檔案。</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>正在核對 (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>相對路徑的基準資料夾</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>選擇資料夾(&amp;O)…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>報告中相對路徑的基準資料夾(&amp;A):</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>監管鏈核查…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>相對路徑的基準資料夾</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>報告中列出的大多數檔案未在其路徑找到。其相對路徑是以 %1 為基準解讀的：如果此報告是從其他資料夾儲存的，請將該資料夾設為相對路徑的基準資料夾，然後重新核對。</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>無法讀取報告：%1。</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>這不是檔案。</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>報告是空的。</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>這不是本程式的報告：它既不是本程式的 JSON Lines 格式，也不是本程式的 CSV 格式。</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>這是監管鏈核查的結果，而不是報告：其中各行並非檔案當時狀態的記錄。請改用當時核對的那份報告進行核對。</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>此 PDF 過大，不可能是本程式的報告。</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>此版本的程式無法讀取 PDF 報告中的記錄。請改用與此 PDF 一起儲存的 CSV 檔案進行核對。</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>此 PDF 不含本程式的記錄。</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>無法讀取 PDF 中的記錄。</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>無法讀取此 PDF：檔案已損毀或不是 PDF。</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>報告在核對期間遭到變更。請重新核對。</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>此行超過 %1 位元組。</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>報告不完整：最後一行遭到截斷。</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>此項目沒有路徑。</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>此項目的結果為真實，卻提供了失敗原因。</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>此項目的結果為失敗，卻未提供原因。</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>結果既非真實，也非失敗。</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>此項目沒有 SHA-256。</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 不是 64 位小寫十六進位數字。</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>此行不是 JSON 物件。</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>此行不是本程式報告中的項目：缺少 &quot;path&quot;、&quot;result&quot; 或 &quot;reason&quot;。</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>報告中沒有其檔案的 SHA-256，因此無法將檔案與報告比對。此視窗儲存的報告一律包含 SHA-256。</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256 不是文字。</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>欄位 &quot;%1&quot; 不是文字。</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>加上引號的欄位未結束。</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>結束引號之後還有文字。</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>未加引號的欄位中含有引號或換行字元。</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>此行有 %1 個欄位，但標題列有 %2 個欄位。</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>大小不是數字。</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>此行不是 UTF-8 文字。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>報告 %1 無法使用。</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>在每個檔案的詳細資料頁面中顯示其影像(&amp;S)</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>影像:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>正在產生檔案的影像…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>%1 處的畫格</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>正在產生預覽…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>%1 無預覽；驗證成功</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>%1 無預覽；驗證失敗</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>%1 的影像；驗證成功</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>%1 的影像；驗證失敗</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>%1 的影像，%2 處的畫格；驗證成功</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>%1 的影像，%2 處的畫格；驗證失敗</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>此檔案無預覽</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>取自經過簽章的位元組</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>取自未經任何簽章證明的位元組</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>%1 沒有取自經過簽章位元組的影像；驗證成功</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>%1 無預覽：檔案在驗證後已遭變更；驗證成功</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>%1 無預覽：檔案在驗證後已遭變更；驗證失敗</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>沒有取自經過簽章位元組的影像</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>無預覽：檔案在驗證後已遭變更</translation>
    </message>
</context>
</TS>
