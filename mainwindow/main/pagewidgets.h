#pragma once
// The widgets of the main window's form that its pages and source toggles
// drive, found once by their object names.
class QAbstractButton;
class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QSlider;
class QStackedWidget;
class QTimeEdit;
class QToolButton;
class QWidget;

struct PageWidgets {
    QStackedWidget *stackedWidget = nullptr, *staStatusWidget = nullptr, *staRecConfigWidget = nullptr;
    QStackedWidget *staSystemSoundWidget = nullptr, *staMicrophoneWidget = nullptr, *staCameraWidget = nullptr;
    QWidget *pageMain = nullptr, *pageRecord = nullptr, *pageRecordLength = nullptr;
    QAbstractButton *btnRecVideo = nullptr, *btnRecCamera = nullptr, *btnRecAudio = nullptr, *btnRecPhoto = nullptr;
    QAbstractButton *btnHome = nullptr, *btnRecord = nullptr, *btnRecLength = nullptr, *btnRecLengthOK = nullptr;
    QComboBox *cbxRecConfig = nullptr, *cbxSelectScreen = nullptr, *cbxScreen = nullptr;
    QFrame *fraScreen = nullptr, *fraCamera = nullptr, *fraSystemSound = nullptr, *fraMicrophone = nullptr;
    QWidget *line_7 = nullptr;
    QCheckBox *chxScreen = nullptr, *chxCamera = nullptr, *chxSystemSound = nullptr, *chxMicrophone = nullptr;
    QAbstractButton *btnFullSize = nullptr, *btnCustomSize = nullptr, *btnLockRatio = nullptr;
    QLabel *lblSelectedWidth = nullptr, *lblSelectedHeight = nullptr;
    QAbstractButton *btnCamera = nullptr, *btnSystemSound = nullptr, *btnMicrophone = nullptr;
    QAbstractButton *btnCameraDrop = nullptr, *btnSystemSoundDrop = nullptr, *btnMicrophoneDrop = nullptr;
    QSlider *sldSystemSound = nullptr, *sldMicrophone = nullptr;
    QCheckBox *chxRecordLength = nullptr, *chxShutdown = nullptr;
    QTimeEdit *edtRecordLength = nullptr;
    QRadioButton *rdoThisTime = nullptr, *rdoEachTime = nullptr;

    // Fills every pointer from `root`'s children; false when any is missing
    // (the pages then stay inert).
    bool resolve(QWidget *root);
};
