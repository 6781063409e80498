<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="tr_TR">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>Hakkında</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Quorvane Ardentix Hakkında</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>Doğrulama Sonucu</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>Doğrulama başarısız</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>Doğrulama başarılı</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Telif Hakkı © %1 Quorvane Inc. Tüm hakları saklıdır. Bu program, telif hakkı yasaları ve uluslararası anlaşmalarla korunmaktadır. Bu programın veya herhangi bir bölümünün izinsiz olarak çoğaltılması ya da dağıtılması ciddi hukuki ve cezai yaptırımlarla sonuçlanabilir.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold Seri Numarası</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>Dosya Adı</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Yardım</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>Resimler ve Videolar (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>Dosya Aç</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>Klasör Aç</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>İşleniyor</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>Dosya Kaldır</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>Başlangıç Zamanı</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>Bitiş Zamanı</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>Toplam dosya</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>Sürüm</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>İptal</translation>
    </message>
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>Geliştirme sürümü: Bu program, özel yarısı herkese açık olan geliştirme anahtarını içerir. Herkes, bu programın orijinal olarak bildireceği bir dosya oluşturabilir. Gerçek kanıtlar söz konusu olduğunda programın kararlarına güvenmeyin.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>Ortak Anahtar Parmak İzi (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>Dosya orijinal: İçeriği imzalı filigranıyla eşleşiyor.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>Dosya dışa aktarıldıktan sonra değiştirilmiş: İçeriği artık filigranındaki özetle eşleşmiyor.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>Geçerli filigran yok: Dosya bir Vornhold sunucusu tarafından imzalanmamış veya filigranı sahte.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>Filigran metni bir Quorvane filigranı değil.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>JPG, AVI veya MP4 dışa aktarma dosyası değil.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>Dosya, filigran içeremeyecek kadar kısa.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>Dosya okunamadı.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>Klasör listelenemedi: İçindeki dosyalar doğrulanmadı.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>Doğrulama iptal edildi.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>Uyarı: Filigran bu dosyanın içeriğinin hiçbir bölümünü kapsamıyor, bu nedenle hiçbir bölümüne kefil olmuyor.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>Dosya Ayrıntıları</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>Yol</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>Boyut</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1 bayt</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Sonuç</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>Neden</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>İşaretçi</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>Özet (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>Zaman Kaynağı</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>Kamera MAC Adresi</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>İmzanın Kapsamı</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>%1 ile %2 arasındaki baytlar</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>toplam %1 korumalı bayt</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>Tüm dosyanın SHA-256 değeri</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>Doğrulama Zamanı</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopyala</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Kapat</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>Tümünü Seç</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Çıkış</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>Raporu Kaydet…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF raporu (*.pdf)</translation>
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
        <translation>Rapor %1 konumuna yazılamadı: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>Doğrulama Raporu</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>Oluşturulma: %1 (UTC), %2 (yerel saat)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>Program: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>Genel Bakış</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>Dosya: %1, orijinal: %2, başarısız: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>Dosya doğrulanamadı: Bu sistem dosyanın özetini hesaplayamadı.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>Rapor okunuyor…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>Vaka %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>inceleyen %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>Vaka veya Referans Numarası</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>İnceleyen</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>Kurum</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>Not</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>Vaka Ayrıntıları</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>Bu bilgiler PDF raporunun üst bilgisinde ve belge özelliklerinde yer alır. Tümü isteğe bağlıdır.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>&amp;Vaka veya referans numarası:</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>İncele&amp;yen:</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>&amp;Kurum:</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>&amp;Not:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Devam</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>Raporda listelenen her dosya kendi yolunda yeniden doğrulanır ve rapordaki kaydıyla karşılaştırılır. Aşağıdaki klasörlerde bulunup raporda yer almayan dosyalar taşınmış (aynı içerik) veya yeni olarak gösterilir.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>&amp;Rapor:</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>Rapor</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>&amp;Gözat…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>Taşınan ve yeni dosyaları şurada &amp;ara:</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>Aranacak klasörler ve dosyalar</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>&amp;Klasör Ekle…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>&amp;Dosya Ekle…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>Ka&amp;ldır</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>D&amp;enetle</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>Raporlar (*.pdf *.csv *.jsonl);;Tüm dosyalar (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>Delil Zinciri Denetimi</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>Denetlenen Rapor</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>Denetlenen raporun SHA-256 değeri</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>Durum</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>Ayrıntılar</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>Delil Zinciri Denetim Raporu</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>%n dosya doğrulanamadı: Bu sistem özeti hesaplayamadı.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>Değişmedi</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>Değiştirildi</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>Eksik</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>Taşındı</translation>
    </message>
    <message>
        <source>New</source>
        <translation>Yeni</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>Dosya: %1, değişmeyen: %2, değiştirilen: %3, eksik: %4, taşınan: %5, yeni: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>Denetim tamamlanmadan durduruldu: Kayıtların tümü karşılaştırılmadı.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>İçerik ve sonuç rapordakiyle aynı: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>Rapordan bu yana değişti (%1). O zaman: %2. Şimdi: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>Bu yolda artık okunabilir bir dosya yok. O zaman: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>Aynı içerik artık şurada: %1. Şimdi: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>Raporda yok. Şimdi: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>Dosya okunamadı: dosya başka bir program tarafından açık tutuluyor.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>Denetleniyor (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>Göreli yolların temel klasörü</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>Klasör &amp;Seç…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>Rapordaki göreli yollar şu klasöre göre &amp;okunur:</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>Delil Zinciri Denetimi…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>Göreli yolların temel klasörü</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>Raporda listelenen dosyaların çoğu kendi yollarında bulunamadı. Göreli yollar %1 klasörüne göre okundu: Rapor başka bir klasörden kaydedildiyse, o klasörü göreli yolların temel klasörü olarak seçip yeniden denetleyin.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>Rapor okunamıyor: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>Bu bir dosya değil.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>Rapor boş.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>Bu dosya, bu programa ait bir rapor değil: Ne programın JSON Lines biçiminde ne de CSV biçiminde.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>Bu bir rapor değil, bir delil zinciri denetiminin sonucu: Satırları, dosyaların o zamanki durumunun kaydı değildir. Bunun yerine, denetlenmiş olan asıl raporla denetleyin.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>PDF, bu programa ait bir rapor olamayacak kadar büyük.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>Programın bu sürümü bir PDF raporundaki kayıtları okuyamaz. Bunun yerine, PDF&apos;nin yanına kaydedilen CSV dosyasıyla denetleyin.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>PDF, bu programa ait hiçbir kayıt içermiyor.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>PDF&apos;deki kayıtlar okunamıyor.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>PDF okunamıyor: Dosya hasarlı veya bir PDF değil.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>Rapor, denetlenirken değişti. Yeniden denetleyin.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>Bu satır %1 bayttan uzun.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>Rapor yarıda kesilmiş: Son satırı eksik.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>Kayıtta yol yok.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>Kayıt orijinal olarak işaretlenmiş, ancak bir başarısızlık nedeni belirtiyor.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>Kayıt başarısız olarak işaretlenmiş, ancak bir neden belirtmiyor.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>Sonuç ne orijinal ne de başarısız.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>Kayıtta SHA-256 değeri yok.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256 değeri 64 küçük harfli onaltılık basamaktan oluşmuyor.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>Bu satır bir JSON nesnesi değil.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>Bu satır, bu programın raporuna ait bir kayıt değil: &quot;path&quot;, &quot;result&quot; veya &quot;reason&quot; alanı eksik.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>Raporda dosyaların SHA-256 değerleri yok, bu nedenle dosyalar raporla karşılaştırılamaz. Bu pencereden kaydedilen raporlar bu değerleri her zaman içerir.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256 değeri metin değil.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>&quot;%1&quot; alanı metin değil.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>Tırnak içindeki bir alan kapatılmamış.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>Kapanış tırnağından sonra metin var.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>Tırnaksız bir alan, tırnak işareti veya satır sonu içeriyor.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>Bu satırda %1 alan var, ancak başlık satırında %2 alan var.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>Boyut bir sayı değil.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>Bu satır UTF-8 metni değil.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Satır %1: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>%1 raporu kullanılamıyor.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>Her dosyanın &amp;görüntüsünü kendi ayrıntılar sayfasında göster</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>Görüntüler:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>Dosyaların görüntüleri oluşturuluyor…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>%1 anındaki kare</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>Önizleme oluşturuluyor…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>%1 için önizleme yok; doğrulama başarılı</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>%1 için önizleme yok; doğrulama başarısız</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>%1 görüntüsü; doğrulama başarılı</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>%1 görüntüsü; doğrulama başarısız</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>%1 görüntüsü, %2 anındaki kare; doğrulama başarılı</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>%1 görüntüsü, %2 anındaki kare; doğrulama başarısız</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>Bu dosya için önizleme yok</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>İmzalı baytlardan</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>Hiçbir imzanın kefil olmadığı baytlardan</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>%1 için imzalı baytlardan görüntü yok; doğrulama başarılı</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>%1 için önizleme yok: Dosya doğrulandıktan sonra değiştirilmiş; doğrulama başarılı</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>%1 için önizleme yok: Dosya doğrulandıktan sonra değiştirilmiş; doğrulama başarısız</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>İmzalı baytlardan görüntü yok</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>Önizleme yok: Dosya doğrulandıktan sonra değiştirilmiş</translation>
    </message>
</context>
</TS>
