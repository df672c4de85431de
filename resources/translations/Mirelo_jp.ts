<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>CWindowsFrame</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>ヘルプセンター</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No longer tips</source>
        <translation>今後表示しない</translation>
    </message>
    <message>
        <source>Remove</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>Are you sure to remove the history recording from the list?</source>
        <translation>この録画を履歴から削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>ローカルファイルも削除</translation>
    </message>
    <message>
        <source>Are you sure to delete this task schedule?</source>
        <translation>このスケジュールを削除してもよろしいですか？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>いいえ</translation>
    </message>
    <message>
        <source>Please enter the new task schedule name:</source>
        <translation>新しいスケジュール名を入力してください：</translation>
    </message>
    <message>
        <source>Please enter the time:</source>
        <translation>時刻を入力してください：</translation>
    </message>
    <message>
        <source>Operation successfully done.</source>
        <translation>操作が完了しました。</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>操作に失敗しました。</translation>
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
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Please enter new file name:</source>
        <translation>新しいファイル名を入力してください：</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>システムトレイに最小化</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>プログラムを終了</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>ローカルファイルも削除</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
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
        <translation>起動に失敗しました！</translation>
    </message>
    <message>
        <source>Skin initialization failed!</source>
        <translation>スキンの読み込みに失敗しました！</translation>
    </message>
    <message>
        <source>Partial skin files initialing failed!</source>
        <translation>一部のスキンファイルの読み込みに失敗しました！</translation>
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
        <translation>閉じる</translation>
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
        <translation>バージョン %1</translation>
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
        <translation>設定</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>ヘルプセンター</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>フィードバック</translation>
    </message>
</context>
</TS>
