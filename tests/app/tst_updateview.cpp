// The update road through the controller against a loopback server: the
// start-up check, the view's four pages, Try again and Skip.
#include <QtTest>

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSettings>
#include <QStackedWidget>
#include <QTextEdit>

#include <functional>

#include "controller.h"
#include "core/edition.h"
#include "core/enviroment.h"
#include "core/languages.h"
#include "core/myconfig.h"
#include "core/vocabulary.h"
#include "httppeer.h"
#include "myupdateview.h"
#include "skinmanager.h"
#include "testsupport.h"
#include "ui_UpdateView.h"

namespace {
QByteArray reply(const QByteArray &code, const QByteArray &version)
{
    return "<upd:Update><upd:ProductCode>" + code + "</upd:ProductCode><upd:ProductVer>" + version
           + "</upd:ProductVer><upd:DownloadURL>http://dl.invalid/get</upd:DownloadURL><upd:WhatsNew>"
             "<upd:Description>" + QByteArray("<p>Faster <b>saving</b></p>").toBase64()
           + "</upd:Description></upd:WhatsNew></upd:Update>";
}
} // namespace

class TestUpdateView : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    std::unique_ptr<HttpPeer> m_peer;
    QStringList m_failures;

    void setReply(const QByteArray &body)
    {
        m_peer->put(QStringLiteral("update-product-info/update.php"), body);
    }
    void expect(bool ok, const QString &what)
    {
        if (!ok)
            m_failures << what;
    }
    bool waitFor(const std::function<bool()> &pred)
    {
        return QTest::qWaitFor(pred, 15000);
    }
    // Runs open() (which runs the view modally) while script() drives it;
    // the frame is closed afterwards whatever happened.
    // The frame that shows the update view now; it never waits for the
    // user (the start-up check's timer opens it too).
    static QWidget *shownFrame()
    {
        MyUpdateView *view = Controller::instance()->updateView();
        return view && view->isVisible() && view->window() != view ? view->window() : nullptr;
    }
    void runModal(const std::function<void()> &open, const std::function<void()> &script)
    {
        m_failures.clear();
        bool done = false;
        // The script runs once the frame is up.
        QTimer poll;
        poll.setInterval(20);
        connect(&poll, &QTimer::timeout, this, [&] {
            if (done || !shownFrame())
                return;
            poll.stop();
            script();
            done = true;
            if (QWidget *frame = shownFrame())
                frame->close();
        });
        poll.start();
        open();
        QVERIFY(!QApplication::activeModalWidget());
        QVERIFY(QTest::qWaitFor([&] { return done && !shownFrame(); }, 20000));
        QVERIFY2(m_failures.isEmpty(), qPrintable(m_failures.join("; ")));
    }
    Ui::UpdateView *form() { return Controller::instance()->updateView()->form(); }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        QDir(m_dir.path()).mkpath("www");
        m_peer.reset(new HttpPeer(m_dir.path() + "/www"));
        QVERIFY(m_peer->port() > 0);
        // The edition with a statistics link on the loopback server.
        QFile shipped(editionConfigurationPath());
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        QByteArray configuration = shipped.readAll();
        QVERIFY(configuration.contains("<Stalink></Stalink>"));
        configuration.replace("<Stalink></Stalink>", "<Stalink>" + m_peer->base().toUtf8() + "/stat.html</Stalink>");
        QFile edition(m_dir.path() + "/Configuration.xml");
        QVERIFY(edition.open(QIODevice::WriteOnly));
        edition.write(configuration);
        edition.close();
        ApplicationDataInput input{edition.fileName(), platformName(), companyName(), productName(), "en",
                                   supportedLanguages()};
        g_mireloData = new MireloData(input);
        QVERIFY(g_mireloData->load());
        g_myConfig = new MyConfig;
        QVERIFY(g_myConfig->isFirstRun());
        QVERIFY(SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo",
                                              testsupport::binDir() + "/Skin")
                != SkinManager::StatusNoSkin);
        setReply(reply("MIR", "1.2.0.0"));
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Olvex", "Free Mirelo");
        settings.setValue("Services/UpdateService", m_peer->base());
        settings.sync();
        g_enviroment = new Enviroment;
        g_enviroment->others()->setAutoCheckUpdate(true);
        // Made here: its start-up query runs now, on its worker thread, and
        // the statistics visit says this is the first run.
        QVERIFY(!Controller::instance()->updateView());
        QVERIFY(Controller::instance()->statisticsPage());
        QTRY_VERIFY(m_peer->paths().contains("/stat.html?ver=1.0.0.1&lang=en&first="));
    }

    void startupCheckOpensTheAvailablePage()
    {
        Controller *c = Controller::instance();
        runModal([c] { c->checkUpdateOnStartup(); }, [this] {
            expect(waitFor([this] { return form()->stackedWidget->currentIndex() == 2; }), "not on the update page");
            MyUpdateView *view = Controller::instance()->updateView();
            expect(view->size() == QSize(500, 436), "size");
            expect(form()->FoundVersionLabel->text() == "Update available: 1.2.0.0", form()->FoundVersionLabel->text());
            expect(form()->CurrentVersionLabel_2->text() == "Current version: 1.0.0.1", "current version");
            expect(form()->NewInfoBrowser->toPlainText() == "Faster saving", form()->NewInfoBrowser->toPlainText());
            form()->SkipButton->click();
        });
        // One request, the start-up one, with the edition's values.
        QCOMPARE(m_peer->paths().filter("update.php"), QStringList{"/update-product-info/update.php?action=getinfo"
                                              "&product=Olvex%20Free%20Mirelo&versioncur=1.0.0.1&lang=en"});
        QCOMPARE(g_myConfig->skipVersion(), QString("1.2.0.0"));
        QVERIFY(!c->updateView()->isVisible());
        // Skip is kept in memory until the options are saved at exit.
        QFile config(g_myConfig->dataPath() + "config.xml");
        QVERIFY(!config.open(QIODevice::ReadOnly) || !config.readAll().contains("1.2.0.0"));
        config.close();
        delete g_myConfig;
        g_myConfig = new MyConfig;
        QCOMPARE(g_myConfig->skipVersion(), QString("1.2.0.0"));
        QCOMPARE(c->updateDownloadAddress(), QString("http://dl.invalid/get?product=MIR"));
    }

    void startupPromptRules()
    {
        QVERIFY(Controller::updatePromptWanted(-12, "1.2", "", "1.0.0.1"));
        QVERIFY(!Controller::updatePromptWanted(-12, "1.2", "1.2", "1.0.0.1"));
        // A reply without a product, even with a newer version, stays quiet.
        QVERIFY(!Controller::updatePromptWanted(-11, "1.2", "", "1.0.0.1"));
        QVERIFY(!Controller::updatePromptWanted(-13, "1.0.0.1", "", "1.0.0.1"));
    }

    void menuCheckShowsEachPage()
    {
        Controller *c = Controller::instance();
        UpdateQuery::setDefaultTimeout(1000);
        setReply(reply("MIR", "1.0.0.1"));
        runModal([c] { c->showUpdateView(); }, [this, c] {
            expect(waitFor([this] { return form()->stackedWidget->currentIndex() == 1; }), "not on the latest page");
            expect(form()->CurrentVersionLabel->text() == "Current version: 1.0.0.1", "latest text");
            expect(c->updateView()->size() == QSize(500, 213), "latest size");

            setReply("not xml at all");
            c->retryUpdateCheck();
            expect(waitFor([this] { return form()->btnRetry->isVisible(); }), "no failed page");
            expect(form()->checkStackWidget->currentIndex() == 1 && form()->stackedWidget->currentIndex() == 0,
                   "failed page");
            expect(form()->checkFailedLabel->text() == "Update:xml data error. (-14)", form()->checkFailedLabel->text());

            setReply(reply("", "3.0"));
            form()->btnRetry->click();
            // Straight back to the busy page, the button hidden.
            expect(!form()->btnRetry->isVisible() && form()->checkStackWidget->currentIndex() == 0, "busy page");
            expect(waitFor([this] { return form()->btnRetry->isVisible(); }), "no failed page");
            expect(form()->checkFailedLabel->text() == "Update: failed to find product record.",
                   form()->checkFailedLabel->text());

            // The menu shows a skipped version all the same.
            setReply(reply("MIR", "1.2.0.0"));
            form()->btnRetry->click();
            expect(waitFor([this] { return form()->stackedWidget->currentIndex() == 2; }), "skipped version hidden");
        });
    }

    void timeOutAndRefusedConnection()
    {
        Controller *c = Controller::instance();
        QSettings settings(QSettings::NativeFormat, QSettings::UserScope, "Olvex", "Free Mirelo");
        settings.setValue("Services/UpdateService", m_peer->base() + "/stall?");
        settings.sync();
        runModal([c] { c->showUpdateView(); }, [this] {
            expect(waitFor([this] { return form()->btnRetry->isVisible(); }), "no failed page");
            expect(form()->checkFailedLabel->text() == "Time out in requesting background data. (28)",
                   form()->checkFailedLabel->text());
        });
        settings.setValue("Services/UpdateService", QString("http://127.0.0.1:%1").arg(closedPort()));
        settings.sync();
        runModal([c] { c->showUpdateView(); }, [this] {
            expect(waitFor([this] { return form()->btnRetry->isVisible(); }), "no failed page");
            expect(form()->checkFailedLabel->text().startsWith("Program can't connect to the Internet."),
                   form()->checkFailedLabel->text());
        });
    }
};

QTEST_MAIN(TestUpdateView)
#include "tst_updateview.moc"
