#pragma once
// One property of the Xfce settings store (xfconf), over the session bus.
#include <QString>
#include <QVariant>

class XfconfProperty
{
public:
    XfconfProperty(const QString &channel, const QString &property);

    // The store answers on the session bus.
    bool reachable() const;
    // The value, or an invalid one when the property is not set (or the
    // store does not answer).
    QVariant value() const;
    bool setValue(const QVariant &value) const;
    // Back to the default: the property is no longer set.
    bool reset() const;

private:
    QString m_channel;
    QString m_property;
};
