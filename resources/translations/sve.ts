<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="sv_SE">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>Om</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Om Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Autentiseringsresultat</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Autentiseringen misslyckades</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autentiseringen lyckades</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Med ensamrätt. Detta program är skyddat av upphovsrättslagar och internationella avtal. Otillåten kopiering eller distribution av detta program eller delar därav kan leda till stränga civilrättsliga och straffrättsliga påföljder.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold-serienummer</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnamn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjälp</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Bilder och videor (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Öppna fil(er)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Öppna mapp</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Bearbetar</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Ta bort fil(er)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttid</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttid</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Totalt antal filer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Utvecklingsversion: det här programmet innehåller utvecklingsnyckeln, vars privata del är offentligt känd. Vem som helst kan skapa en fil som programmet rapporterar som äkta. Lita inte på programmets bedömningar när det gäller verkligt bevismaterial.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Fingeravtryck för offentlig nyckel (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Filen är äkta: innehållet stämmer med den signerade vattenstämpeln.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Filen har ändrats efter exporten: innehållet stämmer inte längre med kontrollsumman i vattenstämpeln.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Ingen giltig vattenstämpel: filen har inte signerats av en Vornhold-server, eller så har vattenstämpeln förfalskats.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Vattenstämpelns text är inte en Quorvane-vattenstämpel.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Inte en JPG-, AVI- eller MP4-export.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Filen är för kort för att innehålla en vattenstämpel.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Filen kunde inte läsas.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Mappens innehåll kunde inte listas: filerna i den har inte kontrollerats.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Kontrollen avbröts.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Varning: vattenstämpeln täcker inget av filens innehåll och går därför inte i god för något av det.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Filinformation</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sökväg</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Storlek</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultat</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Orsak</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Markör</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Kontrollsumma (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Tidskälla</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kamera-MAC</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Signaturen täcker</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>byte %1 till %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>%1 skyddade byte totalt</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 för hela filen</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Kontrollerad</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiera</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Stäng</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markera allt</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avsluta</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Spara rapport…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF-rapport (*.pdf)</translation>
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
        <translation>Rapporten kunde inte skrivas till %1: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Kontrollrapport</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Skapad: %1 (UTC), %2 (lokal tid)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Program: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammanfattning</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Filer: %1, äkta: %2, misslyckade: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Filen kunde inte verifieras: det här systemet kunde inte beräkna dess kontrollsumma.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Läser rapporten…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Ärende %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>granskare %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Ärende- eller referensnummer</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Granskare</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Anteckning</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Ärendeuppgifter</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Uppgifterna skrivs ut i PDF-rapportens sidhuvud och dokumentegenskaper. Alla är valfria.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>Ärende- eller &amp;referensnummer:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Granskare:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organisation:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Anteckning:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsätt</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Varje fil som rapporten listar kontrolleras på nytt på sin sökväg och jämförs med sin post. Filer i mapparna nedan som rapporten inte listar visas som flyttade (samma innehåll) eller nya.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Rapport:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapport</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Bläddra…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Sök efter flyttade och nya filer i:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Mappar och filer att söka i</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Lägg till &amp;mapp…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Lägg till &amp;filer…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Ta bort</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Kontrollera</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Rapporter (*.pdf *.csv *.jsonl);;Alla filer (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Kontroll av bevisens spårbarhet</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Kontrollerad rapport</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 för den kontrollerade rapporten</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Status</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Detaljer</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Rapport över kontroll av bevisens spårbarhet</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n fil kunde inte verifieras: det här systemet kunde inte beräkna kontrollsumman.</numerusform>
            <numerusform>%n filer kunde inte verifieras: det här systemet kunde inte beräkna kontrollsumman.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Oförändrad</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Ändrad</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Saknas</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Flyttad</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Filer: %1, oförändrade: %2, ändrade: %3, saknas: %4, flyttade: %5, nya: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Kontrollen stoppades i förtid: alla poster jämfördes inte.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Samma innehåll och resultat som i rapporten: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Ändrad sedan rapporten (%1). Då: %2. Nu: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Ingen läsbar fil på den här sökvägen nu. Då: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Samma innehåll finns nu på %1. Nu: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Inte med i rapporten. Nu: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Filen kunde inte läsas: ett annat program har filen öppen.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Kontrollerar (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Utgångsmapp för relativa sökvägar</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>&amp;Välj mapp…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Relativa sökvägar i rapporten &amp;utgår från:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Kontroll av bevisens spårbarhet…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Relativa sökvägar utgår från</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>De flesta filer som rapporten listar hittades inte på sina sökvägar. Rapportens relativa sökvägar utgick från %1: om rapporten sparades från en annan mapp, kontrollera igen med den mappen som utgångsmapp för relativa sökvägar.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Rapporten kan inte läsas: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Det här är inte en fil.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Rapporten är tom.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Det här är inte en rapport från det här programmet: den är varken i programmets JSON Lines-format eller i dess CSV-format.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Det här är resultatet av en kontroll av bevisens spårbarhet, inte en rapport: raderna beskriver inte filerna som de var. Kontrollera mot rapporten som kontrollerades.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>PDF-filen är för stor för att vara en rapport från det här programmet.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Den här versionen av programmet kan inte läsa posterna i en PDF-rapport. Kontrollera mot CSV-filen som sparades bredvid PDF-filen.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>PDF-filen innehåller inga poster från det här programmet.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Posterna i PDF-filen kan inte läsas.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>PDF-filen kan inte läsas: den är skadad eller är inte en PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Rapporten ändrades medan den kontrollerades. Kontrollera igen.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>Raden är längre än %1 byte.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Rapporten är avkortad: den sista raden är ofullständig.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>Posten saknar sökväg.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>Posten är äkta men anger ändå en orsak till misslyckande.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>Posten är misslyckad men anger ingen orsak.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Resultatet är varken äkta eller misslyckat.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>Posten saknar SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 består inte av 64 hexadecimala siffror med små bokstäver.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>Raden är inte ett JSON-objekt.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>Raden är inte en post i en rapport från det här programmet: den saknar &quot;path&quot;, &quot;result&quot; eller &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Rapporten saknar SHA-256 för sina filer, så filerna kan inte jämföras med den. Rapporter som har sparats från det här fönstret innehåller alltid SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256 är inte text.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>Fältet &quot;%1&quot; är inte text.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Ett fält inom citattecken är inte avslutat.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Det finns text efter ett avslutande citattecken.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Ett fält utan citattecken innehåller ett citattecken eller ett radslut.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>Raden har %1 fält men rubrikraden har %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>Storleken är inte ett tal.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>Raden är inte UTF-8-text.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Rad %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Rapporten %1 kan inte användas.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Visa bilden av varje fil på filens detaljsida</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Skapar bilder av filerna…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Bildruta vid %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Skapar förhandsvisning…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Ingen förhandsvisning av %1; autentiseringen lyckades</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Ingen förhandsvisning av %1; autentiseringen misslyckades</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Bild av %1; autentiseringen lyckades</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Bild av %1; autentiseringen misslyckades</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Bild av %1, bildruta vid %2; autentiseringen lyckades</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Bild av %1, bildruta vid %2; autentiseringen misslyckades</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Ingen förhandsvisning av den här filen</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Från de signerade byten</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Från byte som ingen signatur går i god för</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Ingen bild från de signerade byten i %1; autentiseringen lyckades</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Ingen förhandsvisning av %1: filen har ändrats efter att den verifierades; autentiseringen lyckades</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Ingen förhandsvisning av %1: filen har ändrats efter att den verifierades; autentiseringen misslyckades</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Ingen bild från de signerade byten</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Ingen förhandsvisning: filen har ändrats efter att den verifierades</translation>
    </message>
</context>
</TS>
