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
</context>
</TS>
