<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
<context>
    <name>AboutView</name>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>Customer Support</source>
        <translation>고객 지원</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>공식 웹사이트</translation>
    </message>
</context>
<context>
    <name>AreaSelected</name>
    <message>
        <source>Fixed region</source>
        <translation>고정 영역</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (전체 화면)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>영역/창 선택</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
</context>
<context>
    <name>AreaSelectedClass</name>
    <message>
        <source>Select region/window</source>
        <translation>영역/창 선택</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
</context>
<context>
    <name>AreaSelecting</name>
    <message>
        <source>Left: %1 Top: %2</source>
        <translation>왼쪽: %1 위쪽: %2</translation>
    </message>
</context>
<context>
    <name>AudioDeviceList</name>
    <message>
        <source>Record without System Sound</source>
        <translation>시스템 사운드 없이 녹화</translation>
    </message>
    <message>
        <source>Record without Microphone</source>
        <translation>마이크 없이 녹화</translation>
    </message>
</context>
<context>
    <name>AudioDeviceListClass</name>
    <message>
        <source>Record without System Sound</source>
        <translation>시스템 사운드 없이 녹화</translation>
    </message>
</context>
<context>
    <name>BugReportView</name>
    <message>
        <source>Bug Report</source>
        <translation>버그 신고</translation>
    </message>
    <message>
        <source>Please report any problems you encountered during using this software. We will answer you as soon we receive it.</source>
        <translation>이 소프트웨어를 사용하면서 발생한 문제를 알려 주세요. 접수하는 대로 답변드리겠습니다.</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>이메일:</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>이메일</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>이름:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>이름</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>보내기</translation>
    </message>
</context>
<context>
    <name>BugreportThread</name>
    <message>
        <source>No mail account is set up for bug reports (MailHost in the group Services of the settings), so the report was not sent.</source>
        <translation>버그 보고용 메일 계정이 설정되어 있지 않아(설정의 Services 그룹에 있는 MailHost) 보고서를 보내지 못했습니다.</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate is not trusted, so the report was not sent.</source>
        <translation>메일 서버의 인증서를 신뢰할 수 없어 보고서를 보내지 못했습니다.</translation>
    </message>
    <message>
        <source>The mail server refused the login of the bug report account.</source>
        <translation>메일 서버가 버그 보고 계정의 로그인을 거부했습니다.</translation>
    </message>
    <message>
        <source>The mail server cannot be reached. Check the network connection and try again.</source>
        <translation>메일 서버에 연결할 수 없습니다. 네트워크 연결을 확인한 후 다시 시도하세요.</translation>
    </message>
    <message>
        <source>The mail server did not accept the report. Please try again later.</source>
        <translation>메일 서버가 보고서를 받지 않았습니다. 나중에 다시 시도하세요.</translation>
    </message>
</context>
<context>
    <name>CWindowsFrame</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>도움말 센터</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
</context>
<context>
    <name>CameraWindow</name>
    <message>
        <source>Sticky on Top</source>
        <translation>항상 위에 표시</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>카메라 설정</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>투명도</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>사진 찍기</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>스크린샷 저장 위치가 올바르지 않습니다. 설정에서 다시 선택하세요.</translation>
    </message>
    <message>
        <source>The photo could not be taken.</source>
        <translation>사진을 찍을 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>CameraWindowClass</name>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
</context>
<context>
    <name>CapturePanelClass</name>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Pin to screen</source>
        <translation>화면에 고정</translation>
    </message>
    <message>
        <source>Paste to screen</source>
        <translation>화면에 붙이기</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>복사</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>저장</translation>
    </message>
</context>
<context>
    <name>CarmeraListClass</name>
    <message>
        <source>Manager</source>
        <translation>관리</translation>
    </message>
    <message>
        <source>Record without Webcam</source>
        <translation>웹캠 없이 녹화</translation>
    </message>
</context>
<context>
    <name>CarmeraSettingsClass</name>
    <message>
        <source>Camera Settings</source>
        <translation>카메라 설정</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>출력 형식</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>좌우 반전</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>가운데</translation>
    </message>
    <message>
        <source>Lower Right </source>
        <translation>오른쪽 아래 </translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>오른쪽 위</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>왼쪽 아래</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>왼쪽 위</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Ok</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>No longer tips</source>
        <translation>다시 표시 안 함</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>제거</translation>
    </message>
    <message>
        <source>Are you sure to remove the history recording from the list?</source>
        <translation>이 녹화를 기록 목록에서 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>로컬 파일 삭제</translation>
    </message>
    <message>
        <source>Are you sure to delete this task schedule?</source>
        <translation>이 예약 작업을 삭제하시겠습니까?</translation>
    </message>
    <message>
        <source>No</source>
        <translation>아니요</translation>
    </message>
    <message>
        <source>Please enter the new task schedule name:</source>
        <translation>새 예약 작업 이름을 입력하세요:</translation>
    </message>
    <message>
        <source>Please enter the time:</source>
        <translation>시간을 입력하세요:</translation>
    </message>
    <message>
        <source>Operation successfully done.</source>
        <translation>작업을 완료했습니다.</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>작업에 실패했습니다.</translation>
    </message>
