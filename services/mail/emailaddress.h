#pragma once
// One mailbox of a message: an address with an optional display name.

#include <QObject>
#include <QString>

class EmailAddress : public QObject
{
    Q_OBJECT
public:
    explicit EmailAddress(const QString &address = QString(), const QString &name = QString(),
                          QObject *parent = nullptr);

    void setName(const QString &name) { m_name = name; }
    void setAddress(const QString &address) { m_address = address; }
    QString name() const { return m_name; }
    QString address() const { return m_address; }

private:
    QString m_name;
    QString m_address;
};
