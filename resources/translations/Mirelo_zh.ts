<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>AboutView</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation>当前版本：</translation>
    </message>
    <message>
        <source>Customer Support</source>
        <translation>客户支持</translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation>官方网站</translation>
    </message>
</context>
<context>
    <name>AreaSelected</name>
    <message>
        <source>Fixed region</source>
        <translation>固定区域</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (全屏)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>选择区域/窗口</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
</context>
<context>
    <name>AreaSelectedClass</name>
    <message>
        <source>Select region/window</source>
        <translation>选择区域/窗口</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
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
        <translation>不录制系统声音</translation>
    </message>
    <message>
        <source>Record without Microphone</source>
        <translation>不录制麦克风</translation>
    </message>
</context>
<context>
    <name>AudioDeviceListClass</name>
    <message>
        <source>Record without System Sound</source>
        <translation>不录制系统声音</translation>
    </message>
</context>
<context>
    <name>BugReportView</name>
    <message>
        <source>Bug Report</source>
        <translation>错误报告</translation>
    </message>
    <message>
        <source>Please report any problems you encountered during using this software. We will answer you as soon we receive it.</source>
        <translation>请报告您在使用本软件时遇到的任何问题。我们收到后会尽快回复您。</translation>
    </message>
    <message>
        <source>Email:</source>
        <translation>邮箱:</translation>
    </message>
    <message>
        <source>Email</source>
        <translation>邮箱</translation>
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
        <translation>提交</translation>
    </message>
</context>
<context>
    <name>BugreportThread</name>
    <message>
        <source>No mail account is set up for bug reports (MailHost in the group Services of the settings), so the report was not sent.</source>
        <translation>未设置用于错误报告的邮件帐户（设置中 Services 组的 MailHost），因此报告未发送。</translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate is not trusted, so the report was not sent.</source>
        <translation>邮件服务器的证书不受信任，因此报告未发送。</translation>
    </message>
    <message>
        <source>The mail server refused the login of the bug report account.</source>
        <translation>邮件服务器拒绝了错误报告帐户的登录。</translation>
    </message>
    <message>
        <source>The mail server cannot be reached. Check the network connection and try again.</source>
        <translation>无法连接到邮件服务器。请检查网络连接后重试。</translation>
    </message>
    <message>
        <source>The mail server did not accept the report. Please try again later.</source>
        <translation>邮件服务器未接受该报告。请稍后重试。</translation>
    </message>
</context>
<context>
    <name>CWindowsFrame</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>帮助中心</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
</context>
<context>
    <name>CameraWindow</name>
    <message>
        <source>Sticky on Top</source>
        <translation>置顶</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation>摄像头设置</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>截图保存位置无效，请在设置中重新选择。</translation>
    </message>
    <message>
        <source>The photo could not be taken.</source>
        <translation>无法拍照。</translation>
    </message>
</context>
<context>
    <name>CameraWindowClass</name>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
</context>
<context>
    <name>CapturePanelClass</name>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Pin to screen</source>
        <translation>固定到屏幕</translation>
    </message>
    <message>
        <source>Paste to screen</source>
        <translation>贴到屏幕</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
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
        <translation>不录制摄像头</translation>
    </message>
