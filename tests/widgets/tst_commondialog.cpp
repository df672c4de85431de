// The common dialog's factories, driven as a user would; the dialog of a
// desktop overlay, whose window it belongs to and where the overlay lies;
// an overlay kept above another program's windows.
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimeEdit>
#include <QtTest>

#include <functional>

#include "commondialog.h"
#include "core/enviroment.h"
#include "desktopoverlay.h"
#include "platform/fakewindowstacking.h"
#include "core/vocabulary.h"
#include "skinmanager.h"
#include "stackingrule.h"
#include "testsupport.h"
#include "ui_commondialog.h"

namespace {

// Runs `act` on the dialog once the factory has it on screen. The polling
// timer owns the check and goes with it.
void whenShown(std::function<void(CommonDialog *)> act)
{
    auto *timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, act] {
        auto *d = qobject_cast<CommonDialog *>(QApplication::activeModalWidget());
        if (!d)
            return;
        timer->stop();
        timer->deleteLater();
        QPointer<CommonDialog> guard(d);
        act(d);
        // A failed check leaves the dialog open: end it, not the test run.
        QTimer::singleShot(1000, [guard] {
            if (guard)
                guard->reject();
        });
    });
    timer->start();
}

void clickOk(CommonDialog *d) { QTest::mouseClick(d->form()->btnOK, Qt::LeftButton); }
void clickClose(CommonDialog *d) { QTest::mouseClick(d->form()->btnClose, Qt::LeftButton); }
void clickCancel(CommonDialog *d) { QTest::mouseClick(d->form()->btnCancel, Qt::LeftButton); }

} // namespace

class TestCommonDialog : public QObject
{
    Q_OBJECT

    QPointer<CommonDialog> seen;

private slots:
    void initTestCase() { g_enviroment = new Enviroment; }
    void cleanupTestCase()
    {
        delete g_enviroment;
        g_enviroment = nullptr;
    }
    void init() { g_dscale = 1.0; }

    void warningHasOneOkButton()
    {
        whenShown([this](CommonDialog *d) {
            seen = d;
            QCOMPARE(d->size(), QSize(483, 184));
            QCOMPARE(d->form()->lblPrompt->text(), QStringLiteral("Disk full"));
            QCOMPARE(d->form()->btnOK->text(), QStringLiteral("Ok"));
            QVERIFY(d->form()->btnCancel->isHidden());
            QVERIFY(d->form()->chxDeleteLocalFile->isHidden());
            QVERIFY(d->form()->lineEdit->isHidden());
            QCOMPARE(d->form()->lblCaption->text(), QCoreApplication::applicationName());
            QCOMPARE(d->windowTitle(), QCoreApplication::applicationName()); // what taskbars list
            clickOk(d);
        });
        QVERIFY(CommonDialog::showWarning(nullptr, "Disk full"));
        QVERIFY(seen.isNull()); // deleted before the factory returned

        whenShown(clickClose);
        QVERIFY(!CommonDialog::showWarning(nullptr, "x"));
        whenShown([](CommonDialog *d) { QTest::keyClick(d, Qt::Key_Escape); });
        QVERIFY(!CommonDialog::showWarning(nullptr, "x"));
    }

    void tipTellsWhetherToShowAgain()
    {
        g_enviroment->others()->setIsShowToAudioTips(false);
        whenShown([](CommonDialog *d) {
            QVERIFY(d->form()->chxDeleteLocalFile->isChecked()); // tips were turned off
            clickOk(d);
        });
        bool showAgain = true;
        QVERIFY(CommonDialog::showTip(nullptr, "tip", &showAgain));
        QCOMPARE(showAgain, false);
        g_enviroment->others()->setIsShowToAudioTips(true);

        whenShown([](CommonDialog *d) {
            QVERIFY(d->form()->btnCancel->isVisible());
            QCOMPARE(d->form()->chxDeleteLocalFile->text(), QStringLiteral("No longer tips"));
            QVERIFY(!d->form()->chxDeleteLocalFile->isChecked()); // the tip is on by default
            clickOk(d);
        });
        QVERIFY(CommonDialog::showTip(nullptr, "tip", &showAgain));
        QCOMPARE(showAgain, true);

        whenShown([](CommonDialog *d) {
            d->form()->chxDeleteLocalFile->setChecked(true);
            clickOk(d);
        });
        QVERIFY(CommonDialog::showTip(nullptr, "tip", &showAgain));
        QCOMPARE(showAgain, false);

        showAgain = true;
        whenShown([](CommonDialog *d) {
            d->form()->chxDeleteLocalFile->setChecked(true);
            clickCancel(d);
        });
        QVERIFY(!CommonDialog::showTip(nullptr, "tip", &showAgain));
        QCOMPARE(showAgain, true); // untouched when not answered
    }

