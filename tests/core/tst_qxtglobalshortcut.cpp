// Global hotkeys against a fake window system.
#include <QSignalSpy>
#include <QtTest>

#include <memory>

#include "fakehotkeybackend.h"
#include "qxtglobalshortcut.h"
#include "qxtglobalshortcut_p.h"

namespace {

QKeySequence keys(const char *text)
{
    return QKeySequence::fromString(QString::fromLatin1(text), QKeySequence::NativeText);
}

} // namespace

class TestQxtGlobalShortcut : public QObject
{
    Q_OBJECT
private slots:
    void nativeNumbers()
    {
        using P = QxtGlobalShortcutPrivate;
        QCOMPARE(P::nativeKeycode(Qt::Key_S), 83u);
        QCOMPARE(P::nativeModifiers(Qt::ControlModifier | Qt::AltModifier), 3u);
        QCOMPARE(P::hotkeyId(83, 3), 80);
        QCOMPARE(P::nativeModifiers(Qt::ShiftModifier | Qt::MetaModifier), 12u);
        QCOMPARE(P::nativeKeycode(Qt::Key_F1), 112u);
        QCOMPARE(P::nativeKeycode(Qt::Key_F24), 135u);
        QCOMPARE(P::nativeKeycode(Qt::Key_Enter), 13u);
        QCOMPARE(P::nativeKeycode(Qt::Key_Backtab), 9u);
        QCOMPARE(P::nativeKeycode(Qt::Key_Print), 42u);
        QCOMPARE(P::nativeKeycode(Qt::Key_PageDown), 34u);
        QCOMPARE(P::nativeKeycode(Qt::Key_MediaNext), 176u);
        QCOMPARE(P::nativeKeycode(Qt::Key_Slash), 111u);
        QCOMPARE(P::nativeKeycode(Qt::Key_7), 55u);
        QCOMPARE(P::nativeKeycode(Qt::Key_Semicolon), 0u);
    }

    void registersAndActivates()
    {
        FakeHotkeyBackend fake;
        QxtGlobalShortcut shortcut;
        QSignalSpy spy(&shortcut, &QxtGlobalShortcut::activated);
        QVERIFY(shortcut.setShortcut(keys("Ctrl+Alt+S")));
        QCOMPARE(fake.calls, QStringList{QStringLiteral("grab 83 3")});
        QCOMPARE(shortcut.shortcut(), keys("Ctrl+Alt+S"));
        FakeHotkeyBackend::press(83, 3);
        QCOMPARE(spy.size(), 1);
        FakeHotkeyBackend::press(83, 1); // Alt+S alone is another hotkey
        QCOMPARE(spy.size(), 1);

        // A new sequence releases the old key first.
        QVERIFY(shortcut.setShortcut(keys("Shift+F5")));
        QCOMPARE(fake.calls.mid(1), (QStringList{QStringLiteral("ungrab 83 3"), QStringLiteral("grab 116 4")}));
        QVERIFY(!fake.isGrabbed(83, 3));
    }

    void secondObjectIsRefusedFirstKeepsWorking()
    {
        FakeHotkeyBackend fake;
        QxtGlobalShortcut first, second;
        QSignalSpy firstSpy(&first, &QxtGlobalShortcut::activated);
        QSignalSpy secondSpy(&second, &QxtGlobalShortcut::activated);
        QVERIFY(first.setShortcut(keys("Ctrl+Alt+S")));
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to register: Ctrl+Alt+S");
        QVERIFY(!second.setShortcut(keys("Ctrl+Alt+S")));
        FakeHotkeyBackend::press(83, 3);
        QCOMPARE(firstSpy.size(), 1);
        QCOMPARE(secondSpy.size(), 0);
        // The refused key stays set: releasing it later only warns.
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to unregister: Ctrl+Alt+S");
        QVERIFY(second.setShortcut(keys("Ctrl+Alt+T")));
        QVERIFY(fake.isGrabbed(83, 3));
        FakeHotkeyBackend::press(83, 3);
        QCOMPARE(firstSpy.size(), 2);
    }

    void refusedKeys()
    {
        FakeHotkeyBackend fake;
        fake.holdByOtherProgram(83, 3);
        QxtGlobalShortcut shortcut;
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to register: Ctrl+Alt+S");
        QVERIFY(!shortcut.setShortcut(keys("Ctrl+Alt+S")));
        QCOMPARE(shortcut.shortcut(), keys("Ctrl+Alt+S"));

        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to unregister: Ctrl+Alt+S");
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to register: Ctrl+Alt+;");
        fake.calls.clear();
        QVERIFY(!shortcut.setShortcut(keys("Ctrl+Alt+;")));
        QVERIFY(!fake.calls.contains(QStringLiteral("grab 0 3"))); // code 0 is never grabbed
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to unregister: Ctrl+Alt+;");
    }

    void onlyTheFirstChordCounts()
    {
        FakeHotkeyBackend fake;
        QxtGlobalShortcut shortcut;
        QVERIFY(shortcut.setShortcut(keys("Ctrl+Alt+S, Ctrl+B")));
        QCOMPARE(shortcut.shortcut(), keys("Ctrl+Alt+S"));
        QVERIFY(fake.isGrabbed(83, 3));
    }

    void disabledStaysRegisteredButSilent()
    {
        FakeHotkeyBackend fake;
        QxtGlobalShortcut shortcut;
        QSignalSpy spy(&shortcut, &QxtGlobalShortcut::activated);
        QVERIFY(shortcut.setShortcut(keys("Ctrl+Alt+R")));
        shortcut.setDisabled();
        QVERIFY(!shortcut.isEnabled());
        FakeHotkeyBackend::press(82, 3);
        QCOMPARE(spy.size(), 0);
        QVERIFY(fake.isGrabbed(82, 3));
        QVERIFY(QMetaObject::invokeMethod(&shortcut, "setEnabled"));
        FakeHotkeyBackend::press(82, 3);
        QCOMPARE(spy.size(), 1);
        shortcut.setProperty("enabled", false);
        FakeHotkeyBackend::press(82, 3);
        QCOMPARE(spy.size(), 1);
    }

    void filterOutlivesTheFirstObjectAndGoesWithTheLast()
    {
        FakeHotkeyBackend fake;
        auto *first = new QxtGlobalShortcut;
        auto *second = new QxtGlobalShortcut;
        QSignalSpy spy(second, &QxtGlobalShortcut::activated);
        QVERIFY(first->setShortcut(keys("Ctrl+Alt+S")));
        QVERIFY(second->setShortcut(keys("Ctrl+Alt+W")));
        delete first;
        QVERIFY(!fake.isGrabbed(83, 3));
        FakeHotkeyBackend::press(87, 3);
        QCOMPARE(spy.size(), 1);
        delete second;
        QVERIFY(!fake.isGrabbed(87, 3));
        const int seen = fake.eventsSeen;
        FakeHotkeyBackend::press(87, 3);
        QCOMPARE(fake.eventsSeen, seen); // no filter any more
    }

    void withoutWindowSystemEveryGrabFails()
    {
        // Offscreen: the program's own backend is the null one.
        QxtGlobalShortcut shortcut;
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to register: Ctrl+Alt+S");
        QVERIFY(!shortcut.setShortcut(keys("Ctrl+Alt+S")));
        QTest::ignoreMessage(QtWarningMsg, "QxtGlobalShortcut failed to unregister: Ctrl+Alt+S");
    }
};

QTEST_MAIN(TestQxtGlobalShortcut)
#include "tst_qxtglobalshortcut.moc"
