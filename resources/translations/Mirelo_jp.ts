<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja">
<context>
    <name>AboutView</name>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>現在のバージョン:</translation>
    </message>
    <message>
        <source>Customer Support</source>
        <translation>カスタマーサポート</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>公式サイト</translation>
    </message>
</context>
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
    <name>BugreportThread</name>
    <message>
        <source>No mail account is set up for bug reports (MailHost in the group Services of the settings), so the report was not sent.</source>
        <translation>バグレポート用のメールアカウントが設定されていないため（設定の Services グループの MailHost）、レポートは送信されませんでした。</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate is not trusted, so the report was not sent.</source>
        <translation>メールサーバーの証明書が信頼されていないため、レポートは送信されませんでした。</translation>
    </message>
    <message>
        <source>The mail server refused the login of the bug report account.</source>
        <translation>メールサーバーがバグレポート用アカウントのログインを拒否しました。</translation>
    </message>
    <message>
        <source>The mail server cannot be reached. Check the network connection and try again.</source>
        <translation>メールサーバーに接続できません。ネットワーク接続を確認して、もう一度お試しください。</translation>
    </message>
    <message>
        <source>The mail server did not accept the report. Please try again later.</source>
        <translation>メールサーバーがレポートを受け付けませんでした。しばらくしてからもう一度お試しください。</translation>
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
    <message>
        <source>The recording was stopped: its file %1 was removed while it was being written. The recording is lost.</source>
        <translation>録画を停止しました：書き込み中にファイル %1 が削除されました。録画は失われました。</translation>
    </message>
    <message>
        <source>The recording was stopped: the disk is full. What was recorded until then is kept in %1.</source>
        <translation>録画を停止しました：ディスクがいっぱいです。それまでに録画した内容は %1 に保存されています。</translation>
    </message>
    <message>
        <source>The recording was stopped: the sound it was recording is gone (its device was removed, or the sound server ended). What was recorded until then is kept in %1.</source>
        <translation>録画を停止しました：録音していたサウンドがなくなりました（デバイスが取り外されたか、サウンドサーバーが終了しました）。それまでに録画した内容は %1 に保存されています。</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 could not be written. What was recorded until then is kept.</source>
        <translation>録画を停止しました：ファイル %1 に書き込めませんでした。それまでに録画した内容は保存されています。</translation>
    </message>
    <message>
        <source>Failed to start recording: none of the sources it records (screen region, webcam, system sound, microphone) is there.</source>
        <translation>録画を開始できませんでした: 録画するソース（画面領域、Webカメラ、システム音、マイク）がどれも見つかりません。</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>デバイス %1</translation>
    </message>
    <message>
        <source>The webcam chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>この録画に選ばれたウェブカメラがありませんでした。代わりに「%1」で録画しました。</translation>
    </message>
    <message>
        <source>The system sound device chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>この録画に選ばれたシステムサウンドのデバイスがありませんでした。代わりに「%1」で録音しました。</translation>
    </message>
    <message>
        <source>The microphone chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>この録画に選ばれたマイクがありませんでした。代わりに「%1」で録音しました。</translation>
    </message>
    <message>
        <source>There was no webcam: the recording was made without it.</source>
        <translation>ウェブカメラがありませんでした。ウェブカメラなしで録画しました。</translation>
    </message>
    <message>
        <source>There was no system sound device: the recording was made without system sound.</source>
        <translation>システムサウンドのデバイスがありませんでした。システムサウンドなしで録画しました。</translation>
    </message>
    <message>
        <source>There was no microphone: the recording was made without it.</source>
        <translation>マイクがありませんでした。マイクなしで録画しました。</translation>
    </message>
