<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl_NL">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Over Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Verificatieresultaat</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Verificatie mislukt</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Verificatie geslaagd</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Alle rechten voorbehouden. Dit programma is beschermd door het auteursrecht en internationale verdragen. Onbevoegde verveelvoudiging of verspreiding van dit programma of een gedeelte ervan kan leiden tot strenge civielrechtelijke en strafrechtelijke sancties.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold-serienummer</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Bestandsnaam</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Afbeeldingen en video’s (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Bestand(en) openen</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Map openen</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Verwerken</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Bestand(en) verwijderen</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Begintijd</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Eindtijd</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Totaal aantal bestanden</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versie</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Ontwikkelversie: dit programma bevat de ontwikkelsleutel, waarvan het privédeel openbaar is. Iedereen kan een bestand maken dat dit programma als echt beoordeelt. Vertrouw voor echt bewijsmateriaal niet op de uitkomsten ervan.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Vingerafdruk van openbare sleutel (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Het bestand is echt: de inhoud komt overeen met het ondertekende watermerk.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Het bestand is na de export gewijzigd: de inhoud komt niet meer overeen met de digest in het watermerk.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Geen geldig watermerk: het bestand is niet door een Vornhold-server ondertekend, of het watermerk is vervalst.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>De watermerktekst is geen Quorvane-watermerk.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Geen JPG-, AVI- of MP4-export.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Het bestand is te kort om een watermerk te bevatten.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Het bestand kon niet worden gelezen.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>De inhoud van de map kon niet worden opgevraagd: de bestanden erin zijn niet geverifieerd.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>De verificatie is geannuleerd.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Waarschuwing: het watermerk dekt niets van de inhoud van dit bestand en staat dus voor geen enkel deel ervan in.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Bestandsdetails</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Pad</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Grootte</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultaat</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Reden</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Markering</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Digest (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Tijdbron</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Camera-MAC</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Handtekening dekt</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>bytes %1 t/m %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>in totaal %1 beschermde bytes</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 van het hele bestand</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Geverifieerd op</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiëren</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Alles selecteren</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Rapport opslaan…</translation>
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
        <translation>Het rapport kon niet naar %1 worden geschreven: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Verificatierapport</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Gegenereerd: %1 (UTC), %2 (lokale tijd)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Programma: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Samenvatting</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Bestanden: %1, echt: %2, mislukt: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Het bestand kon niet worden geverifieerd: dit systeem kon de digest ervan niet berekenen.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Rapport lezen…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Zaak %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>onderzoeker %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Zaak- of referentienummer</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Onderzoeker</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organisatie</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Opmerking</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Zaakgegevens</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Deze gegevens worden afgedrukt in de koptekst en de documenteigenschappen van het PDF-rapport. Alle gegevens zijn optioneel.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>&amp;Zaak- of referentienummer:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Onderzoeker:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>Or&amp;ganisatie:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>Op&amp;merking:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Doorgaan</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Elk bestand dat in het rapport staat, wordt op zijn pad opnieuw geverifieerd en vergeleken met zijn vermelding. Bestanden in de onderstaande mappen die niet in het rapport staan, worden weergegeven als verplaatst (zelfde inhoud) of nieuw.</translation>
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
        <translation>&amp;Bladeren…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Zoeken naar verplaatste en nieuwe bestanden in:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Te doorzoeken mappen en bestanden</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>&amp;Map toevoegen…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Bestanden &amp;toevoegen…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Verwijderen</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>&amp;Controleren</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Rapporten (*.pdf *.csv *.jsonl);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Controle van de bewaarketen</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Gecontroleerd rapport</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 van het gecontroleerde rapport</translation>
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
        <translation>Rapport van de controle van de bewaarketen</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n bestand kon niet worden geverifieerd: dit systeem kon de digest niet berekenen.</numerusform>
            <numerusform>%n bestanden konden niet worden geverifieerd: dit systeem kon de digest niet berekenen.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Ongewijzigd</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Gewijzigd</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Ontbreekt</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Verplaatst</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nieuw</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Bestanden: %1, ongewijzigd: %2, gewijzigd: %3, ontbrekend: %4, verplaatst: %5, nieuw: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>De controle is voortijdig gestopt: niet alle vermeldingen zijn vergeleken.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Zelfde inhoud en resultaat als in het rapport: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Gewijzigd sinds het rapport (%1). Toen: %2. Nu: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Nu geen leesbaar bestand op dit pad. Toen: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Dezelfde inhoud staat nu op %1. Nu: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Niet in het rapport. Nu: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Het bestand kon niet worden gelezen: een ander programma heeft het bestand geopend.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Controleren (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Basismap voor relatieve paden</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>Map &amp;kiezen…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Relatieve paden in het rapport worden geïnterpreteerd ten &amp;opzichte van:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Controle van de bewaarketen…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Relatieve paden geïnterpreteerd ten opzichte van</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>De meeste bestanden die in het rapport staan, zijn niet op hun pad gevonden. De relatieve paden in het rapport zijn geïnterpreteerd ten opzichte van %1: als het rapport vanuit een andere map is opgeslagen, controleer dan opnieuw met die map als basismap voor relatieve paden.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Het rapport kan niet worden gelezen: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Dit is geen bestand.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Het rapport is leeg.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Dit is geen rapport van dit programma: het is niet in de JSON Lines-indeling of de CSV-indeling van dit programma.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Dit is de uitkomst van een controle van de bewaarketen, geen rapport: de regels ervan leggen niet vast hoe de bestanden waren. Controleer aan de hand van het rapport dat werd gecontroleerd.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>De PDF is te groot om een rapport van dit programma te zijn.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Deze versie van het programma kan de records van een PDF-rapport niet lezen. Controleer aan de hand van het CSV-bestand dat naast de PDF is opgeslagen.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>De PDF bevat geen records van dit programma.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>De records in de PDF kunnen niet worden gelezen.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>De PDF kan niet worden gelezen: het bestand is beschadigd of is geen PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Het rapport is tijdens de controle gewijzigd. Controleer opnieuw.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>De regel is langer dan %1 bytes.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Het rapport is afgebroken: de laatste regel is onvolledig.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>De vermelding heeft geen pad.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>De vermelding is echt, maar geeft toch een reden voor mislukking op.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>De vermelding is mislukt, maar geeft geen reden op.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Het resultaat is noch echt noch mislukt.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>De vermelding heeft geen SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>De SHA-256 bestaat niet uit 64 hexadecimale cijfers in kleine letters.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>De regel is geen JSON-object.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>De regel is geen vermelding uit een rapport van dit programma: &quot;path&quot;, &quot;result&quot; of &quot;reason&quot; ontbreekt.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Het rapport bevat geen SHA-256 van de bestanden, zodat de bestanden er niet mee kunnen worden vergeleken. Rapporten die in dit venster zijn opgeslagen, bevatten die altijd.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>De SHA-256 is geen tekst.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>Het veld &quot;%1&quot; is geen tekst.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Een veld tussen aanhalingstekens is niet afgesloten.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Er staat tekst na een afsluitend aanhalingsteken.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Een veld zonder aanhalingstekens bevat een aanhalingsteken of een regeleinde.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>De regel heeft %1 velden, terwijl de kopregel er %2 heeft.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>De grootte is geen getal.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>De regel is geen UTF-8-tekst.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Het rapport %1 kan niet worden gebruikt.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Afbeelding van elk bestand op de detailpagina tonen</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Afbeeldingen:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Afbeeldingen van de bestanden maken…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Frame op %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Voorbeeld maken…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Geen voorbeeld voor %1; verificatie geslaagd</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Geen voorbeeld voor %1; verificatie mislukt</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Afbeelding van %1; verificatie geslaagd</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Afbeelding van %1; verificatie mislukt</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Afbeelding van %1, frame op %2; verificatie geslaagd</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Afbeelding van %1, frame op %2; verificatie mislukt</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Geen voorbeeld voor dit bestand</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Uit de ondertekende bytes</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Uit bytes waarvoor geen handtekening instaat</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Geen afbeelding uit de ondertekende bytes van %1; verificatie geslaagd</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Geen voorbeeld voor %1: het bestand is gewijzigd nadat het was geverifieerd; verificatie geslaagd</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Geen voorbeeld voor %1: het bestand is gewijzigd nadat het was geverifieerd; verificatie mislukt</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Geen afbeelding uit de ondertekende bytes</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Geen voorbeeld: het bestand is gewijzigd nadat het was geverifieerd</translation>
    </message>
</context>
</TS>
