<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>CWindowsFrame</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>說明中心</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Ok</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>No longer tips</source>
        <translation>不再提示</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>移除</translation>
    </message>
    <message>
        <source>Are you sure to remove the history recording from the list?</source>
        <translation>確定要從歷史清單中移除此錄製嗎？</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>刪除本機檔案</translation>
    </message>
    <message>
        <source>Are you sure to delete this task schedule?</source>
        <translation>確定要刪除此排程工作嗎？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Please enter the new task schedule name:</source>
        <translation>請輸入新的排程工作名稱：</translation>
    </message>
    <message>
        <source>Please enter the time:</source>
        <translation>請輸入時間：</translation>
    </message>
    <message>
        <source>Operation successfully done.</source>
        <translation>操作成功。</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>操作失敗。</translation>
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
        <translation>關閉</translation>
    </message>
    <message>
        <source>Please enter new file name:</source>
        <translation>請輸入新的檔案名稱：</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>最小化到系統匣</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>結束程式</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>刪除本機檔案</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
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
        <translation>初始化失敗！</translation>
    </message>
    <message>
        <source>Skin initialization failed!</source>
        <translation>外觀初始化失敗！</translation>
    </message>
    <message>
        <source>Partial skin files initialing failed!</source>
        <translation>部分外觀檔案初始化失敗！</translation>
    </message>
</context>
<context>
    <name>MyFrame</name>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
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
        <translation>版本 %1</translation>
    </message>
    <message>
        <source>Copyright © %1 Olvex. All rights reserved.</source>
        <translation>版權所有 © %1 Olvex。保留所有權利。</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>說明中心</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
</context>
</TS>
