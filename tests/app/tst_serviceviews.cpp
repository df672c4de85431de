// The about view and the privacy notice: the addresses their buttons and
// links send, the notice's text and when it offers the desktop's settings,
// its OK and Escape, and the service views' shape.
#include <QtTest>

#include <QApplication>
#include <QBitmap>
#include <QDesktopServices>
#include <QLabel>
#include <QPushButton>

#include "controller.h"
#include "core/edition.h"
#include "core/myconfig.h"
#include "core/vocabulary.h"
#include "mainwindow/myframe.h"
#include "myaboutview.h"
#include "mybugreportview.h"
#include "mysystemprivacywidget.h"
#include "skinmanager.h"
#include "testsupport.h"
#include "ui_AboutView.h"
#include "ui_SystemPrivacyWidget.h"
#include "widgets/serviceshape.h"

class UrlCapture : public QObject
{
    Q_OBJECT
public:
    QList<QUrl> urls;
public slots:
    void open(const QUrl &url) { urls << url; }
};

class TestServiceViews : public QObject
{
    Q_OBJECT
    UrlCapture capture;

    static QString decorated(const QString &link)
    {
        return g_mireloData->decorateUrl(link).toString();
    }

private slots:
    void initTestCase()
    {
        QVERIFY(testsupport::isolatedHome());
        QVERIFY(createApplicationData());
        g_myConfig = new MyConfig;
        QVERIFY(SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo",
                                              testsupport::binDir() + "/Skin")
                != SkinManager::StatusNoSkin);
        Controller::instance();
        for (const char *scheme : {"http", "https", "ms-settings"})
            QDesktopServices::setUrlHandler(scheme, &capture, "open");
    }
    void init()
    {
        g_dscale = 1.0;
        capture.urls.clear();
    }

    void aboutShowsTheEditionAndOpensItsLinks()
    {
        MyAboutView view;
        Ui::AboutView *ui = view.form();
        QCOMPARE(view.size(), QSize(600, 350));
        QCOMPARE(ui->lblProductName->text(), g_mireloData->fullProductName());
        QCOMPARE(ui->lblVersion->text(), g_mireloData->version());
        QVERIFY(!ui->lblLogo->pixmap(Qt::ReturnByValue).isNull());
        // Each button shows its address, shortened in the middle only when
        // the button is too narrow; the tool tip keeps it whole.
        for (auto [button, link] : {qMakePair(ui->btnSupport, g_mireloData->supportLink()),
                                    qMakePair(ui->btnWebsite, g_mireloData->homeLink())}) {
            QCOMPARE(button->toolTip(), link);
            QCOMPARE(button->text(), button->fontMetrics().elidedText(link, Qt::ElideMiddle, button->width() - 10));
            QVERIFY(button->text().startsWith("https:"));
        }
        QVERIFY(ui->lblNotice->text().contains(g_mireloData->copyrightTime()));
        QVERIFY(!g_mireloData->copyrightTime().isEmpty());

        ui->btnSupport->click();
        ui->btnWebsite->click();
        QCOMPARE(capture.urls.size(), 2);
        QCOMPARE(capture.urls[0].toString(), decorated(g_mireloData->supportLink()));
        QCOMPARE(capture.urls[1].toString(), decorated(g_mireloData->homeLink()));
        QVERIFY(capture.urls[0].query().contains("lang=" + g_mireloData->language()));

        // A retranslation fills the product label again.
        ui->lblProductName->clear();
        view.retranslate();
        QCOMPARE(ui->lblProductName->text(), QStringLiteral("Olvex Free Mirelo"));
    }

    void noticeOpensTheKindsPrivacyPage_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QStringList>("sent");
        QTest::newRow("none") << 0 << QStringList();
        QTest::newRow("webcam") << 1 << QStringList{"ms-settings:privacy-webcam"};
        QTest::newRow("microphone") << 2 << QStringList{"ms-settings:privacy-microphone"};
    }
    void noticeOpensTheKindsPrivacyPage()
    {
        QFETCH(int, kind);
        QFETCH(QStringList, sent);
        MySystemPrivacyWidget view;
        view.setDeviceKind(kind);
        view.form()->btnOpenPrivacy->click();
        QStringList urls;
        for (const QUrl &url : capture.urls)
            urls << url.toString();
        QCOMPARE(urls, sent);
    }

    // Written for Linux: what keeps a device from a program here, and the
    // settings button only where the desktop has such a page.
    void noticeSaysWhatHoldsADeviceAndOffersOnlyPagesThatExist()
    {
        MySystemPrivacyWidget view;
        const QString text = view.form()->lblMessage->text();
        for (const char *part : {"another program", "rights", "privacy settings"})
            QVERIFY2(text.contains(part), part);
        QVERIFY(!text.contains("Win"));

        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", bin.path().toLocal8Bit());
        for (int kind : {0, 1, 2}) {
            view.setDeviceKind(kind);
            QVERIFY(view.form()->btnOpenPrivacy->isHidden());
        }
        QFile tool(bin.filePath("gnome-control-center"));
        QVERIFY(tool.open(QIODevice::WriteOnly));
        tool.write("#!/bin/sh\n");
        tool.close();
        tool.setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
        for (int kind : {1, 2}) {
            view.setDeviceKind(kind);
            QVERIFY(!view.form()->btnOpenPrivacy->isHidden());
        }
        view.setDeviceKind(0);
        QVERIFY(view.form()->btnOpenPrivacy->isHidden());
        qputenv("PATH", path);
    }

    void noticeOkClosesFirstThenEmitsEscapeEmitsNothing_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<QList<int>>("emitted");
        QTest::newRow("ok webcam") << 1 << false << QList<int>{1};
        QTest::newRow("ok microphone") << 2 << false << QList<int>{2};
        QTest::newRow("ok none") << 0 << false << QList<int>{};
        QTest::newRow("escape") << 2 << true << QList<int>{};
    }
    void noticeOkClosesFirstThenEmitsEscapeEmitsNothing()
    {
        QFETCH(int, kind);
        QFETCH(bool, escape);
        QFETCH(QList<int>, emitted);
        QWidget owner;
        auto *view = new MySystemPrivacyWidget(&owner, Qt::FramelessWindowHint);
        view->setDeviceKind(kind);
        QList<int> got;
        bool openAtEmit = true;
        MyFrame *frame = new MyFrame(view, &owner, 0, QPixmap(), 0, 0);
        connect(view, &MySystemPrivacyWidget::SigPrivacyCloseDevice, this, [&](int k) {
            got << k;
            openAtEmit = frame->isVisible();
        });
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        if (escape)
            QTest::keyClick(view->form()->btnOK, Qt::Key_Escape);
        else
            view->form()->btnOK->click();
        QTRY_VERIFY(!frame->isVisible());
        QCOMPARE(got, emitted);
        if (!got.isEmpty())
            QVERIFY(!openAtEmit);
        // The view went back to its owner and lives on.
        QCOMPARE(view->parentWidget(), &owner);
        delete frame;
    }

    void noticeLinksOpenSupportAndTheBugReport()
    {
        MySystemPrivacyWidget view;
        view.setDeviceKind(1);
        emit view.form()->lblMoreInfo->linkActivated("More information");
        QCOMPARE(capture.urls.size(), 1);
        QCOMPARE(capture.urls[0].toString(), decorated(g_mireloData->supportLink()));

        bool opened = false;
        QTimer::singleShot(0, [&] {
            auto *frame = qobject_cast<MyFrame *>(QApplication::activeModalWidget());
            opened = frame && qobject_cast<MyBugReportView *>(frame->content());
            if (frame)
                frame->close();
        });
        emit view.form()->lblRetry->linkActivated("contact us");
        QVERIFY(opened);
    }

    void shapeCutsOnlyTheBottomCorners_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("1.0") << 1.0;
        QTest::newRow("1.5") << 1.5;
    }
    void shapeCutsOnlyTheBottomCorners()
    {
        QFETCH(double, scale);
        g_dscale = scale;
        MyAboutView about;
        MySystemPrivacyWidget notice;
        QCOMPARE(about.size(), QSize(int(600 * scale), int(350 * scale)));
        QCOMPARE(notice.size(), QSize(int(600 * scale), int(380 * scale)));
        for (const QSize &size : {about.size(), notice.size()}) {
            const QRegion shape(bottomRoundedShape(size));
            const int w = size.width(), h = size.height();
            auto inside = [&](int x, int y) { return shape.contains(QPoint(x, y)); };
            QVERIFY(inside(0, 0));
            QVERIFY(inside(w - 1, 0));
            QVERIFY(inside(w / 2, h - 1));
            QVERIFY(inside(0, h - 17));
            QVERIFY(!inside(0, h - 1));
            QVERIFY(!inside(w - 1, h - 1));
            QVERIFY(!inside(2, h - 3));
        }
    }
};

QTEST_MAIN(TestServiceViews)
#include "tst_serviceviews.moc"
