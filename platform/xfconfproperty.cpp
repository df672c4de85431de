#include "xfconfproperty.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>

namespace {

const char kService[] = "org.xfce.Xfconf";
const char kPath[] = "/org/xfce/Xfconf";
const char kInterface[] = "org.xfce.Xfconf";
// The store answers at once; a bus that hangs must not hold the recording.
constexpr int kTimeoutMs = 2000;

QDBusMessage call(const QString &method, const QVariantList &arguments)
{
    QDBusMessage message = QDBusMessage::createMethodCall(QLatin1String(kService), QLatin1String(kPath),
                                                          QLatin1String(kInterface), method);
    message.setArguments(arguments);
    return QDBusConnection::sessionBus().call(message, QDBus::Block, kTimeoutMs);
}

} // namespace

XfconfProperty::XfconfProperty(const QString &channel, const QString &property)
    : m_channel(channel), m_property(property)
{
}

bool XfconfProperty::reachable() const
{
    // Only a store that runs: asking would start one by bus activation on a
    // desktop that has none of its own.
    QDBusConnectionInterface *bus = QDBusConnection::sessionBus().interface();
    return bus && bus->isServiceRegistered(QLatin1String(kService)).value();
}

QVariant XfconfProperty::value() const
{
    const QDBusMessage reply = call(QStringLiteral("GetProperty"), {m_channel, m_property});
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return QVariant();
    return reply.arguments().first().value<QDBusVariant>().variant();
}

bool XfconfProperty::setValue(const QVariant &value) const
{
    const QDBusMessage reply =
        call(QStringLiteral("SetProperty"), {m_channel, m_property, QVariant::fromValue(QDBusVariant(value))});
    return reply.type() == QDBusMessage::ReplyMessage;
}

bool XfconfProperty::reset() const
{
    const QDBusMessage reply = call(QStringLiteral("ResetProperty"), {m_channel, m_property, false});
    return reply.type() == QDBusMessage::ReplyMessage;
}