</context>
<context>
    <name>CarmeraSettingsClass</name>
    <message>
        <source>Camera Settings</source>
        <translation>摄像头设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation>输出格式</translation>
    </message>
    <message>
        <source>Position</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation>水平翻转</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
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
        <translation>确定</translation>
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
        <translation>确定要从历史列表中移除此录制吗？</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>删除本地文件</translation>
    </message>
    <message>
        <source>Are you sure to delete this task schedule?</source>
        <translation>确定要删除此计划任务吗？</translation>
    </message>
    <message>
        <source>No</source>
        <translation>否</translation>
    </message>
    <message>
        <source>Please enter the new task schedule name:</source>
        <translation>请输入新的计划任务名称：</translation>
    </message>
    <message>
        <source>Please enter the time:</source>
        <translation>请输入时间：</translation>
    </message>
    <message>
        <source>Operation successfully done.</source>
        <translation>操作成功。</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation>操作失败。</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Please enter new file name:</source>
        <translation>请输入新的文件名：</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>最小化到系统托盘</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation>删除本地文件</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
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
        <translation>继续</translation>
    </message>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>录制选项</translation>
    </message>
    <message>
        <source>Record Length</source>
        <translation>录制时长</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Paint</source>
        <translation>画板</translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation>最小化</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>录制时长不能少于 1 秒。</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>截图保存位置无效，请在设置中重新选择。</translation>
    </message>
    <message>
        <source>The screenshot could not be saved.</source>
        <translation>无法保存截图。</translation>
    </message>
    <message>
        <source>Failed to start recording.</source>
        <translation>无法开始录制。</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 was removed while it was being written. The recording is lost.</source>
        <translation>录制已停止：文件 %1 在写入时被删除，本次录制已丢失。</translation>
    </message>
    <message>
        <source>The recording was stopped: the disk is full. What was recorded until then is kept in %1.</source>
        <translation>录制已停止：磁盘已满。此前录制的内容保存在 %1 中。</translation>
    </message>
    <message>
        <source>The recording was stopped: the sound it was recording is gone (its device was removed, or the sound server ended). What was recorded until then is kept in %1.</source>
        <translation>录制已停止：正在录制的声音已消失（其设备已被移除，或声音服务器已结束）。此前录制的内容保存在 %1 中。</translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 could not be written. What was recorded until then is kept.</source>
        <translation>录制已停止：无法写入文件 %1。此前录制的内容已保留。</translation>
    </message>
    <message>
        <source>Failed to start recording: none of the sources it records (screen region, webcam, system sound, microphone) is there.</source>
        <translation>无法开始录制：要录制的来源（屏幕区域、摄像头、系统声音、麦克风）均不存在。</translation>
    </message>
    <message>
        <source>device %1</source>
        <translation>设备 %1</translation>
    </message>
    <message>
        <source>The webcam chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>为此录制选择的摄像头不存在：改用“%1”录制。</translation>
    </message>
    <message>
        <source>The system sound device chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>为此录制选择的系统声音设备不存在：改用“%1”录制。</translation>
    </message>
    <message>
        <source>The microphone chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation>为此录制选择的麦克风不存在：改用“%1”录制。</translation>
    </message>
    <message>
        <source>There was no webcam: the recording was made without it.</source>
        <translation>没有摄像头：录制时未包含摄像头。</translation>
    </message>
    <message>
        <source>There was no system sound device: the recording was made without system sound.</source>
        <translation>没有系统声音设备：录制时未包含系统声音。</translation>
    </message>
    <message>
        <source>There was no microphone: the recording was made without it.</source>
        <translation>没有麦克风：录制时未包含麦克风。</translation>
    </message>
</context>
<context>
    <name>ControlPanelClass</name>
    <message>
        <source>Record length</source>
        <translation>录制时长</translation>
    </message>
    <message>
        <source>Modify</source>
        <translation>修改</translation>
    </message>
    <message>
        <source>Shut down when recording ends</source>
        <translation>录制结束后关机</translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation>系统声音</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Camera</source>
        <translation>摄像头</translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Sending a bug report. Please try another later.</source>
        <translation>正在发送错误报告，请稍后再试。</translation>
    </message>
    <message>
        <source>Please describe the problem clearly before submitting.</source>
        <translation>提交前请清楚地描述问题。</translation>
    </message>
    <message>
        <source>Unknown error, try again please.</source>
        <translation>未知错误，请重试。</translation>
    </message>
    <message>
        <source>Send failed, please try again.</source>
        <translation>发送失败，请重试。</translation>
    </message>
    <message>
        <source>Bug Report sent successful!</source>
        <translation>错误报告发送成功！</translation>
    </message>
    <message>
        <source>Bug Report sent failed!</source>
        <translation>错误报告发送失败！</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the webcam. Make sure your user may use the video device and that no other program holds it.</source>
        <translation>此桌面没有摄像头隐私设置页面。请确认当前用户有权使用视频设备，且没有其他程序正在占用它。</translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the microphone. Make sure the sound server lets programs record and the input is not muted.</source>
        <translation>此桌面没有麦克风隐私设置页面。请确认声音服务器允许程序录音，且输入未被静音。</translation>
    </message>
    <message>
        <source>Update: failed to find product record.</source>
        <translation>更新：未找到产品记录。</translation>
    </message>
    <message>
        <source>Update:xml data error.</source>
        <translation>更新：XML 数据错误。</translation>
    </message>
    <message>
        <source>Time out in requesting background data.</source>
        <translation>请求后台数据超时。</translation>
    </message>
    <message>
        <source>Program can&apos;t connect to the Internet. Please check your Interent connection.</source>
        <translation>程序无法连接到互联网，请检查网络连接。</translation>
    </message>
    <message>
        <source>Other errors. Please contact our Customer Service Center.</source>
        <translation>其他错误，请联系我们的客服中心。</translation>
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
        <translation>快捷键</translation>
    </message>
    <message>
        <source>State</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Start/Stop Recording:</source>
        <translation>开始/停止录制：</translation>
    </message>
    <message>
        <source>Normal</source>
        <translation>正常</translation>
    </message>
    <message>
        <source>Pause/Resume Recording:</source>
        <translation>暂停/继续录制：</translation>
    </message>
