// The video-device watch on a folder of its own: "video*" names coming and
// going are reported, other device names are not.
#include <QtTest>

#include "platform/videodevicewatch.h"

#include <QTemporaryDir>

namespace {
void touch(const QString &path)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}
} // namespace

class TestVideoDeviceWatch : public QObject
{
    Q_OBJECT
private slots:
    void reportsVideoDevicesOnly()
    {
        QTemporaryDir dir;
        VideoDeviceWatch watch(nullptr, dir.path());
        QSignalSpy changed(&watch, &VideoDeviceWatch::devicesChanged);

        touch(dir.filePath("video7"));
        QVERIFY(changed.wait(5000));
        QCOMPARE(changed.count(), 1);

        // A busy folder: other nodes come and go without a word.
        touch(dir.filePath("ttyS9"));
        QVERIFY(QFile::remove(dir.filePath("ttyS9")));
        QVERIFY(!changed.wait(500));

        QVERIFY(QFile::remove(dir.filePath("video7")));
        QTRY_COMPARE(changed.count(), 2);
    }

    void aMissingFolderIsQuiet()
    {
        VideoDeviceWatch watch(nullptr, QStringLiteral("/nonexistent/dev"));
        QSignalSpy changed(&watch, &VideoDeviceWatch::devicesChanged);
        QVERIFY(!changed.wait(200));
        QCOMPARE(watch.folder(), QStringLiteral("/nonexistent/dev"));
    }
};

QTEST_MAIN(TestVideoDeviceWatch)
#include "tst_videodevicewatch.moc"