</context>
<context>
    <name>ControlPanelClass</name>
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
    <message>
        <source>This desktop has no privacy page for the webcam. Make sure your user may use the video device and that no other program holds it.</source>
        <translation>このデスクトップにはWebカメラのプライバシー設定ページがありません。ユーザーがビデオデバイスを使用でき、他のプログラムが使用していないことを確認してください。</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the microphone. Make sure the sound server lets programs record and the input is not muted.</source>
        <translation>このデスクトップにはマイクのプライバシー設定ページがありません。サウンドサーバーが録音を許可し、入力がミュートされていないことを確認してください。</translation>
    </message>
    <message>
        <source>Update: failed to find product record.</source>
        <translation>更新: 製品情報が見つかりませんでした。</translation>
    </message>
    <message>
        <source>Update:xml data error.</source>
        <translation>更新: XMLデータエラーです。</translation>
    </message>
    <message>
        <source>Time out in requesting background data.</source>
        <translation>バックグラウンドデータの要求がタイムアウトしました。</translation>
    </message>
    <message>
        <source>Program can&apos;t connect to the Internet. Please check your Interent connection.</source>
        <translation>インターネットに接続できません。インターネット接続を確認してください。</translation>
    </message>
    <message>
        <source>Other errors. Please contact our Customer Service Center.</source>
        <translation>その他のエラーです。カスタマーサービスセンターにお問い合わせください。</translation>
    </message>
</context>
<context>
    <name>CountDownClass</name>
    <message>
        <source>Control</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>ホットキー</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状態</translation>
    </message>
    <message>
        <source>Start/Stop Recording:</source>
        <translation>録画の開始/停止:</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>Pause/Resume Recording:</source>
        <translation>録画の一時停止/再開:</translation>
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
    <name>History</name>
    <message>
        <source>The local file has been renamed, moved, or deleted. Do you want remove it from recording history?</source>
        <translation>ローカルファイルの名前が変更されたか、移動または削除されました。録画履歴から削除しますか？</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>検索</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>すべて表示</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>ビデオ</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>オーディオ</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>画面キャプチャ</translation>
    </message>
    <message>
        <source>These files could not be deleted and stay in the list:
%1</source>
        <translation>次のファイルは削除できなかったため、リストに残ります:
%1</translation>
    </message>
    <message>
        <source>No application could open &quot;%1&quot;. Please install a media player, or choose one for this kind of file in the desktop&apos;s settings.</source>
        <translation>「%1」を開けるアプリケーションがありません。メディアプレーヤーをインストールするか、デスクトップの設定でこの種類のファイルを開くアプリケーションを選択してください。</translation>
    </message>
</context>
<context>
    <name>HistoryClass</name>
    <message>
        <source>Record History</source>
        <translation>録画履歴</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation>最大化</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>通常</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>History</source>
        <translation>履歴</translation>
    </message>
    <message>
        <source>Record more</source>
        <translation>さらに録画</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>すべて削除</translation>
    </message>
    <message>
        <source>Other tools</source>
        <translation>その他のツール</translation>
    </message>
    <message>
        <source>Convert and edit recording</source>
        <translation>録画の変換と編集</translation>
    </message>
    <message>
        <source>Burn recording into DVD/Blu-ray</source>
        <translation>録画をDVD/Blu-rayに書き込み</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>it holds no history</source>
        <translation>履歴が含まれていません</translation>
    </message>
    <message>
        <source>The history could not be read from %1 (%2). It starts empty; the file is kept beside it as a backup.</source>
        <translation>%1 から履歴を読み込めませんでした（%2）。履歴は空から始まり、ファイルはその横にバックアップとして保存されます。</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Play</source>
        <translation>再生</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>名前の変更</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
</context>
<context>
    <name>ImageLimit</name>
    <message>
        <source>its picture of %1 x %2 pixels is too large</source>
        <translation>%1 x %2 ピクセルの画像は大きすぎます</translation>
    </message>
    <message>
        <source>its %1 pictures are too large together</source>
        <translation>%1 枚の画像は合わせると大きすぎます</translation>
    </message>
    <message>
        <source>its pictures cannot be measured before they are decoded</source>
        <translation>画像のサイズをデコード前に確認できません</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 MB of text</source>
        <translation>ベクター画像のテキストが %1 MB を超えています</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 elements</source>
        <translation>ベクター画像の要素が %1 個を超えています</translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>the disk or the folder refused it</source>
        <translation>ディスクまたはフォルダーが拒否しました</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>通常のファイルではありません</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>%1 バイトを超えています</translation>
    </message>
    <message>
        <source>Could not save %1:
