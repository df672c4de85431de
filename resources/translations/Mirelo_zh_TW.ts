<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>AboutView</name>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>目前版本：</translation>
    </message>
    <message>
        <source>Customer Support</source>
        <translation>客戶支援</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>官方網站</translation>
    </message>
</context>
<context>
    <name>AreaSelected</name>
    <message>
        <source>Fixed region</source>
        <translation>固定區域</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (全螢幕)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>選取區域/視窗</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
</context>
<context>
    <name>AreaSelectedClass</name>
    <message>
        <source>Select region/window</source>
        <translation>選取區域/視窗</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
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
        <translation>不錄製系統聲音</translation>
    </message>
    <message>
        <source>Record without Microphone</source>
        <translation>不錄製麥克風</translation>
    </message>
</context>
<context>
    <name>AudioDeviceListClass</name>
    <message>
        <source>Record without System Sound</source>
        <translation>不錄製系統聲音</translation>
    </message>
</context>
<context>
    <name>BugReportView</name>
    <message>
        <source>Bug Report</source>
        <translation>錯誤回報</translation>
    </message>
    <message>
        <source>Please report any problems you encountered during using this software. We will answer you as soon we receive it.</source>
        <translation>請回報您在使用本軟體時遇到的任何問題。我們收到後會儘快回覆您。</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>電子郵件:</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>電子郵件</translation>
    </message>
    <message>
        <source>Name:</source>
        <translation>姓名:</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>姓名</translation>
    </message>
    <message>
        <source>Report</source>
        <translation>送出</translation>
    </message>
</context>
<context>
    <name>BugreportThread</name>
    <message>
        <source>No mail account is set up for bug reports (MailHost in the group Services of the settings), so the report was not sent.</source>
        <translation>未設定用於錯誤回報的郵件帳戶（設定中 Services 群組的 MailHost），因此回報未送出。</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate is not trusted, so the report was not sent.</source>
        <translation>郵件伺服器的憑證不受信任，因此回報未送出。</translation>
    </message>
    <message>
        <source>The mail server refused the login of the bug report account.</source>
        <translation>郵件伺服器拒絕了錯誤回報帳戶的登入。</translation>
    </message>
    <message>
        <source>The mail server cannot be reached. Check the network connection and try again.</source>
        <translation>無法連線到郵件伺服器。請檢查網路連線後再試一次。</translation>
    </message>
    <message>
        <source>The mail server did not accept the report. Please try again later.</source>
        <translation>郵件伺服器未接受此回報。請稍後再試。</translation>
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
        <translation>說明中心</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>意見回饋</translation>
    </message>
</context>
<context>
    <name>CameraWindow</name>
    <message>
        <source>Sticky on Top</source>
        <translation>置頂</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>水平翻轉</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>攝影機設定</translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation>透明度</translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation>拍照</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>截圖儲存位置無效，請在設定中重新選擇。</translation>
    </message>
    <message>
        <source>The photo could not be taken.</source>
        <translation>無法拍照。</translation>
    </message>
</context>
<context>
    <name>CameraWindowClass</name>
    <message>
        <source>Camera</source>
        <translation>攝影機</translation>
    </message>
</context>
<context>
    <name>CapturePanelClass</name>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Pin to screen</source>
        <translation>固定到螢幕</translation>
    </message>
    <message>
        <source>Paste to screen</source>
        <translation>貼到螢幕</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>儲存</translation>
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
        <translation>不錄製攝影機</translation>
    </message>
