// The task form: when two jobs overlap, the checks of a save in their
// order, and the job put back after every refused save and every cancel.
#include <QtTest>

#include "core/vocabulary.h"
#include "dialoghook.h"
#include "everylanguage.h"
#include "faketaskservice.h"
#include "taskoverlap.h"
#include "taskscheduledetail.h"
#include "taskschedulelist.h"
#include "ui_taskscheduledetail.h"

#include <QLabel>
#include <QLayout>

using taskoverlap::Job;

namespace {
QDateTime at(const char *text)
{
    return QDateTime::fromString(QLatin1String(text), QStringLiteral("yyyy-MM-dd HH:mm"));
}
Job once(const char *start, int minutes)
{
    return Job{0, at(start), 0, minutes * 60000LL};
}
Job weekly(const char *start, quint16 mask, int minutes)
{
    return Job{1, at(start), mask, minutes * 60000LL};
}
// 2026-12-09 is a Wednesday (bit 3).
const QDate kToday(2026, 12, 9);
constexpr quint16 kWednesday = 1 << 3, kThursday = 1 << 4, kTuesday = 1 << 2;
} // namespace

class TestTaskScheduleDetail : public QObject
{
    Q_OBJECT

    FakeTaskService *m_service = nullptr;
    std::unique_ptr<TaskScheduleList> m_list;
    TaskScheduleItem *m_job = nullptr;

    TaskScheduleItem *addJob(const QString &description, const QDateTime &start, int seconds)
    {
        TaskScheduleItem *job = m_list->createItem();
        job->setDescription(description);
        job->setStartTime(start);
        job->setStopType(TaskScheduleItem::StopByLength);
        job->setLength(seconds);
        job->setStopTime(start.addSecs(seconds + 60));
        job->setEnabled(true);
        job->recordSource()->screenEnabled = true;
        job->recordSource()->screenRect = QRect(0, 0, 64, 48);
        job->registerTask();
        m_list->appendItem(job);
        return job;
    }
    struct Values {
        QString description;
        QDateTime start, stop;
        int repeat, stopType, length, loop;
        quint16 mask;
        bool shutdown;
        QRect screenRect, cameraRect;
        bool screenEnabled;
        bool operator==(const Values &o) const
        {
            return description == o.description && start == o.start && stop == o.stop && repeat == o.repeat
                && stopType == o.stopType && length == o.length && loop == o.loop && mask == o.mask
                && shutdown == o.shutdown && screenRect == o.screenRect && cameraRect == o.cameraRect
                && screenEnabled == o.screenEnabled;
        }
    };
    static Values values(const TaskScheduleItem *j)
    {
        return {j->description(), j->startTime(), j->stopTime(), j->repeat(), j->stopType(), j->length(), j->loop(),
                j->weekdayMask(), j->shutdown(), j->recordSource()->screenRect, j->recordSource()->cameraRect,
                j->recordSource()->screenEnabled};
    }

private slots:
    void init()
    {
        auto service = std::make_unique<FakeTaskService>();
        service->folders.append(TaskScheduleList::folderPath());
        m_service = service.get();
        m_list = std::make_unique<TaskScheduleList>(std::move(service), [] { return QDateTime::currentDateTime(); });
        m_job = addJob(QStringLiteral("Mine"), QDateTime::currentDateTime().addDays(2), 120);
    }
    void cleanup() { m_list.reset(); }

    void windowsMeetWhenEachStartsBeforeTheOtherEnds()
    {
        // Equal windows and equal starts meet; touching windows do not.
        QVERIFY(taskoverlap::overlaps(once("2026-12-20 10:00", 30), once("2026-12-20 10:00", 30), kToday));
        QVERIFY(taskoverlap::overlaps(once("2026-12-20 10:00", 10), once("2026-12-20 10:00", 30), kToday));
        QVERIFY(!taskoverlap::overlaps(once("2026-12-20 10:30", 10), once("2026-12-20 10:00", 30), kToday));
        QVERIFY(!taskoverlap::overlaps(once("2026-12-20 09:00", 60), once("2026-12-20 10:00", 30), kToday));
        QVERIFY(taskoverlap::overlaps(once("2026-12-20 09:00", 61), once("2026-12-20 10:00", 30), kToday));
    }

