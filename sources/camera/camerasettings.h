#pragma once
// The webcam settings dialog: camera, capture format, where the webcam
// window goes and mirroring, applied at once through the webcam list while
// a live preview runs inside the dialog. Cancel puts the list back as it
// was when the dialog was shown; the options file keeps the last choices.
#include <QDialog>

class CameraList;
class FramelessDrag;
namespace Ui {
class CarmeraSettingsClass;
}

class CameraSettings : public QDialog
{
    Q_OBJECT
public:
    explicit CameraSettings(QWidget *parent = nullptr);
    ~CameraSettings() override;

    void retranslateUi();
    QWidget *cameraWidget() const;

public slots:
    void afterShowEvent();
    void cbxCameraCurrentIndexChanged(int index);
    void cbxFormatCurrentIndexChanged(int index);
    void cbxPositionCurrentIndexChanged(int index);
    void chxFlipHorzClicked();
    void btnCancelClicked();
    void slotDeviceChanged(bool currentChanged);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void load();
    void connectBoxes(bool on);
    void fillPositions();

    Ui::CarmeraSettingsClass *ui;
    FramelessDrag *m_drag = nullptr;
    QString m_rememberedName;
    int m_rememberedFormat = -1;
    int m_rememberedPosition = -1;
};