%2
What it held before is kept.</source>
        <translation>%1 を保存できませんでした：
%2
以前の内容はそのまま残ります。</translation>
    </message>
    <message>
        <source>%1 could not be read and was kept as %2.</source>
        <translation>%1 を読み込めなかったため、%2 として保存しました。</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation>要素が %1 階層を超えて入れ子になっています</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>整形式の XML ではありません（%1 行目：%2）</translation>
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
    <message>
        <source>No webcam detected.</source>
        <translation>Webカメラが検出されません。</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>All Display</source>
        <translation>すべてのディスプレイ</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>ディスプレイ %1</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>領域/ウィンドウを選択</translation>
    </message>
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
        <source>Recently used size</source>
        <translation>最近使用したサイズ</translation>
    </message>
    <message>
        <source>Record Full Screen</source>
        <translation>全画面を録画</translation>
    </message>
    <message>
        <source>Record Area</source>
        <translation>範囲を録画</translation>
    </message>
    <message>
        <source>Record Camera</source>
        <translation>カメラを録画</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>音声を録画</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>ディスプレイ %1</translation>
    </message>
    <message>
        <source>Watermark (%1)</source>
        <translation>透かし (%1)</translation>
    </message>
    <message>
        <source>Set record length (%1)</source>
        <translation>録画時間の設定 (%1)</translation>
    </message>
    <message>
        <source>Record without Webcam will change to Record Audio mode, are you sure?</source>
        <translation>Webカメラなしで録画すると音声録音モードに切り替わります。よろしいですか？</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>ホームへ</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>画面キャプチャ</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>録画開始</translation>
    </message>
    <message>
        <source>The location of output files cannot be written, please choose another one in settings.</source>
        <translation>出力ファイルの保存先に書き込めません。設定で別の保存先を選択してください。</translation>
    </message>
    <message>
        <source>The desktop icons cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>このデスクトップではデスクトップアイコンを非表示にできません。アイコンは録画に残ります。</translation>
    </message>
    <message>
        <source>The desktop icons and the taskbar cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>このデスクトップではデスクトップアイコンとタスクバーを非表示にできません。これらは録画に残ります。</translation>
    </message>
    <message>
        <source>The taskbar cannot be hidden on this desktop: it stays in the recording.</source>
        <translation>このデスクトップではタスクバーを非表示にできません。タスクバーは録画に残ります。</translation>
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
        <translation>画面録画</translation>
    </message>
    <message>
        <source>Record Webcam</source>
        <translation>Webカメラ録画</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>音声録音</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>ホームへ</translation>
    </message>
    <message>
        <source>Mouse Around</source>
        <translation>マウス周辺</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>画面キャプチャ</translation>
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
        <translation>システム音声</translation>
    </message>
    <message>
        <source>MicroPhone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webカメラ</translation>
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
        <translation>録画時間:</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>録画終了時にシャットダウンする。</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>今回のみ</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>毎回</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Recording history</source>
        <translation>録画履歴</translation>
    </message>
    <message>
        <source>Set record length</source>
        <translation>録画時間の設定</translation>
    </message>
    <message>
        <source>Task schedule</source>
        <translation>タスクスケジュール</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>透かし</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>选择区域</source>
        <translation>範囲を選択</translation>
    </message>
    <message>
        <source>固定区域</source>
        <translation>固定範囲</translation>
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
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>スクリーンショットの保存先が無効です。設定で選択し直してください。</translation>
    </message>
    <message>
        <source>Failed to save the screenshot.</source>
        <translation>スクリーンショットを保存できませんでした。</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>メニュー</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>言語</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>ユーザーガイド</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>バグ報告</translation>
    </message>
    <message>
        <source>About</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>アップデートの確認</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>録画オプション</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>画面キャプチャ</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>描画</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>ユーザーガイド</translation>
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
    <name>MyUpdateView</name>
    <message>
        <source>Current version:</source>
        <translation>現在のバージョン:</translation>
    </message>
    <message>
        <source>Update available:</source>
        <translation>利用可能な更新:</translation>
    </message>
