// The History window with rows, the task window empty and with jobs, and
// the task form, over stores in memory; the message that names the task
// files that will not run.
#include "gallery.h"

#include "commondialog.h"
#include "faketaskservice.h"
#include "filetaskservice.h"
#include "history.h"
#include "historylist.h"
#include "keptfile.h"
#include "taskschedule.h"
#include "taskscheduledetail.h"
#include "taskschedulelist.h"

#include <QDir>
#include <QFile>
#include <QTableView>

namespace gallery {

namespace {
QWidget *history()
{
    // A fresh file each time: the store writes itself back when it goes.
    const QString path = QDir::temp().filePath(QStringLiteral("mirelo-gallery-History.xml"));
    QFile::remove(path);
    auto *list = new HistoryList(path, nullptr);
    const QString folder = QDir::homePath() + QStringLiteral("/Videos/Mirelo/");
    list->insertItem(new HistoryItem(HistoryItem::Screenshot, folder + "Screenshot 2026-12-07 09.12.44.png",
                                     QSize(1280, 720), 0, 412345));
    list->insertItem(new HistoryItem(HistoryItem::Audio, folder + "Interview notes.mp3", QSize(-1, -1), 754000,
                                     7340032));
    list->insertItem(new HistoryItem(HistoryItem::Video, folder + "Webcam greeting.mp4", QSize(640, 480), 15000,
                                     2202009));
    list->insertItem(new HistoryItem(HistoryItem::Video, folder + "Weekly review.part1.mp4", QSize(1920, 1080),
                                     3723000, 912680550));
    auto *window = new History(nullptr, list);
    list->setParent(window);
    window->resize(window->minimumSize());
    return window;
}

TaskScheduleList *taskList(QObject *parent, bool withJobs)
{
    auto service = std::make_unique<FakeTaskService>();
    service->folders.append(TaskScheduleList::folderPath());
    auto *list = new TaskScheduleList(std::move(service), [] { return QDateTime::currentDateTime(); }, parent);
    if (!withJobs)
        return list;
    const QDate day = QDate::currentDate().addDays(3);
    struct {
        const char *name;
        QTime start;
        int repeat;
        int stopType;
        int length;
        int loop;
        bool enabled;
    } jobs[] = {{"Morning stand-up", QTime(9, 0), 1, TaskScheduleItem::StopByLength, 900, 0, true},
                {"Product webinar", QTime(14, 30), 0, TaskScheduleItem::StopByLength, 3600, 2, true},
                {"Night radio", QTime(23, 0), 1, TaskScheduleItem::StopAtTime, 0, 0, false},
                {"Lecture", QTime(10, 15), 0, TaskScheduleItem::StopByHand, 0, 0, false}};
    for (const auto &j : jobs) {
        TaskScheduleItem *job = list->createItem();
        job->setDescription(QLatin1String(j.name));
        job->setStartTime(QDateTime(day, j.start));
        job->setRepeat(j.repeat);
        job->setWeekdayMask(j.repeat ? 62 : 0);
        job->setStopType(j.stopType);
        job->setLength(j.length);
        job->setLoop(j.loop);
        job->setStopTime(QDateTime(day.addDays(1), QTime(1, 0)));
        job->setEnabled(j.enabled);
        list->appendItem(job);
    }
    return list;
}

QWidget *taskWindow(bool withJobs)
{
    auto *holder = new QObject;
    auto *window = new TaskSchedule(nullptr, taskList(holder, withJobs));
    holder->setParent(window);
    if (withJobs) {
        auto *table = window->findChild<QTableView *>(QStringLiteral("tableView"));
        table->selectRow(1);
        window->SlotClickItem(table->model()->index(1, 0));
    }
    return window;
}

QWidget *taskForm()
{
    auto *holder = new QObject;
    TaskScheduleList *list = taskList(holder, false);
    TaskScheduleItem *job = list->createItem();
    job->setDescription(QStringLiteral("Product webinar"));
    job->setStartTime(QDateTime(QDate::currentDate().addDays(3), QTime(14, 30)));
    job->setStopType(TaskScheduleItem::StopByLength);
    job->setLength(3600);
    job->setLoop(2);
    job->setStopTime(job->startTime().addSecs(7200));
    job->recordSource()->screenEnabled = true;
    job->recordSource()->screenIndex = 0;
    job->recordSource()->screenRect = QRect(100, 80, 1280, 720);
    auto *form = new TaskScheduleDetail;
    form->setAttribute(Qt::WA_DeleteOnClose, false);
    holder->setParent(form);
    form->load(job);
    return form;
}
QWidget *tasksNotRun()
{
    // Eleven task files in a fresh folder: nine that do not read, two whose
    // values are out of range; the store tells of them in one message.
    const QString root = QDir::temp().filePath(QStringLiteral("mirelo-gallery-Tasks"));
    QDir(root).removeRecursively();
    auto files = std::make_unique<FileTaskService>(root);
    files->createFolder(TaskScheduleList::folderPath());
    auto name = [](int n) { return QStringLiteral("{6f1c2d3e-4b5a-4978-8796-a5b4c3d2e1%1}").arg(n, 2, 10, QLatin1Char('0')); };
    for (int n = 1; n <= 9; ++n) {
        QFile garbage(files->taskFilePath(name(n)));
        if (garbage.open(QIODevice::WriteOnly))
            garbage.write("<Task>");
    }
    TaskDefinition damaged;
    damaged.hasData = true;
    damaged.data = QStringLiteral("stopType,0;loop,2147483647;duration,,-5");
    for (const char *job : {"Morning stand-up", "Night radio"}) {
        damaged.description = QLatin1String(job);
        files->registerTask(name(damaged.description.size()), damaged);
    }
    QString text;
    KeptFile::resetNotices();
    KeptFile::setNoticeHandler([&text](const QString &notice) { text = notice; });
    delete new TaskScheduleList(std::move(files), [] { return QDateTime::currentDateTime(); });
    KeptFile::setNoticeHandler({});
    QDir(root).removeRecursively();
    return dialogPicture([&text] { CommonDialog::showWarning(nullptr, text); });
}
} // namespace

QList<GalleryEntry> jobWindowEntries()
{
    return {
        {"history", history},
        {"taskschedule-empty", [] { return taskWindow(false); }},
        {"taskschedule", [] { return taskWindow(true); }},
        {"taskschedule-form", taskForm},
        {"taskschedule-not-run", tasksNotRun},
    };
}

} // namespace gallery
