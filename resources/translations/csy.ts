<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="cs_CZ">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>O aplikaci</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>O aplikaci Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Výsledek ověření</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Ověření se nezdařilo</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Ověření proběhlo úspěšně</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Všechna práva vyhrazena. Tento program je chráněn autorským zákonem a mezinárodními smlouvami. Neoprávněné kopírování nebo šíření tohoto programu nebo jakékoli jeho části může mít za následek přísné občanskoprávní i trestní sankce.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Sériové číslo Vornhold</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Název souboru</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Nápověda</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Obrázky a videa (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Otevřít soubor(y)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otevřít složku</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Zpracovává se</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Odebrat soubor(y)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Čas začátku</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Čas konce</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Celkem souborů</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verze</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Storno</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Vývojové sestavení: tento program obsahuje vývojový klíč, jehož soukromá část je veřejně známá. Kdokoli může vytvořit soubor, který program vyhodnotí jako pravý. U skutečných důkazů se na jeho výsledky nespoléhejte.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Otisk veřejného klíče (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Soubor je pravý: jeho obsah odpovídá jeho podepsanému vodoznaku.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Soubor byl po exportu změněn: jeho obsah již neodpovídá otisku v jeho vodoznaku.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Žádný platný vodoznak: soubor nepodepsal server Vornhold, nebo byl jeho vodoznak padělán.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Text vodoznaku není vodoznakem Quorvane.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Nejde o export JPG, AVI ani MP4.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Soubor je příliš krátký na to, aby obsahoval vodoznak.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Soubor nebylo možné přečíst.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Obsah složky nebylo možné vypsat: soubory v ní nebyly ověřeny.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Ověřování bylo zrušeno.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Upozornění: vodoznak nepokrývá žádnou část obsahu tohoto souboru, a proto nic z něj nepotvrzuje.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Podrobnosti o souboru</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Cesta</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Velikost</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtů</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Výsledek</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Důvod</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Značka</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Otisk (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Zdroj času</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC kamery</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Podpis pokrývá</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>bajty %1 až %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>celkem chráněných bajtů: %1</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 celého souboru</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Čas ověření</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopírovat</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zavřít</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Vybrat vše</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Ukončit</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Uložit zprávu…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Zpráva PDF (*.pdf)</translation>
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
        <translation>Zprávu se nepodařilo zapsat do %1: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Zpráva o ověření</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Vytvořeno: %1 (UTC), %2 (místní čas)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Program: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Souhrn</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Souborů: %1, pravých: %2, neúspěšných: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Soubor nelze ověřit: tento systém nedokázal vypočítat jeho otisk.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Načítání zprávy…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Případ %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>zpracovatel %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Číslo případu nebo jednací číslo</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Zpracovatel</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizace</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Poznámka</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Údaje o případu</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Tyto údaje se tisknou do záhlaví zprávy PDF a do vlastností dokumentu. Všechny jsou nepovinné.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>Číslo &amp;případu nebo jednací číslo:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Zpracovatel:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organizace:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>Poz&amp;námka:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Pokračovat</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Každý soubor uvedený ve zprávě se znovu ověří na své cestě a porovná se svým záznamem. Soubory v níže uvedených složkách, které zpráva neuvádí, se zobrazí jako přesunuté (stejný obsah) nebo nové.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Zpráva:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Zpráva</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Procházet…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Hledat přesunuté a nové soubory v:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Složky a soubory k prohledání</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Přidat &amp;složku…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Přidat so&amp;ubory…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Odebrat</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>Z&amp;kontrolovat</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Zprávy (*.pdf *.csv *.jsonl);;Všechny soubory (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Kontrola řetězce úschovy</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Kontrolovaná zpráva</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 kontrolované zprávy</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stav</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Podrobnosti</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Zpráva o kontrole řetězce úschovy</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n soubor nelze ověřit: tento systém nedokázal vypočítat otisk.</numerusform>
            <numerusform>%n soubory nelze ověřit: tento systém nedokázal vypočítat otisk.</numerusform>
            <numerusform>%n souborů nelze ověřit: tento systém nedokázal vypočítat otisk.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Beze změny</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Změněn</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Chybí</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Přesunut</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nový</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Souborů: %1, beze změny: %2, změněných: %3, chybějících: %4, přesunutých: %5, nových: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Kontrola byla zastavena před koncem: nebyly porovnány všechny záznamy.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Stejný obsah i výsledek jako ve zprávě: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Změněn od vytvoření zprávy (%1). Tehdy: %2. Nyní: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Na této cestě nyní není čitelný soubor. Tehdy: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Stejný obsah je nyní v %1. Nyní: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Není ve zprávě. Nyní: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Soubor nebylo možné přečíst: jiný program má soubor otevřený.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Kontroluje se (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Složka pro relativní cesty</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>&amp;Vybrat složku…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>&amp;Relativní cesty ve zprávě se vztahují ke složce:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Kontrola řetězce úschovy…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Relativní cesty vztaženy ke složce</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>Většina souborů uvedených ve zprávě nebyla na svých cestách nalezena. Relativní cesty zprávy byly vztaženy ke složce %1: pokud byla zpráva uložena z jiné složky, proveďte kontrolu znovu s touto složkou jako složkou pro relativní cesty.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Zprávu nelze přečíst: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Toto není soubor.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Zpráva je prázdná.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Toto není zpráva tohoto programu: není ve formátu JSON Lines ani CSV tohoto programu.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Toto je výsledek kontroly řetězce úschovy, nikoli zpráva: jeho řádky nezaznamenávají soubory v jejich tehdejším stavu. Proveďte kontrolu podle zprávy, která byla kontrolována.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>Soubor PDF je příliš velký na to, aby byl zprávou tohoto programu.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Tato verze programu neumí přečíst záznamy zprávy PDF. Proveďte kontrolu podle souboru CSV uloženého vedle souboru PDF.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>Soubor PDF neobsahuje žádné záznamy tohoto programu.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Záznamy v souboru PDF nelze přečíst.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>Soubor PDF nelze přečíst: je poškozený nebo nejde o PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Zpráva se během kontroly změnila. Proveďte kontrolu znovu.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>Řádek je delší než %1 bajtů.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Zpráva je zkrácená: její poslední řádek je neúplný.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>Záznam neobsahuje cestu.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>Záznam je pravý, a přesto uvádí důvod neúspěchu.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>Záznam je neúspěšný, a přesto neuvádí žádný důvod.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Výsledek není ani pravý, ani neúspěšný.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>Záznam neobsahuje SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 se neskládá z 64 šestnáctkových číslic psaných malými písmeny.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>Řádek není objekt JSON.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>Řádek není záznamem zprávy tohoto programu: chybí v něm &quot;path&quot;, &quot;result&quot; nebo &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Zpráva neobsahuje SHA-256 svých souborů, takže s ní soubory nelze porovnat. Zprávy uložené z tohoto okna jej obsahují vždy.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256 není text.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>Pole &quot;%1&quot; není text.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Pole v uvozovkách není uzavřeno.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Za uzavírací uvozovkou následuje text.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Pole bez uvozovek obsahuje uvozovku nebo konec řádku.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>Počet polí na řádku je %1, v záhlaví %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>Velikost není číslo.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>Řádek není text v kódování UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Řádek %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Zprávu %1 nelze použít.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>Zo&amp;brazovat obrázek každého souboru na jeho stránce s podrobnostmi</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Obrázky:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Vytváření obrázků souborů…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Snímek v čase %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Vytváření náhledu…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>%1 nemá náhled; ověření proběhlo úspěšně</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>%1 nemá náhled; ověření se nezdařilo</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Obrázek souboru %1; ověření proběhlo úspěšně</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Obrázek souboru %1; ověření se nezdařilo</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Obrázek souboru %1, snímek v čase %2; ověření proběhlo úspěšně</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Obrázek souboru %1, snímek v čase %2; ověření se nezdařilo</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Tento soubor nemá náhled</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Z podepsaných bajtů</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Z bajtů, které nepotvrzuje žádný podpis</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Žádný obrázek z podepsaných bajtů souboru %1; ověření proběhlo úspěšně</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>%1 nemá náhled: soubor byl po ověření změněn; ověření proběhlo úspěšně</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>%1 nemá náhled: soubor byl po ověření změněn; ověření se nezdařilo</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Žádný obrázek z podepsaných bajtů</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Žádný náhled: soubor byl po ověření změněn</translation>
    </message>
</context>
</TS>