</context>
<context>
    <name>PatchLauncher</name>
    <message>
        <source>Please restart program to complete patching.</source>
        <translation>パッチの適用を完了するには、プログラムを再起動してください。</translation>
    </message>
</context>
<context>
    <name>RecordLength</name>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>録画時間は1秒以上にしてください。</translation>
    </message>
</context>
<context>
    <name>RecordLengthClass</name>
    <message>
        <source>Record Length:</source>
        <translation>録画時間:</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>録画終了時にシャットダウンする。</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>今回のみ</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>毎回</translation>
    </message>
</context>
<context>
    <name>ScreenAccess</name>
    <message>
        <source>In a Wayland session the screen cannot be recorded: screen and region recordings and screenshots would only be black. Sign in to an X11 session to record the screen. Sound and webcam recordings work here.</source>
        <translation>Wayland セッションでは画面を録画できません。画面や範囲の録画とスクリーンショットは真っ黒になります。画面を録画するには X11 セッションにログインしてください。音声と Web カメラの録画はここでも使えます。</translation>
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
    <name>Settings</name>
    <message>
        <source>Select output folder</source>
        <translation>出力フォルダーの選択</translation>
    </message>
    <message>
        <source>Select screenshot folder</source>
        <translation>スクリーンショットフォルダーの選択</translation>
    </message>
    <message>
        <source>The mouse settings of this desktop could not be opened.</source>
        <translation>このデスクトップのマウス設定を開けませんでした。</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>色の選択</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>フォルダーの選択</translation>
    </message>
    <message>
        <source>The hotkey is alreay in use, please change it.</source>
        <translation>このホットキーは既に使用されています。変更してください。</translation>
    </message>
