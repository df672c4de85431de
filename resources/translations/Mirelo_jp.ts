<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AreaSelected</name>
    <message>
        <source>Fixed region</source>
        <translation>固定領域</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (全画面)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>領域/ウィンドウを選択</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
</context>
<context>
    <name>AreaSelectedClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>領域/ウィンドウを選択</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
</context>
<context>
    <name>AreaSelecting</name>
    <message>
        <source>Left: %1 Top: %2</source>
        <translation>左: %1 上: %2</translation>
    </message>
</context>
<context>
    <name>AudioDeviceList</name>
    <message>
        <source>Record without System Sound</source>
        <translation>システム音声なしで録画</translation>
    </message>
    <message>
        <source>Record without Microphone</source>
        <translation>マイクなしで録画</translation>
    </message>
</context>
<context>
    <name>AudioDeviceListClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Record without System Sound</source>
        <translation>システム音声なしで録画</translation>
    </message>
</context>
<context>
    <name>BugReportView</name>
    <message>
        <source>Bug Report</source>
        <translation>バグ報告</translation>
    </message>
    <message>
        <source>Please report any problems you encountered during using this software. We will answer you as soon we receive it.</source>
        <translation>本ソフトウェアの使用中に発生した問題をお知らせください。受け取り次第ご返信いたします。</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>メール:</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>メール</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>名前:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名前</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>送信</translation>
    </message>
</context>
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
    <name>CameraWindow</name>
    <message>
        <source>Sticky on Top</source>
        <translation>常に手前に表示</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>カメラ設定</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>写真を撮影</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>スクリーンショットの保存先が無効です。設定で選択し直してください。</translation>
    </message>
    <message>
        <source>The photo could not be taken.</source>
        <translation>写真を撮影できませんでした。</translation>
    </message>
</context>
<context>
    <name>CameraWindowClass</name>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
</context>
<context>
    <name>CapturePanelClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Pin to screen</source>
        <translation>画面に固定</translation>
    </message>
    <message>
        <source>Paste to screen</source>
        <translation>画面に貼り付け</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>コピー</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
</context>
<context>
    <name>CarmeraListClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Manager</source>
        <translation>管理</translation>
    </message>
    <message>
        <source>Record without Webcam</source>
        <translation>Webカメラなしで録画</translation>
    </message>
</context>
<context>
    <name>CarmeraSettingsClass</name>
    <message>
        <source>Camera Settings</source>
        <translation>カメラ設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>出力形式</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>左右反転</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>中央</translation>
    </message>
    <message>
        <source>Lower Right </source>
        <translation>右下 </translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation>右上</translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation>左下</translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation>左上</translation>
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
        <translation>Form</translation>
    </message>
    <message>
        <source>Olvex Mirelo</source>
        <translation>Olvex Mirelo</translation>
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
    <name>ControlPanel</name>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>録画オプション</translation>
    </message>
    <message>
        <source>Record Length</source>
        <translation>録画時間</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>画面キャプチャ</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>描画</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>録画時間は1秒以上にしてください。</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>スクリーンショットの保存先が無効です。設定で選択し直してください。</translation>
    </message>
    <message>
        <source>The screenshot could not be saved.</source>
        <translation>スクリーンショットを保存できませんでした。</translation>
    </message>
    <message>
        <source>Failed to start recording.</source>
        <translation>録画を開始できませんでした。</translation>
    </message>
</context>
<context>
    <name>ControlPanelClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Record length</source>
        <translation>録画時間</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>変更</translation>
    </message>
    <message>
        <source>Shut down when recording ends</source>
        <translation>録画終了後にシャットダウン</translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation>システム音声</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>カメラ</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Sending a bug report. Please try another later.</source>
        <translation>バグ報告を送信中です。しばらくしてからもう一度お試しください。</translation>
    </message>
    <message>
        <source>Please describe the problem clearly before submitting.</source>
        <translation>送信する前に問題を具体的に記入してください。</translation>
    </message>
    <message>
        <source>Unknown error, try again please.</source>
        <translation>不明なエラーです。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Send failed, please try again.</source>
        <translation>送信に失敗しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Bug Report sent successful!</source>
        <translation>バグ報告を送信しました！</translation>
    </message>
    <message>
        <source>Bug Report sent failed!</source>
        <translation>バグ報告を送信できませんでした！</translation>
    </message>
</context>
<context>
    <name>CustomSelectArea</name>
    <message>
        <source>Select Area</source>
        <translation>領域を選択</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>カスタム</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅:</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>縦横比ロック: オフ</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高さ:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>DataGroupOutput</name>
    <message>
        <source>Software Encoder</source>
        <translation>ソフトウェアエンコーダー</translation>
    </message>
    <message>
        <source>Intel Hardware Encoder</source>
        <translation>Intel ハードウェアエンコーダー</translation>
    </message>
    <message>
        <source>Nvidia Hardware Encoder</source>
        <translation>Nvidia ハードウェアエンコーダー</translation>
    </message>
    <message>
        <source>AMD Hardware Encoder</source>
        <translation>AMD ハードウェアエンコーダー</translation>
    </message>
    <message>
        <source>High</source>
        <translation>高</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Low</source>
        <translation>低</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>The recording engine was not found:
