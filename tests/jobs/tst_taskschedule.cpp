// The task window over a store in memory: the table's texts, colours and
// expiry, the row buttons after a delete, Play and Pause through the store,
// and the form cycle that keeps the firing timer stopped; the one message
// that names every task file that will not run.
#include <QtTest>

#include "core/vocabulary.h"
#include "dialoghook.h"
#include "everylanguage.h"
#include "faketaskservice.h"
#include "filetaskservice.h"
#include "keptfile.h"
#include "taskschedule.h"
#include "taskscheduledetail.h"
#include "taskschedulelist.h"
#include "taskschedulemodel.h"
#include "ui_taskschedule.h"
#include "ui_taskscheduledetail.h"

#include <QLabel>
#include <QScrollArea>
#include <QScrollBar>

class TestTaskSchedule : public QObject
{
    Q_OBJECT

    FakeTaskService *m_service = nullptr;
    std::unique_ptr<TaskScheduleList> m_list;
    QDateTime m_now = QDateTime::currentDateTime();

    TaskScheduleItem *addJob(const QString &description, const QDateTime &start, int repeat = 0)
    {
        TaskScheduleItem *job = m_list->createItem();
        job->setDescription(description);
        job->setStartTime(start);
        job->setRepeat(repeat);
        job->setWeekdayMask(repeat ? 127 : 0);
        job->setStopType(TaskScheduleItem::StopByLength);
        job->setLength(90);
        job->setEnabled(true);
        job->recordSource()->screenEnabled = true;
        job->recordSource()->screenRect = QRect(0, 0, 64, 48);
        job->registerTask();
        m_list->appendItem(job);
        return job;
    }
    QString text(TaskScheduleModel *model, int row, int column)
    {
        return model->index(row, column).data().toString();
    }

private slots:
    void init()
    {
        auto service = std::make_unique<FakeTaskService>();
        service->folders.append(TaskScheduleList::folderPath());
        m_service = service.get();
        m_list = std::make_unique<TaskScheduleList>(std::move(service), [this] { return m_now; });
    }
    void cleanup() { m_list.reset(); }

