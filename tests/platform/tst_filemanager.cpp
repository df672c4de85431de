// Showing a file: the desktop's FileManager1 service when the session bus has
// one, else xdg-open on the folder; odd file names arrive intact either way.
#include <QDBusConnection>
#include <QMutex>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include "filemanager.h"

class FakeFileManager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.FileManager1")
public:
    QStringList shown()
    {
        QMutexLocker lock(&m_mutex);
        return m_shown;
    }
public slots:
    void ShowItems(const QStringList &uris, const QString &)
    {
        QMutexLocker lock(&m_mutex);
        m_shown += uris;
    }

private:
    QMutex m_mutex;
    QStringList m_shown;
};

class TestFileManager : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    QProcess m_bus;
    QString m_address;
    QString m_record;

    void touch(const QString &path, const QByteArray &bytes = "x")
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void initTestCase()
    {
        // A private session bus of our own.
        m_bus.start(QStringLiteral("dbus-daemon"),
                    {QStringLiteral("--session"), QStringLiteral("--nofork"),
                     QStringLiteral("--print-address=1")});
        QVERIFY(m_bus.waitForReadyRead(5000));
        m_address = QString::fromUtf8(m_bus.readLine()).trimmed();
        QVERIFY(!m_address.isEmpty());
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());

        const QString bin = m_dir.filePath(QStringLiteral("bin"));
        m_record = m_dir.filePath(QStringLiteral("opened.txt"));
        touch(bin + QStringLiteral("/xdg-open"),
              QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" >> '%1'\n").arg(m_record).toUtf8());
        QFile::setPermissions(bin + QStringLiteral("/xdg-open"), QFile::ReadOwner | QFile::ExeOwner);
        qputenv("PATH", bin.toUtf8() + ":" + qgetenv("PATH"));
    }

    void cleanupTestCase()
    {
        m_bus.kill();
        m_bus.waitForFinished();
    }

    void withoutFileManagerTheFolderOpens()
    {
        const QString file = m_dir.filePath(QStringLiteral("out dir/a \"b\" 'c' $(d).mp4"));
        touch(file);
        QVERIFY(FileManager::showItem(file));
        QTRY_VERIFY(QFileInfo(m_record).size() > 0);
        QFile record(m_record);
        QVERIFY(record.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(record.readAll()), m_dir.filePath(QStringLiteral("out dir")) + "\n");
        QFile::remove(m_record);
    }

    void fileManagerServiceShowsTheItem()
    {
        QThread thread;
        thread.start();
        auto *fake = new FakeFileManager;
        fake->moveToThread(&thread);
        const auto stop = qScopeGuard([&] {
            QDBusConnection::disconnectFromBus(QStringLiteral("fake"));
            thread.quit();
            thread.wait();
            delete fake;
        });
        {
            QDBusConnection service = QDBusConnection::connectToBus(m_address, QStringLiteral("fake"));
            QVERIFY(service.registerObject(QStringLiteral("/org/freedesktop/FileManager1"), fake,
                                           QDBusConnection::ExportAllSlots));
            QVERIFY(service.registerService(QStringLiteral("org.freedesktop.FileManager1")));

            const QString file = m_dir.filePath(QStringLiteral("out dir/second file#1.mp4"));
            touch(file);
            QVERIFY(FileManager::showItem(file));
            QCOMPARE(fake->shown(), QStringList{QUrl::fromLocalFile(file).toString()});
            // No folder opened besides: one opened now is the only one the
            // record lists once it arrives.
            const QString after = m_dir.filePath(QStringLiteral("after"));
            QVERIFY(FileManager::openFolder(after));
            QTRY_VERIFY(QFileInfo(m_record).size() > 0);
            QFile record(m_record);
            QVERIFY(record.open(QIODevice::ReadOnly));
            QCOMPARE(QString::fromUtf8(record.readAll()), after + "\n");
            QFile::remove(m_record);
            service.unregisterService(QStringLiteral("org.freedesktop.FileManager1"));
        }
    }
};

QTEST_GUILESS_MAIN(TestFileManager)
#include "tst_filemanager.moc"
