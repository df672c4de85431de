// The watermark page on a real X server, opened by the gallery's live mode
// and driven by xdotool: the caption drag, the preview's keys and keypad
// Enter, the keyboard back with the page after the preview, and what OK
// leaves in the settings file.
#include "testsupport.h"
#include "watermarkitemtext.h"

#include <QDataStream>
#include <QDeadlineTimer>
#include <QProcess>
#include <QSettings>
#include <QtTest>

#include <functional>

namespace {

QString xdotool(const QStringList &args)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    p.waitForFinished(10000);
    return QString::fromUtf8(p.readAllStandardOutput()).trimmed();
}

// The window's position on the screen.
QPoint windowPos(const QString &id)
{
    const QString out = xdotool({QStringLiteral("getwindowgeometry"), id});
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("Position: (-?\\d+),(-?\\d+)")).match(out);
    return m.hasMatch() ? QPoint(m.captured(1).toInt(), m.captured(2).toInt()) : QPoint(-1, -1);
}

void moveTo(const QPoint &p)
{
    xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y())});
}

QSettings *store()
{
    return new QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Olvex"),
                         QStringLiteral("Free Mirelo"));
}

// One live watermark page and what it printed.
struct LivePage {
    QProcess process;
    QString id;
    QMap<QString, QPoint> at;
    QRect item;

    bool start()
    {
        const QString gallery = testsupport::binDir() + QStringLiteral("/../tools/mirelo_gallery");
        process.start(gallery, {QStringLiteral("--live"), QStringLiteral("watermark"), QStringLiteral("--skin"),
                                testsupport::binDir() + QStringLiteral("/Skin")});
        QDeadlineTimer deadline(30000);
        while (id.isEmpty() && !deadline.hasExpired()) {
            if (!process.canReadLine() && !process.waitForReadyRead(500))
                continue;
            while (process.canReadLine()) {
                const QStringList f = QString::fromUtf8(process.readLine()).trimmed().split(QLatin1Char(' '));
                if (f.value(0) == QLatin1String("window"))
                    id = QString::number(f.value(1).toULongLong(nullptr, 16));
                else if (f.value(0) == QLatin1String("at"))
                    at[f.value(1)] = QPoint(f.value(2).toInt(), f.value(3).toInt());
                else if (f.value(0) == QLatin1String("item"))
                    item = QRect(f.value(1).toInt(), f.value(2).toInt(), f.value(3).toInt(), f.value(4).toInt());
            }
        }
        // Placed: a window manager places a window before it maps it.
        while (!id.isEmpty() && !viewable() && !deadline.hasExpired())
            QTest::qWait(50);
        return !id.isEmpty() && viewable();
    }
    bool viewable() const
    {
        QProcess info;
        info.start(QStringLiteral("xwininfo"), {QStringLiteral("-id"), id});
        info.waitForFinished(10000);
        return info.readAllStandardOutput().contains("Map State: IsViewable");
    }
    QPoint screenPoint(const QString &name) const { return windowPos(id) + at.value(name); }
    void click(const QString &name) const
    {
        moveTo(screenPoint(name));
        xdotool({QStringLiteral("click"), QStringLiteral("1")});
    }
    ~LivePage()
    {
        if (process.state() != QProcess::NotRunning) {
            process.kill();
            process.waitForFinished(5000);
        }
    }
};

bool waitForFocus(const std::function<bool(const QString &)> &done)
{
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (done(xdotool({QStringLiteral("getwindowfocus")})))
            return true;
        QTest::qWait(100);
    }
    return false;
}

} // namespace