</context>
<context>
    <name>SettingsClass</name>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>   Recording</source>
        <translation>   録画</translation>
    </message>
    <message>
        <source>   Output</source>
        <translation>   出力</translation>
    </message>
    <message>
        <source>   Mouse</source>
        <translation>   マウス</translation>
    </message>
    <message>
        <source>   Hotkeys</source>
        <translation>   ホットキー</translation>
    </message>
    <message>
        <source>   Others</source>
        <translation>   その他</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>録画</translation>
    </message>
    <message>
        <source>Show countdown before recording</source>
        <translation>録画前にカウントダウンを表示</translation>
    </message>
    <message>
        <source>Beep on start recording</source>
        <translation>録画開始時にビープ音を鳴らす</translation>
    </message>
    <message>
        <source>Show recording boundary</source>
        <translation>録画範囲の枠を表示</translation>
    </message>
    <message>
        <source>Hide flat bar when recording</source>
        <translation>録画中はフローティングバーを隠す</translation>
    </message>
    <message>
        <source>Allow to move the recording region when recording</source>
        <translation>録画中に録画範囲の移動を許可</translation>
    </message>
    <message>
        <source>Hide desktop icons when recording</source>
        <translation>録画中はデスクトップアイコンを隠す</translation>
    </message>
    <message>
        <source>Auto hide the system taskbar when recording</source>
        <translation>録画中はタスクバーを自動的に隠す</translation>
    </message>
    <message>
        <source>Hide main interface when you take screenshot</source>
        <translation>スクリーンショット時にメイン画面を隠す</translation>
    </message>
    <message>
        <source>Auto open history when end recording</source>
        <translation>録画終了時に履歴を自動的に開く</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>出力</translation>
    </message>
    <message>
        <source>Location of output files:</source>
        <translation>出力ファイルの保存先:</translation>
    </message>
    <message>
        <source>Location of screenshot files:</source>
        <translation>スクリーンショットの保存先:</translation>
    </message>
    <message>
        <source>Screenshot format:</source>
        <translation>スクリーンショット形式:</translation>
    </message>
    <message>
        <source>Video format:</source>
        <translation>ビデオ形式:</translation>
    </message>
    <message>
        <source>Video Encoder:</source>
        <translation>ビデオエンコーダー:</translation>
    </message>
    <message>
        <source>Video quality:</source>
        <translation>ビデオ品質:</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>フレームレート:</translation>
    </message>
    <message>
        <source>Audio format:</source>
        <translation>オーディオ形式:</translation>
    </message>
    <message>
        <source>Audio quality:</source>
        <translation>オーディオ品質:</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>サンプルレート:</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>フォルダーを開く</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>マウス</translation>
    </message>
    <message>
        <source>Show mouse cursor</source>
        <translation>マウスカーソルを表示</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>マウスの設定</translation>
    </message>
    <message>
        <source>Record mouse clicks</source>
        <translation>マウスクリックを録画</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>色:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>サイズ:</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>ホットキー</translation>
    </message>
    <message>
        <source>You can select hotkeys then enter the hot keys by clickboard, we&apos;ll save them automatically. </source>
        <translation>ホットキーを選択してキーボードでキーを入力すると、自動的に保存されます。 </translation>
    </message>
    <message>
        <source>Start/Stop recording:</source>
        <translation>録画の開始/停止:</translation>
    </message>
    <message>
        <source>Pause/Resume recording:</source>
        <translation>録画の一時停止/再開:</translation>
    </message>
    <message>
        <source>Screen Capture:</source>
        <translation>スクリーンショット:</translation>
    </message>
    <message>
        <source>Open/Close webcam:</source>
        <translation>Webカメラのオン/オフ:</translation>
    </message>
    <message>
        <source>Show/Hide flat panel:</source>
        <translation>フローティングパネルの表示/非表示:</translation>
    </message>
    <message>
        <source>Restore Hotkeys</source>
        <translation>ホットキーを元に戻す</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>その他</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>更新を自動的に確認する</translation>
    </message>
    <message>
        <source>The program will start up automatically when computer boots.</source>
        <translation>コンピューターの起動時にプログラムを自動的に起動します。</translation>
    </message>
    <message>
        <source>When close main panel:</source>
        <translation>メインパネルを閉じるとき:</translation>
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
        <source>Restore Default</source>
        <translation>既定値に戻す</translation>
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
    <name>SkinManager</name>
    <message>
        <source>The skin file %1 is not used: %2.</source>
        <translation>スキンファイル %1 は使用されません：%2。</translation>
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
        <translation>&lt;a href=&quot;More information&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;詳細情報&lt;/a&gt;</translation>
    </message>
    <message>
        <source>After enabling the authorization, please retry.&lt;br&gt;If the problem still persists, please &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>アクセスを許可した後、もう一度お試しください。&lt;br&gt;問題が解決しない場合は、&lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;お問い合わせ&lt;/a&gt;ください。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>The program cannot open the microphone or the camera:
- another program may be using the device: close it and try again;
- your user may lack the rights to the device (cameras usually belong to the group &quot;video&quot;);
- some desktops have privacy settings that keep programs from cameras and microphones.</source>
        <translation>プログラムがマイクまたはカメラを開けません:
- 別のプログラムがデバイスを使用している可能性があります。そのプログラムを閉じてもう一度お試しください。
- ユーザーにデバイスを使用する権限がない可能性があります（カメラは通常 &quot;video&quot; グループに属します）。
- デスクトップによっては、プログラムによるカメラやマイクの使用を制限するプライバシー設定があります。</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s privacy settings</source>
        <translation>デスクトップのプライバシー設定を開く</translation>
    </message>
</context>
<context>
    <name>SystemTray</name>
    <message>
        <source>Pause</source>
        <translation>一時停止</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>スクリーンショット</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>環境設定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>Show float bar</source>
        <translation>フローティングバーを表示</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>再開</translation>
    </message>
    <message>
        <source>Hide float bar</source>
        <translation>フローティングバーを隠す</translation>
    </message>
</context>
<context>
    <name>TaskSchedule</name>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編集</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>削除</translation>
    </message>
    <message>
        <source>New task</source>
        <translation>新規タスク</translation>
    </message>
