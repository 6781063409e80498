<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="da_DK">
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
        <translation>Resultat af ægthedskontrol</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Ægthedskontrol ikke bestået</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Ægthedskontrol bestået</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Alle rettigheder forbeholdes. Dette program er beskyttet af lov om ophavsret og internationale traktater. Uautoriseret gengivelse eller distribution af dette program eller dele heraf kan medføre strenge civil- og strafferetlige sanktioner.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold-serienummer</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Filnavn</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hjælp</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Billeder og videoer (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Åbn fil(er)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åbn mappe</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Behandler</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Fjern fil(er)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Starttidspunkt</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Sluttidspunkt</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Filer i alt</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuller</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Udviklingsversion: Dette program indeholder udviklingsnøglen, hvis private del er offentlig kendt. Enhver kan lave en fil, som programmet erklærer for ægte. Stol ikke på programmets vurderinger, når det gælder rigtigt bevismateriale.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Fingeraftryk af offentlig nøgle (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Filen er ægte: Indholdet stemmer overens med det signerede vandmærke.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Filen er ændret efter eksporten: Indholdet stemmer ikke længere overens med hashværdien i vandmærket.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Intet gyldigt vandmærke: Filen er ikke signeret af en Vornhold-server, eller vandmærket er forfalsket.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Vandmærketeksten er ikke et Quorvane-vandmærke.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Ikke en JPG-, AVI- eller MP4-eksport.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Filen er for kort til at indeholde et vandmærke.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Filen kunne ikke læses.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Mappens indhold kunne ikke vises: Filerne i den er ikke kontrolleret.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Kontrollen blev annulleret.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Advarsel: Vandmærket dækker intet af filens indhold og går derfor ikke i god for noget af det.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Filoplysninger</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Sti</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Størrelse</translation>
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
        <translation>Årsag</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Markør</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Hashværdi (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Tidskilde</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kamera-MAC</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Signaturen dækker</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>byte %1 til %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>%1 beskyttede byte i alt</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 af hele filen</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Kontrolleret</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiér</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Luk</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Markér alt</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afslut</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Gem rapport…</translation>
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
        <translation>Rapporten kunne ikke skrives til %1: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Kontrolrapport</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Oprettet: %1 (UTC), %2 (lokal tid)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Program: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Oversigt</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Filer: %1, ægte: %2, ikke bestået: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Filen kunne ikke verificeres: Dette system kunne ikke beregne dens hashværdi.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Læser rapporten…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Sag %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>undersøger %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Sags- eller referencenummer</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Undersøger</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisation</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Bemærkning</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Sagsoplysninger</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Disse oplysninger udskrives i PDF-rapportens sidehoved og dokumentegenskaber. Alle er valgfrie.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>&amp;Sags- eller referencenummer:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Undersøger:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organisation:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Bemærkning:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsæt</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Hver fil, som rapporten angiver, kontrolleres igen på sin sti og sammenlignes med sin post. Filer i mapperne nedenfor, som rapporten ikke angiver, vises som flyttede (samme indhold) eller nye.</translation>
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
        <translation>&amp;Gennemse…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Søg efter flyttede og nye filer i:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Mapper og filer, der skal søges i</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Tilføj &amp;mappe…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Tilføj &amp;filer…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>F&amp;jern</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Kontrollér</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Rapporter (*.pdf *.csv *.jsonl);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Kontrol af bevisernes sporbarhed</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Kontrolleret rapport</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 af den kontrollerede rapport</translation>
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
        <translation>Rapport over kontrol af bevisernes sporbarhed</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n fil kunne ikke verificeres: Dette system kunne ikke beregne hashværdien.</numerusform>
            <numerusform>%n filer kunne ikke verificeres: Dette system kunne ikke beregne hashværdien.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Uændret</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Ændret</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Mangler</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Flyttet</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Ny</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Filer: %1, uændrede: %2, ændrede: %3, mangler: %4, flyttede: %5, nye: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Kontrollen blev stoppet før tid: Ikke alle poster blev sammenlignet.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Samme indhold og resultat som i rapporten: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Ændret siden rapporten (%1). Dengang: %2. Nu: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Ingen læsbar fil på denne sti nu. Dengang: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Samme indhold ligger nu på %1. Nu: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Ikke i rapporten. Nu: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Filen kunne ikke læses: et andet program har filen åben.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Kontrollerer (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Udgangsmappe for relative stier</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>&amp;Vælg mappe…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Relative stier i rapporten tager &amp;udgangspunkt i:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Kontrol af bevisernes sporbarhed…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Relative stier tager udgangspunkt i</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>De fleste filer, som rapporten angiver, blev ikke fundet på deres stier. Rapportens relative stier tog udgangspunkt i %1: Hvis rapporten blev gemt fra en anden mappe, skal du kontrollere igen med den mappe som udgangsmappe for relative stier.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Rapporten kan ikke læses: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Dette er ikke en fil.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Rapporten er tom.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Dette er ikke en rapport fra dette program: Den er hverken i programmets JSON Lines-format eller i dets CSV-format.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Dette er resultatet af en kontrol af bevisernes sporbarhed, ikke en rapport: Linjerne registrerer ikke filerne, som de var. Kontrollér mod den rapport, der blev kontrolleret.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>PDF-filen er for stor til at være en rapport fra dette program.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Denne version af programmet kan ikke læse posterne i en PDF-rapport. Kontrollér mod den CSV-fil, der blev gemt ved siden af PDF-filen.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>PDF-filen indeholder ingen poster fra dette program.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Posterne i PDF-filen kan ikke læses.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>PDF-filen kan ikke læses: Den er beskadiget eller er ikke en PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Rapporten blev ændret, mens den blev kontrolleret. Kontrollér igen.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>Linjen er længere end %1 byte.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Rapporten er afkortet: Den sidste linje er ufuldstændig.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>Posten har ingen sti.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>Posten er ægte, men angiver alligevel en årsag til, at den ikke bestod.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>Posten er ikke bestået, men angiver ingen årsag.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Resultatet er hverken ægte eller ikke bestået.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>Posten har ingen SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 består ikke af 64 hexadecimale cifre med små bogstaver.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>Linjen er ikke et JSON-objekt.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>Linjen er ikke en post i en rapport fra dette program: Den mangler &quot;path&quot;, &quot;result&quot; eller &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Rapporten indeholder ingen SHA-256 for sine filer, så filerne kan ikke sammenlignes med den. Rapporter, der er gemt fra dette vindue, indeholder altid SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256 er ikke tekst.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>Feltet &quot;%1&quot; er ikke tekst.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Et felt i anførselstegn er ikke afsluttet.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Der står tekst efter et afsluttende anførselstegn.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Et felt uden anførselstegn indeholder et anførselstegn eller et linjeskift.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>Linjen har %1 felter, men overskriftslinjen har %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>Størrelsen er ikke et tal.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>Linjen er ikke UTF-8-tekst.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Linje %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Rapporten %1 kan ikke bruges.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Vis billedet af hver fil på filens detaljeside</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Billeder:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Opretter billeder af filerne…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Enkeltbillede ved %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Opretter forhåndsvisning…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Ingen forhåndsvisning af %1; ægthedskontrol bestået</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Ingen forhåndsvisning af %1; ægthedskontrol ikke bestået</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Billede af %1; ægthedskontrol bestået</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Billede af %1; ægthedskontrol ikke bestået</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Billede af %1, enkeltbillede ved %2; ægthedskontrol bestået</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Billede af %1, enkeltbillede ved %2; ægthedskontrol ikke bestået</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Ingen forhåndsvisning af denne fil</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Fra de signerede byte</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Fra byte, som ingen signatur går i god for</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Intet billede fra de signerede byte i %1; ægthedskontrol bestået</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Ingen forhåndsvisning af %1: Filen er ændret efter kontrollen; ægthedskontrol bestået</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Ingen forhåndsvisning af %1: Filen er ændret efter kontrollen; ægthedskontrol ikke bestået</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Intet billede fra de signerede byte</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Ingen forhåndsvisning: Filen er ændret efter kontrollen</translation>
    </message>
</context>
</TS>