class TestX11Watermark : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        const QRect canvas(0, 0, 480, 290);
        QScopedPointer<QSettings> s(store());
        s->setValue(QStringLiteral("Private/WatermarkType"), 2);
        s->setValue(QStringLiteral("Private/TextWatermark"), WatermarkItemText(QStringLiteral("Live"), canvas).toVariant());
        s->sync();
    }

    void dragPreviewAndStore()
    {
        LivePage page;
        QVERIFY2(page.start(), "the live watermark page did not show");
        QVERIFY(page.item.isValid());
        const QRect stored = page.item;

        // The caption moves the frameless window with the pointer.
        const QPoint before = windowPos(page.id);
        const QPoint grip = page.screenPoint(QStringLiteral("caption"));
        moveTo(grip);
        xdotool({QStringLiteral("mousedown"), QStringLiteral("1")});
        // Moved on a little until the window follows: on a loaded machine
        // the program may ask the window manager for the move only now, and
        // a move asked for after the release would go on without a button.
        for (int i = 0; i < 20 && windowPos(page.id) == before; ++i) {
            moveTo(grip + QPoint(12 + i % 3, 8));
            (void)QTest::qWaitFor([&] { return windowPos(page.id) != before; }, 500);
        }
        for (int step = 2; step <= 10; ++step)
            moveTo(grip + QPoint(12 * step, 8 * step));
        xdotool({QStringLiteral("mouseup"), QStringLiteral("1")});
        // A window manager's move starts from where the pointer is when the
        // program asks for it: on a loaded machine one step may have passed.
        QTRY_VERIFY2((windowPos(page.id) - (before + QPoint(120, 80))).manhattanLength() <= 20,
                     qPrintable(QStringLiteral("%1,%2").arg(windowPos(page.id).x()).arg(windowPos(page.id).y())));

        // The preview: arrows move the item, keypad Enter brings it back.
        // The keyboard was the page's on a desktop (nowhere's without a
        // window manager), and goes back there.
        const QString focusBefore = xdotool({QStringLiteral("getwindowfocus")});
        if (qEnvironmentVariableIsSet("MIRELO_TEST_DESKTOP"))
            QCOMPARE(focusBefore, page.id);
        page.click(QStringLiteral("preview"));
        QString preview;
        QVERIFY(waitForFocus([&page, &preview](const QString &w) {
            preview = w;
            return !w.isEmpty() && w != page.id;
        }));
        // On the screen's own corner, over any panel.
        QCOMPARE(windowPos(preview), QPoint(0, 0));
        xdotool({QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("10"), QStringLiteral("--repeat"),
                 QStringLiteral("80"), QStringLiteral("Right")});
        xdotool({QStringLiteral("key"), QStringLiteral("KP_Enter")});
        QVERIFY2(waitForFocus([&focusBefore](const QString &w) { return w == focusBefore; }),
                 qPrintable(xdotool({QStringLiteral("getwindowfocus")})));

        page.click(QStringLiteral("ok"));
        QVERIFY(page.process.waitForFinished(10000));
        QVERIFY(page.process.readAllStandardOutput().contains("finished 1"));

        QScopedPointer<QSettings> s(store());
        QCOMPARE(s->value(QStringLiteral("Private/WatermarkType")).toUInt(), 2u);
        const QVariant record = s->value(QStringLiteral("Private/TextWatermark"));
        QScopedPointer<WatermarkItemText> item(WatermarkItemText::fromVariant(record));
        QCOMPARE(item->text(), QStringLiteral("Live"));
        // The rectangle as the page stored it (reading measures the text
        // again, with this process' fonts).
        QDataStream stream(record.toByteArray());
        stream.setVersion(WATERMARK_STREAM_VERSION);
        qint32 kind = 0;
        QRect rect;
        stream >> kind >> rect;
        QVERIFY2(rect.left() > stored.left(), qPrintable(QString::number(rect.left())));
        QVERIFY(qAbs(rect.top() - stored.top()) <= 1); // placed there and back

        // Opened again, the page shows it as stored.
        LivePage again;
        QVERIFY(again.start());
        QCOMPARE(again.item, rect);
    }
};

QTEST_MAIN(TestX11Watermark)
#include "tst_x11_watermark.moc"