    void onceAgainstWeeklyOnItsOwnDate()
    {
        // Four weeks ahead still meets a Thursday job (2027-01-07 is a Thursday).
        QVERIFY(taskoverlap::overlaps(once("2027-01-07 10:10", 5), weekly("2026-12-01 10:00", kThursday, 30), kToday));
        QVERIFY(taskoverlap::overlaps(weekly("2026-12-01 10:00", kThursday, 30), once("2027-01-07 10:10", 5), kToday));
        QVERIFY(!taskoverlap::overlaps(once("2027-01-06 10:10", 5), weekly("2026-12-01 10:00", kThursday, 30), kToday));
        // A Wednesday job running past midnight reaches a Thursday morning.
        QVERIFY(taskoverlap::overlaps(once("2027-01-07 00:30", 5), weekly("2026-12-01 23:50", kWednesday, 60), kToday));
    }

    void weeklyAgainstWeeklyOnSharedDays()
    {
        QVERIFY(!taskoverlap::overlaps(weekly("2026-12-01 10:00", kTuesday, 30),
                                       weekly("2026-12-01 10:00", kWednesday, 30), kToday));
        QVERIFY(taskoverlap::overlaps(weekly("2026-12-01 10:00", kTuesday | kWednesday, 30),
                                      weekly("2026-12-01 10:20", kWednesday, 30), kToday));
        QVERIFY(taskoverlap::overlaps(weekly("2026-12-01 23:30", kTuesday, 60),
                                      weekly("2026-12-01 00:10", kWednesday, 5), kToday));
        // A job of another kind of trigger is never compared.
        Job other = weekly("2026-12-01 10:00", 127, 30);
        other.repeat = 2;
        QVERIFY(!taskoverlap::overlaps(other, weekly("2026-12-01 10:00", 127, 30), kToday));
    }

    void jobWindowLength()
    {
        TaskScheduleItem job;
        job.setStartTime(at("2026-12-20 22:00"));
        job.setStopType(TaskScheduleItem::StopByLength);
        job.setLength(60);
        job.setLoop(3);
        QCOMPARE(taskoverlap::jobOf(&job).lengthMsecs, 180000LL);
        // A weekly job that stops at a time is as long as that time says.
        job.setRepeat(1);
        job.setStopType(TaskScheduleItem::StopAtTime);
        job.setStopTime(at("2026-12-20 01:00"));
        QCOMPARE(taskoverlap::jobOf(&job).lengthMsecs, 3 * 3600000LL);
        job.setStopType(TaskScheduleItem::StopByHand);
        QCOMPARE(taskoverlap::jobOf(&job).lengthMsecs, 0LL);
    }

    void checksRunInOrderAndPutTheJobBack()
    {
        addJob(QStringLiteral("Other"), m_job->startTime().addSecs(3600), 600);
        const Values before = values(m_job);
        DialogHook hook;
        // 1: a start in the past.
        auto *form = new TaskScheduleDetail;
        form->load(m_job);
        Ui::TaskScheduleDetailClass *ui = form->form();
        ui->edtDescription->setText(QStringLiteral("edited"));
        ui->edtStartTime->setDateTime(QDateTime::currentDateTime().addSecs(-600));
        form->save();
        QCOMPARE(hook.prompts.last(), QStringLiteral("Please set a future time as start time."));
        QVERIFY(values(m_job) == before);
        // 2: a length of nothing.
        ui->edtStartTime->setDateTime(m_job->startTime());
        ui->edtStopLength->setTime(QTime(0, 0));
        form->save();
        QCOMPARE(hook.prompts.last(), QStringLiteral("The Record length should be not less than 1 second."));
        QVERIFY(values(m_job) == before);
        // 3: meeting the other enabled job.
        ui->edtStopLength->setTime(QTime(2, 0));
        form->save();
        QCOMPARE(hook.prompts.last(), QStringLiteral("This task overlapped in time with Task Other"));
        QVERIFY(values(m_job) == before);
        // 4: nothing to record.
        ui->edtStopLength->setTime(QTime(0, 0, 1));
        ui->cbxAreaSelected->setCurrentIndex(2);
        ui->cbxWebcam->setCurrentIndex(ui->cbxWebcam->count() - 1);
        ui->cbxSystemsound->setCurrentIndex(ui->cbxSystemsound->count() - 1);
        ui->cbxMicrophone->setCurrentIndex(ui->cbxMicrophone->count() - 1);
        form->save();
        QCOMPARE(hook.prompts.last(),
                 QStringLiteral("You must select at least one of Screen, Camera, Audio or Microphone."));
        QVERIFY(values(m_job) == before);
        // 5: the store refuses the task; the form stays open.
        ui->cbxAreaSelected->setCurrentIndex(0);
        m_service->failRegister = true;
        form->save();
        QCOMPARE(hook.prompts.last(), QStringLiteral("Operation failed."));
        QVERIFY(values(m_job) == before);
        QVERIFY(form->result() != QDialog::Accepted);
        QCOMPARE(hook.prompts.size(), 5);
        // Then it goes through.
        m_service->failRegister = false;
        form->show();
        form->save();
        QCOMPARE(hook.prompts.last(), QStringLiteral("Operation successfully done."));
        QCOMPARE(form->result(), int(QDialog::Accepted));
        QCOMPARE(m_job->description(), QStringLiteral("edited"));
        QCOMPARE(m_job->length(), 1);
        QCOMPARE(m_service->tasks.value(m_job->name()).description, QStringLiteral("edited"));
    }

