<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl_PL">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>Informacje</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Informacje o programie Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Wynik uwierzytelniania</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Uwierzytelnianie nie powiodło się</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Uwierzytelnianie powiodło się</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Wszelkie prawa zastrzeżone. Ten program jest chroniony prawem autorskim oraz umowami międzynarodowymi. Nieautoryzowane kopiowanie lub rozpowszechnianie tego programu lub jakiejkolwiek jego części może spowodować nałożenie surowych sankcji cywilnych i karnych.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Numer seryjny Vornhold</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nazwa pliku</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Pomoc</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Obrazy i filmy (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Otwórz plik(i)</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Otwórz folder</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Przetwarzanie</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Usuń plik(i)</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Czas rozpoczęcia</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Czas zakończenia</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Łączna liczba plików</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Wersja</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Anuluj</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Wersja deweloperska: ten program zawiera klucz deweloperski, którego część prywatna jest publicznie znana. Każdy może utworzyć plik, który program uzna za autentyczny. Nie polegaj na jego werdyktach w przypadku prawdziwych dowodów.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Odcisk klucza publicznego (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Plik jest autentyczny: jego zawartość odpowiada podpisanemu znakowi wodnemu.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Plik został zmieniony po wyeksportowaniu: jego zawartość nie odpowiada już skrótowi zapisanemu w znaku wodnym.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Brak prawidłowego znaku wodnego: plik nie został podpisany przez serwer Vornhold lub jego znak wodny został sfałszowany.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Tekst znaku wodnego nie jest znakiem wodnym Quorvane.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>To nie jest plik eksportu JPG, AVI ani MP4.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Plik jest zbyt krótki, aby zawierać znak wodny.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Nie udało się odczytać pliku.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Nie udało się wyświetlić zawartości folderu: znajdujące się w nim pliki nie zostały zweryfikowane.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Weryfikacja została anulowana.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Ostrzeżenie: znak wodny nie obejmuje żadnej części zawartości tego pliku, więc nie poświadcza niczego z niej.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Szczegóły pliku</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Ścieżka</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Rozmiar</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bajtów</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Wynik</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Przyczyna</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Znacznik</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Skrót (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Źródło czasu</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC kamery</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Podpis obejmuje</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>bajty od %1 do %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>łącznie chronionych bajtów: %1</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 całego pliku</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Czas weryfikacji</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopiuj</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Zamknij</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Zaznacz wszystko</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Zapisz raport…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Raport PDF (*.pdf)</translation>
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
        <translation>Nie udało się zapisać raportu w %1: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Raport weryfikacji</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Wygenerowano: %1 (UTC), %2 (czas lokalny)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Program: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Podsumowanie</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Pliki: %1, autentyczne: %2, nieudane: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Nie można zweryfikować pliku: ten system nie mógł obliczyć jego skrótu.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Odczytywanie raportu…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Sprawa %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>ekspert %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Numer sprawy lub sygnatura</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Ekspert</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizacja</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Uwagi</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Dane sprawy</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Te dane są drukowane w nagłówku raportu PDF i we właściwościach dokumentu. Wszystkie są opcjonalne.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>&amp;Numer sprawy lub sygnatura:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Ekspert:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organizacja:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Uwagi:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Każdy plik wymieniony w raporcie jest ponownie weryfikowany w swojej ścieżce i porównywany ze swoim wpisem. Pliki z poniższych folderów, których raport nie wymienia, są pokazywane jako przeniesione (ta sama zawartość) lub nowe.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Raport:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Raport</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Przeglądaj…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Szukaj przeniesionych i nowych plików w:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Foldery i pliki do przeszukania</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Dodaj &amp;folder…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Dodaj p&amp;liki…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>&amp;Usuń</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>Spr&amp;awdź</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Raporty (*.pdf *.csv *.jsonl);;Wszystkie pliki (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Kontrola łańcucha dowodowego</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Sprawdzony raport</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 sprawdzonego raportu</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stan</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Szczegóły</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Raport z kontroli łańcucha dowodowego</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>Nie udało się zweryfikować %n pliku: ten system nie mógł obliczyć skrótu.</numerusform>
            <numerusform>Nie udało się zweryfikować %n plików: ten system nie mógł obliczyć skrótu.</numerusform>
            <numerusform>Nie udało się zweryfikować %n plików: ten system nie mógł obliczyć skrótu.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Bez zmian</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Zmieniony</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Brak</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Przeniesiony</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nowy</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Pliki: %1, bez zmian: %2, zmienione: %3, brakujące: %4, przeniesione: %5, nowe: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Sprawdzanie zostało przerwane przed końcem: nie wszystkie wpisy zostały porównane.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Ta sama zawartość i ten sam wynik co w raporcie: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Zmieniony od czasu raportu (%1). Wtedy: %2. Teraz: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>W tej ścieżce nie ma teraz czytelnego pliku. Wtedy: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Ta sama zawartość znajduje się teraz w %1. Teraz: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Brak w raporcie. Teraz: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Nie udało się odczytać pliku: inny program ma otwarty ten plik.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Sprawdzanie (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Folder bazowy dla ścieżek względnych</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>&amp;Wybierz folder…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Ścieżki względne w raporcie odnoszą się &amp;do folderu:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Kontrola łańcucha dowodowego…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Ścieżki względne odniesiono do folderu</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>Większości plików wymienionych w raporcie nie znaleziono w ich ścieżkach. Ścieżki względne raportu odniesiono do folderu %1: jeśli raport został zapisany z innego folderu, sprawdź ponownie, podając ten folder jako folder bazowy dla ścieżek względnych.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Nie można odczytać raportu: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>To nie jest plik.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Raport jest pusty.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>To nie jest raport tego programu: nie ma ani jego formatu JSON Lines, ani jego formatu CSV.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>To jest wynik kontroli łańcucha dowodowego, a nie raport: jego wiersze nie opisują plików w ich ówczesnym stanie. Do sprawdzenia użyj raportu, który był wtedy sprawdzany.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>Plik PDF jest zbyt duży, aby mógł być raportem tego programu.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Ta wersja programu nie potrafi odczytać rekordów raportu PDF. Do sprawdzenia użyj pliku CSV zapisanego obok pliku PDF.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>Plik PDF nie zawiera rekordów tego programu.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Nie można odczytać rekordów w pliku PDF.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>Nie można odczytać pliku PDF: jest uszkodzony lub nie jest plikiem PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Raport zmienił się w trakcie sprawdzania. Sprawdź ponownie.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>Wiersz jest dłuższy niż %1 bajtów.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Raport jest ucięty: jego ostatni wiersz jest niekompletny.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>Wpis nie zawiera ścieżki.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>Wpis ma wynik autentyczny, a mimo to podaje przyczynę niepowodzenia.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>Wpis ma wynik nieudany, ale nie podaje przyczyny.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Wynik nie jest ani autentyczny, ani nieudany.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>Wpis nie zawiera SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 nie składa się z 64 cyfr szesnastkowych zapisanych małymi literami.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>Wiersz nie jest obiektem JSON.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>Wiersz nie jest wpisem raportu tego programu: brakuje w nim &quot;path&quot;, &quot;result&quot; lub &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Raport nie zawiera SHA-256 swoich plików, więc nie można porównać z nim plików. Raporty zapisane w tym oknie zawsze go zawierają.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256 nie jest tekstem.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>Pole &quot;%1&quot; nie jest tekstem.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Pole w cudzysłowie nie jest zamknięte.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Po cudzysłowie zamykającym występuje tekst.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Pole bez cudzysłowu zawiera cudzysłów lub koniec wiersza.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>Liczba pól w wierszu: %1, w nagłówku: %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>Rozmiar nie jest liczbą.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>Wiersz nie jest tekstem UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Wiersz %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Nie można użyć raportu %1.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Pokazuj obraz każdego pliku na jego stronie szczegółów</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Obrazy:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Tworzenie obrazów plików…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Klatka z chwili %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Tworzenie podglądu…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Brak podglądu pliku %1; uwierzytelnianie powiodło się</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Brak podglądu pliku %1; uwierzytelnianie nie powiodło się</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Obraz pliku %1; uwierzytelnianie powiodło się</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Obraz pliku %1; uwierzytelnianie nie powiodło się</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Obraz pliku %1, klatka z chwili %2; uwierzytelnianie powiodło się</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Obraz pliku %1, klatka z chwili %2; uwierzytelnianie nie powiodło się</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Brak podglądu tego pliku</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Z podpisanych bajtów</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Z bajtów, których nie poświadcza żaden podpis</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Brak obrazu z podpisanych bajtów pliku %1; uwierzytelnianie powiodło się</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Brak podglądu pliku %1: plik został zmieniony po weryfikacji; uwierzytelnianie powiodło się</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Brak podglądu pliku %1: plik został zmieniony po weryfikacji; uwierzytelnianie nie powiodło się</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Brak obrazu z podpisanych bajtów</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Brak podglądu: plik został zmieniony po weryfikacji</translation>
    </message>
</context>
</TS>
