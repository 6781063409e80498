<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Quorvane Ardentix のバージョン情報</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>認証結果</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>認証失敗</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>認証成功</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. All rights reserved. 本プログラムは、著作権法および国際条約によって保護されています。本プログラムの全部または一部を無断で複製または配布すると、民事上および刑事上の厳しい罰則の対象となる場合があります。</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold シリアル番号</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>ファイル名</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>ヘルプ</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>画像と動画 (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>ファイルを開く</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>処理中:</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>ファイルを除外</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>終了時刻</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>ファイル総数</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
</context>
</TS>