</context>
<context>
    <name>CommonDialogClass</name>
    <message>
        <source>Olvex Mirelo</source>
        <translation>Olvex Mirelo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Please enter new file name:</source>
        <translation>새 파일 이름을 입력하세요:</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>시스템 트레이로 최소화</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>프로그램 종료</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>로컬 파일 삭제</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>녹화 옵션</translation>
    </message>
    <message>
        <source>Record Length</source>
        <translation>녹화 시간</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>그리기</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>녹화 시간은 1초 이상이어야 합니다.</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>스크린샷 저장 위치가 올바르지 않습니다. 설정에서 다시 선택하세요.</translation>
    </message>
    <message>
        <source>The screenshot could not be saved.</source>
        <translation>스크린샷을 저장할 수 없습니다.</translation>
    </message>
    <message>
        <source>Failed to start recording.</source>
        <translation>녹화를 시작할 수 없습니다.</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 was removed while it was being written. The recording is lost.</source>
        <translation>녹화가 중지되었습니다: 기록 중에 파일 %1이(가) 삭제되었습니다. 녹화 내용이 손실되었습니다.</translation>
    </message>
    <message>
        <source>The recording was stopped: the disk is full. What was recorded until then is kept in %1.</source>
        <translation>녹화가 중지되었습니다: 디스크가 가득 찼습니다. 그때까지 녹화된 내용은 %1에 보존됩니다.</translation>
    </message>
    <message>
        <source>The recording was stopped: the sound it was recording is gone (its device was removed, or the sound server ended). What was recorded until then is kept in %1.</source>
        <translation>녹화가 중지되었습니다: 녹음하던 소리가 사라졌습니다(장치가 제거되었거나 사운드 서버가 종료되었습니다). 그때까지 녹화된 내용은 %1에 보존됩니다.</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 could not be written. What was recorded until then is kept.</source>
        <translation>녹화가 중지되었습니다: 파일 %1에 쓸 수 없습니다. 그때까지 녹화된 내용은 보존됩니다.</translation>
    </message>
    <message>
        <source>Failed to start recording: none of the sources it records (screen region, webcam, system sound, microphone) is there.</source>
        <translation>녹화를 시작할 수 없습니다: 녹화할 소스(화면 영역, 웹캠, 시스템 사운드, 마이크)가 하나도 없습니다.</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>장치 %1</translation>
    </message>
    <message>
        <source>The webcam chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>이 녹화에 선택한 웹캠이 없었습니다. 대신 &quot;%1&quot;(으)로 녹화했습니다.</translation>
    </message>
    <message>
        <source>The system sound device chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>이 녹화에 선택한 시스템 사운드 장치가 없었습니다. 대신 &quot;%1&quot;(으)로 녹음했습니다.</translation>
    </message>
    <message>
        <source>The microphone chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>이 녹화에 선택한 마이크가 없었습니다. 대신 &quot;%1&quot;(으)로 녹음했습니다.</translation>
    </message>
    <message>
        <source>There was no webcam: the recording was made without it.</source>
        <translation>웹캠이 없었습니다. 웹캠 없이 녹화했습니다.</translation>
    </message>
    <message>
        <source>There was no system sound device: the recording was made without system sound.</source>
        <translation>시스템 사운드 장치가 없었습니다. 시스템 사운드 없이 녹화했습니다.</translation>
    </message>
    <message>
        <source>There was no microphone: the recording was made without it.</source>
        <translation>마이크가 없었습니다. 마이크 없이 녹화했습니다.</translation>
    </message>
</context>
<context>
    <name>ControlPanelClass</name>
    <message>
        <source>Record length</source>
        <translation>녹화 시간</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>변경</translation>
    </message>
    <message>
        <source>Shut down when recording ends</source>
        <translation>녹화 종료 후 시스템 종료</translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation>시스템 사운드</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>카메라</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Sending a bug report. Please try another later.</source>
        <translation>버그 신고를 보내는 중입니다. 나중에 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Please describe the problem clearly before submitting.</source>
        <translation>보내기 전에 문제를 자세히 설명해 주세요.</translation>
    </message>
    <message>
        <source>Unknown error, try again please.</source>
        <translation>알 수 없는 오류입니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Send failed, please try again.</source>
        <translation>보내지 못했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Bug Report sent successful!</source>
        <translation>버그 신고를 보냈습니다!</translation>
    </message>
    <message>
        <source>Bug Report sent failed!</source>
        <translation>버그 신고를 보내지 못했습니다!</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the webcam. Make sure your user may use the video device and that no other program holds it.</source>
        <translation>이 데스크톱에는 웹캠 개인정보 설정 페이지가 없습니다. 사용자가 비디오 장치를 사용할 수 있고 다른 프로그램이 사용 중이지 않은지 확인하세요.</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the microphone. Make sure the sound server lets programs record and the input is not muted.</source>
        <translation>이 데스크톱에는 마이크 개인정보 설정 페이지가 없습니다. 사운드 서버가 녹음을 허용하고 입력이 음소거되지 않았는지 확인하세요.</translation>
    </message>
    <message>
        <source>Update: failed to find product record.</source>
        <translation>업데이트: 제품 정보를 찾을 수 없습니다.</translation>
    </message>
    <message>
        <source>Update:xml data error.</source>
        <translation>업데이트: XML 데이터 오류입니다.</translation>
    </message>
    <message>
        <source>Time out in requesting background data.</source>
        <translation>백그라운드 데이터 요청 시간이 초과되었습니다.</translation>
    </message>
    <message>
        <source>Program can&apos;t connect to the Internet. Please check your Interent connection.</source>
        <translation>인터넷에 연결할 수 없습니다. 인터넷 연결을 확인하세요.</translation>
    </message>
    <message>
        <source>Other errors. Please contact our Customer Service Center.</source>
        <translation>기타 오류입니다. 고객 서비스 센터에 문의하세요.</translation>
    </message>
