// The application controller: one instance set up once, its forwarders to
// the main window, the privacy notice's one-at-a-time rule and answer, the
// "ms-settings" pages, and the language switch.
#include <QtTest>

#include <QApplication>
#include <QDesktopServices>
#include <QLabel>
#include <QProcess>
#include <QPushButton>

#include "commondialog.h"
#include "controller.h"
#include "core/edition.h"
#include "core/myconfig.h"
#include "core/vocabulary.h"
#include "faketaskservice.h"
#include "mainwindow/mainwindowcalls.h"
#include "mainwindow/myframe.h"
#include "myaboutview.h"
#include "mysystemprivacywidget.h"
#include "skinmanager.h"
#include "taskschedulelist.h"
#include "testsupport.h"
#include "ui_AboutView.h"
#include "ui_SystemPrivacyWidget.h"
#include "ui_commondialog.h"

// Stands in for the main window: records the calls made on it.
class FakeMain : public MainWindowCalls
{
public:
    QStringList calls;
    QString titleAtRetranslate;
    void privacyCloseCamera() override { calls << "privacyCloseCamera"; }
    void privacyCloseMicrophone() override { calls << "privacyCloseMicrophone"; }
    void retranslate() override
    {
        calls << "retranslate";
        titleAtRetranslate = QCoreApplication::translate("MirelonClass", "Start recording");
    }
};

namespace {
TaskDefinition task(bool enabled)
{
    TaskDefinition d;
    TaskTrigger t;
    t.type = 1;
    t.enabled = enabled;
    // Ahead: a once job whose time has passed counts as done.
    t.startBoundary = QDateTime::currentDateTime().addDays(1).toString("yyyy-MM-ddTHH:mm:ss");
    d.triggers.append(t);
    return d;
}

std::unique_ptr<TaskScheduleList> listOf(const QList<bool> &enabled)
{
    auto service = std::make_unique<FakeTaskService>();
    service->folders.append(TaskScheduleList::folderPath());
    for (int i = 0; i < enabled.size(); ++i)
        service->tasks.insert(QString("{00000000-0000-0000-0000-00000000000%1}").arg(i), task(enabled[i]));
    return std::make_unique<TaskScheduleList>(std::move(service), [] { return QDateTime::currentDateTime(); });
}

// The open frame of a service view, from inside its modal loop.
MyFrame *modalFrame()
{
    return qobject_cast<MyFrame *>(QApplication::activeModalWidget());
}

// The passing frame that shows a view now, modal or not.
MyFrame *frameShowing(QWidget *view)
{
    return view && view->isVisible() ? qobject_cast<MyFrame *>(view->window()) : nullptr;
}

void writeScript(const QString &path, const QString &log)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(QString("#!/bin/sh\nprintf '%s\\n' \"$0\" \"$@\" > '%1'\n").arg(log).toUtf8());
    f.close();
    f.setPermissions(f.permissions() | QFileDevice::ExeOwner);
}
} // namespace

