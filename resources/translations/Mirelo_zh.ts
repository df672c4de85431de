<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <source>Form</source>
        <translation>Form</translation>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
</context>
<context>
    <name>ControlPanelClass</name>
    <message>
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
        <source>Form</source>
        <translation>Form</translation>
    </message>
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