</context>
<context>
    <name>CountDownClass</name>
    <message>
        <source>Control</source>
        <translation>제어</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>State</source>
        <translation>상태</translation>
    </message>
    <message>
        <source>Start/Stop Recording:</source>
        <translation>녹화 시작/중지:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Pause/Resume Recording:</source>
        <translation>녹화 일시 정지/재개:</translation>
    </message>
</context>
<context>
    <name>CustomSelectArea</name>
    <message>
        <source>Select Area</source>
        <translation>영역 선택</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>너비:</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>가로세로 비율 고정 꺼짐</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>높이:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>DataGroupOutput</name>
    <message>
        <source>Software Encoder</source>
        <translation>소프트웨어 인코더</translation>
    </message>
    <message>
        <source>Intel Hardware Encoder</source>
        <translation>Intel 하드웨어 인코더</translation>
    </message>
    <message>
        <source>Nvidia Hardware Encoder</source>
        <translation>Nvidia 하드웨어 인코더</translation>
    </message>
    <message>
        <source>AMD Hardware Encoder</source>
        <translation>AMD 하드웨어 인코더</translation>
    </message>
    <message>
        <source>High</source>
        <translation>높음</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>낮음</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>The recording engine was not found:
%1</source>
        <translation>녹화 엔진을 찾을 수 없습니다:
%1</translation>
    </message>
    <message>
        <source>The recording engine could not be loaded:
%1
%2</source>
        <translation>녹화 엔진을 불러올 수 없습니다:
%1
%2</translation>
    </message>
    <message>
        <source>The recording engine %1 has no entry point &quot;%2&quot;.</source>
        <translation>녹화 엔진 %1에 진입점 &quot;%2&quot;이(가) 없습니다.</translation>
    </message>
    <message>
        <source>The recording engine %1 lacks these operations:
%2</source>
        <translation>녹화 엔진 %1에 다음 작업이 없습니다:
%2</translation>
    </message>
</context>
<context>
    <name>GraphicEditorClass</name>
    <message>
        <source>Rectangle</source>
        <translation>사각형</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>타원</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>선</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>화살표</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>브러시</translation>
    </message>
    <message>
        <source>Air brush</source>
        <translation>에어브러시</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>텍스트</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>흐리기</translation>
    </message>
    <message>
        <source>Callout</source>
        <translation>말풍선</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>지우개</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>실행 취소</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>다시 실행</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>모두 지우기</translation>
    </message>
    <message>
        <source>Exit drawing board editing</source>
        <translation>그리기 모드 종료</translation>
    </message>
    <message>
        <source>Select a tool to start draw!</source>
        <translation>도구를 선택하여 그리기를 시작하세요!</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>크기:</translation>
    </message>
    <message>
        <source>Slim</source>
        <translation>가늘게</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>굵게</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>아주 굵게</translation>
    </message>
    <message>
        <source>1</source>
        <translation>1</translation>
    </message>
    <message>
        <source>2</source>
        <translation>2</translation>
    </message>
    <message>
        <source>3</source>
        <translation>3</translation>
    </message>
    <message>
        <source>4</source>
        <translation>4</translation>
    </message>
    <message>
        <source>5</source>
        <translation>5</translation>
    </message>
    <message>
        <source>6</source>
        <translation>6</translation>
    </message>
    <message>
        <source>7</source>
        <translation>7</translation>
    </message>
    <message>
        <source>8</source>
        <translation>8</translation>
    </message>
    <message>
        <source>9</source>
        <translation>9</translation>
    </message>
    <message>
        <source>10</source>
        <translation>10</translation>
    </message>
    <message>
        <source>11</source>
        <translation>11</translation>
    </message>
    <message>
        <source>12</source>
        <translation>12</translation>
    </message>
    <message>
        <source>13</source>
        <translation>13</translation>
    </message>
    <message>
        <source>14</source>
        <translation>14</translation>
    </message>
    <message>
        <source>15</source>
        <translation>15</translation>
    </message>
    <message>
        <source>16</source>
        <translation>16</translation>
    </message>
    <message>
        <source>17</source>
        <translation>17</translation>
    </message>
    <message>
        <source>18</source>
        <translation>18</translation>
    </message>
    <message>
        <source>19</source>
        <translation>19</translation>
    </message>
    <message>
        <source>20</source>
        <translation>20</translation>
    </message>
    <message>
        <source>21</source>
        <translation>21</translation>
    </message>
    <message>
        <source>22</source>
        <translation>22</translation>
    </message>
    <message>
        <source>23</source>
        <translation>23</translation>
    </message>
    <message>
        <source>24</source>
        <translation>24</translation>
    </message>
    <message>
        <source>25</source>
        <translation>25</translation>
    </message>
    <message>
        <source>26</source>
        <translation>26</translation>
    </message>
    <message>
        <source>27</source>
        <translation>27</translation>
    </message>
    <message>
        <source>28</source>
        <translation>28</translation>
    </message>
    <message>
        <source>29</source>
        <translation>29</translation>
    </message>
    <message>
        <source>30</source>
        <translation>30</translation>
    </message>
    <message>
        <source>31</source>
        <translation>31</translation>
    </message>
    <message>
        <source>32</source>
        <translation>32</translation>
    </message>
    <message>
        <source>33</source>
        <translation>33</translation>
    </message>
    <message>
        <source>34</source>
        <translation>34</translation>
    </message>
    <message>
        <source>35</source>
        <translation>35</translation>
    </message>
    <message>
        <source>36</source>
        <translation>36</translation>
    </message>
    <message>
        <source>37</source>
        <translation>37</translation>
    </message>
    <message>
        <source>38</source>
        <translation>38</translation>
    </message>
    <message>
        <source>39</source>
        <translation>39</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>색상:</translation>
    </message>
    <message>
        <source>R:</source>
        <translation>R:</translation>
    </message>
    <message>
        <source>G:</source>
        <translation>G:</translation>
    </message>
    <message>
        <source>B:</source>
        <translation>B:</translation>
    </message>
    <message>
        <source>#</source>
        <translation>#</translation>
    </message>
