#pragma once
// The kinds of recording, by the numbers the windows, the tray and the job
// files have always used: never renumber them.

// The main window's record mode: the page whose sources a recording by hand
// takes.
enum RecordMode : int {
    RecordModeNone = 0, // the home page: nothing chosen
    RecordModeScreen = 1, // the video page: the screen or a region
    RecordModeCamera = 2, // the webcam page
    RecordModeAudio = 3, // the audio page: sound only
};

// What a record job captures, from its sources.
enum RecordType : int {
    RecordTypeNone = 0, // nothing recordable
    RecordTypeScreen = 1, // a screen region (with the webcam inside, if on)
    RecordTypeCamera = 2, // the webcam window
    RecordTypeAudio = 3, // sound only
};
