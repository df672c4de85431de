<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Olvex Mirelo</source>
        <translation type="unfinished"></translation>
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
        <translation>版权所有 © %1 Olvex。保留所有权利。</translation>
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
</TS>
