<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Über Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Authentifizierungsergebnis</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Authentifizierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Authentifizierung erfolgreich</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Alle Rechte vorbehalten. Dieses Programm ist durch Urheberrechtsgesetze und internationale Verträge geschützt. Die unbefugte Vervielfältigung oder Verbreitung dieses Programms oder von Teilen davon kann schwere zivil- und strafrechtliche Folgen nach sich ziehen.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold-Seriennummer</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dateiname</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Bilder und Videos (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Datei(en) öffnen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Ordner öffnen</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verarbeitung von</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Datei(en) entfernen</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Startzeit</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Endzeit</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Dateien gesamt</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Entwicklungsversion: Dieses Programm enthält den Entwicklungsschlüssel, dessen privater Teil öffentlich bekannt ist. Jeder kann eine Datei erstellen, die es als echt meldet. Verlassen Sie sich bei echten Beweismitteln nicht auf seine Ergebnisse.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Fingerabdruck des öffentlichen Schlüssels (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Die Datei ist echt: Ihr Inhalt stimmt mit ihrem signierten Wasserzeichen überein.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Die Datei wurde nach dem Export verändert: Ihr Inhalt stimmt nicht mehr mit dem Hashwert in ihrem Wasserzeichen überein.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Kein gültiges Wasserzeichen: Die Datei wurde nicht von einem Vornhold-Server signiert, oder ihr Wasserzeichen wurde gefälscht.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Der Wasserzeichentext ist kein Quorvane-Wasserzeichen.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Kein JPG-, AVI- oder MP4-Export.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Die Datei ist zu kurz, um ein Wasserzeichen zu enthalten.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Die Datei konnte nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Der Ordner konnte nicht aufgelistet werden: Die darin enthaltenen Dateien wurden nicht geprüft.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Die Prüfung wurde abgebrochen.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Warnung: Das Wasserzeichen deckt keinen Inhalt dieser Datei ab und bürgt daher für nichts davon.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Dateidetails</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pfad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Größe</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 Bytes</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Grund</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Markierung</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Hashwert (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Zeitquelle</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kamera-MAC</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Signatur umfasst</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>Bytes %1 bis %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>insgesamt %1 geschützte Bytes</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 der gesamten Datei</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Geprüft am</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles auswählen</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Bericht speichern…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF-Bericht (*.pdf)</translation>
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
        <translation>Der Bericht konnte nicht in %1 geschrieben werden: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Prüfbericht</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Erstellt: %1 (UTC), %2 (Ortszeit)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Programm: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Zusammenfassung</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Dateien: %1, echt: %2, fehlgeschlagen: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Die Datei konnte nicht geprüft werden: Dieses System konnte ihren Hashwert nicht berechnen.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Bericht wird gelesen…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Fall %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>Bearbeiter %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Fall- oder Aktenzeichen</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Bearbeiter</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Anmerkung</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Falldaten</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Diese Angaben erscheinen in der Kopfzeile und in den Dokumenteigenschaften des PDF-Berichts. Alle Angaben sind optional.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>&amp;Fall- oder Aktenzeichen:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Bearbeiter:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organisation:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Anmerkung:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Jede im Bericht aufgeführte Datei wird an ihrem Pfad erneut geprüft und mit ihrem Eintrag verglichen. Dateien in den unten angegebenen Ordnern, die der Bericht nicht aufführt, werden als verschoben (gleicher Inhalt) oder neu angezeigt.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Bericht:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Bericht</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Durchsuchen…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>Nach verschobenen und neuen Dateien &amp;suchen in:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Zu durchsuchende Ordner und Dateien</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>&amp;Ordner hinzufügen…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Da&amp;teien hinzufügen…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Entfernen</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Abgleichen</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Berichte (*.pdf *.csv *.jsonl);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Prüfung der Beweismittelkette</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Geprüfter Bericht</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 des geprüften Berichts</translation>
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
        <translation>Bericht zur Prüfung der Beweismittelkette</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n Datei konnte nicht geprüft werden: Dieses System konnte den Hashwert nicht berechnen.</numerusform>
            <numerusform>%n Dateien konnten nicht geprüft werden: Dieses System konnte den Hashwert nicht berechnen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Unverändert</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Geändert</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Fehlt</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verschoben</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Dateien: %1, unverändert: %2, geändert: %3, fehlend: %4, verschoben: %5, neu: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Der Abgleich wurde vorzeitig beendet: Nicht alle Einträge wurden verglichen.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Gleicher Inhalt und gleiches Ergebnis wie im Bericht: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Seit dem Bericht geändert (%1). Damals: %2. Jetzt: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Unter diesem Pfad ist jetzt keine lesbare Datei. Damals: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Der gleiche Inhalt liegt jetzt unter %1. Jetzt: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Nicht im Bericht. Jetzt: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Die Datei konnte nicht gelesen werden: Ein anderes Programm hat die Datei geöffnet.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Dateien werden abgeglichen (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Bezugsordner für relative Pfade</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>Ordner &amp;wählen…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>&amp;Relative Pfade im Bericht beziehen sich auf:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Prüfung der Beweismittelkette…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Relative Pfade bezogen auf</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>Die meisten im Bericht aufgeführten Dateien wurden an ihrem Pfad nicht gefunden. Seine relativen Pfade wurden auf %1 bezogen: Wurde der Bericht von einem anderen Ordner aus gespeichert, führen Sie den Abgleich mit diesem Ordner als Bezugsordner für relative Pfade erneut durch.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Der Bericht kann nicht gelesen werden: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Dies ist keine Datei.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Der Bericht ist leer.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Dies ist kein Bericht dieses Programms: Er liegt weder im Format JSON Lines noch im Format CSV dieses Programms vor.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Dies ist das Ergebnis einer Prüfung der Beweismittelkette, kein Bericht: Seine Zeilen halten nicht fest, wie die Dateien damals waren. Gleichen Sie mit dem Bericht ab, der geprüft wurde.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>Die PDF-Datei ist zu groß, um ein Bericht dieses Programms zu sein.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Diese Version des Programms kann die Datensätze eines PDF-Berichts nicht lesen. Gleichen Sie mit der CSV-Datei ab, die neben der PDF-Datei gespeichert wurde.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>Die PDF-Datei enthält keine Datensätze dieses Programms.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Die Datensätze in der PDF-Datei können nicht gelesen werden.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>Die PDF-Datei kann nicht gelesen werden: Sie ist beschädigt oder keine PDF-Datei.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Der Bericht wurde während des Abgleichs geändert. Gleichen Sie erneut ab.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>Die Zeile ist länger als %1 Bytes.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Der Bericht ist abgeschnitten: Seine letzte Zeile ist unvollständig.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>Der Eintrag hat keinen Pfad.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>Der Eintrag ist echt, nennt aber einen Grund für ein Fehlschlagen.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>Der Eintrag ist fehlgeschlagen, nennt aber keinen Grund.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Das Ergebnis ist weder echt noch fehlgeschlagen.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>Der Eintrag enthält keinen SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>Der SHA-256 besteht nicht aus 64 hexadezimalen Ziffern in Kleinbuchstaben.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>Die Zeile ist kein JSON-Objekt.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>Die Zeile ist kein Eintrag eines Berichts dieses Programms: Ihr fehlt &quot;path&quot;, &quot;result&quot; oder &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Der Bericht enthält keinen SHA-256 seiner Dateien, daher können die Dateien nicht mit ihm verglichen werden. Berichte, die in diesem Fenster gespeichert wurden, enthalten ihn immer.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>Der SHA-256 ist kein Text.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>Das Feld &quot;%1&quot; ist kein Text.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Ein Feld in Anführungszeichen ist nicht geschlossen.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Nach einem schließenden Anführungszeichen folgt Text.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Ein Feld ohne Anführungszeichen enthält ein Anführungszeichen oder ein Zeilenende.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>Die Zeile hat %1 Felder, die Kopfzeile aber %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>Die Größe ist keine Zahl.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>Die Zeile ist kein UTF-8-Text.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Der Bericht %1 kann nicht verwendet werden.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>B&amp;ild jeder Datei auf ihrer Detailseite zeigen</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Bilder der Dateien werden erstellt…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Einzelbild bei %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Vorschau wird erstellt…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Keine Vorschau für %1; Authentifizierung erfolgreich</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Keine Vorschau für %1; Authentifizierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Bild von %1; Authentifizierung erfolgreich</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Bild von %1; Authentifizierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Bild von %1, Einzelbild bei %2; Authentifizierung erfolgreich</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Bild von %1, Einzelbild bei %2; Authentifizierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Keine Vorschau für diese Datei</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Aus den signierten Bytes</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Aus Bytes, für die keine Signatur bürgt</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Kein Bild aus den signierten Bytes von %1; Authentifizierung erfolgreich</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Keine Vorschau für %1: Die Datei wurde nach der Prüfung verändert; Authentifizierung erfolgreich</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Keine Vorschau für %1: Die Datei wurde nach der Prüfung verändert; Authentifizierung fehlgeschlagen</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Kein Bild aus den signierten Bytes</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Keine Vorschau: Die Datei wurde nach der Prüfung verändert</translation>
    </message>
</context>
</TS>