</context>
<context>
    <name>History</name>
    <message>
        <source>The local file has been renamed, moved, or deleted. Do you want remove it from recording history?</source>
        <translation>로컬 파일의 이름이 변경되었거나 이동 또는 삭제되었습니다. 녹화 기록에서 제거하시겠습니까?</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>검색</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>모두 표시</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>비디오</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>오디오</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>These files could not be deleted and stay in the list:
%1</source>
        <translation>다음 파일은 삭제할 수 없어 목록에 남아 있습니다:
%1</translation>
    </message>
    <message>
        <source>No application could open &quot;%1&quot;. Please install a media player, or choose one for this kind of file in the desktop&apos;s settings.</source>
        <translation>&quot;%1&quot;을(를) 열 수 있는 응용 프로그램이 없습니다. 미디어 플레이어를 설치하거나 데스크톱 설정에서 이 종류의 파일을 열 프로그램을 선택하세요.</translation>
    </message>
</context>
<context>
    <name>HistoryClass</name>
    <message>
        <source>Record History</source>
        <translation>녹화 기록</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>최대화</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>보통</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>History</source>
        <translation>기록</translation>
    </message>
    <message>
        <source>Record more</source>
        <translation>더 녹화하기</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>모두 제거</translation>
    </message>
    <message>
        <source>Other tools</source>
        <translation>기타 도구</translation>
    </message>
    <message>
        <source>Convert and edit recording</source>
        <translation>녹화 파일 변환 및 편집</translation>
    </message>
    <message>
        <source>Burn recording into DVD/Blu-ray</source>
        <translation>녹화 파일을 DVD/Blu-ray로 굽기</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>it holds no history</source>
        <translation>기록이 들어 있지 않습니다</translation>
    </message>
    <message>
        <source>The history could not be read from %1 (%2). It starts empty; the file is kept beside it as a backup.</source>
        <translation>%1에서 기록을 읽을 수 없습니다(%2). 기록은 비어 있는 상태로 시작하며, 파일은 옆에 백업으로 보관됩니다.</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Play</source>
        <translation>재생</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>이름 바꾸기</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
</context>
<context>
    <name>ImageLimit</name>
    <message>
        <source>its picture of %1 x %2 pixels is too large</source>
        <translation>%1 x %2 픽셀의 이미지가 너무 큽니다</translation>
    </message>
    <message>
        <source>its %1 pictures are too large together</source>
        <translation>%1개의 이미지를 합치면 너무 큽니다</translation>
    </message>
    <message>
        <source>its pictures cannot be measured before they are decoded</source>
        <translation>디코딩하기 전에 이미지 크기를 확인할 수 없습니다</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 MB of text</source>
        <translation>벡터 이미지의 텍스트가 %1MB를 넘습니다</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 elements</source>
        <translation>벡터 이미지의 요소가 %1개를 넘습니다</translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>the disk or the folder refused it</source>
        <translation>디스크 또는 폴더가 거부했습니다</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>일반 파일이 아닙니다</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>%1바이트보다 큽니다</translation>
    </message>
    <message>
        <source>Could not save %1:
%2
What it held before is kept.</source>
        <translation>%1을(를) 저장할 수 없습니다:
%2
이전 내용은 그대로 유지됩니다.</translation>
    </message>
    <message>
        <source>%1 could not be read and was kept as %2.</source>
        <translation>%1을(를) 읽을 수 없어 %2(으)로 보관했습니다.</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation>요소가 %1단계보다 깊게 중첩되어 있습니다</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>올바른 형식의 XML이 아닙니다(%1행: %2)</translation>
    </message>
