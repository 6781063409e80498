<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_US">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>About</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>About Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Authentication Result</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentication failed</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Authentication succeeded</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold Serial Number</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>File Name</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Images and Videos (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Open File(s)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Open Folder</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Processing</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Remove File(s)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Start Time</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Stop Time</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Total files</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Public key fingerprint (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>The file is authentic: its content matches its signed watermark.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>The file was changed after it was exported: its content no longer matches the digest in its watermark.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>The watermark text is not a Quorvane watermark.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Not a JPG, AVI or MP4 export.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>The file is too short to hold a watermark.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>The file could not be read.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>The folder could not be listed: the files in it were not verified.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Verification was cancelled.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>File Details</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Path</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Size</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reason</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marker</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Digest (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Time Source</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Camera MAC</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Signature covers</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>bytes %1 to %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>%1 protected bytes in all</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 of the whole file</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Verified at</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copy</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Select All</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quit</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Save Report…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF report (*.pdf)</translation>
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
        <translation>The report could not be written to %1: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Verification Report</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Generated: %1 (UTC), %2 (local time)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Program: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Summary</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Files: %1, authentic: %2, failed: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>The file could not be verified: this system could not compute its digest.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Reading the report…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Case %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>examiner %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Case or reference number</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Examiner</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Note</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Case Details</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>These details are printed in the PDF report&apos;s header and document information. All are optional.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>&amp;Case or reference number:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Examiner:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organisation:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Note:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continue</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Report:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Report</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Browse…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Search for moved and new files in:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Folders and files to search</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Add &amp;Folder…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Add F&amp;iles…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Re&amp;move</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Check</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Reports (*.pdf *.csv *.jsonl);;All files (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Custody Check</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Report checked</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 of the report checked</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Details</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Custody Check Report</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n file could not be verified: this system could not compute the digest.</numerusform>
            <numerusform>%n files could not be verified: this system could not compute the digest.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unchanged</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modified</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Missing</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Moved</translation>
    </message>
    <message>
        <source>New</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>The check was stopped before the end: not every entry was compared.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Same content and result as in the report: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Changed since the report (%1). Then: %2. Now: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>No readable file at this path now. Then: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>The same content is now at %1. Now: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Not in the report. Now: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>The file could not be read: another program has the file open.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Checking (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Folder for relative paths</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>Ch&amp;oose Folder…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Relative paths in the report are read &amp;against:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Custody Check…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Relative paths read against</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>The report cannot be read: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>This is not a file.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>The report is empty.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>This is not a report of this program: it is neither its JSON Lines nor its CSV.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>The PDF is too large to be a report of this program.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>The PDF holds no records of this program.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>The records in the PDF cannot be read.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>The PDF cannot be read: it is damaged or not a PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>The report changed while it was checked. Check again.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>The line is longer than %1 bytes.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>The report is cut off: its last line is incomplete.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>The entry has no path.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>The entry is authentic, yet gives a reason for failure.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>The entry failed, yet gives no reason.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>The result is neither authentic nor failed.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>The entry has no SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>The SHA-256 is not 64 lower-case hexadecimal digits.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>The line is not a JSON object.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>The SHA-256 is not text.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>The field &quot;%1&quot; is not text.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>A quoted field is not closed.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>There is text after a closing quote.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>A field without quotes holds a quote or a line end.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>The line has %1 fields where the header has %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>The size is not a number.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>The line is not UTF-8 text.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>The report %1 cannot be used.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Show each file&apos;s picture on its details page</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Pictures:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Making the pictures of the files…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Frame at %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Making the preview…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>No preview for %1; authentication succeeded</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>No preview for %1; authentication failed</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Picture of %1; authentication succeeded</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Picture of %1; authentication failed</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Picture of %1, frame at %2; authentication succeeded</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Picture of %1, frame at %2; authentication failed</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>No preview for this file</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>From the signed bytes</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>From bytes that no signature vouches for</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>No picture from the signed bytes of %1; authentication succeeded</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>No preview for %1: the file changed after it was verified; authentication succeeded</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>No preview for %1: the file changed after it was verified; authentication failed</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>No picture from the signed bytes</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>No preview: the file changed after it was verified</translation>
    </message>
</context>
</TS>