    void modelTextsColoursAndExpiry()
    {
        TaskScheduleItem *once = addJob(QStringLiteral("Once"), QDateTime(QDate(2030, 1, 2), QTime(3, 4, 5)));
        once->setLoop(2);
        TaskScheduleItem *weekly = addJob(QStringLiteral("Weekly"), QDateTime(QDate(2026, 1, 1), QTime(8, 30)), 1);
        weekly->setStopType(TaskScheduleItem::StopByHand);
        TaskScheduleItem *past = addJob(QStringLiteral("Past"), m_now.addSecs(-60));
        past->setStopType(TaskScheduleItem::StopAtTime);
        past->setStopTime(past->startTime().addSecs(3725));
        past->setLoop(4);
        TaskScheduleModel model;
        model.setList(m_list.get());
        model.setClock([this] { return m_now; });
        QCOMPARE(model.columnCount(), 5);
        QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("   Name"));
        QCOMPARE(model.headerData(0, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), 129);
        QCOMPARE(model.headerData(3, Qt::Horizontal, Qt::TextAlignmentRole).toInt(), 132);
        QCOMPARE(text(&model, 0, 1), QStringLiteral("01-02-2030 03:04:05"));
        QCOMPARE(text(&model, 0, 2), QStringLiteral("00:01:30"));
        QCOMPARE(text(&model, 0, 3), QStringLiteral("2"));
        QCOMPARE(text(&model, 1, 1), QStringLiteral("08:30:00(Repeat)"));
        QCOMPARE(text(&model, 1, 2), QStringLiteral("Manually"));
        QCOMPARE(text(&model, 2, 2), QStringLiteral("01:02:05"));
        QCOMPARE(text(&model, 2, 3), QString()); // a stop time shows no loops
        QCOMPARE(text(&model, 0, 4), QStringLiteral("Enable"));
        QCOMPARE(model.index(0, 4).data(Qt::ForegroundRole).value<QColor>(), QColor(QStringLiteral("#4BB86D")));
        // The passed once job reads disabled and grey, in memory only.
        const int calls = m_service->calls.size();
        QCOMPARE(text(&model, 2, 4), QStringLiteral("Disable"));
        QCOMPARE(model.index(2, 4).data(Qt::ForegroundRole).value<QColor>(), QColor(QStringLiteral("#C8CBEF")));
        QVERIFY(past->isExpired());
        QVERIFY(!past->isEnabled());
        QCOMPARE(m_service->calls.size(), calls);
        QVERIFY(!weekly->isExpired());
    }

    void playAndPauseWriteTheTask()
    {
        TaskScheduleItem *job = addJob(QStringLiteral("Job"), m_now.addDays(1));
        DialogHook hook;
        TaskSchedule window(nullptr, m_list.get());
        window.form()->tableView->setCurrentIndex(window.model()->index(0, 0));
        window.btnPauseClicked();
        QVERIFY(!job->isEnabled());
        QVERIFY(!m_service->tasks.value(job->name()).triggers.first().enabled);
        QVERIFY(window.form()->btnPlay->isEnabled());
        QVERIFY(!window.form()->btnPause->isEnabled());
        // A refused registration puts the flag back and says so.
        m_service->failRegister = true;
        window.btnPlayClicked();
        QVERIFY(!job->isEnabled());
        QCOMPARE(hook.prompts, QStringList{QStringLiteral("Operation failed.")});
        QVERIFY(window.form()->btnPlay->isEnabled());
    }

    void buttonsFollowAJobThatPassedWhileHidden()
    {
        addJob(QStringLiteral("Soon"), m_now.addSecs(60));
        TaskSchedule window(nullptr, m_list.get());
        window.model()->setClock([this] { return m_now; });
        Ui::TaskScheduleClass *ui = window.form();
        window.SlotClickItem(window.model()->index(0, 0));
        QVERIFY(ui->btnPause->isEnabled());
        m_now = m_now.addSecs(120); // the job ran while the window was hidden
        window.show();
        QVERIFY(!ui->btnPause->isEnabled() && !ui->btnPlay->isEnabled());
        QVERIFY(ui->btnEdit->isEnabled() && ui->btnDelete->isEnabled());
    }

    void buttonsAfterDelete()
    {
        addJob(QStringLiteral("First"), m_now.addDays(1));
        TaskScheduleItem *second = addJob(QStringLiteral("Second"), m_now.addDays(2));
        second->setEnabled(false);
        DialogHook hook;
        TaskSchedule window(nullptr, m_list.get());
        Ui::TaskScheduleClass *ui = window.form();
        QVERIFY(!ui->btnPlay->isEnabled() && !ui->btnDelete->isEnabled());
        QCOMPARE(ui->stackedWidget->currentIndex(), 1);
        // Deleting the last row selects the one above and follows its job.
        window.SlotClickItem(window.model()->index(1, 0));
        ui->tableView->setCurrentIndex(window.model()->index(1, 0));
        QVERIFY(ui->btnPlay->isEnabled());
        hook.add(true);
        window.btnDeleteClicked();
        QCOMPARE(m_list->count(), 1);
        QCOMPARE(ui->tableView->currentIndex().row(), 0);
        QVERIFY(!ui->btnPlay->isEnabled() && ui->btnPause->isEnabled() && ui->btnDelete->isEnabled());
        // A refused deletion keeps the row and says so.
        m_service->failDelete = true;
        hook.add(true);
        window.btnDeleteClicked();
        QCOMPARE(m_list->count(), 1);
        QCOMPARE(hook.prompts.last(), QStringLiteral("Operation failed."));
        // The only job gone: every row button off, the empty page shows.
        m_service->failDelete = false;
        hook.add(true);
        window.btnDeleteClicked();
        QCOMPARE(m_list->count(), 0);
        QVERIFY(m_service->tasks.isEmpty());
        QVERIFY(!window.current());
        QVERIFY(!ui->btnPlay->isEnabled() && !ui->btnPause->isEnabled() && !ui->btnEdit->isEnabled()
                && !ui->btnDelete->isEnabled());
        QCOMPARE(ui->stackedWidget->currentIndex(), 0);
        QCOMPARE(ui->label_2->text(), QStringLiteral("No task schedule, click \"Add\" to create new task."));
    }

    void formCycleKeepsTheTimerStopped()
    {
        DialogHook hook;
        TaskSchedule window(nullptr, m_list.get());
        window.show();
        QSignalSpy visible(&window, &TaskSchedule::visibleChanged);
        // A cancelled name makes nothing.
        hook.add(false);
        window.btnAddClicked();
        QVERIFY(!window.detail());
        // A new job whose form is closed unsaved goes.
        hook.add(true, QStringLiteral("Evening"));
        window.btnAddClicked();
        QPointer<TaskScheduleDetail> form = window.detail();
        QVERIFY(form && form->isVisible());
        QVERIFY(!window.isVisible());
        QPointer<TaskScheduleItem> job = window.current();
        form->form()->btnCancel->click();
        QVERIFY(window.isVisible());
        QVERIFY(job.isNull());
        QCOMPARE(m_list->count(), 0);
        // Saved, it joins the list as an enabled task.
        hook.add(true, QStringLiteral("Morning"));
        window.btnAddClicked();
        form = window.detail();
        form->form()->cbxAreaSelected->setCurrentIndex(0);
        form->form()->btnOk->click();
        QVERIFY(window.isVisible());
        QCOMPARE(m_list->count(), 1);
        QVERIFY(!m_list->itemAt(0)->isNew());
        QCOMPARE(window.model()->index(0, 4).data().toString(), QStringLiteral("Enable"));
        QCOMPARE(m_service->tasks.size(), 1);
        QCOMPARE(window.form()->stackedWidget->currentIndex(), 1);
        QVERIFY(window.form()->btnPause->isEnabled());
        QCOMPARE(visible.count(), 0);
    }

    // Last: it leaves the skin behind. Eleven task files that will not run
    // (garbage, a FIFO, a folder, values out of range) are told in one
    // message that names each of them and shows all of its text (on the
    // 800 x 600 test screen at 1.5, by scrolling), in every language and at
    // both scales the gallery draws.
    void oneMessageNamesEveryTaskFileThatWillNotRun()
    {
        QVERIFY(SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo",
                                              testsupport::binDir() + "/Skin")
                != SkinManager::StatusNoSkin);
        QTemporaryDir root;
        QStringList told;
        KeptFile::setNoticeHandler([&told](const QString &text) { told << text; });
        const auto restore = qScopeGuard([] {
            KeptFile::setNoticeHandler({});
            CommonDialog::setRunHook({});
        });
        auto name = [](int n) { return QStringLiteral("{00000000-0000-0000-0000-0000000000%1}").arg(n, 2, 10, QLatin1Char('0')); };
        QString folder;
        // The store over eleven fresh task files, in the language of the moment.
        auto load = [&] {
            told.clear();
            KeptFile::resetNotices();
            QDir(root.path()).removeRecursively();
            auto files = std::make_unique<FileTaskService>(root.path());
            QVERIFY(files->createFolder(TaskScheduleList::folderPath()));
            folder = files->folderPath();
            for (int n = 1; n <= 7; ++n) {
                QFile garbage(files->taskFilePath(name(n)));
                QVERIFY(garbage.open(QIODevice::WriteOnly));
                garbage.write("not a task <<<");
            }
            QVERIFY(testsupport::makeFifo(files->taskFilePath(name(8))));
            QVERIFY(QDir().mkdir(files->taskFilePath(name(9))));
            TaskDefinition damaged;
            damaged.hasData = true;
            damaged.data = QStringLiteral("stopType,0;loop,2147483647;duration,,-5;screen,1,0,0,0,640,480");
            damaged.description = QStringLiteral("endless");
            QVERIFY(files->registerTask(name(10), damaged));
            damaged.description = QStringLiteral("Morning meeting");
            damaged.data = QStringLiteral("stopType,0;loop,5;duration,,5;systemsound,1,0,999");
            QVERIFY(files->registerTask(name(11), damaged));
            TaskScheduleList list(std::move(files), [this] { return m_now; });
            QCOMPARE(list.count(), 0);
        };
        load();
        QCOMPARE(told.size(), 1);
        for (int n = 1; n <= 11; ++n)
            QVERIFY2(told.first().contains(name(n) + QStringLiteral(".bak")), qPrintable(told.first()));
        QVERIFY(told.first().contains(QDir::toNativeSeparators(folder)));
        QVERIFY(told.first().contains(QStringLiteral("\"endless\"")));
        QVERIFY(told.first().contains(QStringLiteral("\"Morning meeting\"")));

        QString cut;
        CommonDialog::setRunHook([&cut](CommonDialog *d) {
            d->show();
            if (!QTest::qWaitForWindowExposed(d)) {
                cut = QStringLiteral("not shown");
                return int(QDialog::Accepted);
            }
            // Every line is in the box, or can be scrolled into it.
            auto *label = d->findChild<QLabel *>(QStringLiteral("lblPrompt"));
            auto *bottom = d->findChild<QWidget *>(QStringLiteral("wdtBottom"));
            QWidget *shown = label;
            int hidden = 0;
            if (auto *scroll = d->findChild<QScrollArea *>()) {
                shown = scroll;
                hidden = qMax(0, label->height() - scroll->viewport()->height());
                if (scroll->verticalScrollBar()->maximum() < hidden)
                    cut = QStringLiteral("%1 px cannot be scrolled to").arg(hidden);
            }
            if (label->height() < label->heightForWidth(label->width()))
                cut = QStringLiteral("%1 of %2 px").arg(label->height()).arg(label->heightForWidth(label->width()));
            if (shown->mapTo(d, QPoint(0, shown->height())).y() > bottom->mapTo(d, QPoint()).y())
                cut = QStringLiteral("the text runs under the buttons");
            return int(QDialog::Accepted);
        });
        QVERIFY(testsupport::inEveryLanguage([&](const QString &language, double scale) {
            load();
            QCOMPARE(told.size(), 1);
            cut.clear();
            CommonDialog::showWarning(nullptr, told.first());
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1 at %2: %3").arg(language).arg(scale).arg(cut)));
        }));
    }
};

QTEST_MAIN(TestTaskSchedule)
#include "tst_taskschedule.moc"