</context>
<context>
    <name>CustomSelectArea</name>
    <message>
        <source>Select Area</source>
        <translation>选择区域</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Width:</source>
        <translation>宽度:</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>未锁定宽高比</translation>
    </message>
    <message>
        <source>Height:</source>
        <translation>高度:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>DataGroupOutput</name>
    <message>
        <source>Software Encoder</source>
        <translation>软件编码器</translation>
    </message>
    <message>
        <source>Intel Hardware Encoder</source>
        <translation>Intel 硬件编码器</translation>
    </message>
    <message>
        <source>Nvidia Hardware Encoder</source>
        <translation>Nvidia 硬件编码器</translation>
    </message>
    <message>
        <source>AMD Hardware Encoder</source>
        <translation>AMD 硬件编码器</translation>
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
        <translation>未找到录制引擎:
%1</translation>
    </message>
    <message>
        <source>The recording engine could not be loaded:
%1
%2</source>
        <translation>无法加载录制引擎:
%1
%2</translation>
    </message>
    <message>
        <source>The recording engine %1 has no entry point &quot;%2&quot;.</source>
        <translation>录制引擎 %1 没有入口点 &quot;%2&quot;。</translation>
    </message>
    <message>
        <source>The recording engine %1 lacks these operations:
%2</source>
        <translation>录制引擎 %1 缺少以下操作:
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
        <translation>椭圆</translation>
    </message>
    <message>
        <source>Line</source>
        <translation>直线</translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation>箭头</translation>
    </message>
    <message>
        <source>Brush</source>
        <translation>画笔</translation>
    </message>
    <message>
        <source>Air brush</source>
        <translation>喷枪</translation>
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
        <translation>标注</translation>
    </message>
    <message>
        <source>Erase</source>
        <translation>橡皮擦</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤销</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>清空</translation>
    </message>
    <message>
        <source>Exit drawing board editing</source>
        <translation>退出画板编辑</translation>
    </message>
    <message>
        <source>Select a tool to start draw!</source>
        <translation>选择工具开始绘制！</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小:</translation>
    </message>
    <message>
        <source>Slim</source>
        <translation>细</translation>
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
        <translation>颜色:</translation>
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
        <translation>本地文件已被重命名、移动或删除。是否将其从录制历史中移除？</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
    <message>
        <source>Show all</source>
        <translation>显示全部</translation>
    </message>
    <message>
        <source>Video</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>Audio</source>
        <translation>音频</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>These files could not be deleted and stay in the list:
%1</source>
        <translation>以下文件无法删除，仍保留在列表中：
%1</translation>
    </message>
    <message>
        <source>No application could open &quot;%1&quot;. Please install a media player, or choose one for this kind of file in the desktop&apos;s settings.</source>
        <translation>没有可以打开“%1”的应用程序。请安装媒体播放器，或在桌面设置中为此类文件选择一个应用程序。</translation>
    </message>
</context>
<context>
    <name>HistoryClass</name>
    <message>
        <source>Record History</source>
        <translation>录制历史</translation>
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
        <translation>还原</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史记录</translation>
    </message>
    <message>
        <source>Record more</source>
        <translation>继续录制</translation>
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
        <translation>转换和编辑录像</translation>
    </message>
    <message>
        <source>Burn recording into DVD/Blu-ray</source>
        <translation>将录像刻录到 DVD/蓝光</translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>it holds no history</source>
        <translation>其中没有历史记录</translation>
    </message>
    <message>
        <source>The history could not be read from %1 (%2). It starts empty; the file is kept beside it as a backup.</source>
        <translation>无法从 %1 读取历史记录（%2）。历史记录将从空白开始；该文件作为备份保留在旁边。</translation>
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
        <translation>重命名</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
