<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
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
        <source>Form</source>
        <translation>Form</translation>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
</context>
<context>
    <name>ControlPanelClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
        <translation>Form</translation>
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
