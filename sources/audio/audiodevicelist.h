#pragma once
// The drop-down list of one sound source (system sound or microphone): the
// engine's devices of that type as radio buttons, then "Record without ...".
// It holds the chosen device, whether the source is recorded and its volume,
// hands every choice to the engine at once and, while persistent, keeps it
// in the private settings group.
#include <QVector>
#include <QWidget>

#include "audiodevice.h"

class QButtonGroup;
namespace Ui {
class AudioDeviceListClass;
}

class AudioDeviceList : public QWidget
{
    Q_OBJECT
public:
    // The id of the "Record without ..." row.
    static constexpr int kWithoutId = 233;

    // type: 4 system sound, 8 microphone.
    AudioDeviceList(QWidget *parent, int type);
    ~AudioDeviceList() override;

    int type() const { return m_type; }
    int volume() const { return m_volume; }
    int deviceCount() const { return m_devices.size(); }
    int currentIndex() const { return m_currentIndex; }
    // Null for an index outside the list.
    AudioDevice *device(int index) const;
    bool isDeviceEnabled() const { return m_enabled; }
    bool isPersistent() const { return m_persistent; }

    void setCurrentIndex(int index);
    void setDeviceEnabled(bool enabled);
    void setPersistent(bool persistent);
    // Enabled flag, index and volume of this type from the private group,
    // each only when valid; no engine call.
    void loadSettings();
    // Checks a button without handling it as a click.
    void setCheckedButton(int id);
    // Checks a button and handles it as the user's click.
    void clickButton(int id);
    void retranslateUi();

public slots:
    void rescanDevice();
    void buttonGroupClicked(int id);
    void setAudioVolume(int volume);

signals:
    void deviceChanged(bool currentIndexChanged);
    void deviceIndexChanged();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    QVector<AudioDevice *> enumerateDevices() const;
    void refreshDevices();
    static bool sameDevices(const QVector<AudioDevice *> &a, const QVector<AudioDevice *> &b);
    void buildButtons();
    void fixSizes();
    QString withoutText() const;
    void selectInEngine(int index);
    void storeIndex();

    Ui::AudioDeviceListClass *ui;
    QButtonGroup *m_group = nullptr;
    QVector<AudioDevice *> m_devices;
    int m_currentIndex = -1;
    int m_type;
    bool m_enabled = false;
    int m_volume = 100;
    bool m_persistent = true;
    bool m_shown = false;
    int m_lastClickedId = -1;
};

// The program's two lists, made by the main window; null outside its life.
extern AudioDeviceList *g_systemSoundList;
extern AudioDeviceList *g_microphoneList;
