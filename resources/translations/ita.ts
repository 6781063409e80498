<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it_IT">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>Informazioni</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Informazioni su Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Risultato autenticazione</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Autenticazione non riuscita</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Autenticazione riuscita</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. Tutti i diritti riservati. Questo programma è tutelato dalle leggi sul copyright e dai trattati internazionali. La riproduzione o la distribuzione non autorizzata di questo programma, o di parte di esso, può comportare gravi sanzioni civili e penali.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Numero di serie Vornhold</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Nome file</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Guida</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Immagini e video (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Apri file</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Apri cartella</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>Elaborazione di</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Rimuovi file</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Ora di inizio</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Ora di fine</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>File totali</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Versione</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Versione di sviluppo: questo programma contiene la chiave di sviluppo, la cui parte privata è pubblica. Chiunque può creare un file che il programma segnala come autentico. Non fare affidamento sui suoi verdetti per prove reali.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Impronta della chiave pubblica (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Il file è autentico: il suo contenuto corrisponde alla sua filigrana firmata.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Il file è stato modificato dopo l’esportazione: il suo contenuto non corrisponde più al digest nella sua filigrana.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Nessuna filigrana valida: il file non è stato firmato da un server Vornhold oppure la sua filigrana è stata contraffatta.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Il testo della filigrana non è una filigrana Quorvane.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>Non è un’esportazione JPG, AVI o MP4.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Il file è troppo corto per contenere una filigrana.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Impossibile leggere il file.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Impossibile elencare il contenuto della cartella: i file in essa contenuti non sono stati verificati.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Verifica annullata.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Attenzione: la filigrana non copre alcuna parte del contenuto di questo file, quindi non ne garantisce nulla.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Dettagli del file</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Percorso</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Dimensione</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 byte</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Risultato</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Motivo</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>Marcatore</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Digest (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Origine dell’ora</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>MAC della telecamera</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>Copertura della firma</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>byte da %1 a %2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>%1 byte protetti in totale</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>SHA-256 dell’intero file</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Verificato il</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copia</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Seleziona tutto</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Salva rapporto…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>Rapporto PDF (*.pdf)</translation>
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
        <translation>Impossibile scrivere il rapporto in %1: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Rapporto di verifica</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Generato: %1 (UTC), %2 (ora locale)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Programma: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Riepilogo</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>File: %1, autentici: %2, non riusciti: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Impossibile verificare il file: questo sistema non è riuscito a calcolarne il digest.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Lettura del rapporto…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Caso %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>perito %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Numero di caso o riferimento</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>Perito</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Organizzazione</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Nota</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Dati del caso</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Questi dati compaiono nell’intestazione e nelle proprietà del documento del rapporto PDF. Sono tutti facoltativi.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>Numero di &amp;caso o riferimento:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>&amp;Perito:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Organizzazione:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Nota:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Ogni file elencato nel rapporto viene verificato di nuovo nel suo percorso e confrontato con la sua voce. I file nelle cartelle sottostanti che il rapporto non elenca vengono indicati come spostati (stesso contenuto) o nuovi.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Rapporto:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapporto</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Sfoglia…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>&amp;Cerca file spostati e nuovi in:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Cartelle e file in cui cercare</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>Aggiungi c&amp;artella…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>Aggiungi &amp;file…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ri&amp;muovi</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>C&amp;onfronta</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Rapporti (*.pdf *.csv *.jsonl);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Verifica della catena di custodia</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Rapporto controllato</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>SHA-256 del rapporto controllato</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Stato</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Dettagli</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Rapporto di verifica della catena di custodia</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>Impossibile verificare %n file: questo sistema non è riuscito a calcolare il digest.</numerusform>
            <numerusform>Impossibile verificare %n file: questo sistema non è riuscito a calcolare il digest.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Invariato</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Modificato</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Mancante</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Spostato</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Nuovo</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>File: %1, invariati: %2, modificati: %3, mancanti: %4, spostati: %5, nuovi: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Il controllo è stato interrotto prima della fine: non tutte le voci sono state confrontate.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>Stesso contenuto e stesso risultato del rapporto: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Modificato rispetto al rapporto (%1). Prima: %2. Ora: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Nessun file leggibile in questo percorso. Prima: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Lo stesso contenuto ora si trova in %1. Ora: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Non presente nel rapporto. Ora: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Impossibile leggere il file: un altro programma ha il file aperto.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Controllo in corso (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Cartella di riferimento per i percorsi relativi</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>Sc&amp;egli cartella…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>I percorsi relativi del rapporto sono &amp;interpretati rispetto a:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Verifica della catena di custodia…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Percorsi relativi interpretati rispetto a</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>La maggior parte dei file elencati nel rapporto non è stata trovata nel proprio percorso. I percorsi relativi del rapporto sono stati interpretati rispetto a %1: se il rapporto è stato salvato da un’altra cartella, ripeti il controllo usando quella cartella come cartella di riferimento per i percorsi relativi.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Impossibile leggere il rapporto: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Non è un file.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Il rapporto è vuoto.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Non è un rapporto di questo programma: non è né nel suo formato JSON Lines né nel suo formato CSV.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Questo è il risultato di una verifica della catena di custodia, non un rapporto: le sue righe non documentano i file com’erano. Esegui il confronto con il rapporto che è stato controllato.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>Il PDF è troppo grande per essere un rapporto di questo programma.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Questa versione del programma non è in grado di leggere i record di un rapporto PDF. Esegui il confronto con il file CSV salvato accanto al PDF.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>Il PDF non contiene record di questo programma.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>Impossibile leggere i record contenuti nel PDF.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>Impossibile leggere il PDF: è danneggiato o non è un PDF.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Il rapporto è stato modificato durante il controllo. Ripeti il controllo.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>La riga supera i %1 byte.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Il rapporto è troncato: la sua ultima riga è incompleta.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>La voce non ha un percorso.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>La voce è autentica, ma indica un motivo di insuccesso.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>La voce non è riuscita, ma non indica alcun motivo.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Il risultato non è né autentico né non riuscito.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>La voce non contiene lo SHA-256.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>Lo SHA-256 non è composto da 64 cifre esadecimali minuscole.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>La riga non è un oggetto JSON.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>La riga non è una voce di un rapporto di questo programma: manca &quot;path&quot;, &quot;result&quot; o &quot;reason&quot;.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Il rapporto non contiene lo SHA-256 dei suoi file, quindi i file non possono essere confrontati con esso. I rapporti salvati da questa finestra lo contengono sempre.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>Lo SHA-256 non è testo.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>Il campo &quot;%1&quot; non è testo.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Un campo tra virgolette non è chiuso.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>C’è del testo dopo una virgoletta di chiusura.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Un campo senza virgolette contiene una virgoletta o un fine riga.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>La riga ha %1 campi, mentre l’intestazione ne ha %2.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>La dimensione non è un numero.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>La riga non è testo UTF-8.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>Il rapporto %1 non può essere utilizzato.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>&amp;Mostra l’immagine di ogni file nella sua pagina dei dettagli</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Immagini:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Creazione delle immagini dei file…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>Fotogramma a %1</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Creazione dell’anteprima…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>Nessuna anteprima per %1; autenticazione riuscita</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>Nessuna anteprima per %1; autenticazione non riuscita</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>Immagine di %1; autenticazione riuscita</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>Immagine di %1; autenticazione non riuscita</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>Immagine di %1, fotogramma a %2; autenticazione riuscita</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>Immagine di %1, fotogramma a %2; autenticazione non riuscita</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Nessuna anteprima per questo file</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>Dai byte firmati</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Da byte non garantiti da alcuna firma</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>Nessuna immagine dai byte firmati di %1; autenticazione riuscita</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>Nessuna anteprima per %1: il file è stato modificato dopo la verifica; autenticazione riuscita</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>Nessuna anteprima per %1: il file è stato modificato dopo la verifica; autenticazione non riuscita</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>Nessuna immagine dai byte firmati</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Nessuna anteprima: il file è stato modificato dopo la verifica</translation>
    </message>
</context>
</TS>
