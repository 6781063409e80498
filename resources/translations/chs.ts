<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>关于 Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>验证结果</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>验证失败</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>验证成功</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. 保留所有权利。本程序受著作权法和国际条约保护。未经授权复制或分发本程序或其任何部分，可能导致严厉的民事和刑事处罚。</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold 序列号</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>图像和视频 (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>正在处理</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>移除文件</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>结束时间</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>文件总数</translation>
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
        <translation>开发版本：本程序使用开发密钥，其私钥已公开。任何人都可以制作出本程序判定为真实的文件。请勿将其判定结果用于真实证据。</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>公钥指纹 (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>文件真实：其内容与经过签名的水印相符。</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>文件在导出后已被更改：其内容与水印中的摘要不再相符。</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>没有有效水印：该文件不是由 Vornhold 服务器签名的，或其水印是伪造的。</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>水印文本不是 Quorvane 水印。</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>不是 JPG、AVI 或 MP4 导出文件。</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>文件太短，无法包含水印。</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>无法读取该文件。</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>无法列出文件夹内容：其中的文件未经验证。</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>验证已取消。</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>警告：水印未覆盖此文件的任何内容，因此不能证明其中任何内容的真实性。</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>文件详细信息</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 字节</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>原因</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>标记</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>摘要 (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>时间来源</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>摄像机 MAC</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>签名覆盖范围</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>第 %1 至 %2 字节</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>共 %1 个受保护字节</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>整个文件的 SHA-256</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>验证时间</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>全选</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>保存报告…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF 报告 (*.pdf)</translation>
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
        <translation>无法将报告写入 %1：%2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>验证报告</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>生成时间：%1 (UTC)，%2 (本地时间)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>程序：Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>汇总</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>文件数：%1，真实：%2，失败：%3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>无法验证该文件：此系统无法计算其摘要。</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>正在读取报告…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>案件 %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>检验人 %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>案件编号或参考编号</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>检验人</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>机构</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>案件信息</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>这些信息将打印在 PDF 报告的页眉和文档属性中。均为可选项。</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>案件编号或参考编号(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>检验人(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>机构(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>备注(&amp;N):</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>报告中列出的每个文件都会在其路径下重新验证，并与报告中的条目进行比较。下列文件夹中未列入报告的文件将显示为“已移动”（内容相同）或“新增”。</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>报告(&amp;R):</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>报告</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>浏览(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>在以下位置搜索已移动和新增的文件(&amp;S):</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>要搜索的文件夹和文件</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>添加文件夹(&amp;F)…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>添加文件(&amp;I)…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>移除(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>核对(&amp;C)</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>报告 (*.pdf *.csv *.jsonl);;所有文件 (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>保管链核查</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>已核对的报告</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>已核对报告的 SHA-256</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>详细信息</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>保管链核查报告</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n 个文件无法验证：此系统无法计算摘要。</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>未更改</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>已修改</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>缺失</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>已移动</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新增</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>文件数：%1，未更改：%2，已修改：%3，缺失：%4，已移动：%5，新增：%6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>核对在完成前已停止：并非所有条目都已比较。</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>内容和结果与报告相同：%1。</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>自报告以来已更改（%1）。当时：%2。现在：%3。</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>此路径下现在没有可读取的文件。当时：%1。</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>相同内容现在位于 %1。现在：%2。</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>不在报告中。现在：%1。</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>无法读取该文件：另一个程序正在打开该文件。</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>正在核对 (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>相对路径的基准文件夹</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>选择文件夹(&amp;O)…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>报告中相对路径的基准文件夹(&amp;A):</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>保管链核查…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>相对路径的基准文件夹</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>报告中列出的大多数文件未在其路径下找到。其相对路径是以 %1 为基准解析的：如果该报告是从其他文件夹保存的，请将该文件夹设为相对路径的基准文件夹，然后重新核对。</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>无法读取报告：%1。</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>这不是一个文件。</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>报告为空。</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>这不是本程序的报告：它既不是本程序的 JSON Lines 格式，也不是本程序的 CSV 格式。</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>这是保管链核查的结果，而不是报告：其中各行并不是文件当时状态的记录。请改用当时被核对的那份报告进行核对。</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>该 PDF 过大，不可能是本程序的报告。</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>此版本的程序无法读取 PDF 报告中的记录。请改用与该 PDF 保存在一起的 CSV 文件进行核对。</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>该 PDF 不包含本程序的记录。</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>无法读取 PDF 中的记录。</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>无法读取该 PDF：文件已损坏或不是 PDF。</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>报告在核对过程中发生了更改。请重新核对。</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>该行超过 %1 字节。</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>报告不完整：最后一行被截断。</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>该条目没有路径。</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>该条目的结果为真实，却给出了失败原因。</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>该条目的结果为失败，却未给出原因。</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>结果既不是真实，也不是失败。</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>该条目没有 SHA-256。</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 不是 64 位小写十六进制数字。</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>该行不是 JSON 对象。</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>该行不是本程序报告中的条目：缺少 &quot;path&quot;、&quot;result&quot; 或 &quot;reason&quot;。</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>报告中没有其文件的 SHA-256，因此无法将文件与报告进行比较。此窗口保存的报告始终包含 SHA-256。</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256 不是文本。</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>字段 &quot;%1&quot; 不是文本。</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>带引号的字段未闭合。</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>结束引号之后还有文本。</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>不带引号的字段中包含引号或换行符。</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>该行有 %1 个字段，而标题行有 %2 个字段。</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>大小不是数字。</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>该行不是 UTF-8 文本。</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>报告 %1 无法使用。</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>在每个文件的详细信息页中显示其图像(&amp;S)</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>图像:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>正在生成文件的图像…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>%1 处的帧</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>正在生成预览…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>%1 无预览；验证成功</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>%1 无预览；验证失败</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>%1 的图像；验证成功</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>%1 的图像；验证失败</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>%1 的图像，%2 处的帧；验证成功</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>%1 的图像，%2 处的帧；验证失败</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>此文件无预览</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>取自经过签名的字节</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>取自未经任何签名证明的字节</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>%1 没有取自经过签名字节的图像；验证成功</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>%1 无预览：文件在验证后已被更改；验证成功</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>%1 无预览：文件在验证后已被更改；验证失败</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>没有取自经过签名字节的图像</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>无预览：文件在验证后已被更改</translation>
    </message>
</context>
</TS>
