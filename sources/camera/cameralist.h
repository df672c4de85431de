#pragma once
// The webcams: the drop-down list of radio buttons with "Record without
// Webcam" and "Manager", the current camera (kept across runs in the private
// settings group) and its per-camera format and mirroring. It is the one
// place that opens and closes the engine's live preview, into whatever
// native widget a caller hands it.
#include <QPointer>
#include <QSize>
#include <QVector>
#include <QWidget>

#include "cameradevice.h"

class QButtonGroup;
class QTimer;
namespace Ui {
class CarmeraListClass;
}

class CameraList : public QWidget
{
    Q_OBJECT
public:
    static constexpr int kWithoutId = 233;

    explicit CameraList(QWidget *parent = nullptr);
    ~CameraList() override;

    int deviceCount() const { return m_devices.size(); }
    int currentIndex() const { return m_currentIndex; }
    // The record at i; null outside the list.
    CameraDevice *device(int i) const;
    int position() const { return m_position; }
    void setPosition(int position) { m_position = position; }

    // -1 x -1 without a valid current camera and format.
    QSize currentFormatSize() const;
    int currentFlip() const;
    void setFlip(bool on);
    void selectCamera(int index);
    void setFormat(int format);
    void openCurrentPreview(QWidget *widget);
    void closeCamera();
    void saveState();
    void restoreState();
    void setCheckedButton(int id);
    void checkCurrentDevice();
    void retranslateUi();

    // The display text of one engine format record.
    static QString formatText(int width, int height, double fps, int pixelFormat);

public slots:
    void scanDevice();
    void delayRescanDevice();
    void rescanDevice();
    void buttonGroupClicked(int id);

signals:
    void sigShowCameraSettings();
    void deviceChanged(bool currentIndexChanged);
    void cameraIndexChanged(int id);

private:
    void openDevice(CameraDevice *device, QWidget *widget);
    void buildButtons();
    void fixSizes();
    void updateManager();
    void storeIndex();

    int m_currentIndex = -1;
    int m_savedIndex = -1;
    QVector<CameraDevice *> m_devices;
    QButtonGroup *m_group = nullptr;
    Ui::CarmeraListClass *ui;
    QPointer<QWidget> m_previewWidget;
    int m_position = 0;
    int m_savedPosition = 0;
    bool m_busy = false;
    bool m_scanning = false;
    QTimer *m_rescanTimer = nullptr;
};

// The program's webcam list, made by the main window; null outside its life.
extern CameraList *g_cameraList;
