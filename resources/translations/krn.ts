<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko_KR">
<context>
    <name>QObject</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>About Quorvane Ardentix</source>
        <translation>Quorvane Ardentix 정보</translation>
    </message>
    <message>
        <source>Authentication Result</source>
        <translation>인증 결과</translation>
    </message>
    <message>
        <source>Authentication failed</source>
        <translation>인증 실패</translation>
    </message>
    <message>
        <source>Authentication succeeded</source>
        <translation>인증 성공</translation>
    </message>
    <message>
        <source>Copyright © %1 Quorvane Inc. All rights reserved. This program is protected by copyright law and international treaties. Unauthorized reproduction or distribution of this program, or any portion of it, may result in severe civil and criminal penalties.</source>
        <translation>Copyright © %1 Quorvane Inc. All rights reserved. 이 프로그램은 저작권법 및 국제 조약의 보호를 받습니다. 이 프로그램의 전부 또는 일부를 무단으로 복제하거나 배포하면 엄중한 민사 및 형사 처벌을 받을 수 있습니다.</translation>
    </message>
    <message>
        <source>Vornhold Serial Number</source>
        <translation>Vornhold 일련 번호</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>파일 이름</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>도움말</translation>
    </message>
    <message>
        <source>Images and Videos (*.jpg;*.avi;*.mp4)</source>
        <translation>이미지 및 비디오 (*.jpg;*.avi;*.mp4)</translation>
    </message>
    <message>
        <source>Open File(s)</source>
        <translation>파일 열기</translation>
    </message>
    <message>
        <source>Open Folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Processing</source>
        <translation>처리 중</translation>
    </message>
    <message>
        <source>Remove File(s)</source>
        <translation>파일 제거</translation>
    </message>
    <message>
        <source>Start Time</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>Stop Time</source>
        <translation>종료 시간</translation>
    </message>
    <message>
        <source>Quorvane Ardentix</source>
        <translation>Quorvane Ardentix</translation>
    </message>
    <message>
        <source>Total files</source>
        <translation>총 파일 수</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>버전</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
</TS>