</context>
<context>
    <name>ImageLimit</name>
    <message>
        <source>its picture of %1 x %2 pixels is too large</source>
        <translation>其 %1 x %2 像素的图片过大</translation>
    </message>
    <message>
        <source>its %1 pictures are too large together</source>
        <translation>其 %1 张图片合计过大</translation>
    </message>
    <message>
        <source>its pictures cannot be measured before they are decoded</source>
        <translation>无法在解码前测量其图片的大小</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 MB of text</source>
        <translation>其矢量图的文本超过 %1 MB</translation>
    </message>
    <message>
        <source>its drawing holds more than %1 elements</source>
        <translation>其矢量图包含超过 %1 个元素</translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>the disk or the folder refused it</source>
        <translation>磁盘或文件夹拒绝了写入</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation>它大于 %1 字节</translation>
    </message>
    <message>
        <source>Could not save %1:
%2
What it held before is kept.</source>
        <translation>无法保存 %1：
%2
原有内容保持不变。</translation>
    </message>
    <message>
        <source>%1 could not be read and was kept as %2.</source>
        <translation>无法读取 %1，已将其保留为 %2。</translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation>其元素嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
        <translation>它不是格式正确的 XML（第 %1 行：%2）</translation>
    </message>
</context>
<context>
    <name>Mirelo</name>
    <message>
        <source>Failed to open the camera.</source>
        <translation>无法打开摄像头。</translation>
    </message>
    <message>
        <source>The location of output files is not valid, please reselect it in settings.</source>
        <translation>输出文件保存位置无效，请在设置中重新选择。</translation>
    </message>
    <message>
        <source>Task Schedule (%1)</source>
        <translation>任务计划 (%1)</translation>
    </message>
    <message>
        <source>No webcam detected.</source>
        <translation>未检测到摄像头。</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>All Display</source>
        <translation>所有显示器</translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation>显示器 %1</translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation>选择区域/窗口</translation>
    </message>
    <message>
        <source>Fixed region</source>
        <translation>固定区域</translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation>%1x%2 (全屏)</translation>
    </message>
    <message>
        <source>Customize</source>
        <translation>自定义</translation>
    </message>
    <message>
        <source>Recently used size</source>
        <translation>最近使用的尺寸</translation>
    </message>
    <message>
        <source>Record Full Screen</source>
        <translation>录制全屏</translation>
    </message>
    <message>
        <source>Record Area</source>
        <translation>录制区域</translation>
    </message>
    <message>
        <source>Record Camera</source>
        <translation>录制摄像头</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>录制音频</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>显示器 %1</translation>
    </message>
    <message>
        <source>Watermark (%1)</source>
        <translation>水印 (%1)</translation>
    </message>
    <message>
        <source>Set record length (%1)</source>
        <translation>设置录制时长 (%1)</translation>
    </message>
    <message>
        <source>Record without Webcam will change to Record Audio mode, are you sure?</source>
        <translation>不使用摄像头录制将切换到录制音频模式，确定吗？</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>返回主页</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation>开始录制</translation>
    </message>
    <message>
        <source>The location of output files cannot be written, please choose another one in settings.</source>
        <translation>无法写入输出文件保存位置，请在设置中选择其他位置。</translation>
    </message>
    <message>
        <source>The desktop icons cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>在此桌面上无法隐藏桌面图标：它们会保留在录制内容中。</translation>
    </message>
    <message>
        <source>The desktop icons and the taskbar cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>在此桌面上无法隐藏桌面图标和任务栏：它们会保留在录制内容中。</translation>
    </message>
    <message>
        <source>The taskbar cannot be hidden on this desktop: it stays in the recording.</source>
        <translation>在此桌面上无法隐藏任务栏：它会保留在录制内容中。</translation>
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
        <translation>录制屏幕</translation>
    </message>
    <message>
        <source>Record Webcam</source>
        <translation>录制摄像头</translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation>录制音频</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Go home</source>
        <translation>返回主页</translation>
    </message>
    <message>
        <source>Mouse Around</source>
        <translation>鼠标周围</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截图</translation>
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
        <translation>系统声音</translation>
    </message>
    <message>
        <source>MicroPhone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>摄像头</translation>
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
        <translation>录制时长：</translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation>HH:mm:ss</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>录制结束后关机。</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>仅本次</translation>
    </message>
    <message>
        <source>For each time</source>
        <translation>每次</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Recording history</source>
        <translation>录制历史</translation>
    </message>
    <message>
        <source>Set record length</source>
        <translation>设置录制时长</translation>
    </message>
    <message>
        <source>Task schedule</source>
        <translation>计划任务</translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation>水印</translation>
    </message>
    <message>
        <source>全屏</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>选择区域</source>
        <translation>选择区域</translation>
    </message>
    <message>
        <source>固定区域</source>
        <translation>固定区域</translation>
    </message>
