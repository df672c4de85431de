// Power-off never reaches the real system while the hook is set.
#include <QTemporaryDir>
#include <QtTest>

#include "poweroff.h"

class TestPowerOff : public QObject
{
    Q_OBJECT
private slots:
    void hookRunsWithItsArguments()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath(QStringLiteral("powered off"));
        const QString script = dir.filePath(QStringLiteral("fake poweroff"));
        QFile hook(script);
        QVERIFY(hook.open(QIODevice::WriteOnly));
        hook.write(QStringLiteral("#!/bin/sh\nprintf '%s|' \"$@\" > '%1'\n").arg(marker).toUtf8());
        hook.close();
        hook.setPermissions(QFile::ReadOwner | QFile::ExeOwner);
        qputenv("MIRELO_POWEROFF_COMMAND",
                QStringLiteral("\"%1\" \"two words\" x").arg(script).toUtf8());
        QVERIFY(PowerOff::request());
        QTRY_VERIFY(QFileInfo(marker).size() > 0);
        QFile file(marker);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("two words|x|"));
    }

    void emptyHookDoesNothing()
    {
        qputenv("MIRELO_POWEROFF_COMMAND", "");
        QVERIFY(!PowerOff::request());
    }
};

QTEST_GUILESS_MAIN(TestPowerOff)
#include "tst_poweroff.moc"
