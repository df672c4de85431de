<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AreaSelected</name>
    <message>
        <source>Fixed region</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1x%2 (FullScreen)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AreaSelectedClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AreaSelecting</name>
    <message>
        <source>Left: %1 Top: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioDeviceList</name>
    <message>
        <source>Record without System Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record without Microphone</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>AudioDeviceListClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record without System Sound</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>BugReportView</name>
    <message>
        <source>Bug Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please report any problems you encountered during using this software. We will answer you as soon we receive it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Report</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CWindowsFrame</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CameraWindow</name>
    <message>
        <source>Sticky on Top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Transparency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Take Photo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The photo could not be taken.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CameraWindowClass</name>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CapturePanelClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pin to screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paste to screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CarmeraListClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manager</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record without Webcam</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CarmeraSettingsClass</name>
    <message>
        <source>Camera Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output Format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Flip Horizontal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Right </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lower Left</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top Left</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CommonDialog</name>
    <message>
        <source>Ok</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No longer tips</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to remove the history recording from the list?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure to delete this task schedule?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the new task schedule name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the time:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation successfully done.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter new file name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize to system tray</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete local file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlPanel</name>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paint</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The screenshot could not be saved.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to start recording.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlPanelClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Modify</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down when recording ends</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Camera</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Controller</name>
    <message>
        <source>Sending a bug report. Please try another later.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please describe the problem clearly before submitting.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error, try again please.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send failed, please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bug Report sent successful!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bug Report sent failed!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CustomSelectArea</name>
    <message>
        <source>Select Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
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
    <name>Engine</name>
    <message>
        <source>The recording engine was not found:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording engine could not be loaded:
%1
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording engine %1 has no entry point &quot;%2&quot;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording engine %1 lacks these operations:
%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>GraphicEditorClass</name>
    <message>
        <source>Form</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rectangle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ellipse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arrow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Air brush</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Blur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Callout</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Erase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Undo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Redo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit drawing board editing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select a tool to start draw!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Slim</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Middle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thick</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>5</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>8</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>9</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>10</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>11</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>12</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>13</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>14</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>15</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>16</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>17</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>18</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>19</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>20</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>21</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>22</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>23</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>24</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>25</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>26</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>27</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>28</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>29</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>30</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>31</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>32</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>33</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>34</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>35</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>36</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>37</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>38</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>39</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>R:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>G:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>B:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>#</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Mirelo</name>
    <message>
        <source>Failed to open the camera.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location of output files is not valid, please reselect it in settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task Schedule (%1)</source>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skin initialization failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Partial skin files initialing failed!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cannot open the display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no usable home folder (HOME is not set, is the file-system root or does not exist), so the program has nowhere to keep its settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyBugReportView</name>
    <message>
        <source>Description is required.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Email Format is Incorrect!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyCustomAreaSelect</name>
    <message>
        <source>Lock aspect ratio is on</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lock aspect ratio is off</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyFrame</name>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
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
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Copyright © %1 Olvex. All rights reserved.</source>
        <translation type="unfinished"></translation>
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
    <name>ScreenCapturing</name>
    <message>
        <source>Save File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>JPEG (*.jpeg *.jpg);;Images (*.jpeg *.jpg)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The picture could not be saved to %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TitleBar</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help center</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Feedback</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>Watermark</name>
    <message>
        <source>Open image file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Images (*.png *.jpeg *.jpg *.bmp)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The image file cannot be read.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WatermarkClass</name>
    <message>
        <source>Default watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Text watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Image watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select image</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Opacity:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Height:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Position</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Left:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Top:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep aspect ratio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep designed size </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full-Screen Preview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WatermarkEditor</name>
    <message>
        <source>Press &quot;Esc&quot; to exit Full-Screen Preview</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
