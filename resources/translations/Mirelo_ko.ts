<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ko">
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
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olvex Mirelo</source>
        <translation type="unfinished"></translation>
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
    <name>DataGroupOutput</name>
    <message>
        <source>Software Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Intel Hardware Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nvidia Hardware Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>AMD Hardware Encoder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>High</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Low</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MirelonClass</name>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
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
    <name>MySplashScreenView</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
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
</TS>
