#pragma once
// One sound device as the engine listed it.
#include <QObject>
#include <QString>

class AudioDevice : public QObject
{
public:
    AudioDevice(int index, int type, QObject *parent = nullptr) : QObject(parent), m_index(index), m_type(type) {}

    int index() const { return m_index; }
    int type() const { return m_type; } // 4 system sound, 8 microphone
    // Empty when the engine could not give them.
    QString name() const { return m_name; }
    QString id() const { return m_id; }

    void setName(const QString &name) { m_name = name; }
    void setId(const QString &id) { m_id = id; }

private:
    int m_index;
    int m_type;
    QString m_name;
    QString m_id;
};
