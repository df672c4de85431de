<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en">
<context>
    <name>AboutView</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current Version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Customer Support</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Official Website</source>
        <translation type="unfinished"></translation>
    </message>
</context>
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
    <name>BugreportThread</name>
    <message>
        <source>No mail account is set up for bug reports (MailHost in the group Services of the settings), so the report was not sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server&apos;s certificate is not trusted, so the report was not sent.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server refused the login of the bug report account.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server cannot be reached. Check the network connection and try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mail server did not accept the report. Please try again later.</source>
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
    <message>
        <source>The recording was stopped: its file %1 was removed while it was being written. The recording is lost.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording was stopped: the disk is full. What was recorded until then is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording was stopped: the sound it was recording is gone (its device was removed, or the sound server ended). What was recorded until then is kept in %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The recording was stopped: its file %1 could not be written. What was recorded until then is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to start recording: none of the sources it records (screen region, webcam, system sound, microphone) is there.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>device %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The webcam chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The system sound device chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The microphone chosen for this recording was not there: &quot;%1&quot; recorded instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was no webcam: the recording was made without it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was no system sound device: the recording was made without system sound.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There was no microphone: the recording was made without it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ControlPanelClass</name>
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
    <message>
        <source>This desktop has no privacy page for the webcam. Make sure your user may use the video device and that no other program holds it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This desktop has no privacy page for the microphone. Make sure the sound server lets programs record and the input is not muted.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update: failed to find product record.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update:xml data error.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time out in requesting background data.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Program can&apos;t connect to the Internet. Please check your Interent connection.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other errors. Please contact our Customer Service Center.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>CountDownClass</name>
    <message>
        <source>Control</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HotKey</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>State</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start/Stop Recording:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause/Resume Recording:</source>
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
    <name>History</name>
    <message>
        <source>The local file has been renamed, moved, or deleted. Do you want remove it from recording history?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These files could not be deleted and stay in the list:
%1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No application could open &quot;%1&quot;. Please install a media player, or choose one for this kind of file in the desktop&apos;s settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryClass</name>
    <message>
        <source>Record History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Minimize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Maximize</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Normal</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove all</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Other tools</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Convert and edit recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Burn recording into DVD/Blu-ray</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryList</name>
    <message>
        <source>it holds no history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The history could not be read from %1 (%2). It starts empty; the file is kept beside it as a backup.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>HistoryModel</name>
    <message>
        <source>Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Rename</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImageLimit</name>
    <message>
        <source>its picture of %1 x %2 pixels is too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its %1 pictures are too large together</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its pictures cannot be measured before they are decoded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its drawing holds more than %1 MB of text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its drawing holds more than %1 elements</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KeptFile</name>
    <message>
        <source>the disk or the folder refused it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is larger than %1 bytes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save %1:
