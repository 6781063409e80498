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
</context>
</TS>