</context>
<context>
    <name>CarmeraSettingsClass</name>
    <message>
        <source>Camera Settings</source>
        <translation>攝影機設定</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>攝影機</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>輸出格式</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>水平翻轉</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>置中</translation>
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
        <source>Olvex Mirelo</source>
        <translation>Olvex Mirelo</translation>
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
    <name>ControlPanel</name>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>錄製選項</translation>
    </message>
    <message>
        <source>Record Length</source>
        <translation>錄製時間</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截圖</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>畫板</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>錄製時間不得少於 1 秒。</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>截圖儲存位置無效，請在設定中重新選擇。</translation>
    </message>
    <message>
        <source>The screenshot could not be saved.</source>
        <translation>無法儲存截圖。</translation>
    </message>
    <message>
        <source>Failed to start recording.</source>
        <translation>無法開始錄製。</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 was removed while it was being written. The recording is lost.</source>
        <translation>錄製已停止：檔案 %1 在寫入時被刪除，本次錄製已遺失。</translation>
    </message>
    <message>
        <source>The recording was stopped: the disk is full. What was recorded until then is kept in %1.</source>
        <translation>錄製已停止：磁碟已滿。此前錄製的內容保存在 %1 中。</translation>
    </message>
    <message>
        <source>The recording was stopped: the sound it was recording is gone (its device was removed, or the sound server ended). What was recorded until then is kept in %1.</source>
        <translation>錄製已停止：正在錄製的聲音已消失（其裝置已被移除，或聲音伺服器已結束）。此前錄製的內容保存在 %1 中。</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 could not be written. What was recorded until then is kept.</source>
        <translation>錄製已停止：無法寫入檔案 %1。此前錄製的內容已保留。</translation>
    </message>
    <message>
        <source>Failed to start recording: none of the sources it records (screen region, webcam, system sound, microphone) is there.</source>
        <translation>無法開始錄製：要錄製的來源（螢幕區域、網路攝影機、系統音效、麥克風）皆不存在。</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>裝置 %1</translation>
    </message>
    <message>
        <source>The webcam chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>為此錄製選擇的網路攝影機不存在：改用「%1」錄製。</translation>
    </message>
    <message>
        <source>The system sound device chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>為此錄製選擇的系統聲音裝置不存在：改用「%1」錄製。</translation>
    </message>
    <message>
        <source>The microphone chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>為此錄製選擇的麥克風不存在：改用「%1」錄製。</translation>
    </message>
    <message>
        <source>There was no webcam: the recording was made without it.</source>
        <translation>沒有網路攝影機：錄製時未包含網路攝影機。</translation>
    </message>
    <message>
        <source>There was no system sound device: the recording was made without system sound.</source>
        <translation>沒有系統聲音裝置：錄製時未包含系統聲音。</translation>
    </message>
    <message>
        <source>There was no microphone: the recording was made without it.</source>
        <translation>沒有麥克風：錄製時未包含麥克風。</translation>
    </message>
</context>
<context>
    <name>ControlPanelClass</name>
    <message>
        <source>Record length</source>
        <translation>錄製時間</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Shut down when recording ends</source>
        <translation>錄製結束後關機</translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation>系統聲音</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>攝影機</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Sending a bug report. Please try another later.</source>
        <translation>正在傳送錯誤回報，請稍後再試。</translation>
    </message>
    <message>
        <source>Please describe the problem clearly before submitting.</source>
        <translation>送出前請清楚描述問題。</translation>
    </message>
    <message>
        <source>Unknown error, try again please.</source>
        <translation>未知錯誤，請再試一次。</translation>
    </message>
    <message>
        <source>Send failed, please try again.</source>
        <translation>傳送失敗，請再試一次。</translation>
    </message>
    <message>
        <source>Bug Report sent successful!</source>
        <translation>錯誤回報已成功送出！</translation>
    </message>
    <message>
        <source>Bug Report sent failed!</source>
        <translation>錯誤回報傳送失敗！</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the webcam. Make sure your user may use the video device and that no other program holds it.</source>
        <translation>此桌面沒有網路攝影機隱私權設定頁面。請確認目前使用者有權使用視訊裝置，且沒有其他程式正在佔用它。</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the microphone. Make sure the sound server lets programs record and the input is not muted.</source>
        <translation>此桌面沒有麥克風隱私權設定頁面。請確認音訊伺服器允許程式錄音，且輸入未被靜音。</translation>
    </message>
    <message>
        <source>Update: failed to find product record.</source>
        <translation>更新：找不到產品記錄。</translation>
    </message>
    <message>
        <source>Update:xml data error.</source>
        <translation>更新：XML 資料錯誤。</translation>
    </message>
    <message>
        <source>Time out in requesting background data.</source>
        <translation>請求後台資料逾時。</translation>
    </message>
    <message>
        <source>Program can&apos;t connect to the Internet. Please check your Interent connection.</source>
        <translation>程式無法連線至網際網路，請檢查網路連線。</translation>
    </message>
    <message>
        <source>Other errors. Please contact our Customer Service Center.</source>
        <translation>其他錯誤，請聯絡我們的客服中心。</translation>
    </message>