</context>
<context>
    <name>Mirelo</name>
    <message>
        <source>Failed to open the camera.</source>
        <translation>카메라를 열 수 없습니다.</translation>
    </message>
    <message>
        <source>The location of output files is not valid, please reselect it in settings.</source>
        <translation>출력 파일 저장 위치가 올바르지 않습니다. 설정에서 다시 선택하세요.</translation>
    </message>
    <message>
        <source>Task Schedule (%1)</source>
        <translation>작업 예약 (%1)</translation>
    </message>
    <message>
        <source>No webcam detected.</source>
        <translation>웹캠이 감지되지 않았습니다.</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>All Display</source>
        <translation>모든 디스플레이</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>디스플레이 %1</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>영역/창 선택</translation>
    </message>
    <message>
        <source>Fixed region</source>
        <translation>고정 영역</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (전체 화면)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>사용자 지정</translation>
    </message>
    <message>
        <source>Recently used size</source>
        <translation>최근 사용한 크기</translation>
    </message>
    <message>
        <source>Record Full Screen</source>
        <translation>전체 화면 녹화</translation>
    </message>
    <message>
        <source>Record Area</source>
        <translation>영역 녹화</translation>
    </message>
    <message>
        <source>Record Camera</source>
        <translation>카메라 녹화</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>오디오 녹음</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>디스플레이 %1</translation>
    </message>
    <message>
        <source>Watermark (%1)</source>
        <translation>워터마크 (%1)</translation>
    </message>
    <message>
        <source>Set record length (%1)</source>
        <translation>녹화 시간 설정 (%1)</translation>
    </message>
    <message>
        <source>Record without Webcam will change to Record Audio mode, are you sure?</source>
        <translation>웹캠 없이 녹화하면 오디오 녹음 모드로 전환됩니다. 계속하시겠습니까?</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>홈으로</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>녹화 시작</translation>
    </message>
    <message>
        <source>The location of output files cannot be written, please choose another one in settings.</source>
        <translation>출력 파일 저장 위치에 쓸 수 없습니다. 설정에서 다른 위치를 선택하세요.</translation>
    </message>
    <message>
        <source>The desktop icons cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>이 데스크톱에서는 바탕 화면 아이콘을 숨길 수 없습니다. 아이콘이 녹화에 그대로 남습니다.</translation>
    </message>
    <message>
        <source>The desktop icons and the taskbar cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>이 데스크톱에서는 바탕 화면 아이콘과 작업 표시줄을 숨길 수 없습니다. 녹화에 그대로 남습니다.</translation>
    </message>
    <message>
        <source>The taskbar cannot be hidden on this desktop: it stays in the recording.</source>
        <translation>이 데스크톱에서는 작업 표시줄을 숨길 수 없습니다. 작업 표시줄이 녹화에 그대로 남습니다.</translation>
    </message>
</context>
<context>
    <name>MirelonClass</name>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation>Olvex Free Mirelo</translation>
    </message>
    <message>
        <source>Record Screen</source>
        <translation>화면 녹화</translation>
    </message>
    <message>
        <source>Record Webcam</source>
        <translation>웹캠 녹화</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>오디오 녹음</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>홈으로</translation>
    </message>
    <message>
        <source>Mouse Around</source>
        <translation>마우스 주변</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>-</source>
        <translation>-</translation>
    </message>
    <message>
        <source>+</source>
        <translation>+</translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation>시스템 사운드</translation>
    </message>
    <message>
        <source>MicroPhone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>웹캠</translation>
    </message>
    <message>
        <source>800</source>
        <translation>800</translation>
    </message>
    <message>
        <source>600</source>
        <translation>600</translation>
    </message>
    <message>
        <source>Record Length:</source>
        <translation>녹화 시간:</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>녹화가 끝나면 시스템 종료</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>이번만</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>매번</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Recording history</source>
        <translation>녹화 기록</translation>
    </message>
    <message>
        <source>Set record length</source>
        <translation>녹화 시간 설정</translation>
    </message>
    <message>
        <source>Task schedule</source>
        <translation>작업 예약</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>워터마크</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>选择区域</source>
        <translation>영역 선택</translation>
    </message>
    <message>
        <source>固定区域</source>
        <translation>고정 영역</translation>
    </message>
</context>
<context>
    <name>MyAboutView</name>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>MyApplication</name>
    <message>
        <source>Initiating failed!</source>
        <translation>시작하지 못했습니다!</translation>
    </message>
    <message>
        <source>Skin initialization failed!</source>
        <translation>스킨을 불러오지 못했습니다!</translation>
    </message>
    <message>
        <source>Partial skin files initialing failed!</source>
        <translation>일부 스킨 파일을 불러오지 못했습니다!</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>디스플레이를 열 수 없습니다</translation>
    </message>
    <message>
        <source>There is no usable home folder (HOME is not set, is the file-system root or does not exist), so the program has nowhere to keep its settings.</source>
        <translation>사용할 수 있는 홈 폴더가 없습니다(HOME이 설정되지 않았거나, 파일 시스템 루트이거나, 존재하지 않음). 따라서 프로그램 설정을 저장할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>MyBugReportView</name>
    <message>
        <source>Description is required.</source>
        <translation>설명을 입력해야 합니다.</translation>
    </message>
    <message>
        <source>Email Format is Incorrect!</source>
        <translation>이메일 형식이 올바르지 않습니다!</translation>
    </message>
</context>
<context>
    <name>MyCustomAreaSelect</name>
    <message>
        <source>Lock aspect ratio is on</source>
        <translation>가로세로 비율 고정 켜짐</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>가로세로 비율 고정 꺼짐</translation>
    </message>
