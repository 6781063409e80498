<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="hu_HU">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>Névjegy</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>A Quorvane Ardentix névjegye</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Hitelesítés eredménye</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Sikertelen hitelesítés</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Sikeres hitelesítés</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Minden jog fenntartva. Ezt a programot szerzői jogi törvények és nemzetközi egyezmények védik. A program vagy bármely részének engedély nélküli másolása vagy terjesztése súlyos polgári és büntetőjogi következményekkel járhat.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold-sorozatszám</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Fájlnév</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Súgó</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Képek és videók (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Fájl(ok) megnyitása</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Mappa megnyitása</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Feldolgozás:</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Fájl(ok) eltávolítása</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Kezdési idő</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Befejezési idő</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Összes fájl</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Verzió</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Mégse</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Fejlesztői változat: ez a program a fejlesztői kulcsot tartalmazza, amelynek titkos fele nyilvános. Bárki készíthet olyan fájlt, amelyet a program hitelesnek minősít. Valódi bizonyítékok esetén ne hagyatkozzon az eredményeire.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Nyilvános kulcs ujjlenyomata (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>A fájl hiteles: tartalma megegyezik az aláírt vízjelével.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>A fájlt az exportálás után módosították: tartalma már nem egyezik a vízjelében tárolt kivonattal.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Nincs érvényes vízjel: a fájlt nem Vornhold-szerver írta alá, vagy a vízjelét hamisították.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>A vízjel szövege nem Quorvane-vízjel.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Nem JPG-, AVI- vagy MP4-export.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>A fájl túl rövid ahhoz, hogy vízjelet tartalmazzon.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>A fájlt nem sikerült beolvasni.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>A mappa tartalmát nem sikerült listázni: a benne lévő fájlok nem lettek ellenőrizve.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Az ellenőrzést megszakították.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Figyelmeztetés: a vízjel a fájl tartalmának egyetlen részére sem terjed ki, így semmit sem igazol belőle.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Fájl részletei</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Elérési út</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Méret</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bájt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Eredmény</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Indok</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Jelölő</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Kivonat (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Időforrás</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kamera MAC-címe</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Az aláírás hatóköre</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>%1–%2. bájt</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>összesen %1 védett bájt</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>A teljes fájl SHA-256 értéke</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Ellenőrzés ideje</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Másolás</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Bezárás</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Összes kijelölése</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Kilépés</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Jelentés mentése…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF-jelentés (*.pdf)</translation>
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
        <translation>A jelentés írása sikertelen (%1): %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Ellenőrzési jelentés</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Létrehozva: %1 (UTC), %2 (helyi idő)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Program: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Összegzés</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Fájlok: %1, hiteles: %2, sikertelen: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>A fájl nem ellenőrizhető: ez a rendszer nem tudta kiszámítani a kivonatát.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>A jelentés beolvasása…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Ügy: %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>vizsgáló: %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Ügy- vagy hivatkozási szám</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Vizsgáló</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Szervezet</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Megjegyzés</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Az ügy adatai</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Ezek az adatok a PDF-jelentés fejlécében és dokumentumadataiban jelennek meg. Egyik megadása sem kötelező.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>Ügy- vagy &amp;hivatkozási szám:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Vizsgáló:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Szervezet:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Megjegyzés:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Tovább</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>A jelentésben szereplő minden fájl újra ellenőrizve lesz a saját elérési útján, és összevetésre kerül a bejegyzésével. Az alábbi mappákban lévő, a jelentésben nem szereplő fájlok áthelyezettként (azonos tartalom) vagy újként jelennek meg.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Jelentés:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Jelentés</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Tallózás…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>Áthelyezett és új fájlok &amp;keresése itt:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Mappák és fájlok a kereséshez</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>&amp;Mappa hozzáadása…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>&amp;Fájlok hozzáadása…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Eltávolítás</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>Össze&amp;vetés</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Jelentések (*.pdf *.csv *.jsonl);;Minden fájl (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Felügyeleti lánc ellenőrzése</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Ellenőrzött jelentés</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>Az ellenőrzött jelentés SHA-256 értéke</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Állapot</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Részletek</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Jelentés a felügyeleti lánc ellenőrzéséről</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n fájl nem ellenőrizhető: ez a rendszer nem tudta kiszámítani a kivonatot.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Változatlan</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Módosult</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Hiányzik</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Áthelyezve</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Új</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Fájlok: %1, változatlan: %2, módosult: %3, hiányzik: %4, áthelyezve: %5, új: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Az ellenőrzés a vége előtt leállt: nem minden bejegyzés lett összevetve.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>A tartalom és az eredmény ugyanaz, mint a jelentésben: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>A jelentés óta megváltozott (%1). Akkor: %2. Most: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Ezen az elérési úton most nincs olvasható fájl. Akkor: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Ugyanez a tartalom most itt található: %1. Most: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Nem szerepel a jelentésben. Most: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>A fájlt nem sikerült beolvasni: egy másik program megnyitva tartja a fájlt.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Ellenőrzés folyamatban (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>A relatív elérési utak kiindulási mappája</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>Mappa k&amp;iválasztása…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>A jelentés &amp;relatív elérési útjainak kiindulási mappája:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Felügyeleti lánc ellenőrzése…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>A relatív elérési utak kiindulási mappája</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>A jelentésben szereplő fájlok többsége nem található a saját elérési útján. A jelentés relatív elérési útjainak kiindulási mappája %1 volt: ha a jelentést egy másik mappából mentették, ellenőrizze újra úgy, hogy azt a mappát adja meg a relatív elérési utak kiindulási mappájaként.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>A jelentés nem olvasható be: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Ez nem fájl.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>A jelentés üres.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Ez nem ennek a programnak a jelentése: sem nem a program JSON Lines formátumában, sem nem a CSV formátumában készült.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Ez a felügyeleti lánc ellenőrzésének eredménye, nem jelentés: a sorai nem rögzítik, milyenek voltak a fájlok. Az ellenőrzéshez azt a jelentést használja, amelyet akkor ellenőriztek.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>A PDF-fájl túl nagy ahhoz, hogy ennek a programnak a jelentése legyen.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>A program ezen verziója nem tudja beolvasni a PDF-jelentések rekordjait. Az ellenőrzéshez a PDF-fájl mellé mentett CSV-fájlt használja.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>A PDF-fájlban nincsenek ennek a programnak a rekordjai.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>A PDF-fájlban lévő rekordok nem olvashatók be.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>A PDF-fájl nem olvasható be: sérült, vagy nem PDF-fájl.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>A jelentés megváltozott az ellenőrzés közben. Ellenőrizze újra.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>A sor hosszabb %1 bájtnál.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>A jelentés csonka: az utolsó sora hiányos.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>A bejegyzésnek nincs elérési útja.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>A bejegyzés hiteles, mégis megad egy indokot a sikertelenségre.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>A bejegyzés sikertelen, mégsem ad meg indokot.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Az eredmény se nem hiteles, se nem sikertelen.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>A bejegyzésnek nincs SHA-256 értéke.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>Az SHA-256 érték nem 64 kisbetűs hexadecimális számjegyből áll.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>A sor nem JSON-objektum.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>A sor nem e program jelentésének bejegyzése: hiányzik belőle a &quot;path&quot;, a &quot;result&quot; vagy a &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>A jelentés nem tartalmazza a fájljai SHA-256 értékét, így a fájlok nem vethetők össze vele. Az ebből az ablakból mentett jelentések mindig tartalmazzák.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>Az SHA-256 érték nem szöveg.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>A(z) &quot;%1&quot; mező nem szöveg.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Egy idézőjeles mező nincs lezárva.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Egy záró idézőjel után szöveg áll.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Egy idézőjel nélküli mező idézőjelet vagy sorvéget tartalmaz.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>A sorban %1 mező van, a fejlécben viszont %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>A méret nem szám.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>A sor nem UTF-8 kódolású szöveg.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1. sor: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>A következő jelentés nem használható: %1.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>Minden fájl &amp;képének megjelenítése a részletek oldalán</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Képek:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>A fájlok képeinek elkészítése…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Képkocka: %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Előnézet készítése…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Nincs előnézet: %1; sikeres hitelesítés</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Nincs előnézet: %1; sikertelen hitelesítés</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>A(z) %1 képe; sikeres hitelesítés</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>A(z) %1 képe; sikertelen hitelesítés</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>A(z) %1 képe, képkocka: %2; sikeres hitelesítés</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>A(z) %1 képe, képkocka: %2; sikertelen hitelesítés</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Ehhez a fájlhoz nincs előnézet</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Az aláírt bájtokból</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Olyan bájtokból, amelyeket egyetlen aláírás sem igazol</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Nincs kép az aláírt bájtokból: %1; sikeres hitelesítés</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Nincs előnézet: %1 (a fájl az ellenőrzés után megváltozott); sikeres hitelesítés</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Nincs előnézet: %1 (a fájl az ellenőrzés után megváltozott); sikertelen hitelesítés</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Nincs kép az aláírt bájtokból</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Nincs előnézet: a fájl az ellenőrzés után megváltozott</translation>
    </message>
</context>
</TS>
