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
</context>
</TS>