</context>
<context>
    <name>MyAboutView</name>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
        <translation>Copyright © %1 %2。保留所有权利。</translation>
    </message>
</context>
<context>
    <name>MyApplication</name>
    <message>
        <source>Initiating failed!</source>
        <translation>初始化失败！</translation>
    </message>
    <message>
        <source>Skin initialization failed!</source>
        <translation>皮肤初始化失败！</translation>
    </message>
    <message>
        <source>Partial skin files initialing failed!</source>
        <translation>部分皮肤文件初始化失败！</translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation>无法打开显示</translation>
    </message>
    <message>
        <source>There is no usable home folder (HOME is not set, is the file-system root or does not exist), so the program has nowhere to keep its settings.</source>
        <translation>没有可用的主文件夹（HOME 未设置、为文件系统根目录或不存在），因此程序无法保存设置。</translation>
    </message>
</context>
<context>
    <name>MyBugReportView</name>
    <message>
        <source>Description is required.</source>
        <translation>请填写问题描述。</translation>
    </message>
    <message>
        <source>Email Format is Incorrect!</source>
        <translation>邮箱格式不正确！</translation>
    </message>
</context>
<context>
    <name>MyCustomAreaSelect</name>
    <message>
        <source>Lock aspect ratio is on</source>
        <translation>已锁定宽高比</translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation>未锁定宽高比</translation>
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
        <translation>关闭</translation>
    </message>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation>Olvex Free Mirelo</translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation>截图保存位置无效，请在设置中重新选择。</translation>
    </message>
    <message>
        <source>Failed to save the screenshot.</source>
        <translation>保存截图失败。</translation>
    </message>
    <message>
        <source>Menu</source>
        <translation>菜单</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation>用户指南</translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation>错误报告</translation>
    </message>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation>检查更新</translation>
    </message>
    <message>
        <source>Record option</source>
        <translation>录制选项</translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Draw</source>
        <translation>绘制</translation>
    </message>
    <message>
        <source>User guide</source>
        <translation>用户指南</translation>
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
        <translation>版权所有 © %1 Olvex。保留所有权利。</translation>
    </message>
</context>
<context>
    <name>MyUpdateView</name>
    <message>
        <source>Current version:</source>
        <translation>当前版本：</translation>
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
        <translation>请重启程序以完成补丁安装。</translation>
    </message>
</context>
<context>
    <name>RecordLength</name>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>录制时长不能少于 1 秒。</translation>
    </message>
</context>
<context>
    <name>RecordLengthClass</name>
    <message>
        <source>Record Length:</source>
        <translation>录制时长：</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>录制结束后关机。</translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation>仅本次</translation>
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
        <translation>在 Wayland 会话中无法录制屏幕：屏幕和区域录制以及截图只会是黑色。请登录 X11 会话以录制屏幕。声音和摄像头录制在此仍可使用。</translation>
    </message>
</context>
<context>
    <name>ScreenCapturing</name>
    <message>
        <source>Save File</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>JPEG (*.jpeg *.jpg);;Images (*.jpeg *.jpg)</source>
        <translation>JPEG (*.jpeg *.jpg);;图片 (*.jpeg *.jpg)</translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation>无法将图片保存到 %1。</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Select output folder</source>
        <translation>选择输出文件夹</translation>
    </message>
    <message>
        <source>Select screenshot folder</source>
        <translation>选择截图文件夹</translation>
    </message>
    <message>
        <source>The mouse settings of this desktop could not be opened.</source>
        <translation>无法打开此桌面的鼠标设置。</translation>
    </message>
    <message>
        <source>Select color</source>
        <translation>选择颜色</translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation>选择文件夹</translation>
    </message>
    <message>
        <source>The hotkey is alreay in use, please change it.</source>
        <translation>该快捷键已被占用，请更换。</translation>
    </message>