class TestController : public QObject
{
    Q_OBJECT
    Controller *controller = nullptr;
    FakeMain fake;
    QStringList warnings;

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        QVERIFY(createApplicationData());
        g_myConfig = new MyConfig;
        QVERIFY(SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo",
                                              testsupport::binDir() + "/Skin")
                != SkinManager::StatusNoSkin);
        CommonDialog::setRunHook([this](CommonDialog *d) {
            warnings << d->form()->lblPrompt->text();
            return int(QDialog::Accepted);
        });
        controller = Controller::instance();
        controller->setMainReceiver(&fake);
    }
    void init()
    {
        fake.calls.clear();
        warnings.clear();
    }

    void oneInstanceSetUpOnce()
    {
        QVERIFY(controller->canShowCameraPrivacy());
        QVERIFY(controller->canShowMicrophonePrivacy());
        QVERIFY(!controller->isPrivacyWidgetShown());
        QVERIFY(!controller->customAreaRequested());
        QCOMPARE(controller->language(), g_mireloData->language());
        // The main window and the frame set and read the flags through
        // the narrow interface.
        PrivacyRequests::instance()->setCanShowCameraPrivacy(false);
        QVERIFY(!PrivacyRequests::instance()->isPrivacyWidgetShown());
        controller->setCustomAreaRequested(true);
        // A second call neither makes another object nor resets the flags.
        QCOMPARE(Controller::instance(), controller);
        QVERIFY(!controller->canShowCameraPrivacy());
        QVERIFY(controller->customAreaRequested());
        controller->setCanShowCameraPrivacy(true);
        controller->setCustomAreaRequested(false);
    }

    void forwardersReachTheMainWindow()
    {
        // The notice's answer arrives queued; 3 is no device.
        controller->SlotPrivacyCloseDevice(1);
        controller->SlotPrivacyCloseDevice(2);
        controller->SlotPrivacyCloseDevice(3);
        controller->SlotPrivacyCloseDevice(0);
        QVERIFY(fake.calls.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(fake.calls, (QStringList{"privacyCloseCamera", "privacyCloseMicrophone"}));

        // Without a main window nothing is called and nothing breaks.
        controller->setMainReceiver(nullptr);
        controller->SlotPrivacyCloseDevice(1);
        controller->setMainReceiver(&fake);
        QCoreApplication::processEvents();
        QCOMPARE(fake.calls.size(), 2);
    }

    void taskStateFollowsTheEnabledJobs_data()
    {
        QTest::addColumn<QList<bool>>("jobs");
        QTest::addColumn<bool>("on");
        QTest::newRow("empty") << QList<bool>{} << false;
        QTest::newRow("all disabled") << QList<bool>{false, false} << false;
        QTest::newRow("one enabled") << QList<bool>{false, true, false} << true;
    }
    void taskStateFollowsTheEnabledJobs()
    {
        QFETCH(QList<bool>, jobs);
        QFETCH(bool, on);
        auto list = listOf(jobs);
        QCOMPARE(list->count(), jobs.size());
        g_taskScheduleList = list.get();
        QSignalSpy sent(controller, &Controller::taskScheduleStateRefreshed);
        QCOMPARE(controller->refreshTaskScheduleState(), on);
        QCOMPARE(sent.size(), 1);
        QCOMPARE(sent[0][0].toBool(), on);
        g_taskScheduleList = nullptr;
    }

    // The engine's event brings the notice: shown without waiting for it
    // (nothing of the program is held), one at a time.
    void privacyNoticeRunsOneAtATime()
    {
        controller->showSystemPrivacyWidget(1);
        MyFrame *frame = frameShowing(controller->privacyView());
        QVERIFY(frame);
        QVERIFY(!modalFrame());
        QCOMPARE(frame->frameTypes(), CAbstractFrame::FrameTypes(0));
        QVERIFY(controller->isPrivacyWidgetShown());
        // The engine asks again: ignored at once, the open notice keeps its kind.
        controller->showSystemPrivacyWidget(2);
        QCOMPARE(controller->privacyView()->deviceKind(), 1);
        QCOMPARE(frameShowing(controller->privacyView()), frame);
        controller->privacyView()->form()->btnOK->click();
        QVERIFY(!frameShowing(controller->privacyView()));
        QTRY_VERIFY(!controller->isPrivacyWidgetShown());
        QTRY_COMPARE(controller->privacyView()->parentWidget(), nullptr);
        QTRY_COMPARE(fake.calls, QStringList{"privacyCloseCamera"});

        // The view is kept; Escape closes the next notice without an answer.
        MySystemPrivacyWidget *view = controller->privacyView();
        controller->showSystemPrivacyWidget(2);
        QCOMPARE(controller->privacyView(), view);
        QVERIFY(frameShowing(view));
        QTest::keyClick(view, Qt::Key_Escape);
        QVERIFY(!frameShowing(view));
        QTRY_COMPARE(view->parentWidget(), nullptr);
        QTRY_VERIFY(!controller->isPrivacyWidgetShown());
        QCOMPARE(fake.calls, QStringList{"privacyCloseCamera"});
    }

    void privacyPagesOpenTheDesktopToolOrWarn()
    {
        QTemporaryDir tools;
        const QString log = tools.path() + "/args.txt";
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", tools.path().toUtf8());
        QDesktopServices::openUrl(QUrl("ms-settings:privacy-microphone"));
        QCOMPARE(warnings.size(), 1);
        QVERIFY(warnings[0].contains("microphone"));

        writeScript(tools.path() + "/gnome-control-center", log);
        QDesktopServices::openUrl(QUrl("ms-settings:privacy-webcam"));
        auto arguments = [&] {
            QFile f(log);
            return f.open(QIODevice::ReadOnly) ? QString(f.readAll()).split('\n').mid(1) : QStringList();
        };
        QTRY_COMPARE(arguments(), (QStringList{"camera", ""}));
        QDesktopServices::openUrl(QUrl("ms-settings:something-else"));
        qputenv("PATH", path);
        QCOMPARE(warnings.size(), 1);
    }

    // Last: it leaves German translators installed.
    void switchLanguageRetranslatesWindowsAndLinks()
    {
        // A test translation, compiled as the build compiles ours.
        const QString folder = g_myConfig->applicationPath() + "Language";
        QDir().mkpath(folder);
        const QString qm = folder + "/Mirelo_de.qm";
        QProcess lrelease;
        lrelease.start("lrelease", {testsupport::sourceDir() + "/tests/app/controller_de.ts", "-qm", qm});
        QVERIFY(lrelease.waitForFinished(60000));
        QCOMPARE(lrelease.exitCode(), 0);

        QDesktopServices::setUrlHandler("https", this, "captureUrl");
        urls.clear();
        bool checked = false;
        QTimer::singleShot(0, [&] {
            MyFrame *frame = modalFrame();
            QVERIFY(frame);
            controller->switchLanguage("de");
            Ui::AboutView *about = controller->aboutView()->form();
            QCOMPARE(about->lblVersionCaption->text(), QStringLiteral("Aktuelle Version:"));
            QCOMPARE(about->lblProductName->text(), g_mireloData->fullProductName());
            QCOMPARE(frame->windowTitle(), QStringLiteral("Über"));
            about->btnSupport->click();
            checked = true;
            frame->close();
        });
        controller->showAboutView();
        QVERIFY(controller->aboutView());
        QVERIFY(checked);
        QFile::remove(qm);
        QCOMPARE(fake.calls, QStringList{"retranslate"});
        QCOMPARE(fake.titleAtRetranslate, QStringLiteral("Aufnahme starten"));
        QCOMPARE(g_myConfig->language(), QStringLiteral("de"));
        QCOMPARE(urls.size(), 1);
        QVERIFY(urls[0].query().contains("lang=de"));
        QCOMPARE(urls[0].toString(), g_mireloData->decorateUrl(g_mireloData->supportLink()).toString());
        QVERIFY(controller->privacyView());
        QCOMPARE(controller->privacyView()->form()->btnOK->text(), QStringLiteral("Gut"));
        QDesktopServices::unsetUrlHandler("https");
    }

public slots:
    void captureUrl(const QUrl &url) { urls << url; }

private:
    QList<QUrl> urls;
};

QTEST_MAIN(TestController)
#include "tst_controller.moc"