</context>
<context>
    <name>CountDownClass</name>
    <message>
        <source>Control</source>
        <translation>控制</translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>State</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Start/Stop Recording:</source>
        <translation>開始/停止錄製：</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Pause/Resume Recording:</source>
        <translation>暫停/繼續錄製：</translation>
    </message>
</context>
<context>
    <name>CustomSelectArea</name>
    <message>
        <source>Select Area</source>
        <translation>選取區域</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>寬度:</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>未鎖定長寬比</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>DataGroupOutput</name>
    <message>
        <source>Software Encoder</source>
        <translation>軟體編碼器</translation>
    </message>
    <message>
        <source>Intel Hardware Encoder</source>
        <translation>Intel 硬體編碼器</translation>
    </message>
    <message>
        <source>Nvidia Hardware Encoder</source>
        <translation>Nvidia 硬體編碼器</translation>
    </message>
    <message>
        <source>AMD Hardware Encoder</source>
        <translation>AMD 硬體編碼器</translation>
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
        <translation>找不到錄製引擎:
%1</translation>
    </message>
    <message>
        <source>The recording engine could not be loaded:
%1
%2</source>
        <translation>無法載入錄製引擎:
%1
%2</translation>
    </message>
    <message>
        <source>The recording engine %1 has no entry point &quot;%2&quot;.</source>
        <translation>錄製引擎 %1 沒有進入點 &quot;%2&quot;。</translation>
    </message>
    <message>
        <source>The recording engine %1 lacks these operations:
%2</source>
        <translation>錄製引擎 %1 缺少下列操作:
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
        <translation>橢圓</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直線</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭頭</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>畫筆</translation>
    </message>
    <message>
        <source>Air brush</source>
        <translation>噴槍</translation>
    </message>
    <message>
        <source>Text</source>
        <translation>文字</translation>
    </message>
    <message>
        <source>Blur</source>
        <translation>模糊</translation>
    </message>
    <message>
        <source>Callout</source>
        <translation>標註</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>復原</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清除</translation>
    </message>
    <message>
        <source>Exit drawing board editing</source>
        <translation>結束畫板編輯</translation>
    </message>
    <message>
        <source>Select a tool to start draw!</source>
        <translation>選擇工具開始繪製！</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小:</translation>
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
        <translation>粗</translation>
    </message>
    <message>
        <source>Large</source>
        <translation>特粗</translation>
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
        <translation>顏色:</translation>
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
        <translation>本機檔案已被重新命名、移動或刪除。是否將其從錄製記錄中移除？</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜尋</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>顯示全部</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>視訊</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音訊</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截圖</translation>
    </message>
    <message>
        <source>These files could not be deleted and stay in the list:
%1</source>
        <translation>以下檔案無法刪除，仍保留在清單中：
%1</translation>
    </message>
    <message>
        <source>No application could open &quot;%1&quot;. Please install a media player, or choose one for this kind of file in the desktop&apos;s settings.</source>
        <translation>沒有可以開啟「%1」的應用程式。請安裝媒體播放器，或在桌面設定中為此類檔案選擇一個應用程式。</translation>
    </message>
