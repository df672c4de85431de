#include "audiodevicelist.h"

#include "ui_audiodevicelist.h"

#include "sourcerequests.h"
#include "core/enginebinding.h"
#include "core/levelmeters.h"
#include "core/enviroment.h"
#include "skinmanager.h"

#include <QButtonGroup>
#include <QRadioButton>

AudioDeviceList *g_systemSoundList = nullptr;
AudioDeviceList *g_microphoneList = nullptr;

namespace {
constexpr int kRowHeight = 30;

DataGroupPrivate *privateGroup()
{
    return g_enviroment ? g_enviroment->privateData : nullptr;
}
} // namespace

AudioDeviceList::AudioDeviceList(QWidget *parent, int type)
    : QWidget(parent, Qt::Popup | Qt::FramelessWindowHint | Qt::CustomizeWindowHint), ui(new Ui::AudioDeviceListClass),
      m_type(type)
{
    m_currentIndex = engineGetCurrentAudioDevice(m_type);
    // Persistent from the start: the engine's device replaces the stored
    // index before loadSettings reads it.
    refreshDevices();
    loadSettings();

    ui->setupUi(this);
    setAttribute(Qt::WA_StyledBackground);
    m_group = new QButtonGroup(this);
    buildButtons();
    fixSizes();
    connect(m_group, &QButtonGroup::idClicked, this, &AudioDeviceList::buttonGroupClicked);
    m_lastClickedId = -1;
}

AudioDeviceList::~AudioDeviceList()
{
    qDeleteAll(m_devices);
    delete ui;
}

AudioDevice *AudioDeviceList::device(int index) const
{
    return index >= 0 && index < m_devices.size() ? m_devices.at(index) : nullptr;
}

QVector<AudioDevice *> AudioDeviceList::enumerateDevices() const
{
    QVector<AudioDevice *> devices;
    engineRefreshDevices(m_type);
    const int n = engineGetAudioDeviceCount(m_type);
    for (int i = 0; i < n; ++i) {
        auto *d = new AudioDevice(i, m_type);
        // The binding reads a zeroed buffer terminated at its last unit, so
        // a careless engine string cannot run past it.
        QString text;
        if (engineGetAudioDeviceName(m_type, i, &text) >= 0)
            d->setName(text);
        text.clear();
        if (engineGetAudioDeviceId(m_type, i, &text) >= 0)
            d->setId(text);
        devices.append(d);
    }
    return devices;
}

bool AudioDeviceList::sameDevices(const QVector<AudioDevice *> &a, const QVector<AudioDevice *> &b)
{
    if (a.size() != b.size())
        return false;
    for (int i = 0; i < a.size(); ++i) {
        if (a.at(i)->id().isEmpty() || a.at(i)->id() != b.at(i)->id())
            return false;
    }
    return true;
}

void AudioDeviceList::refreshDevices()
{
    const int oldIndex = m_currentIndex;
    const AudioDevice *old = device(m_currentIndex);
    const QString oldId = old ? old->id() : QString();

    QVector<AudioDevice *> fresh = enumerateDevices();
    const bool same = sameDevices(fresh, m_devices);
    qDeleteAll(m_devices);
    m_devices = fresh;

    if (!oldId.isEmpty()) {
        m_currentIndex = -1;
        for (int i = 0; i < m_devices.size(); ++i) {
            if (m_devices.at(i)->id() == oldId)
                m_currentIndex = i;
        }
    }
    // An index the engine gave beyond its own list counts as none.
    if (m_currentIndex < -1 || m_currentIndex >= m_devices.size())
        m_currentIndex = -1;
    if (m_currentIndex == -1 && !m_devices.isEmpty())
        m_currentIndex = 0;
    if (device(m_currentIndex)) {
        selectInEngine(m_currentIndex);
        storeIndex();
    }
    if (!same)
        emit deviceChanged(m_currentIndex != oldIndex);
}

void AudioDeviceList::selectInEngine(int index)
{
    engineSelectAudioDevice(m_type, index);
    LevelMeters::reopen(m_type);
}

void AudioDeviceList::storeIndex()
{
    DataGroupPrivate *p = privateGroup();
    if (!m_persistent || !p)
        return;
    if (m_type == MIRELO_DEVICE_SYSTEM_SOUND)
        p->SystemsoundIndex = m_currentIndex;
    else
        p->MicrophoneIndex = m_currentIndex;
}

