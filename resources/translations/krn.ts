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
    <message>
        <source>Development build: this program carries the development key, whose private half is public. Anyone can make a file that it reports as authentic. Do not rely on its verdicts for real evidence.</source>
        <translation>개발 빌드: 이 프로그램에는 개인 키 부분이 공개된 개발 키가 들어 있습니다. 누구나 이 프로그램이 진본으로 판정하는 파일을 만들 수 있습니다. 실제 증거에 대해서는 이 프로그램의 판정을 신뢰하지 마십시오.</translation>
    </message>
    <message>
        <source>Public key fingerprint (SHA-256)</source>
        <translation>공개 키 지문 (SHA-256)</translation>
    </message>
    <message>
        <source>The file is authentic: its content matches its signed watermark.</source>
        <translation>파일이 진본입니다: 내용이 서명된 워터마크와 일치합니다.</translation>
    </message>
    <message>
        <source>The file was changed after it was exported: its content no longer matches the digest in its watermark.</source>
        <translation>내보낸 후 파일이 변경되었습니다: 내용이 더 이상 워터마크의 다이제스트와 일치하지 않습니다.</translation>
    </message>
    <message>
        <source>No valid watermark: the file was not signed by a Vornhold server, or its watermark was forged.</source>
        <translation>유효한 워터마크가 없습니다: 파일이 Vornhold 서버에서 서명되지 않았거나 워터마크가 위조되었습니다.</translation>
    </message>
    <message>
        <source>The watermark text is not a Quorvane watermark.</source>
        <translation>워터마크 텍스트가 Quorvane 워터마크가 아닙니다.</translation>
    </message>
    <message>
        <source>Not a JPG, AVI or MP4 export.</source>
        <translation>JPG, AVI 또는 MP4 내보내기 파일이 아닙니다.</translation>
    </message>
    <message>
        <source>The file is too short to hold a watermark.</source>
        <translation>파일이 너무 짧아 워터마크를 포함할 수 없습니다.</translation>
    </message>
    <message>
        <source>The file could not be read.</source>
        <translation>파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The folder could not be listed: the files in it were not verified.</source>
        <translation>폴더 내용을 나열할 수 없습니다: 폴더 안의 파일은 검증되지 않았습니다.</translation>
    </message>
    <message>
        <source>Verification was cancelled.</source>
        <translation>검증이 취소되었습니다.</translation>
    </message>
    <message>
        <source>Warning: the watermark covers none of this file&apos;s content, so it vouches for none of it.</source>
        <translation>경고: 워터마크가 이 파일의 내용을 전혀 포함하지 않으므로 어떤 내용도 보증하지 않습니다.</translation>
    </message>
    <message>
        <source>File Details</source>
        <translation>파일 세부 정보</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>경로</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>%1 bytes</source>
        <translation>%1바이트</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>결과</translation>
    </message>
    <message>
        <source>Reason</source>
        <translation>원인</translation>
    </message>
    <message>
        <source>Marker</source>
        <translation>마커</translation>
    </message>
    <message>
        <source>Digest (HMAC)</source>
        <translation>다이제스트 (HMAC)</translation>
    </message>
    <message>
        <source>Time Source</source>
        <translation>시간 소스</translation>
    </message>
    <message>
        <source>Camera MAC</source>
        <translation>카메라 MAC</translation>
    </message>
    <message>
        <source>Signature covers</source>
        <translation>서명 적용 범위</translation>
    </message>
    <message>
        <source>bytes %1 to %2</source>
        <translation>바이트 %1~%2</translation>
    </message>
    <message>
        <source>%1 protected bytes in all</source>
        <translation>총 %1바이트 보호됨</translation>
    </message>
    <message>
        <source>SHA-256 of the whole file</source>
        <translation>전체 파일의 SHA-256</translation>
    </message>
    <message>
        <source>Verified at</source>
        <translation>검증 시각</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Select All</source>
        <translation>모두 선택</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Save Report…</source>
        <translation>보고서 저장…</translation>
    </message>
    <message>
        <source>PDF report (*.pdf)</source>
        <translation>PDF 보고서 (*.pdf)</translation>
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
        <translation>보고서를 %1에 쓸 수 없습니다: %2</translation>
    </message>
    <message>
        <source>Verification Report</source>
        <translation>검증 보고서</translation>
    </message>
    <message>
        <source>Generated: %1 (UTC), %2 (local time)</source>
        <translation>생성 시각: %1 (UTC), %2 (현지 시각)</translation>
    </message>
    <message>
        <source>Program: Quorvane Ardentix %1</source>
        <translation>프로그램: Quorvane Ardentix %1</translation>
    </message>
    <message>
        <source>Summary</source>
        <translation>요약</translation>
    </message>
    <message>
        <source>Files: %1, authentic: %2, failed: %3</source>
        <translation>파일: %1, 진본: %2, 실패: %3</translation>
    </message>
    <message>
        <source>The file could not be verified: this system could not compute its digest.</source>
        <translation>파일을 검증할 수 없습니다: 이 시스템에서 다이제스트를 계산할 수 없습니다.</translation>
    </message>
    <message>
        <source>Reading the report…</source>
        <translation>보고서를 읽는 중…</translation>
    </message>
    <message>
        <source>Case %1</source>
        <translation>사건 %1</translation>
    </message>
    <message>
        <source>examiner %1</source>
        <translation>검사자 %1</translation>
    </message>
    <message>
        <source>Case or reference number</source>
        <translation>사건 번호 또는 참조 번호</translation>
    </message>
    <message>
        <source>Examiner</source>
        <translation>검사자</translation>
    </message>
    <message>
        <source>Organisation</source>
        <translation>기관</translation>
    </message>
    <message>
        <source>Note</source>
        <translation>비고</translation>
    </message>
    <message>
        <source>Case Details</source>
        <translation>사건 정보</translation>
    </message>
    <message>
        <source>These details are printed in the PDF report&apos;s header and document information. All are optional.</source>
        <translation>이 정보는 PDF 보고서의 머리글과 문서 속성에 인쇄됩니다. 모두 선택 사항입니다.</translation>
    </message>
    <message>
        <source>&amp;Case or reference number:</source>
        <translation>사건 번호 또는 참조 번호(&amp;C):</translation>
    </message>
    <message>
        <source>&amp;Examiner:</source>
        <translation>검사자(&amp;E):</translation>
    </message>
    <message>
        <source>&amp;Organisation:</source>
        <translation>기관(&amp;O):</translation>
    </message>
    <message>
        <source>&amp;Note:</source>
        <translation>비고(&amp;N):</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>계속</translation>
    </message>
    <message>
        <source>Every file that the report lists is verified again at its path and compared with its entry. Files in the folders below that the report does not list are shown as moved (same content) or new.</source>
        <translation>보고서에 나열된 모든 파일을 해당 경로에서 다시 검증하고 보고서의 항목과 비교합니다. 아래 폴더에 있지만 보고서에 없는 파일은 이동됨(같은 내용) 또는 새 파일로 표시됩니다.</translation>
    </message>
    <message>
        <source>&amp;Report:</source>
        <translation>보고서(&amp;R):</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>보고서</translation>
    </message>
    <message>
        <source>&amp;Browse…</source>
        <translation>찾아보기(&amp;B)…</translation>
    </message>
    <message>
        <source>&amp;Search for moved and new files in:</source>
        <translation>이동된 파일과 새 파일을 검색할 위치(&amp;S):</translation>
    </message>
    <message>
        <source>Folders and files to search</source>
        <translation>검색할 폴더 및 파일</translation>
    </message>
    <message>
        <source>Add &amp;Folder…</source>
        <translation>폴더 추가(&amp;F)…</translation>
    </message>
    <message>
        <source>Add F&amp;iles…</source>
        <translation>파일 추가(&amp;I)…</translation>
    </message>
    <message>
        <source>Re&amp;move</source>
        <translation>제거(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Check</source>
        <translation>대조(&amp;C)</translation>
    </message>
    <message>
        <source>Reports (*.pdf *.csv *.jsonl);;All files (*)</source>
        <translation>보고서 (*.pdf *.csv *.jsonl);;모든 파일 (*)</translation>
    </message>
    <message>
        <source>Custody Check</source>
        <translation>관리 연속성 확인</translation>
    </message>
    <message>
        <source>Report checked</source>
        <translation>확인한 보고서</translation>
    </message>
    <message>
        <source>SHA-256 of the report checked</source>
        <translation>확인한 보고서의 SHA-256</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Details</source>
        <translation>세부 정보</translation>
    </message>
    <message>
        <source>Custody Check Report</source>
        <translation>관리 연속성 확인 보고서</translation>
    </message>
    <message numerus="yes">
        <source>%n file(s) could not be verified: this system could not compute the digest.</source>
        <translation>
            <numerusform>파일 %n개를 검증할 수 없습니다: 이 시스템에서 다이제스트를 계산할 수 없습니다.</numerusform>
        </translation>
    </message>
    <message>
        <source>Unchanged</source>
        <translation>변경 없음</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>변경됨</translation>
    </message>
    <message>
        <source>Missing</source>
        <translation>누락됨</translation>
    </message>
    <message>
        <source>Moved</source>
        <translation>이동됨</translation>
    </message>
    <message>
        <source>New</source>
        <translation>새 파일</translation>
    </message>
    <message>
        <source>Files: %1, unchanged: %2, modified: %3, missing: %4, moved: %5, new: %6</source>
        <translation>파일: %1, 변경 없음: %2, 변경됨: %3, 누락됨: %4, 이동됨: %5, 새 파일: %6</translation>
    </message>
    <message>
        <source>The check was stopped before the end: not every entry was compared.</source>
        <translation>대조가 끝나기 전에 중지되었습니다: 일부 항목은 비교되지 않았습니다.</translation>
    </message>
    <message>
        <source>Same content and result as in the report: %1.</source>
        <translation>내용과 결과가 보고서와 같습니다: %1.</translation>
    </message>
    <message>
        <source>Changed since the report (%1). Then: %2. Now: %3.</source>
        <translation>보고서 이후 변경됨(%1). 당시: %2. 현재: %3.</translation>
    </message>
    <message>
        <source>No readable file at this path now. Then: %1.</source>
        <translation>현재 이 경로에 읽을 수 있는 파일이 없습니다. 당시: %1.</translation>
    </message>
    <message>
        <source>The same content is now at %1. Now: %2.</source>
        <translation>같은 내용이 현재 %1에 있습니다. 현재: %2.</translation>
    </message>
    <message>
        <source>Not in the report. Now: %1.</source>
        <translation>보고서에 없습니다. 현재: %1.</translation>
    </message>
    <message>
        <source>The file could not be read: another program has the file open.</source>
        <translation>파일을 읽을 수 없습니다. 다른 프로그램에서 파일을 열고 있습니다.</translation>
    </message>
    <message>
        <source>Checking (%1/%2)</source>
        <translation>대조 중 (%1/%2)</translation>
    </message>
    <message>
        <source>Folder for relative paths</source>
        <translation>상대 경로의 기준 폴더</translation>
    </message>
    <message>
        <source>Ch&amp;oose Folder…</source>
        <translation>폴더 선택(&amp;O)…</translation>
    </message>
    <message>
        <source>Relative paths in the report are read &amp;against:</source>
        <translation>보고서의 상대 경로 기준 폴더(&amp;A):</translation>
    </message>
    <message>
        <source>Custody Check…</source>
        <translation>관리 연속성 확인…</translation>
    </message>
    <message>
        <source>Relative paths read against</source>
        <translation>상대 경로의 기준 폴더</translation>
    </message>
    <message>
        <source>Most files that the report lists were not found at their paths. Its relative paths were read against %1: if the report was saved from another folder, check again with that folder for relative paths.</source>
        <translation>보고서에 나열된 파일 대부분을 해당 경로에서 찾을 수 없습니다. 상대 경로는 %1 폴더를 기준으로 해석되었습니다: 보고서를 다른 폴더에서 저장했다면 그 폴더를 상대 경로의 기준 폴더로 지정하여 다시 대조하십시오.</translation>
    </message>
    <message>
        <source>The report cannot be read: %1.</source>
        <translation>보고서를 읽을 수 없습니다: %1.</translation>
    </message>
    <message>
        <source>This is not a file.</source>
        <translation>파일이 아닙니다.</translation>
    </message>
    <message>
        <source>The report is empty.</source>
        <translation>보고서가 비어 있습니다.</translation>
    </message>
    <message>
        <source>This is not a report of this program: it is neither its JSON Lines nor its CSV.</source>
        <translation>이 프로그램의 보고서가 아닙니다: 이 프로그램의 JSON Lines 형식도, CSV 형식도 아닙니다.</translation>
    </message>
    <message>
        <source>This is the outcome of a custody check, not a report: its lines are no record of the files as they were. Check against the report that was checked.</source>
        <translation>보고서가 아니라 관리 연속성 확인의 결과입니다: 각 줄은 당시 파일 상태의 기록이 아닙니다. 대조에 사용했던 원래 보고서로 대조하십시오.</translation>
    </message>
    <message>
        <source>The PDF is too large to be a report of this program.</source>
        <translation>PDF가 너무 커서 이 프로그램의 보고서일 수 없습니다.</translation>
    </message>
    <message>
        <source>This version of the program cannot read the records of a PDF report. Check against the CSV file saved beside the PDF.</source>
        <translation>이 버전의 프로그램은 PDF 보고서의 레코드를 읽을 수 없습니다. PDF와 함께 저장된 CSV 파일로 대조하십시오.</translation>
    </message>
    <message>
        <source>The PDF holds no records of this program.</source>
        <translation>PDF에 이 프로그램의 레코드가 없습니다.</translation>
    </message>
    <message>
        <source>The records in the PDF cannot be read.</source>
        <translation>PDF의 레코드를 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The PDF cannot be read: it is damaged or not a PDF.</source>
        <translation>PDF를 읽을 수 없습니다: 파일이 손상되었거나 PDF가 아닙니다.</translation>
    </message>
    <message>
        <source>The report changed while it was checked. Check again.</source>
        <translation>대조하는 동안 보고서가 변경되었습니다. 다시 대조하십시오.</translation>
    </message>
    <message>
        <source>The line is longer than %1 bytes.</source>
        <translation>줄이 %1바이트보다 깁니다.</translation>
    </message>
    <message>
        <source>The report is cut off: its last line is incomplete.</source>
        <translation>보고서가 잘렸습니다: 마지막 줄이 불완전합니다.</translation>
    </message>
    <message>
        <source>The entry has no path.</source>
        <translation>항목에 경로가 없습니다.</translation>
    </message>
    <message>
        <source>The entry is authentic, yet gives a reason for failure.</source>
        <translation>항목의 결과가 진본인데도 실패 원인이 기재되어 있습니다.</translation>
    </message>
    <message>
        <source>The entry failed, yet gives no reason.</source>
        <translation>항목의 결과가 실패인데도 원인이 기재되어 있지 않습니다.</translation>
    </message>
    <message>
        <source>The result is neither authentic nor failed.</source>
        <translation>결과가 진본도 실패도 아닙니다.</translation>
    </message>
    <message>
        <source>The entry has no SHA-256.</source>
        <translation>항목에 SHA-256이 없습니다.</translation>
    </message>
    <message>
        <source>The SHA-256 is not 64 lower-case hexadecimal digits.</source>
        <translation>SHA-256이 64자리 소문자 16진수가 아닙니다.</translation>
    </message>
    <message>
        <source>The line is not a JSON object.</source>
        <translation>줄이 JSON 개체가 아닙니다.</translation>
    </message>
    <message>
        <source>The line is not an entry of this program&apos;s report: it lacks &quot;path&quot;, &quot;result&quot; or &quot;reason&quot;.</source>
        <translation>줄이 이 프로그램 보고서의 항목이 아닙니다: &quot;path&quot;, &quot;result&quot; 또는 &quot;reason&quot;이 없습니다.</translation>
    </message>
    <message>
        <source>The report has no SHA-256 of its files, so the files cannot be compared with it. Reports saved by this window always have one.</source>
        <translation>보고서에 파일의 SHA-256이 없으므로 파일을 보고서와 비교할 수 없습니다. 이 창에서 저장한 보고서에는 항상 SHA-256이 있습니다.</translation>
    </message>
    <message>
        <source>The SHA-256 is not text.</source>
        <translation>SHA-256이 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>The field &quot;%1&quot; is not text.</source>
        <translation>&quot;%1&quot; 필드가 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>A quoted field is not closed.</source>
        <translation>따옴표로 묶은 필드가 닫히지 않았습니다.</translation>
    </message>
    <message>
        <source>There is text after a closing quote.</source>
        <translation>닫는 따옴표 뒤에 텍스트가 있습니다.</translation>
    </message>
    <message>
        <source>A field without quotes holds a quote or a line end.</source>
        <translation>따옴표로 묶지 않은 필드에 따옴표나 줄 바꿈이 있습니다.</translation>
    </message>
    <message>
        <source>The line has %1 fields where the header has %2.</source>
        <translation>이 줄의 필드는 %1개이지만 머리글 행의 필드는 %2개입니다.</translation>
    </message>
    <message>
        <source>The size is not a number.</source>
        <translation>크기가 숫자가 아닙니다.</translation>
    </message>
    <message>
        <source>The line is not UTF-8 text.</source>
        <translation>줄이 UTF-8 텍스트가 아닙니다.</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>%1번째 줄: %2</translation>
    </message>
    <message>
        <source>The report %1 cannot be used.</source>
        <translation>보고서 %1을(를) 사용할 수 없습니다.</translation>
    </message>
    <message>
        <source>&amp;Show each file&apos;s picture on its details page</source>
        <translation>각 파일의 세부 정보 페이지에 이미지 표시(&amp;S)</translation>
    </message>
    <message>
        <source>Pictures:</source>
        <translation>이미지:</translation>
    </message>
    <message>
        <source>Making the pictures of the files…</source>
        <translation>파일 이미지를 만드는 중…</translation>
    </message>
    <message>
        <source>Frame at %1</source>
        <translation>%1 시점 프레임</translation>
    </message>
    <message>
        <source>Making the preview…</source>
        <translation>미리 보기를 만드는 중…</translation>
    </message>
    <message>
        <source>No preview for %1; authentication succeeded</source>
        <translation>%1 미리 보기 없음; 인증 성공</translation>
    </message>
    <message>
        <source>No preview for %1; authentication failed</source>
        <translation>%1 미리 보기 없음; 인증 실패</translation>
    </message>
    <message>
        <source>Picture of %1; authentication succeeded</source>
        <translation>%1 이미지; 인증 성공</translation>
    </message>
    <message>
        <source>Picture of %1; authentication failed</source>
        <translation>%1 이미지; 인증 실패</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication succeeded</source>
        <translation>%1 이미지, %2 시점 프레임; 인증 성공</translation>
    </message>
    <message>
        <source>Picture of %1, frame at %2; authentication failed</source>
        <translation>%1 이미지, %2 시점 프레임; 인증 실패</translation>
    </message>
    <message>
        <source>No preview for this file</source>
        <translation>이 파일의 미리 보기 없음</translation>
    </message>
    <message>
        <source>From the signed bytes</source>
        <translation>서명된 바이트에서 가져옴</translation>
    </message>
    <message>
        <source>From bytes that no signature vouches for</source>
        <translation>어떤 서명도 보증하지 않는 바이트에서 가져옴</translation>
    </message>
    <message>
        <source>No picture from the signed bytes of %1; authentication succeeded</source>
        <translation>%1 서명된 바이트의 이미지 없음; 인증 성공</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication succeeded</source>
        <translation>%1 미리 보기 없음: 검증 후 파일이 변경됨; 인증 성공</translation>
    </message>
    <message>
        <source>No preview for %1: the file changed after it was verified; authentication failed</source>
        <translation>%1 미리 보기 없음: 검증 후 파일이 변경됨; 인증 실패</translation>
    </message>
    <message>
        <source>No picture from the signed bytes</source>
        <translation>서명된 바이트의 이미지 없음</translation>
    </message>
    <message>
        <source>No preview: the file changed after it was verified</source>
        <translation>미리 보기 없음: 검증 후 파일이 변경됨</translation>
    </message>
</context>
</TS>