%1</source>
        <translation>録画エンジンが見つかりません:
%1</translation>
    </message>
    <message>
        <source>The recording engine could not be loaded:
%1
%2</source>
        <translation>録画エンジンを読み込めません:
%1
%2</translation>
    </message>
    <message>
        <source>The recording engine %1 has no entry point &quot;%2&quot;.</source>
        <translation>録画エンジン %1 にエントリポイント &quot;%2&quot; がありません。</translation>
    </message>
    <message>
        <source>The recording engine %1 lacks these operations:
%2</source>
        <translation>録画エンジン %1 に次の操作がありません:
%2</translation>
    </message>
</context>
<context>
    <name>GraphicEditorClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation>矩形</translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation>楕円</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>矢印</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>ブラシ</translation>
    </message>
    <message>
        <source>Air brush</source>
        <translation>エアブラシ</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>テキスト</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>ぼかし</translation>
    </message>
    <message>
        <source>Callout</source>
        <translation>吹き出し</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>消しゴム</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>元に戻す</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>やり直し</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>クリア</translation>
    </message>
    <message>
        <source>Exit drawing board editing</source>
        <translation>描画モードを終了</translation>
    </message>
    <message>
        <source>Select a tool to start draw!</source>
        <translation>ツールを選んで描画を開始！</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Slim</source>
        <translation>細</translation>
    </message>
    <message>
        <source>Middle</source>
        <translation>中</translation>
    </message>
    <message>
        <source>Thick</source>
        <translation>太</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>極太</translation>
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
        <translation>色:</translation>
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
    <name>Mirelo</name>
    <message>
        <source>Failed to open the camera.</source>
        <translation>カメラを開けませんでした。</translation>
    </message>
    <message>
        <source>The location of output files is not valid, please reselect it in settings.</source>
        <translation>出力ファイルの保存先が無効です。設定で選択し直してください。</translation>
    </message>
    <message>
        <source>Task Schedule (%1)</source>
        <translation>タスクスケジュール (%1)</translation>
    </message>
</context>
<context>
    <name>MirelonClass</name>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation>Olvex Free Mirelo</translation>
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
    <message>
        <source>cannot open the display</source>
        <translation>ディスプレイを開けません</translation>
    </message>
    <message>
        <source>There is no usable home folder (HOME is not set, is the file-system root or does not exist), so the program has nowhere to keep its settings.</source>
        <translation>使用できるホームフォルダーがありません（HOME が未設定、ファイルシステムのルート、または存在しません）。そのため、設定を保存できません。</translation>
    </message>
</context>
<context>
    <name>MyBugReportView</name>
    <message>
        <source>Description is required.</source>
        <translation>説明を入力してください。</translation>
    </message>
    <message>
        <source>Email Format is Incorrect!</source>
        <translation>メールアドレスの形式が正しくありません！</translation>
    </message>
</context>
<context>
    <name>MyCustomAreaSelect</name>
    <message>
        <source>Lock aspect ratio is on</source>
        <translation>縦横比ロック: オン</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>縦横比ロック: オフ</translation>
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
        <translation>Olvex Free Mirelo</translation>
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
        <translation>Form</translation>
    </message>
</context>
<context>
    <name>ScreenCapturing</name>
    <message>
        <source>Save File</source>
        <translation>ファイルを保存</translation>
    </message>
    <message>
        <source>JPEG (*.jpeg *.jpg);;Images (*.jpeg *.jpg)</source>
        <translation>JPEG (*.jpeg *.jpg);;画像 (*.jpeg *.jpg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>画像を %1 に保存できませんでした。</translation>
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
<context>
    <name>Watermark</name>
    <message>
        <source>Open image file</source>
        <translation>画像ファイルを開く</translation>
    </message>
    <message>
        <source>Images (*.png *.jpeg *.jpg *.bmp)</source>
        <translation>画像 (*.png *.jpeg *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>The image file cannot be read.</source>
        <translation>画像ファイルを読み込めません。</translation>
    </message>
</context>
<context>
    <name>WatermarkClass</name>
    <message>
        <source>Default watermark</source>
        <translation>既定の透かし</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>No watermark</source>
        <translation>透かしなし</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>テキスト透かし</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>フォント</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>色</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>画像透かし</translation>
    </message>
    <message>
        <source>Select image</source>
        <translation>画像を選択</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明度:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>サイズ</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>幅:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高さ:</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Left:</source>
        <translation>左:</translation>
    </message>
    <message>
        <source>Top:</source>
        <translation>上:</translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation>縦横比を維持</translation>
    </message>
    <message>
        <source>Keep designed size </source>
        <translation>設定サイズを維持 </translation>
    </message>
    <message>
        <source>Full-Screen Preview</source>
        <translation>全画面プレビュー</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>キャンセル</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>WatermarkEditor</name>
    <message>
        <source>Press &quot;Esc&quot; to exit Full-Screen Preview</source>
        <translation>&quot;Esc&quot; キーで全画面プレビューを終了</translation>
    </message>
</context>
</TS>