%2
What it held before is kept.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 could not be read and was kept as %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>its elements are nested more than %1 levels deep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>it is not well-formed XML (line %1: %2)</source>
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
    <message>
        <source>No webcam detected.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select region/window</source>
        <translation type="unfinished"></translation>
    </message>
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
        <source>Recently used size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Camera</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watermark (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set record length (%1)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record without Webcam will change to Record Audio mode, are you sure?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The location of output files cannot be written, please choose another one in settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop icons cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>The desktop icons cannot be hidden on this desktop: they stay in the recording.</translation>
    </message>
    <message>
        <source>The desktop icons and the taskbar cannot be hidden on this desktop: they stay in the recording.</source>
        <translation>The desktop icons and the taskbar cannot be hidden on this desktop: they stay in the recording.</translation>
    </message>
    <message>
        <source>The taskbar cannot be hidden on this desktop: it stays in the recording.</source>
        <translation>The taskbar cannot be hidden on this desktop: it stays in the recording.</translation>
    </message>
</context>
<context>
    <name>MirelonClass</name>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Webcam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Audio</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go home</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse Around</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>-</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>+</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>MicroPhone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>800</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>600</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>HH:mm:ss</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For each time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording history</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Set record length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Watermark</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>全屏</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>选择区域</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>固定区域</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MyAboutView</name>
    <message>
        <source>Copyright © %1 %2. All rights reserved.</source>
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
    <message>
        <source>The location of screenshot files is not valid, please reselect it in settings.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to save the screenshot.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User Guide</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bug Report</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check for update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Draw</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User guide</source>
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
    <name>MyUpdateView</name>
    <message>
        <source>Current version:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update available:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PatchLauncher</name>
    <message>
        <source>Please restart program to complete patching.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordLength</name>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>RecordLengthClass</name>
    <message>
        <source>Record Length:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only for this time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>For each time</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScreenAccess</name>
    <message>
        <source>In a Wayland session the screen cannot be recorded: screen and region recordings and screenshots would only be black. Sign in to an X11 session to record the screen. Sound and webcam recordings work here.</source>
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
    <name>Settings</name>
    <message>
        <source>Select output folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select screenshot folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The mouse settings of this desktop could not be opened.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select color</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The hotkey is alreay in use, please change it.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SettingsClass</name>
    <message>
        <source>Settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Hotkeys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show countdown before recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Beep on start recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show recording boundary</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide flat bar when recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Allow to move the recording region when recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide desktop icons when recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto hide the system taskbar when recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide main interface when you take screenshot</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Auto open history when end recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location of output files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Location of screenshot files:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screenshot format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video Encoder:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Video quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Frame rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio format:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Audio quality:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sample rate:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open folder</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show mouse cursor</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mouse settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record mouse clicks</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Color:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Size:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hotkeys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You can select hotkeys then enter the hot keys by clickboard, we&apos;ll save them automatically. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start/Stop recording:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pause/Resume recording:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Capture:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open/Close webcam:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show/Hide flat panel:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Restore Hotkeys</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Automatically check for updates</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program will start up automatically when computer boots.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>When close main panel:</source>
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
        <source>Restore Default</source>
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
    <name>SkinManager</name>
    <message>
        <source>The skin file %1 is not used: %2.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemPrivacyWidget</name>
    <message>
        <source>Olvex Free Mirelo</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&lt;a href=&quot;More information&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;More information&lt;/a&gt;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>After enabling the authorization, please retry.&lt;br&gt;If the problem still persists, please &lt;a href=&quot;contact us&quot; style=&quot;color:#009DFD; text-decoration:underline;&quot;&gt;contact us&lt;/a&gt;.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The program cannot open the microphone or the camera:
- another program may be using the device: close it and try again;
- your user may lack the rights to the device (cameras usually belong to the group &quot;video&quot;);
- some desktops have privacy settings that keep programs from cameras and microphones.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open the desktop&apos;s privacy settings</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SystemTray</name>
    <message>
        <source>Pause</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Screen Capture</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Preferences</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show float bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Resume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hide float bar</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskSchedule</name>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New task</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskScheduleClass</name>
    <message>
        <source>Task schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Task</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No task schedule, click &quot;Add&quot; to create new task.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips: Software is set to boot automatically to ensure task can be done timely. You can change it in settings.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetail</name>
    <message>
        <source>All DISPLAY</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DISPLAY %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Custom(X:%1,Y:%2;%3x%4)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please set a future time as start time.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Record length should be not less than 1 second.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You must select at least one of Screen, Camera, Audio or Microphone.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This task overlapped in time with Task %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskScheduleDetailClass</name>
    <message>
        <source>Task schedule</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Task name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please enter the task name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Repeat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sun</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mon</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tues</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thur</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fri</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sat</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Display</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>System sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Volume</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Microphone</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Webcam</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Webcam area</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Shut down when end recording.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tips: To make your task available, you must keep you computer not in sleep or lock mode.</source>
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
    <name>TaskScheduleList</name>
    <message>
        <source>&quot;%1&quot; (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These scheduled recordings will not run:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>These scheduled recordings will not run. Their task files are kept in %1:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not be read:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hold a record length, loop count or other value out of range:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>... and %1 more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scheduled recording &quot;%1&quot;: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TaskScheduleModel</name>
    <message>
        <source>(Repeat)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Manually</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disable</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>   Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Loop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status</source>
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
    <name>UpdateView</name>
    <message>
        <source>Software Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Almost finished...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Failed to check update, please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Try again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You are using the latest version.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Skip</source>
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
    <message>
        <source>The image file cannot be used: %1.</source>
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