    void closeQuestion()
    {
        bool askAgain = false;
        whenShown([](CommonDialog *d) {
            QVERIFY(d->form()->rdoMinimize->isVisible());
            QVERIFY(d->form()->rdoExitProgram->isVisible());
            QVERIFY(d->form()->lblPrompt->isHidden());
            QVERIFY(d->form()->btnCancel->isHidden());
            QVERIFY(d->form()->rdoMinimize->isChecked()); // ExitWhenClose is off by default
            clickOk(d);
        });
        QCOMPARE(CommonDialog::askCloseAction(nullptr, &askAgain), 0);
        QCOMPARE(askAgain, true);

        // Switching to "Exit program" and closing the dialog cancels, and
        // the earlier choice stays stored: the next question starts from it.
        askAgain = false;
        whenShown([](CommonDialog *d) {
            d->form()->rdoExitProgram->setChecked(true);
            clickClose(d);
        });
        QCOMPARE(CommonDialog::askCloseAction(nullptr, &askAgain), -1);
        QCOMPARE(askAgain, false);
        QCOMPARE(g_enviroment->others()->ExitWhenClose, false);
        whenShown([](CommonDialog *d) {
            QVERIFY(d->form()->rdoMinimize->isChecked());
            d->form()->rdoExitProgram->setChecked(true);
            d->form()->chxDeleteLocalFile->setChecked(true);
            clickOk(d);
        });
        QCOMPARE(CommonDialog::askCloseAction(nullptr, &askAgain), 1);
        QCOMPARE(askAgain, false);
        QCOMPARE(g_enviroment->others()->ExitWhenClose, true);
        // An answered question keeps what it stored.
        whenShown([](CommonDialog *d) {
            QVERIFY(d->form()->rdoExitProgram->isChecked());
            d->form()->rdoMinimize->setChecked(true);
            clickOk(d);
        });
        QCOMPARE(CommonDialog::askCloseAction(nullptr, &askAgain), 0);
        QCOMPARE(g_enviroment->others()->ExitWhenClose, false);

        // With the question turned off, the box says so.
        g_enviroment->others()->setExitWhenCloseTip(false);
        whenShown([](CommonDialog *d) {
            QVERIFY(d->form()->chxDeleteLocalFile->isChecked());
            clickClose(d);
        });
        QCOMPARE(CommonDialog::askCloseAction(nullptr, &askAgain), -1);
        g_enviroment->others()->setExitWhenCloseTip(true);
    }

    void confirmations()
    {
        whenShown([](CommonDialog *d) {
            QCOMPARE(d->form()->btnOK->text(), QStringLiteral("Remove"));
            QVERIFY(d->form()->btnCancel->isHidden());
            clickOk(d);
        });
        QVERIFY(CommonDialog::confirmRemove(nullptr, "Remove it?"));

        bool deleteLocal = false;
        whenShown([](CommonDialog *d) {
            QCOMPARE(d->form()->lblPrompt->text(),
                     QStringLiteral("Are you sure to remove the history recording from the list?"));
            QVERIFY(d->form()->chxDeleteLocalFile->isVisible());
            clickOk(d); // the box is checked from the start
        });
        QVERIFY(CommonDialog::confirmRemoveHistory(nullptr, &deleteLocal));
        QCOMPARE(deleteLocal, true);
        whenShown([](CommonDialog *d) {
            d->form()->chxDeleteLocalFile->setChecked(false);
            clickCancel(d);
        });
        QVERIFY(!CommonDialog::confirmRemoveHistory(nullptr, &deleteLocal));
        QCOMPARE(deleteLocal, true);

        whenShown([](CommonDialog *d) {
            QCOMPARE(d->form()->btnOK->text(), QStringLiteral("Ok"));
            QCOMPARE(d->form()->btnCancel->text(), QStringLiteral("No"));
            clickCancel(d);
        });
        QVERIFY(!CommonDialog::confirmDeleteTask(nullptr));
    }

