#pragma once
// One webcam as the engine listed it, with its formats and the per-camera
// choices (format, mirroring) the list keeps for it.
#include <QObject>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QVector>
#include <QWidget>

class CameraDevice : public QObject
{
public:
    explicit CameraDevice(int index, QObject *parent = nullptr) : QObject(parent), m_index(index) {}

    QString name() const { return m_name; }
    QString id() const { return m_id; }
    const QStringList &formatNames() const { return m_formatNames; }
    const QVector<QSize> &formatSizes() const { return m_formatSizes; }
    int index() const { return m_index; }
    int currentFormat() const { return m_currentFormat; }
    int flip() const { return m_flip; }
    bool hasFormat(int format) const { return format >= 0 && format < m_formatSizes.size(); }

private:
    friend class CameraList;

    QString m_name;
    QString m_id;
    QStringList m_formatNames;
    QVector<QSize> m_formatSizes;
    int m_index;
    int m_currentFormat = 0;
    int m_savedFormat = 0;
    int m_flip = 0;
    int m_savedFlip = 0;
    // Guarded: the settings dialog's preview area goes with the dialog.
    QPointer<QWidget> m_previewWidget;
};