</context>
<context>
    <name>MyFrame</name>
    <message>
        <source>Minimize</source>
        <translation>최소화</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation>Olvex Free Mirelo</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>스크린샷 저장 위치가 올바르지 않습니다. 설정에서 다시 선택하세요.</translation>
    </message>
    <message>
        <source>Failed to save the screenshot.</source>
        <translation>스크린샷을 저장하지 못했습니다.</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>메뉴</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>언어</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>사용자 가이드</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>버그 신고</translation>
    </message>
    <message>
        <source>About</source>
        <translation>정보</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>업데이트 확인</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>녹화 옵션</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>그리기</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>사용자 가이드</translation>
    </message>
</context>
<context>
    <name>MySplashScreen</name>
    <message>
        <source>Version %1</source>
        <translation>버전 %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Olvex. All rights reserved.</source>
        <translation>Copyright © %1 Olvex. All rights reserved.</translation>
    </message>
</context>
<context>
    <name>MyUpdateView</name>
    <message>
        <source>Current version:</source>
        <translation>현재 버전:</translation>
    </message>
    <message>
        <source>Update available:</source>
        <translation>사용 가능한 업데이트:</translation>
    </message>
</context>
<context>
    <name>PatchLauncher</name>
    <message>
        <source>Please restart program to complete patching.</source>
        <translation>패치를 완료하려면 프로그램을 다시 시작하세요.</translation>
    </message>
</context>
<context>
    <name>RecordLength</name>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>녹화 시간은 1초 이상이어야 합니다.</translation>
    </message>
</context>
<context>
    <name>RecordLengthClass</name>
    <message>
        <source>Record Length:</source>
        <translation>녹화 시간:</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>녹화가 끝나면 시스템 종료</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>이번만</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>매번</translation>
    </message>
</context>
<context>
    <name>ScreenAccess</name>
    <message>
        <source>In a Wayland session the screen cannot be recorded: screen and region recordings and screenshots would only be black. Sign in to an X11 session to record the screen. Sound and webcam recordings work here.</source>
        <translation>Wayland 세션에서는 화면을 녹화할 수 없습니다. 화면 및 영역 녹화와 스크린샷은 검은색으로만 나옵니다. 화면을 녹화하려면 X11 세션으로 로그인하십시오. 소리와 웹캠 녹화는 여기서도 됩니다.</translation>
    </message>