    void aJobWithoutAreaRecordsTheFullScreen()
    {
        m_job->recordSource()->screenRect = QRect();
        DialogHook hook;
        auto *form = new TaskScheduleDetail;
        form->load(m_job);
        QCOMPARE(form->form()->cbxAreaSelected->currentIndex(), 0);
        form->show();
        form->save();
        QCOMPARE(hook.prompts.last(), QStringLiteral("Operation successfully done."));
        QVERIFY(!m_job->recordSource()->screenRect.isEmpty());
    }

    void cancelPutsEverythingBack()
    {
        const Values before = values(m_job);
        QPointer<TaskScheduleDetail> form = new TaskScheduleDetail;
        form->load(m_job);
        form->show();
        form->form()->edtDescription->setText(QStringLiteral("changed"));
        form->cameraWindowRectChanged(QRect(1, 2, 30, 40));
        QCOMPARE(m_job->recordSource()->cameraRect, QRect(1, 2, 30, 40));
        form->form()->btnCancel->click();
        QVERIFY(values(m_job) == before);
        QTRY_VERIFY(form.isNull()); // it deletes itself
    }

    void repeatAndDayBoxes()
    {
        TaskScheduleDetail form;
        form.load(m_job);
        Ui::TaskScheduleDetailClass *ui = form.form();
        ui->chxRepeat->setChecked(true);
        QCOMPARE(form.weekdayMask(), quint16(127));
        // A weekly job may stop past midnight.
        ui->edtStopTime->setDateTime(ui->edtStartTime->dateTime().addSecs(-3600));
        QCOMPARE(ui->edtStopTime->dateTime(), ui->edtStartTime->dateTime().addSecs(-3600));
        form.setWeekdayBoxes(1);
        ui->chxSunday->setChecked(false);
        QVERIFY(!ui->chxRepeat->isChecked());
        // A once job's stop keeps half a minute after the start.
        ui->edtStopTime->setDateTime(ui->edtStartTime->dateTime());
        QCOMPARE(ui->edtStopTime->dateTime(), ui->edtStartTime->dateTime().addSecs(30));
    }

    // Last: it leaves the skin behind. Every control of the form lies inside
    // the window at its full width, in every language and at both scales the
    // gallery draws.
    void everyControlFitsInEveryLanguage()
    {
        QVERIFY(SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo",
                                              testsupport::binDir() + "/Skin")
                != SkinManager::StatusNoSkin);
        QVERIFY(testsupport::inEveryLanguage([this](const QString &language, double scale) {
            TaskScheduleDetail form;
            form.load(m_job);
            form.show();
            QVERIFY(QTest::qWaitForWindowExposed(&form));
            form.layout()->activate();
            QWidget *area = form.form()->wdtForm;
            const QRect inside(QPoint(0, 0), area->size());
            for (QWidget *w : area->findChildren<QWidget *>()) {
                // A spin box's own line edit is the box's business.
                if (!w->isVisibleTo(&form) || qobject_cast<QWidget *>(w->parent())->inherits("QAbstractSpinBox"))
                    continue;
                const QString where = QStringLiteral("%1 at %2: %3 ").arg(language).arg(scale).arg(w->objectName());
                const QRect r(w->mapTo(area, QPoint(0, 0)), w->size());
                QVERIFY2(inside.contains(r), qPrintable(where + "leaves the form"));
                auto *label = qobject_cast<QLabel *>(w);
                if (qobject_cast<QAbstractButton *>(w) || (label && !label->wordWrap()))
                    QVERIFY2(w->width() >= w->sizeHint().width(), qPrintable(where + "is cut"));
                if (qobject_cast<QAbstractSpinBox *>(w))
                    QVERIFY2(w->width() >= w->minimumSizeHint().width(), qPrintable(where + "is cut"));
            }
        }));
    }
};

QTEST_MAIN(TestTaskScheduleDetail)
#include "tst_taskscheduledetail.moc"