</context>
<context>
    <name>SettingsClass</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>   Recording</source>
        <translation>   录制</translation>
    </message>
    <message>
        <source>   Output</source>
        <translation>   输出</translation>
    </message>
    <message>
        <source>   Mouse</source>
        <translation>   鼠标</translation>
    </message>
    <message>
        <source>   Hotkeys</source>
        <translation>   快捷键</translation>
    </message>
    <message>
        <source>   Others</source>
        <translation>   其他</translation>
    </message>
    <message>
        <source>Recording</source>
        <translation>录制</translation>
    </message>
    <message>
        <source>Show countdown before recording</source>
        <translation>录制前显示倒计时</translation>
    </message>
    <message>
        <source>Beep on start recording</source>
        <translation>开始录制时发出提示音</translation>
    </message>
    <message>
        <source>Show recording boundary</source>
        <translation>显示录制边框</translation>
    </message>
    <message>
        <source>Hide flat bar when recording</source>
        <translation>录制时隐藏悬浮条</translation>
    </message>
    <message>
        <source>Allow to move the recording region when recording</source>
        <translation>录制时允许移动录制区域</translation>
    </message>
    <message>
        <source>Hide desktop icons when recording</source>
        <translation>录制时隐藏桌面图标</translation>
    </message>
    <message>
        <source>Auto hide the system taskbar when recording</source>
        <translation>录制时自动隐藏系统任务栏</translation>
    </message>
    <message>
        <source>Hide main interface when you take screenshot</source>
        <translation>截图时隐藏主界面</translation>
    </message>
    <message>
        <source>Auto open history when end recording</source>
        <translation>录制结束后自动打开历史记录</translation>
    </message>
    <message>
        <source>Output</source>
        <translation>输出</translation>
    </message>
    <message>
        <source>Location of output files:</source>
        <translation>输出文件位置：</translation>
    </message>
    <message>
        <source>Location of screenshot files:</source>
        <translation>截图文件位置：</translation>
    </message>
    <message>
        <source>Screenshot format:</source>
        <translation>截图格式：</translation>
    </message>
    <message>
        <source>Video format:</source>
        <translation>视频格式：</translation>
    </message>
    <message>
        <source>Video Encoder:</source>
        <translation>视频编码器：</translation>
    </message>
    <message>
        <source>Video quality:</source>
        <translation>视频质量：</translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation>帧率：</translation>
    </message>
    <message>
        <source>Audio format:</source>
        <translation>音频格式：</translation>
    </message>
    <message>
        <source>Audio quality:</source>
        <translation>音频质量：</translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation>采样率：</translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation>打开文件夹</translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation>鼠标</translation>
    </message>
    <message>
        <source>Show mouse cursor</source>
        <translation>显示鼠标指针</translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation>鼠标设置</translation>
    </message>
    <message>
        <source>Record mouse clicks</source>
        <translation>录制鼠标点击</translation>
    </message>
    <message>
        <source>Color:</source>
        <translation>颜色:</translation>
    </message>
    <message>
        <source>Size:</source>
        <translation>大小:</translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>You can select hotkeys then enter the hot keys by clickboard, we&apos;ll save them automatically. </source>
        <translation>选中快捷键后用键盘输入新的按键，系统将自动保存。 </translation>
    </message>
    <message>
        <source>Start/Stop recording:</source>
        <translation>开始/停止录制：</translation>
    </message>
    <message>
        <source>Pause/Resume recording:</source>
        <translation>暂停/继续录制：</translation>
    </message>
    <message>
        <source>Screen Capture:</source>
        <translation>截图：</translation>
    </message>
    <message>
        <source>Open/Close webcam:</source>
        <translation>打开/关闭摄像头：</translation>
    </message>
    <message>
        <source>Show/Hide flat panel:</source>
        <translation>显示/隐藏悬浮条：</translation>
    </message>
    <message>
        <source>Restore Hotkeys</source>
        <translation>恢复默认快捷键</translation>
    </message>
    <message>
        <source>Others</source>
        <translation>其他</translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation>自动检查更新</translation>
    </message>
    <message>
        <source>The program will start up automatically when computer boots.</source>
        <translation>开机时自动启动程序。</translation>
    </message>
    <message>
        <source>When close main panel:</source>
        <translation>关闭主面板时：</translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation>最小化到系统托盘</translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation>退出程序</translation>
    </message>
    <message>
        <source>Restore Default</source>
        <translation>恢复默认</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>SkinManager</name>
    <message>
        <source>The skin file %1 is not used: %2.</source>
        <translation>未使用皮肤文件 %1：%2。</translation>
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
        <translation>&lt;a href=&quot;More information&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;了解更多&lt;/a&gt;</translation>
    </message>
    <message>
        <source>After enabling the authorization, please retry.&lt;br&gt;If the problem still persists, please &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation>开启授权后请重试。&lt;br&gt;如果问题仍然存在，请&lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;联系我们&lt;/a&gt;。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>The program cannot open the microphone or the camera:
- another program may be using the device: close it and try again;
- your user may lack the rights to the device (cameras usually belong to the group &quot;video&quot;);
- some desktops have privacy settings that keep programs from cameras and microphones.</source>
        <translation>程序无法打开麦克风或摄像头：
- 可能有其他程序正在使用该设备：请关闭它后重试；
- 您的用户可能没有该设备的使用权限（摄像头通常属于 &quot;video&quot; 组）；
- 某些桌面环境的隐私设置会阻止程序使用摄像头和麦克风。</translation>
    </message>
    <message>
        <source>Open the desktop&apos;s privacy settings</source>
        <translation>打开桌面的隐私设置</translation>
    </message>
</context>
<context>
    <name>SystemTray</name>
    <message>
        <source>Pause</source>
        <translation>暂停</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation>截图</translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation>首选项</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Show float bar</source>
        <translation>显示悬浮条</translation>
    </message>
    <message>
        <source>Stop</source>
        <translation>停止</translation>
    </message>
    <message>
        <source>Resume</source>
        <translation>继续</translation>
    </message>
    <message>
        <source>Hide float bar</source>
        <translation>隐藏悬浮条</translation>
    </message>
</context>
<context>
    <name>TaskSchedule</name>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>编辑</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>New task</source>
        <translation>新建任务</translation>
    </message>
</context>
<context>
    <name>TaskScheduleClass</name>
    <message>
        <source>Task schedule</source>
        <translation>计划任务</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>New Task</source>
        <translation>新建任务</translation>
    </message>
    <message>
        <source>No task schedule, click &quot;Add&quot; to create new task.</source>
        <translation>暂无计划任务，点击“添加”创建新任务。</translation>
    </message>
    <message>
        <source>Tips: Software is set to boot automatically to ensure task can be done timely. You can change it in settings.</source>
        <translation>提示：软件已设为开机自启动，以确保任务按时执行。可在设置中更改。</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetail</name>
    <message>
        <source>All DISPLAY</source>
        <translation>所有显示器</translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation>显示器 %1</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>全屏</translation>
    </message>
    <message>
        <source>Custom(X:%1,Y:%2;%3x%4)</source>
        <translation>自定义(X:%1,Y:%2;%3x%4)</translation>
    </message>
    <message>
        <source>Please set a future time as start time.</source>
        <translation>请将开始时间设为将来的时间。</translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation>录制时长不能少于 1 秒。</translation>
    </message>
    <message>
        <source>You must select at least one of Screen, Camera, Audio or Microphone.</source>
        <translation>请至少选择屏幕、摄像头、音频或麦克风中的一项。</translation>
    </message>
    <message>
        <source>This task overlapped in time with Task %1</source>
        <translation>此任务与任务 %1 时间重叠</translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetailClass</name>
    <message>
        <source>Task schedule</source>
        <translation>计划任务</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Task name</source>
        <translation>任务名称</translation>
    </message>
    <message>
        <source>Please enter the task name</source>
        <translation>请输入任务名称</translation>
    </message>
    <message>
        <source>Start time</source>
        <translation>开始时间</translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation>重复</translation>
    </message>
    <message>
        <source>Sun</source>
        <translation>周日</translation>
    </message>
    <message>
        <source>Mon</source>
        <translation>周一</translation>
    </message>
    <message>
        <source>Tues</source>
        <translation>周二</translation>
    </message>
    <message>
        <source>Wed</source>
        <translation>周三</translation>
    </message>
    <message>
        <source>Thur</source>
        <translation>周四</translation>
    </message>
    <message>
        <source>Fri</source>
        <translation>周五</translation>
    </message>
    <message>
        <source>Sat</source>
        <translation>周六</translation>
    </message>
    <message>
        <source>Record length</source>
        <translation>录制时长</translation>
    </message>
    <message>
        <source>Loop:</source>
        <translation>循环：</translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation>停止时间</translation>
    </message>
    <message>
        <source>Record area</source>
        <translation>录制区域</translation>
    </message>
    <message>
        <source>Display</source>
        <translation>显示器</translation>
    </message>
    <message>
        <source>System sound</source>
        <translation>系统声音</translation>
    </message>
    <message>
        <source>Volume</source>
        <translation>音量</translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation>麦克风</translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation>摄像头</translation>
    </message>
    <message>
        <source>Webcam area</source>
        <translation>摄像头区域</translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation>录制结束后关机。</translation>
    </message>
    <message>
        <source>Tips: To make your task available, you must keep you computer not in sleep or lock mode.</source>
        <translation>提示：为确保任务正常执行，请勿让计算机进入睡眠或锁定状态。</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>TaskScheduleList</name>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation>“%1”（%2）</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run:</source>
        <translation>以下计划录制将不会运行：</translation>
    </message>
    <message>
        <source>These scheduled recordings will not run. Their task files are kept in %1:</source>
        <translation>以下计划录制将不会运行。其任务文件保存在 %1：</translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation>无法读取：</translation>
    </message>
    <message>
        <source>Hold a record length, loop count or other value out of range:</source>
        <translation>包含超出范围的录制时长、循环次数或其他数值：</translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation>……另有 %1 个</translation>
    </message>
    <message>
        <source>Scheduled recording &quot;%1&quot;: %2</source>
        <translation>计划录制“%1”：%2</translation>
    </message>
