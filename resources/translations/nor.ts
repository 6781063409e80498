<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nb_NO">
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
        <translation>Autentisering mislyktes</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autentisering vellykket</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Med enerett. Dette programmet er beskyttet av lover om opphavsrett og internasjonale avtaler. Uautorisert kopiering eller distribusjon av dette programmet eller deler av det kan føre til strenge sivilrettslige og strafferettslige sanksjoner.</translation>
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
        <translation>Hjelp</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Bilder og videoer (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Åpne fil(er)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Åpne mappe</translation>
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
        <translation>Totalt antall filer</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versjon</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Avbryt</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Utviklingsversjon: dette programmet inneholder utviklingsnøkkelen, og den private delen av den er offentlig kjent. Hvem som helst kan lage en fil som programmet melder som ekte. Ikke stol på vurderingene til programmet når det gjelder ekte bevis.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Fingeravtrykk for offentlig nøkkel (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Filen er ekte: innholdet samsvarer med det signerte vannmerket.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Filen er endret etter at den ble eksportert: innholdet samsvarer ikke lenger med kontrollsummen i vannmerket.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Ikke noe gyldig vannmerke: filen er ikke signert av en Vornhold-server, eller vannmerket er forfalsket.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Vannmerketeksten er ikke et Quorvane-vannmerke.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Ikke en JPG-, AVI- eller MP4-eksport.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Filen er for kort til å inneholde et vannmerke.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Filen kunne ikke leses.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Innholdet i mappen kunne ikke listes opp: filene i den ble ikke kontrollert.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Kontrollen ble avbrutt.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Advarsel: vannmerket dekker ikke noe av innholdet i denne filen, og går dermed ikke god for noe av det.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Fildetaljer</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Bane</translation>
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
        <translation>Årsak</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Markør</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Kontrollsum (HMAC)</translation>
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
        <translation>Signaturen dekker</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>byte %1 til %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>%1 beskyttede byte totalt</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 for hele filen</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Kontrollert</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopier</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Lukk</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Merk alt</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Avslutt</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Lagre rapport…</translation>
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
        <translation>Kontrollrapport</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Generert: %1 (UTC), %2 (lokal tid)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Program: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Sammendrag</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Filer: %1, ekte: %2, mislyktes: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Filen kunne ikke verifiseres: dette systemet kunne ikke beregne kontrollsummen.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Leser rapporten…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Sak %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>undersøker %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Saks- eller referansenummer</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Undersøker</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisasjon</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Merknad</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Saksopplysninger</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Disse opplysningene skrives i PDF-rapportens topptekst og dokumentegenskaper. Alle er valgfrie.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>&amp;Saks- eller referansenummer:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Undersøker:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organisasjon:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Merknad:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Fortsett</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Hver fil som rapporten oppgir, kontrolleres på nytt på sin bane og sammenlignes med sin oppføring. Filer i mappene nedenfor som rapporten ikke oppgir, vises som flyttet (samme innhold) eller nye.</translation>
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
        <translation>&amp;Bla gjennom…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Søk etter flyttede og nye filer i:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Mapper og filer det skal søkes i</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Legg til &amp;mappe…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Legg til &amp;filer…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>F&amp;jern</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Kontroller</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Rapporter (*.pdf *.csv *.jsonl);;Alle filer (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Kontroll av bevisenes sporbarhet</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Kontrollert rapport</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 for den kontrollerte rapporten</translation>
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
        <translation>Rapport over kontroll av bevisenes sporbarhet</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n fil kunne ikke verifiseres: dette systemet kunne ikke beregne kontrollsummen.</numerusform>
            <numerusform>%n filer kunne ikke verifiseres: dette systemet kunne ikke beregne kontrollsummen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Uendret</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Endret</translation>
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
        <translation>Filer: %1, uendret: %2, endret: %3, mangler: %4, flyttet: %5, nye: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Kontrollen ble stoppet før slutten: ikke alle oppføringer ble sammenlignet.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Samme innhold og resultat som i rapporten: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Endret siden rapporten (%1). Da: %2. Nå: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Ingen lesbar fil på denne banen nå. Da: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Samme innhold ligger nå på %1. Nå: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Ikke i rapporten. Nå: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Filen kunne ikke leses: et annet program har filen åpen.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Kontrollerer (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Utgangsmappe for relative baner</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>&amp;Velg mappe…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Relative baner i rapporten tar &amp;utgangspunkt i:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Kontroll av bevisenes sporbarhet…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Relative baner tar utgangspunkt i</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>De fleste filene som rapporten oppgir, ble ikke funnet på banene sine. Rapportens relative baner tok utgangspunkt i %1: hvis rapporten ble lagret fra en annen mappe, kontroller på nytt med den mappen som utgangsmappe for relative baner.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Rapporten kan ikke leses: %1.</translation>
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
        <translation>Dette er ikke en rapport fra dette programmet: den er verken i programmets JSON Lines-format eller i dets CSV-format.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Dette er resultatet av en kontroll av bevisenes sporbarhet, ikke en rapport: linjene beskriver ikke filene slik de var. Kontroller mot rapporten som ble kontrollert.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>PDF-filen er for stor til å være en rapport fra dette programmet.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Denne versjonen av programmet kan ikke lese oppføringene i en PDF-rapport. Kontroller mot CSV-filen som ble lagret ved siden av PDF-filen.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>PDF-filen inneholder ingen oppføringer fra dette programmet.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Oppføringene i PDF-filen kan ikke leses.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>PDF-filen kan ikke leses: den er skadet eller er ikke en PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Rapporten ble endret mens den ble kontrollert. Kontroller på nytt.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>Linjen er lengre enn %1 byte.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Rapporten er avkortet: den siste linjen er ufullstendig.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>Oppføringen har ingen bane.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>Oppføringen er ekte, men oppgir likevel en årsak til at den mislyktes.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>Oppføringen mislyktes, men oppgir ingen årsak.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Resultatet er verken ekte eller mislykket.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>Oppføringen har ingen SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 består ikke av 64 heksadesimale sifre med små bokstaver.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>Linjen er ikke et JSON-objekt.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>Linjen er ikke en oppføring i en rapport fra dette programmet: den mangler &quot;path&quot;, &quot;result&quot; eller &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Rapporten har ingen SHA-256 for filene sine, så filene kan ikke sammenlignes med den. Rapporter som er lagret fra dette vinduet, har alltid SHA-256.</translation>
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
        <translation>Et felt i anførselstegn er ikke avsluttet.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Det står tekst etter et avsluttende anførselstegn.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Et felt uten anførselstegn inneholder et anførselstegn eller et linjeskift.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>Linjen har %1 felt, men overskriftslinjen har %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>Størrelsen er ikke et tall.</translation>
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
        <translation>Rapporten %1 kan ikke brukes.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Vis bildet av hver fil på filens detaljside</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Bilder:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Lager bilder av filene…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Enkeltbilde ved %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Lager forhåndsvisning…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Ingen forhåndsvisning av %1; autentisering vellykket</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Ingen forhåndsvisning av %1; autentisering mislyktes</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Bilde av %1; autentisering vellykket</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Bilde av %1; autentisering mislyktes</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Bilde av %1, enkeltbilde ved %2; autentisering vellykket</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Bilde av %1, enkeltbilde ved %2; autentisering mislyktes</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Ingen forhåndsvisning av denne filen</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Fra de signerte bytene</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Fra byte som ingen signatur går god for</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Ikke noe bilde fra de signerte bytene i %1; autentisering vellykket</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Ingen forhåndsvisning av %1: filen er endret etter at den ble kontrollert; autentisering vellykket</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Ingen forhåndsvisning av %1: filen er endret etter at den ble kontrollert; autentisering mislyktes</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Ikke noe bilde fra de signerte bytene</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Ingen forhåndsvisning: filen er endret etter at den ble kontrollert</translation>
    </message>
</context>
</TS>