</context>
<context>
    <name>HistoryClass</name>
    <message>
        <source>Record History</source>
        <translation>錄製記錄</translation>
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
        <translation>還原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>History</source>
        <translation>歷史記錄</translation>
    </message>
    <message>
        <source>Record more</source>
        <translation>繼續錄製</translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation>全部移除</translation>
    </message>
    <message>
        <source>Other tools</source>
        <translation>其他工具</translation>
    </message>
    <message>
        <source>Convert and edit recording</source>
        <translation>轉換和編輯錄影</translation>
    </message>
    <message>
        <source>Burn recording into DVD/Blu-ray</source>
        <translation>將錄影燒錄至 DVD/藍光</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>it holds no history</source>
        <translation>其中沒有歷史記錄</translation>
    </message>
    <message>
        <source>The history could not be read from %1 (%2). It starts empty; the file is kept beside it as a backup.</source>
        <translation>無法從 %1 讀取歷史記錄（%2）。歷史記錄將從空白開始；該檔案作為備份保留在旁邊。</translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Play</source>
        <translation>播放</translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
</context>
<context>
    <name>ImageLimit</name>
    <message>
        <source>its picture of %1 x %2 pixels is too large</source>
        <translation>其 %1 x %2 像素的圖片過大</translation>
    </message>
    <message>
        <source>its %1 pictures are too large together</source>
        <translation>其 %1 張圖片合計過大</translation>
    </message>
    <message>
        <source>its pictures cannot be measured before they are decoded</source>
        <translation>無法在解碼前測量其圖片的大小</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 MB of text</source>
        <translation>其向量圖的文字超過 %1 MB</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 elements</source>
        <translation>其向量圖包含超過 %1 個元素</translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>the disk or the folder refused it</source>
        <translation>磁碟或資料夾拒絕了寫入</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是一般檔案</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>它大於 %1 位元組</translation>
    </message>
    <message>
        <source>Could not save %1:
%2
What it held before is kept.</source>
        <translation>無法儲存 %1：
%2
原有內容保持不變。</translation>
    </message>
    <message>
        <source>%1 could not be read and was kept as %2.</source>
        <translation>無法讀取 %1，已將其保留為 %2。</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation>其元素巢狀超過 %1 層</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>它不是格式正確的 XML（第 %1 行：%2）</translation>
    </message>
</context>
<context>
    <name>Mirelo</name>
    <message>
        <source>Failed to open the camera.</source>
        <translation>無法開啟攝影機。</translation>
    </message>
    <message>
        <source>The location of output files is not valid, please reselect it in settings.</source>
        <translation>輸出檔案儲存位置無效，請在設定中重新選擇。</translation>
    </message>
    <message>
        <source>Task Schedule (%1)</source>
        <translation>排程工作 (%1)</translation>
    </message>
    <message>
        <source>No webcam detected.</source>
        <translation>未偵測到網路攝影機。</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>All Display</source>
        <translation>所有顯示器</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>顯示器 %1</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>選取區域/視窗</translation>
    </message>
    <message>
        <source>Fixed region</source>
        <translation>固定區域</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (全螢幕)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自訂</translation>
    </message>
    <message>
        <source>Recently used size</source>
        <translation>最近使用的尺寸</translation>
    </message>
    <message>
        <source>Record Full Screen</source>
        <translation>錄製全螢幕</translation>
    </message>
    <message>
        <source>Record Area</source>
        <translation>錄製區域</translation>
    </message>
    <message>
        <source>Record Camera</source>
        <translation>錄製攝影機</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>錄製音訊</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>顯示器 %1</translation>
    </message>
    <message>
        <source>Watermark (%1)</source>
        <translation>浮水印 (%1)</translation>
    </message>
    <message>
        <source>Set record length (%1)</source>
        <translation>設定錄製長度 (%1)</translation>
    </message>
    <message>
        <source>Record without Webcam will change to Record Audio mode, are you sure?</source>
        <translation>不使用網路攝影機錄製將切換為錄製音訊模式，確定嗎？</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>返回首頁</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截圖</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>開始錄製</translation>
    </message>
    <message>
        <source>The location of output files cannot be written, please choose another one in settings.</source>
        <translation>無法寫入輸出檔案儲存位置，請在設定中選擇其他位置。</translation>
    </message>
    <message>
        <source>The desktop icons cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>在此桌面上無法隱藏桌面圖示：它們會保留在錄製內容中。</translation>
    </message>
    <message>
        <source>The desktop icons and the taskbar cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>在此桌面上無法隱藏桌面圖示和工作列：它們會保留在錄製內容中。</translation>
    </message>
    <message>
        <source>The taskbar cannot be hidden on this desktop: it stays in the recording.</source>
        <translation>在此桌面上無法隱藏工作列：它會保留在錄製內容中。</translation>
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
        <translation>錄製螢幕</translation>
    </message>
    <message>
        <source>Record Webcam</source>
        <translation>錄製網路攝影機</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>錄製音訊</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>螢幕擷取</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>返回首頁</translation>
    </message>
    <message>
        <source>Mouse Around</source>
        <translation>滑鼠周圍</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截圖</translation>
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
        <translation>系統聲音</translation>
    </message>
    <message>
        <source>MicroPhone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>網路攝影機</translation>
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
        <translation>錄製長度：</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>錄製結束後關機。</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>僅限本次</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>每次</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Recording history</source>
        <translation>錄製記錄</translation>
    </message>
    <message>
        <source>Set record length</source>
        <translation>設定錄製長度</translation>
    </message>
    <message>
        <source>Task schedule</source>
        <translation>排程工作</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>浮水印</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>选择区域</source>
        <translation>選擇區域</translation>
    </message>
    <message>
        <source>固定区域</source>
        <translation>固定區域</translation>
    </message>