    void renameRefusesWhatAFileNameCannotHold()
    {
        whenShown([](CommonDialog *d) {
            QCOMPARE(d->size(), QSize(382, 223));
            QVERIFY(d->form()->lblCaption->isHidden());
            QVERIFY(d->form()->lblIcon->isHidden());
            QLineEdit *edit = d->form()->lineEdit;
            QCOMPARE(edit->text(), QStringLiteral("Video_old"));
            edit->clear();
            QTest::keyClicks(edit, "a:b");
            QCOMPARE(edit->text(), QStringLiteral("ab"));
            // Pasted text is held to the same rule.
            QApplication::clipboard()->setText("x/../y");
            edit->paste();
            QCOMPARE(edit->text(), QStringLiteral("ab"));
            QApplication::clipboard()->setText("_c");
            edit->paste();
            QCOMPARE(edit->text(), QStringLiteral("ab_c"));
            clickOk(d);
        });
        QCOMPARE(CommonDialog::inputFileName(nullptr, "Video_old"), QStringLiteral("ab_c"));

        // A folder name is no file name.
        whenShown([](CommonDialog *d) {
            d->form()->lineEdit->setText("..");
            QVERIFY(!d->form()->btnOK->isEnabled());
            d->accept();
        });
        QCOMPARE(CommonDialog::inputFileName(nullptr, "a"), QString());

        whenShown(clickCancel);
        QCOMPARE(CommonDialog::inputFileName(nullptr, "keep"), QString());
    }

    void taskNameTakesAnyText()
    {
        whenShown([](CommonDialog *d) {
            QCOMPARE(d->size(), QSize(483, 184));
            QTest::keyClick(d->form()->lineEdit, Qt::Key_End);
            QTest::keyClicks(d->form()->lineEdit, ":2");
            clickOk(d);
        });
        QCOMPARE(CommonDialog::inputTaskName(nullptr, "Job"), QStringLiteral("Job:2"));
        whenShown(clickClose);
        QCOMPARE(CommonDialog::inputTaskName(nullptr, "Job"), QString());
    }

    void timeInput()
    {
        whenShown([](CommonDialog *d) {
            QVERIFY(d->form()->timeEdit->isVisible());
            QVERIFY(d->form()->lineEdit->isHidden());
            QCOMPARE(d->form()->timeEdit->time(), QTime(10, 20, 30));
            d->form()->timeEdit->setTime(QTime(11, 0, 5));
            clickOk(d);
        });
        QCOMPARE(CommonDialog::inputTime(nullptr, QTime(10, 20, 30)), QTime(11, 0, 5));
        whenShown(clickCancel);
        QVERIFY(!CommonDialog::inputTime(nullptr, QTime(1, 2, 3)).isValid());
    }

    void resultTexts()
    {
        whenShown([](CommonDialog *d) {
            QCOMPARE(d->form()->lblPrompt->text(), QStringLiteral("Operation successfully done."));
            clickOk(d);
        });
        CommonDialog::showResult(nullptr, true);
        whenShown([](CommonDialog *d) {
            QCOMPARE(d->form()->lblPrompt->text(), QStringLiteral("Operation failed."));
            clickOk(d);
        });
        CommonDialog::showResult(nullptr, false);
    }

    // Opened by an overlay (the control bar), which no window manager knows,
    // the dialog belongs to the main window while that shows, else to the
    // whole program; the overlay lies under the dialog while it shows.
    void dialogOfAnOverlay()
    {
        FakeWindowStacking stacking;
        QWidget main;
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        auto *bar = new QDialog(&main);
        DesktopOverlay::make(bar, DesktopOverlay::FocusOnClick);
        bar->show();
        QVERIFY(QTest::qWaitForWindowExposed(bar));
        const quint32 mainId = stacking.topLevelOf(main.windowHandle()), barId = stacking.topLevelOf(bar->windowHandle());
        for (bool mainShows : {true, false}) {
            main.setVisible(mainShows);
            bool checked = false;
            whenShown([&](CommonDialog *d) {
                QCOMPARE(d->windowHandle()->transientParent(), mainShows ? main.windowHandle() : nullptr);
                // Mapped where the window manager puts a new window: under
                // the overlay.
                stacking.calls.clear();
                stacking.order = {mainId, stacking.topLevelOf(d->windowHandle()), barId};
                stacking.stackingChanged();
                QTRY_COMPARE(stacking.calls.filter(QStringLiteral(" under ")).size(), 1);
                checked = true;
                clickOk(d);
            });
            QVERIFY(CommonDialog::showWarning(bar, QStringLiteral("!")));
            QVERIFY(checked);
        }
        delete bar;
        // Nothing left to restack: the desktop's stacking is no longer heard.
        QTRY_COMPARE(stacking.watchers(), 0);
    }