void AudioDeviceList::buildButtons()
{
    for (int i = m_devices.size() - 1; i >= 0; --i) {
        auto *button = new QRadioButton(m_devices.at(i)->name(), this);
        ui->verticalLayout->insertWidget(0, button);
        m_group->addButton(button, i);
        if (i == m_currentIndex)
            button->setChecked(true);
    }
    ui->btnCloseAudio->setText(withoutText());
    m_group->addButton(ui->btnCloseAudio, kWithoutId);
}

void AudioDeviceList::fixSizes()
{
    const double s = g_dscale;
    const int n = m_devices.size();
    setFixedHeight(int((n + 1) * kRowHeight * s + kRowHeight * s));
    for (QAbstractButton *b : m_group->buttons())
        b->setFixedHeight(int(kRowHeight * s));
}

QString AudioDeviceList::withoutText() const
{
    return m_type == MIRELO_DEVICE_SYSTEM_SOUND ? tr("Record without System Sound") : tr("Record without Microphone");
}

void AudioDeviceList::rescanDevice()
{
    refreshDevices();
    for (QAbstractButton *b : m_group->buttons()) {
        if (b == ui->btnCloseAudio)
            continue;
        m_group->removeButton(b);
        delete b;
    }
    m_group->removeButton(ui->btnCloseAudio);
    buildButtons();
    fixSizes();
    m_lastClickedId = -1;
}

void AudioDeviceList::loadSettings()
{
    DataGroupPrivate *p = privateGroup();
    if (!p)
        return;
    const bool sound = m_type == MIRELO_DEVICE_SYSTEM_SOUND;
    const bool enabled = sound ? p->SystemsoundEnabled : p->MicrophoneEnabled;
    const int index = sound ? p->SystemsoundIndex : p->MicrophoneIndex;
    const int volume = sound ? p->SystemsoundVolume : p->MicrophoneVolume;
    m_enabled = enabled && !m_devices.isEmpty();
    if (index >= 0 && index < m_devices.size())
        m_currentIndex = index;
    if (volume >= 0 && volume <= 200)
        m_volume = volume;
}

void AudioDeviceList::setCurrentIndex(int index)
{
    if (index < 0 || index >= m_devices.size())
        return;
    m_currentIndex = index;
    selectInEngine(index);
    storeIndex();
}

void AudioDeviceList::setAudioVolume(int volume)
{
    if (volume < 0 || volume > 200)
        return;
    m_volume = volume;
    engineSetAudioVolume(m_type, volume);
    DataGroupPrivate *p = privateGroup();
    if (!m_persistent || !p)
        return;
    if (m_type == MIRELO_DEVICE_SYSTEM_SOUND)
        p->SystemsoundVolume = volume;
    else
        p->MicrophoneVolume = volume;
}

void AudioDeviceList::setDeviceEnabled(bool enabled)
{
    m_enabled = enabled;
    DataGroupPrivate *p = privateGroup();
    if (!m_persistent || !p)
        return;
    if (m_type == MIRELO_DEVICE_SYSTEM_SOUND)
        p->SystemsoundEnabled = enabled;
    else
        p->MicrophoneEnabled = enabled;
}

void AudioDeviceList::setPersistent(bool persistent)
{
    m_persistent = persistent;
}

void AudioDeviceList::buttonGroupClicked(int id)
{
    if (id == m_lastClickedId) {
        hide();
        return;
    }
    if (id != kWithoutId) {
        setCurrentIndex(id);
        emit deviceIndexChanged();
        m_lastClickedId = id;
        return;
    }
    // Switching off a source that is already off would turn it on (the main
    // window toggles it): then the row only closes the list.
    if (m_enabled) {
        if (m_type == MIRELO_DEVICE_SYSTEM_SOUND)
            SourceRequests::instance()->clickSystemSoundButton();
        else
            SourceRequests::instance()->clickMicrophoneButton();
    } else {
        hide();
    }
    m_lastClickedId = kWithoutId;
}

void AudioDeviceList::setCheckedButton(int id)
{
    QAbstractButton *b = m_group->button(id);
    if (!b)
        return;
    const QSignalBlocker block(m_group);
    b->setChecked(true);
    m_lastClickedId = id;
}

void AudioDeviceList::clickButton(int id)
{
    QAbstractButton *b = m_group->button(id);
    if (!b)
        return;
    b->setChecked(true);
    buttonGroupClicked(id);
}

void AudioDeviceList::retranslateUi()
{
    ui->retranslateUi(this);
    ui->btnCloseAudio->setText(withoutText());
}

void AudioDeviceList::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    m_shown = true;
}

void AudioDeviceList::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_shown = false;
}