</context>
<context>
    <name>MyAboutView</name>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2。保留所有權利。</translation>
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
    <message>
        <source>cannot open the display</source>
        <translation>無法開啟顯示</translation>
    </message>
    <message>
        <source>There is no usable home folder (HOME is not set, is the file-system root or does not exist), so the program has nowhere to keep its settings.</source>
        <translation>沒有可用的主資料夾（HOME 未設定、為檔案系統根目錄或不存在），因此程式無法儲存設定。</translation>
    </message>
</context>
<context>
    <name>MyBugReportView</name>
    <message>
        <source>Description is required.</source>
        <translation>請填寫問題描述。</translation>
    </message>
    <message>
        <source>Email Format is Incorrect!</source>
        <translation>電子郵件格式不正確！</translation>
    </message>
</context>
<context>
    <name>MyCustomAreaSelect</name>
    <message>
        <source>Lock aspect ratio is on</source>
        <translation>已鎖定長寬比</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>未鎖定長寬比</translation>
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
        <translation>Olvex Free Mirelo</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>截圖儲存位置無效，請在設定中重新選擇。</translation>
    </message>
    <message>
        <source>Failed to save the screenshot.</source>
        <translation>儲存螢幕截圖失敗。</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>選單</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>使用者指南</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>錯誤回報</translation>
    </message>
    <message>
        <source>About</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>檢查更新</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>錄製選項</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截圖</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>繪製</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>使用者指南</translation>
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
    <name>MyUpdateView</name>
    <message>
        <source>Current version:</source>
        <translation>目前版本：</translation>
    </message>
    <message>
        <source>Update available:</source>
        <translation>可用更新：</translation>
    </message>
</context>
<context>
    <name>PatchLauncher</name>
    <message>
        <source>Please restart program to complete patching.</source>
        <translation>請重新啟動程式以完成修補程式安裝。</translation>
    </message>
</context>
<context>
    <name>RecordLength</name>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>錄製時間不得少於 1 秒。</translation>
    </message>
</context>
<context>
    <name>RecordLengthClass</name>
    <message>
        <source>Record Length:</source>
        <translation>錄製長度：</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>錄製結束後關機。</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>僅限本次</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>每次</translation>
    </message>
</context>
<context>
    <name>ScreenAccess</name>
    <message>
        <source>In a Wayland session the screen cannot be recorded: screen and region recordings and screenshots would only be black. Sign in to an X11 session to record the screen. Sound and webcam recordings work here.</source>
        <translation>在 Wayland 工作階段中無法錄製螢幕：螢幕和區域錄製以及截圖只會是黑色。請登入 X11 工作階段以錄製螢幕。聲音和網路攝影機錄製在此仍可使用。</translation>
    </message>