</context>
<context>
    <name>TaskScheduleClass</name>
    <message>
        <source>Task schedule</source>
        <translation>タスクスケジュール</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>新規タスク</translation>
    </message>
    <message>
        <source>No task schedule, click &quot;Add&quot; to create new task.</source>
        <translation>タスクスケジュールがありません。「追加」をクリックして新しいタスクを作成してください。</translation>
    </message>
    <message>
        <source>Tips: Software is set to boot automatically to ensure task can be done timely. You can change it in settings.</source>
        <translation>ヒント: タスクを予定どおり実行するため、ソフトウェアは自動起動に設定されています。設定で変更できます。</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetail</name>
    <message>
        <source>All DISPLAY</source>
        <translation>すべてのディスプレイ</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>ディスプレイ %1</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全画面</translation>
    </message>
    <message>
        <source>Custom(X:%1,Y:%2;%3x%4)</source>
        <translation>カスタム(X:%1,Y:%2;%3x%4)</translation>
    </message>
    <message>
        <source>Please set a future time as start time.</source>
        <translation>開始時刻には未来の時刻を設定してください。</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>録画時間は1秒以上にしてください。</translation>
    </message>
    <message>
        <source>You must select at least one of Screen, Camera, Audio or Microphone.</source>
        <translation>画面、カメラ、オーディオ、マイクのうち少なくとも1つを選択してください。</translation>
    </message>
    <message>
        <source>This task overlapped in time with Task %1</source>
        <translation>このタスクはタスク %1 と時間が重複しています</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetailClass</name>
    <message>
        <source>Task schedule</source>
        <translation>タスクスケジュール</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>閉じる</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>タスク名</translation>
    </message>
    <message>
        <source>Please enter the task name</source>
        <translation>タスク名を入力してください</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時刻</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>繰り返し</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>月</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>火</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>水</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>木</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>金</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>土</translation>
    </message>
    <message>
        <source>Record length</source>
        <translation>録画時間</translation>
    </message>
    <message>
        <source>Loop:</source>
        <translation>ループ:</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>停止時刻</translation>
    </message>
    <message>
        <source>Record area</source>
        <translation>録画範囲</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>ディスプレイ</translation>
    </message>
    <message>
        <source>System sound</source>
        <translation>システム音</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>マイク</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>Webカメラ</translation>
    </message>
    <message>
        <source>Webcam area</source>
        <translation>Webカメラ領域</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>録画終了時にシャットダウンする。</translation>
    </message>
    <message>
        <source>Tips: To make your task available, you must keep you computer not in sleep or lock mode.</source>
        <translation>ヒント: タスクを実行するには、コンピューターをスリープまたはロック状態にしないでください。</translation>
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
    <name>TaskScheduleList</name>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>「%1」(%2)</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run:</source>
        <translation>次の予約録画は実行されません:</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run. Their task files are kept in %1:</source>
        <translation>次の予約録画は実行されません。タスクファイルは %1 に保存されています:</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>読み込めません:</translation>
    </message>
    <message>
        <source>Hold a record length, loop count or other value out of range:</source>
        <translation>範囲外の録画時間、繰り返し回数またはその他の値が含まれています:</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>…ほか %1 件</translation>
    </message>
    <message>
        <source>Scheduled recording &quot;%1&quot;: %2</source>
        <translation>予約録画「%1」: %2</translation>
    </message>
</context>
<context>
    <name>TaskScheduleModel</name>
    <message>
        <source>(Repeat)</source>
        <translation>(繰り返し)</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>有効</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>無効</translation>
    </message>
    <message>
        <source>   Name</source>
        <translation>   名前</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長さ</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>ループ</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状態</translation>
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
    <name>UpdateView</name>
    <message>
        <source>Software Update</source>
        <translation>ソフトウェアの更新</translation>
    </message>
    <message>
        <source>Almost finished...</source>
        <translation>まもなく完了します...</translation>
    </message>
    <message>
        <source>Failed to check update, please try again.</source>
        <translation>更新の確認に失敗しました。もう一度お試しください。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>再試行</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>最新バージョンを使用しています。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>スキップ</translation>
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
    <message>
        <source>The image file cannot be used: %1.</source>
        <translation>この画像ファイルは使用できません: %1。</translation>
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