</context>
<context>
    <name>ScreenCapturing</name>
    <message>
        <source>Save File</source>
        <translation>파일 저장</translation>
    </message>
    <message>
        <source>JPEG (*.jpeg *.jpg);;Images (*.jpeg *.jpg)</source>
        <translation>JPEG (*.jpeg *.jpg);;이미지 (*.jpeg *.jpg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>이미지를 %1에 저장할 수 없습니다.</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Select output folder</source>
        <translation>출력 폴더 선택</translation>
    </message>
    <message>
        <source>Select screenshot folder</source>
        <translation>스크린샷 폴더 선택</translation>
    </message>
    <message>
        <source>The mouse settings of this desktop could not be opened.</source>
        <translation>이 데스크톱의 마우스 설정을 열 수 없습니다.</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>색상 선택</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>폴더 선택</translation>
    </message>
    <message>
        <source>The hotkey is alreay in use, please change it.</source>
        <translation>이미 사용 중인 단축키입니다. 변경하세요.</translation>
    </message>
</context>
<context>
    <name>SettingsClass</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>   Recording</source>
        <translation>   녹화</translation>
    </message>
    <message>
        <source>   Output</source>
        <translation>   출력</translation>
    </message>
    <message>
        <source>   Mouse</source>
        <translation>   마우스</translation>
    </message>
    <message>
        <source>   Hotkeys</source>
        <translation>   단축키</translation>
    </message>
    <message>
        <source>   Others</source>
        <translation>   기타</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>녹화</translation>
    </message>
    <message>
        <source>Show countdown before recording</source>
        <translation>녹화 전 카운트다운 표시</translation>
    </message>
    <message>
        <source>Beep on start recording</source>
        <translation>녹화 시작 시 알림음</translation>
    </message>
    <message>
        <source>Show recording boundary</source>
        <translation>녹화 영역 테두리 표시</translation>
    </message>
    <message>
        <source>Hide flat bar when recording</source>
        <translation>녹화 중 플로팅 바 숨기기</translation>
    </message>
    <message>
        <source>Allow to move the recording region when recording</source>
        <translation>녹화 중 녹화 영역 이동 허용</translation>
    </message>
    <message>
        <source>Hide desktop icons when recording</source>
        <translation>녹화 중 바탕 화면 아이콘 숨기기</translation>
    </message>
    <message>
        <source>Auto hide the system taskbar when recording</source>
        <translation>녹화 중 작업 표시줄 자동 숨기기</translation>
    </message>
    <message>
        <source>Hide main interface when you take screenshot</source>
        <translation>스크린샷 촬영 시 메인 화면 숨기기</translation>
    </message>
    <message>
        <source>Auto open history when end recording</source>
        <translation>녹화가 끝나면 기록 자동 열기</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>출력</translation>
    </message>
    <message>
        <source>Location of output files:</source>
        <translation>출력 파일 위치:</translation>
    </message>
    <message>
        <source>Location of screenshot files:</source>
        <translation>스크린샷 파일 위치:</translation>
    </message>
    <message>
        <source>Screenshot format:</source>
        <translation>스크린샷 형식:</translation>
    </message>
    <message>
        <source>Video format:</source>
        <translation>비디오 형식:</translation>
    </message>
    <message>
        <source>Video Encoder:</source>
        <translation>비디오 인코더:</translation>
    </message>
    <message>
        <source>Video quality:</source>
        <translation>비디오 품질:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>프레임 속도:</translation>
    </message>
    <message>
        <source>Audio format:</source>
        <translation>오디오 형식:</translation>
    </message>
    <message>
        <source>Audio quality:</source>
        <translation>오디오 품질:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>샘플 속도:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>폴더 열기</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>마우스</translation>
    </message>
    <message>
        <source>Show mouse cursor</source>
        <translation>마우스 커서 표시</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>마우스 설정</translation>
    </message>
    <message>
        <source>Record mouse clicks</source>
        <translation>마우스 클릭 녹화</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>색상:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>크기:</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>단축키</translation>
    </message>
    <message>
        <source>You can select hotkeys then enter the hot keys by clickboard, we&apos;ll save them automatically. </source>
        <translation>단축키를 선택한 후 키보드로 키를 입력하면 자동으로 저장됩니다. </translation>
    </message>
    <message>
        <source>Start/Stop recording:</source>
        <translation>녹화 시작/중지:</translation>
    </message>
    <message>
        <source>Pause/Resume recording:</source>
        <translation>녹화 일시 정지/재개:</translation>
    </message>
    <message>
        <source>Screen Capture:</source>
        <translation>화면 캡처:</translation>
    </message>
    <message>
        <source>Open/Close webcam:</source>
        <translation>웹캠 켜기/끄기:</translation>
    </message>
    <message>
        <source>Show/Hide flat panel:</source>
        <translation>플로팅 패널 표시/숨기기:</translation>
    </message>
    <message>
        <source>Restore Hotkeys</source>
        <translation>단축키 복원</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>기타</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>업데이트 자동 확인</translation>
    </message>
    <message>
        <source>The program will start up automatically when computer boots.</source>
        <translation>컴퓨터가 부팅되면 프로그램이 자동으로 시작됩니다.</translation>
    </message>
    <message>
        <source>When close main panel:</source>
        <translation>메인 패널을 닫을 때:</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>시스템 트레이로 최소화</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>프로그램 종료</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>기본값 복원</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>SkinManager</name>
    <message>
        <source>The skin file %1 is not used: %2.</source>
        <translation>스킨 파일 %1은(는) 사용되지 않습니다: %2.</translation>
    </message>
</context>
<context>
    <name>SystemPrivacyWidget</name>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation>Olvex Free Mirelo</translation>
    </message>
    <message>
        <source>&lt;a href=&quot;More information&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;More information&lt;/a&gt;</source>
        <translation>&lt;a href=&quot;More information&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;자세한 정보&lt;/a&gt;</translation>
    </message>
    <message>
        <source>After enabling the authorization, please retry.&lt;br&gt;If the problem still persists, please &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>권한을 허용한 후 다시 시도하세요.&lt;br&gt;문제가 계속되면 &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;문의하세요&lt;/a&gt;.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>The program cannot open the microphone or the camera:
- another program may be using the device: close it and try again;
- your user may lack the rights to the device (cameras usually belong to the group &quot;video&quot;);
- some desktops have privacy settings that keep programs from cameras and microphones.</source>
        <translation>프로그램이 마이크 또는 카메라를 열 수 없습니다:
- 다른 프로그램이 장치를 사용 중일 수 있습니다. 해당 프로그램을 닫고 다시 시도하세요.
- 사용자에게 장치 사용 권한이 없을 수 있습니다(카메라는 보통 &quot;video&quot; 그룹에 속합니다).
- 일부 데스크톱에는 프로그램이 카메라와 마이크를 사용하지 못하게 하는 개인정보 설정이 있습니다.</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s privacy settings</source>
        <translation>데스크톱 개인정보 설정 열기</translation>
    </message>
</context>
<context>
    <name>SystemTray</name>
    <message>
        <source>Pause</source>
        <translation>일시 정지</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>화면 캡처</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>환경 설정</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>종료</translation>
    </message>
    <message>
        <source>Show float bar</source>
        <translation>플로팅 바 표시</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>중지</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>재개</translation>
    </message>
    <message>
        <source>Hide float bar</source>
        <translation>플로팅 바 숨기기</translation>
    </message>
</context>
<context>
    <name>TaskSchedule</name>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>편집</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>삭제</translation>
    </message>
    <message>
        <source>New task</source>
        <translation>새 작업</translation>
    </message>
</context>
<context>
    <name>TaskScheduleClass</name>
    <message>
        <source>Task schedule</source>
        <translation>작업 예약</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>새 작업</translation>
    </message>
    <message>
        <source>No task schedule, click &quot;Add&quot; to create new task.</source>
        <translation>예약된 작업이 없습니다. &quot;추가&quot;를 클릭하여 새 작업을 만드세요.</translation>
    </message>
    <message>
        <source>Tips: Software is set to boot automatically to ensure task can be done timely. You can change it in settings.</source>
        <translation>팁: 작업이 제때 실행되도록 프로그램이 자동 시작으로 설정되어 있습니다. 설정에서 변경할 수 있습니다.</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetail</name>
    <message>
        <source>All DISPLAY</source>
        <translation>모든 디스플레이</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>디스플레이 %1</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>전체 화면</translation>
    </message>
    <message>
        <source>Custom(X:%1,Y:%2;%3x%4)</source>
        <translation>사용자 지정(X:%1,Y:%2;%3x%4)</translation>
    </message>
    <message>
        <source>Please set a future time as start time.</source>
        <translation>시작 시간을 미래 시간으로 설정하세요.</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>녹화 시간은 1초 이상이어야 합니다.</translation>
    </message>
    <message>
        <source>You must select at least one of Screen, Camera, Audio or Microphone.</source>
        <translation>화면, 카메라, 오디오, 마이크 중 하나 이상을 선택해야 합니다.</translation>
    </message>
    <message>
        <source>This task overlapped in time with Task %1</source>
        <translation>이 작업은 작업 %1과(와) 시간이 겹칩니다</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetailClass</name>
    <message>
        <source>Task schedule</source>
        <translation>작업 예약</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>작업 이름</translation>
    </message>
    <message>
        <source>Please enter the task name</source>
        <translation>작업 이름을 입력하세요</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>시작 시간</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>반복</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>일</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>월</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>화</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>수</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>목</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>금</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>토</translation>
    </message>
    <message>
        <source>Record length</source>
        <translation>녹화 시간</translation>
    </message>
    <message>
        <source>Loop:</source>
        <translation>반복 횟수:</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>중지 시간</translation>
    </message>
    <message>
        <source>Record area</source>
        <translation>녹화 영역</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>디스플레이</translation>
    </message>
    <message>
        <source>System sound</source>
        <translation>시스템 사운드</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>볼륨</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>마이크</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>웹캠</translation>
    </message>
    <message>
        <source>Webcam area</source>
        <translation>웹캠 영역</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>녹화가 끝나면 시스템 종료</translation>
    </message>
    <message>
        <source>Tips: To make your task available, you must keep you computer not in sleep or lock mode.</source>
        <translation>팁: 작업을 실행하려면 컴퓨터가 절전 모드나 잠금 상태가 되지 않도록 하세요.</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>TaskScheduleList</name>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>&quot;%1&quot; (%2)</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run:</source>
        <translation>다음 예약 녹화는 실행되지 않습니다:</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run. Their task files are kept in %1:</source>
        <translation>다음 예약 녹화는 실행되지 않습니다. 작업 파일은 %1에 보관됩니다:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>읽을 수 없음:</translation>
    </message>
    <message>
        <source>Hold a record length, loop count or other value out of range:</source>
        <translation>범위를 벗어난 녹화 시간, 반복 횟수 또는 기타 값이 있음:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>... 외 %1개</translation>
    </message>
    <message>
        <source>Scheduled recording &quot;%1&quot;: %2</source>
        <translation>예약 녹화 &quot;%1&quot;: %2</translation>
    </message>
</context>
<context>
    <name>TaskScheduleModel</name>
    <message>
        <source>(Repeat)</source>
        <translation>(반복)</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>수동</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>사용</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>사용 안 함</translation>
    </message>
    <message>
        <source>   Name</source>
        <translation>   이름</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>시작</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>길이</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>반복 횟수</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>상태</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Settings</source>
        <translation>설정</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>도움말 센터</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>피드백</translation>
    </message>
</context>
<context>
    <name>UpdateView</name>
    <message>
        <source>Software Update</source>
        <translation>소프트웨어 업데이트</translation>
    </message>
    <message>
        <source>Almost finished...</source>
        <translation>거의 완료되었습니다...</translation>
    </message>
    <message>
        <source>Failed to check update, please try again.</source>
        <translation>업데이트를 확인하지 못했습니다. 다시 시도하세요.</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>다시 시도</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>최신 버전을 사용 중입니다.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>업데이트</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>건너뛰기</translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <source>Open image file</source>
        <translation>이미지 파일 열기</translation>
    </message>
    <message>
        <source>Images (*.png *.jpeg *.jpg *.bmp)</source>
        <translation>이미지 (*.png *.jpeg *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>The image file cannot be read.</source>
        <translation>이미지 파일을 읽을 수 없습니다.</translation>
    </message>
    <message>
        <source>The image file cannot be used: %1.</source>
        <translation>이미지 파일을 사용할 수 없습니다: %1.</translation>
    </message>
</context>
<context>
    <name>WatermarkClass</name>
    <message>
        <source>Default watermark</source>
        <translation>기본 워터마크</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>닫기</translation>
    </message>
    <message>
        <source>No watermark</source>
        <translation>워터마크 없음</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>텍스트 워터마크</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>글꼴</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>색상</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>이미지 워터마크</translation>
    </message>
    <message>
        <source>Select image</source>
        <translation>이미지 선택</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>불투명도:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>크기</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>너비:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>높이:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>위치</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>왼쪽:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>위쪽:</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>가로세로 비율 유지</translation>
    </message>
    <message>
        <source>Keep designed size </source>
        <translation>설정한 크기 유지 </translation>
    </message>
    <message>
        <source>Full-Screen Preview</source>
        <translation>전체 화면 미리 보기</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>취소</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>확인</translation>
    </message>
</context>
<context>
    <name>WatermarkEditor</name>
    <message>
        <source>Press &quot;Esc&quot; to exit Full-Screen Preview</source>
        <translation>&quot;Esc&quot; 키를 누르면 전체 화면 미리 보기를 종료합니다</translation>
    </message>
</context>
</TS>