</context>
<context>
    <name>ScreenCapturing</name>
    <message>
        <source>Save File</source>
        <translation>儲存檔案</translation>
    </message>
    <message>
        <source>JPEG (*.jpeg *.jpg);;Images (*.jpeg *.jpg)</source>
        <translation>JPEG (*.jpeg *.jpg);;圖片 (*.jpeg *.jpg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>無法將圖片儲存到 %1。</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Select output folder</source>
        <translation>選擇輸出資料夾</translation>
    </message>
    <message>
        <source>Select screenshot folder</source>
        <translation>選擇截圖資料夾</translation>
    </message>
    <message>
        <source>The mouse settings of this desktop could not be opened.</source>
        <translation>無法開啟此桌面的滑鼠設定。</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>選擇色彩</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>選擇資料夾</translation>
    </message>
    <message>
        <source>The hotkey is alreay in use, please change it.</source>
        <translation>此快速鍵已被使用，請更換。</translation>
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
        <translation>關閉</translation>
    </message>
    <message>
        <source>   Recording</source>
        <translation>   錄製</translation>
    </message>
    <message>
        <source>   Output</source>
        <translation>   輸出</translation>
    </message>
    <message>
        <source>   Mouse</source>
        <translation>   滑鼠</translation>
    </message>
    <message>
        <source>   Hotkeys</source>
        <translation>   快速鍵</translation>
    </message>
    <message>
        <source>   Others</source>
        <translation>   其他</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>錄製</translation>
    </message>
    <message>
        <source>Show countdown before recording</source>
        <translation>錄製前顯示倒數計時</translation>
    </message>
    <message>
        <source>Beep on start recording</source>
        <translation>開始錄製時發出提示音</translation>
    </message>
    <message>
        <source>Show recording boundary</source>
        <translation>顯示錄製邊框</translation>
    </message>
    <message>
        <source>Hide flat bar when recording</source>
        <translation>錄製時隱藏浮動列</translation>
    </message>
    <message>
        <source>Allow to move the recording region when recording</source>
        <translation>錄製時允許移動錄製區域</translation>
    </message>
    <message>
        <source>Hide desktop icons when recording</source>
        <translation>錄製時隱藏桌面圖示</translation>
    </message>
    <message>
        <source>Auto hide the system taskbar when recording</source>
        <translation>錄製時自動隱藏系統工作列</translation>
    </message>
    <message>
        <source>Hide main interface when you take screenshot</source>
        <translation>截圖時隱藏主視窗</translation>
    </message>
    <message>
        <source>Auto open history when end recording</source>
        <translation>錄製結束後自動開啟歷史記錄</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>輸出</translation>
    </message>
    <message>
        <source>Location of output files:</source>
        <translation>輸出檔案位置：</translation>
    </message>
    <message>
        <source>Location of screenshot files:</source>
        <translation>截圖檔案位置：</translation>
    </message>
    <message>
        <source>Screenshot format:</source>
        <translation>截圖格式：</translation>
    </message>
    <message>
        <source>Video format:</source>
        <translation>視訊格式：</translation>
    </message>
    <message>
        <source>Video Encoder:</source>
        <translation>視訊編碼器：</translation>
    </message>
    <message>
        <source>Video quality:</source>
        <translation>視訊品質：</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>影格速率：</translation>
    </message>
    <message>
        <source>Audio format:</source>
        <translation>音訊格式：</translation>
    </message>
    <message>
        <source>Audio quality:</source>
        <translation>音訊品質：</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>取樣率：</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>開啟資料夾</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>滑鼠</translation>
    </message>
    <message>
        <source>Show mouse cursor</source>
        <translation>顯示滑鼠游標</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>滑鼠設定</translation>
    </message>
    <message>
        <source>Record mouse clicks</source>
        <translation>錄製滑鼠點擊</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>顏色:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小:</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>快速鍵</translation>
    </message>
    <message>
        <source>You can select hotkeys then enter the hot keys by clickboard, we&apos;ll save them automatically. </source>
        <translation>選取快速鍵後用鍵盤輸入新的按鍵，系統將自動儲存。 </translation>
    </message>
    <message>
        <source>Start/Stop recording:</source>
        <translation>開始/停止錄製：</translation>
    </message>
    <message>
        <source>Pause/Resume recording:</source>
        <translation>暫停/繼續錄製：</translation>
    </message>
    <message>
        <source>Screen Capture:</source>
        <translation>螢幕擷取：</translation>
    </message>
    <message>
        <source>Open/Close webcam:</source>
        <translation>開啟/關閉網路攝影機：</translation>
    </message>
    <message>
        <source>Show/Hide flat panel:</source>
        <translation>顯示/隱藏浮動列：</translation>
    </message>
    <message>
        <source>Restore Hotkeys</source>
        <translation>還原預設快速鍵</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>自動檢查更新</translation>
    </message>
    <message>
        <source>The program will start up automatically when computer boots.</source>
        <translation>電腦開機時自動啟動程式。</translation>
    </message>
    <message>
        <source>When close main panel:</source>
        <translation>關閉主面板時：</translation>
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
        <source>Restore Default</source>
        <translation>還原預設值</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>SkinManager</name>
    <message>
        <source>The skin file %1 is not used: %2.</source>
        <translation>未使用面板檔案 %1：%2。</translation>
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
        <translation>&lt;a href=&quot;More information&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;更多資訊&lt;/a&gt;</translation>
    </message>
    <message>
        <source>After enabling the authorization, please retry.&lt;br&gt;If the problem still persists, please &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>開啟授權後請重試。&lt;br&gt;若問題仍然存在，請&lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;聯絡我們&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>The program cannot open the microphone or the camera:
- another program may be using the device: close it and try again;
- your user may lack the rights to the device (cameras usually belong to the group &quot;video&quot;);
- some desktops have privacy settings that keep programs from cameras and microphones.</source>
        <translation>程式無法開啟麥克風或攝影機：
- 可能有其他程式正在使用該裝置：請關閉它後再試一次；
- 您的使用者可能沒有該裝置的使用權限（攝影機通常屬於 &quot;video&quot; 群組）；
- 某些桌面環境的隱私設定會阻止程式使用攝影機和麥克風。</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s privacy settings</source>
        <translation>開啟桌面的隱私設定</translation>
    </message>
</context>
<context>
    <name>SystemTray</name>
    <message>
        <source>Pause</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>螢幕擷取</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>偏好設定</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>結束</translation>
    </message>
    <message>
        <source>Show float bar</source>
        <translation>顯示浮動列</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>繼續</translation>
    </message>
    <message>
        <source>Hide float bar</source>
        <translation>隱藏浮動列</translation>
    </message>
</context>
<context>
    <name>TaskSchedule</name>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>編輯</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>New task</source>
        <translation>新增工作</translation>
    </message>
</context>
<context>
    <name>TaskScheduleClass</name>
    <message>
        <source>Task schedule</source>
        <translation>排程工作</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>新增工作</translation>
    </message>
    <message>
        <source>No task schedule, click &quot;Add&quot; to create new task.</source>
        <translation>目前沒有排程工作，按一下「新增」建立新工作。</translation>
    </message>
    <message>
        <source>Tips: Software is set to boot automatically to ensure task can be done timely. You can change it in settings.</source>
        <translation>提示：軟體已設為開機自動啟動，以確保工作準時執行。可在設定中變更。</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetail</name>
    <message>
        <source>All DISPLAY</source>
        <translation>所有顯示器</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>顯示器 %1</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全螢幕</translation>
    </message>
    <message>
        <source>Custom(X:%1,Y:%2;%3x%4)</source>
        <translation>自訂(X:%1,Y:%2;%3x%4)</translation>
    </message>
    <message>
        <source>Please set a future time as start time.</source>
        <translation>請將開始時間設為未來的時間。</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>錄製時間不得少於 1 秒。</translation>
    </message>
    <message>
        <source>You must select at least one of Screen, Camera, Audio or Microphone.</source>
        <translation>請至少選擇螢幕、攝影機、音訊或麥克風其中一項。</translation>
    </message>
    <message>
        <source>This task overlapped in time with Task %1</source>
        <translation>此工作與工作 %1 時間重疊</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetailClass</name>
    <message>
        <source>Task schedule</source>
        <translation>排程工作</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>工作名稱</translation>
    </message>
    <message>
        <source>Please enter the task name</source>
        <translation>請輸入工作名稱</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>開始時間</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>重複</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>週日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>週一</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>週二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>週三</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>週四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>週五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>週六</translation>
    </message>
    <message>
        <source>Record length</source>
        <translation>錄製時間</translation>
    </message>
    <message>
        <source>Loop:</source>
        <translation>循環：</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>停止時間</translation>
    </message>
    <message>
        <source>Record area</source>
        <translation>錄製區域</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>顯示器</translation>
    </message>
    <message>
        <source>System sound</source>
        <translation>系統音效</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麥克風</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>網路攝影機</translation>
    </message>
    <message>
        <source>Webcam area</source>
        <translation>網路攝影機區域</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>錄製結束後關機。</translation>
    </message>
    <message>
        <source>Tips: To make your task available, you must keep you computer not in sleep or lock mode.</source>
        <translation>提示：為確保工作正常執行，請勿讓電腦進入睡眠或鎖定狀態。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>TaskScheduleList</name>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>「%1」（%2）</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run:</source>
        <translation>下列排程錄製將不會執行：</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run. Their task files are kept in %1:</source>
        <translation>下列排程錄製將不會執行。其工作檔案保留在 %1：</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>無法讀取：</translation>
    </message>
    <message>
        <source>Hold a record length, loop count or other value out of range:</source>
        <translation>包含超出範圍的錄製長度、循環次數或其他數值：</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……另有 %1 個</translation>
    </message>
    <message>
        <source>Scheduled recording &quot;%1&quot;: %2</source>
        <translation>排程錄製「%1」：%2</translation>
    </message>
</context>
<context>
    <name>TaskScheduleModel</name>
    <message>
        <source>(Repeat)</source>
        <translation>(重複)</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>手動</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>啟用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>停用</translation>
    </message>
    <message>
        <source>   Name</source>
        <translation>   名稱</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>長度</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循環</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
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
<context>
    <name>UpdateView</name>
    <message>
        <source>Software Update</source>
        <translation>軟體更新</translation>
    </message>
    <message>
        <source>Almost finished...</source>
        <translation>即將完成...</translation>
    </message>
    <message>
        <source>Failed to check update, please try again.</source>
        <translation>檢查更新失敗，請再試一次。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>再試一次</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>您使用的是最新版本。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>略過</translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <source>Open image file</source>
        <translation>開啟圖片檔案</translation>
    </message>
    <message>
        <source>Images (*.png *.jpeg *.jpg *.bmp)</source>
        <translation>圖片 (*.png *.jpeg *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>The image file cannot be read.</source>
        <translation>無法讀取圖片檔案。</translation>
    </message>
    <message>
        <source>The image file cannot be used: %1.</source>
        <translation>無法使用該圖片檔案：%1。</translation>
    </message>
</context>
<context>
    <name>WatermarkClass</name>
    <message>
        <source>Default watermark</source>
        <translation>預設浮水印</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>No watermark</source>
        <translation>無浮水印</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>文字浮水印</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字型</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>顏色</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>圖片浮水印</translation>
    </message>
    <message>
        <source>Select image</source>
        <translation>選擇圖片</translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation>不透明度:</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>大小</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>寬度:</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度:</translation>
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
        <translation>保持長寬比</translation>
    </message>
    <message>
        <source>Keep designed size </source>
        <translation>保持設定大小 </translation>
    </message>
    <message>
        <source>Full-Screen Preview</source>
        <translation>全螢幕預覽</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
</context>
<context>
    <name>WatermarkEditor</name>
    <message>
        <source>Press &quot;Esc&quot; to exit Full-Screen Preview</source>
        <translation>按 &quot;Esc&quot; 鍵結束全螢幕預覽</translation>
    </message>
</context>
</TS>