</context>
<context>
    <name>TaskScheduleModel</name>
    <message>
        <source>(Repeat)</source>
        <translation>(重复)</translation>
    </message>
    <message>
        <source>Manually</source>
        <translation>手动</translation>
    </message>
    <message>
        <source>Enable</source>
        <translation>启用</translation>
    </message>
    <message>
        <source>Disable</source>
        <translation>禁用</translation>
    </message>
    <message>
        <source>   Name</source>
        <translation>   名称</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Length</source>
        <translation>时长</translation>
    </message>
    <message>
        <source>Loop</source>
        <translation>循环</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Settings</source>
        <translation>设置</translation>
    </message>
    <message>
        <source>Help center</source>
        <translation>帮助中心</translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation>反馈</translation>
    </message>
</context>
<context>
    <name>UpdateView</name>
    <message>
        <source>Software Update</source>
        <translation>软件更新</translation>
    </message>
    <message>
        <source>Almost finished...</source>
        <translation>即将完成...</translation>
    </message>
    <message>
        <source>Failed to check update, please try again.</source>
        <translation>检查更新失败，请重试。</translation>
    </message>
    <message>
        <source>Try again</source>
        <translation>重试</translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation>您正在使用最新版本。</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Update</source>
        <translation>更新</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>跳过</translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <source>Open image file</source>
        <translation>打开图片文件</translation>
    </message>
    <message>
        <source>Images (*.png *.jpeg *.jpg *.bmp)</source>
        <translation>图片 (*.png *.jpeg *.jpg *.bmp)</translation>
    </message>
    <message>
        <source>The image file cannot be read.</source>
        <translation>无法读取图片文件。</translation>
    </message>
    <message>
        <source>The image file cannot be used: %1.</source>
        <translation>无法使用该图片文件：%1。</translation>
    </message>
</context>
<context>
    <name>WatermarkClass</name>
    <message>
        <source>Default watermark</source>
        <translation>默认水印</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>No watermark</source>
        <translation>无水印</translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation>文字水印</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation>图片水印</translation>
    </message>
    <message>
        <source>Select image</source>
        <translation>选择图片</translation>
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
        <translation>宽度:</translation>
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
        <translation>保持宽高比</translation>
    </message>
    <message>
        <source>Keep designed size </source>
        <translation>保持设定大小 </translation>
    </message>
    <message>
        <source>Full-Screen Preview</source>
        <translation>全屏预览</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>WatermarkEditor</name>
    <message>
        <source>Press &quot;Esc&quot; to exit Full-Screen Preview</source>
        <translation>按 &quot;Esc&quot; 键退出全屏预览</translation>
    </message>
</context>
</TS>