    // A window that raises itself whenever the overlay goes over it is
    // soon no longer fought; another window raised meanwhile is, at once.
    void overlayKeptAboveBacksOffOnlyFromTheWindowThatFights()
    {
        FakeWindowStacking stacking;
        QWidget bar;
        DesktopOverlay::make(&bar);
        stacking::keepAbove(&bar);
        // Each raise of the overlay.
        struct Raises : QObject {
            int count = 0;
            bool eventFilter(QObject *, QEvent *e) override
            {
                count += e->type() == QEvent::ZOrderChange;
                return false;
            }
        } zOrder;
        bar.installEventFilter(&zOrder);
        bar.show();
        QVERIFY(QTest::qWaitForWindowExposed(&bar));
        const quint32 barId = stacking.topLevelOf(bar.windowHandle()), locker = barId + 1, other = barId + 2;
        const auto covered = [&](const QVector<quint32> &order) {
            const int before = zOrder.count;
            stacking.order = order;
            stacking.stackingChanged();
            QCoreApplication::processEvents();
            return zOrder.count > before;
        };
        int rounds = 0;
        while (rounds < 10 && covered({barId, locker}))
            ++rounds;
        QVERIFY2(rounds < 10, "the overlay fought the self-raising window");
        QVERIFY(rounds > 0);
        QVERIFY(covered({barId, locker, other}));
    }

    void sizesFollowTheDisplayScale()
    {
        g_dscale = 1.25;
        whenShown([](CommonDialog *d) {
            QCOMPARE(d->size(), QSize(603, 230));
            QCOMPARE(d->form()->wdtCaption->height(), 45);
            clickOk(d);
        });
        CommonDialog::showResult(nullptr, true);
        whenShown([](CommonDialog *d) {
            QCOMPARE(d->size(), QSize(477, 278));
            clickCancel(d);
        });
        CommonDialog::inputFileName(nullptr, "a");
    }

    void roundedCornersAndCaptionColour()
    {
        whenShown([](CommonDialog *d) {
            const QRegion mask = CommonDialog::roundedShape(d->size());
            QVERIFY(!mask.isEmpty());
            QVERIFY(!mask.contains(QPoint(0, 0)));
            QVERIFY(!mask.contains(QPoint(d->width() - 1, d->height() - 1)));
            QVERIFY(mask.contains(QPoint(d->width() / 2, d->height() / 2)));
            QVERIFY(mask.contains(QPoint(10, 0)));
            QEvent deactivate(QEvent::WindowDeactivate);
            QApplication::sendEvent(d, &deactivate);
            QCOMPARE(d->form()->lblCaption->styleSheet(), QStringLiteral("color:gray"));
            QEvent activate(QEvent::WindowActivate);
            QApplication::sendEvent(d, &activate);
            QCOMPARE(d->form()->lblCaption->styleSheet(), QStringLiteral("color:white"));
            clickOk(d);
        });
        CommonDialog::showWarning(nullptr, "x");
    }

    void captionDragsTheDialog()
    {
        whenShown([](CommonDialog *d) {
            QWidget *caption = d->form()->wdtCaption;
            const QPoint start = d->pos();
            QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(caption->mapToGlobal(QPoint(5, 5))),
                              Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(caption, &press);
            QMouseEvent move(QEvent::MouseMove, QPointF(35, 25), QPointF(caption->mapToGlobal(QPoint(35, 25))),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(caption, &move);
            QCOMPARE(d->pos(), start + QPoint(30, 20));
            clickOk(d);
        });
        CommonDialog::showWarning(nullptr, "x");
    }

    // Last: it leaves the skin's style sheet behind. Every side of the
    // dialog shows the skin's border line, so the dialog stands apart from
    // the window under it.
    void borderOnEverySide()
    {
        SkinManager *skin = SkinManager::instance();
        QVERIFY(skin->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin")
                != SkinManager::StatusNoSkin);
        for (int index = 0; index < skinNames().size(); ++index) {
            skin->ChangeSkin(index);
            skin->loadStyleSheet();
            qApp->setStyleSheet(skin->styleSheet());
            for (bool question : {false, true}) {
                whenShown([index](CommonDialog *d) {
                    const QImage shot = d->grab().toImage();
                    const int w = shot.width(), h = shot.height();
                    const QColor line = shot.pixelColor(0, h / 2);
                    const QString where = QStringLiteral("skin %1: ").arg(index);
                    for (const QPoint &edge : {QPoint(w - 1, h / 2), QPoint(w / 2, 0), QPoint(w / 2, h - 1)})
                        QVERIFY2(shot.pixelColor(edge) == line, qPrintable(where + "the border is not all round"));
                    // Drawn over the caption, the page and the bottom bar alike.
                    for (const QPoint &inside : {QPoint(2, h / 2), QPoint(w / 2, 2), QPoint(w / 2, h - 3)})
                        QVERIFY2(shot.pixelColor(inside) != line, qPrintable(where + "no border line"));
                    clickOk(d);
                });
                if (question) {
                    bool again = true;
                    CommonDialog::askCloseAction(nullptr, &again);
                } else {
                    CommonDialog::showWarning(nullptr, "No webcam detected.");
                }
            }
        }
        qApp->setStyleSheet(QString());
    }
};

QTEST_MAIN(TestCommonDialog)
#include "tst_commondialog.moc"
