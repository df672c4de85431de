// Task files: the round trip, parts written by others surviving an update, a
// file that cannot be read (or is no file) set aside, a full disk, names that
// cannot be files refused.
#include <QtTest>

#include "filetaskservice.h"
#include "testsupport.h"

namespace {

const char NAME[] = "{0f1e2d3c-4b5a-6978-8796-a5b4c3d2e1f0}";
const char FOLDER[] = "Olvex Free Mirelo/1.1";

TaskDefinition weekly()
{
    TaskDefinition d;
    d.description = QStringLiteral("Monday & Friday <b>");
    d.hasData = true;
    d.data = QStringLiteral("stopType,0;loop,0;duration,,5");
    TaskTrigger t;
    t.type = TaskTrigger::Weekly;
    t.enabled = true;
    t.startBoundary = QStringLiteral("2026-12-09T10:01:00");
    t.daysOfWeek = 34;
    d.triggers.append(t);
    d.hasAction = true;
    d.actionPath = QStringLiteral("/opt/mirelo dir/mirelo");
    d.actionArguments = QStringLiteral("-Task ") + QLatin1String(NAME);
    d.logonType = 3;
    return d;
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestFileTaskService : public QObject
{
    Q_OBJECT
private slots:
    void roundTripInItsOwnFolder()
    {
        QTemporaryDir root;
        FileTaskService service(root.path());
        QVERIFY(service.connect());
        QVERIFY(!service.openFolder(QLatin1String(FOLDER)));
        QVERIFY(service.createFolder(QLatin1String(FOLDER)));
        QVERIFY(service.registerTask(QLatin1String(NAME), weekly()));
        const QString path = root.path() + QStringLiteral("/Olvex Free Mirelo/1.1/") + QLatin1String(NAME)
                             + QStringLiteral(".xml");
        QVERIFY(QFileInfo::exists(path));

        FileTaskService again(root.path());
        QVERIFY(again.openFolder(QLatin1String(FOLDER)));
        QStringList names;
        QVERIFY(again.taskNames(&names));
        QCOMPARE(names, QStringList{QLatin1String(NAME)});
        TaskDefinition read;
        QVERIFY(again.readTask(QLatin1String(NAME), &read));
        const TaskDefinition written = weekly();
        QCOMPARE(read.description, written.description);
        QVERIFY(read.hasData);
        QCOMPARE(read.data, written.data);
        QCOMPARE(read.triggers.size(), 1);
        QCOMPARE(read.triggers.first().type, int(TaskTrigger::Weekly));
        QCOMPARE(read.triggers.first().daysOfWeek, quint16(34));
        QCOMPARE(read.triggers.first().startBoundary, written.triggers.first().startBoundary);
        QVERIFY(read.triggers.first().enabled);
        QCOMPARE(read.actionPath, written.actionPath);
        QCOMPARE(read.actionArguments, written.actionArguments);
        QCOMPARE(read.logonType, 3);

        // A task without data reads back without it.
        TaskDefinition bare = written;
        bare.hasData = false;
        QVERIFY(again.registerTask(QLatin1String(NAME), bare));
        QVERIFY(again.readTask(QLatin1String(NAME), &read));
        QVERIFY(!read.hasData);

        QVERIFY(again.deleteTask(QLatin1String(NAME)));
        QVERIFY(!QFileInfo::exists(path));
        QVERIFY(again.deleteTask(QLatin1String(NAME))); // already gone
    }

    void unknownPartsSurviveAnUpdate()
    {
        QTemporaryDir root;
        FileTaskService service(root.path());
        QVERIFY(service.createFolder(QLatin1String(FOLDER)));
        const QString path = service.taskFilePath(QLatin1String(NAME));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<Task version=\"1\" origin=\"other\"><RegistrationInfo><Author>me</Author>"
                   "<Description>old</Description></RegistrationInfo><Settings wake=\"1\"/>"
                   "<Triggers><Trigger type=\"1\" enabled=\"0\" startBoundary=\"2020-01-01T00:00:00\"/>"
                   "</Triggers><Principal logonType=\"3\" runLevel=\"least\"/></Task>");
        file.close();
        QVERIFY(service.registerTask(QLatin1String(NAME), weekly()));
        const QByteArray text = readAll(path);
        QVERIFY(text.contains("origin=\"other\""));
        QVERIFY(text.contains("<Author>me</Author>"));
        QVERIFY(text.contains("<Settings wake=\"1\"/>"));
        QVERIFY(text.contains("runLevel=\"least\""));
        QVERIFY(!text.contains("old"));
        QVERIFY(!text.contains("2020-01-01")); // the trigger is replaced whole
        TaskDefinition read;
        QVERIFY(service.readTask(QLatin1String(NAME), &read));
        QCOMPARE(read.triggers.size(), 1);
        QCOMPARE(read.description, weekly().description);
    }

    void aGarbageFileIsSetAside()
    {
        QTemporaryDir root;
        FileTaskService service(root.path());
        QVERIFY(service.createFolder(QLatin1String(FOLDER)));
        const QString path = service.taskFilePath(QLatin1String(NAME));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("not a task <<<");
        file.close();
        TaskDefinition read;
        QVERIFY(!service.readTask(QLatin1String(NAME), &read));
        QVERIFY(!QFileInfo::exists(path));
        const QString aside = service.folderPath() + QLatin1Char('/') + QLatin1String(NAME) + QStringLiteral(".bak");
        QCOMPARE(readAll(aside), QByteArray("not a task <<<"));
        QStringList names;
        QVERIFY(service.taskNames(&names));
        QVERIFY(names.isEmpty());

        // Nor is a FIFO read (a plain open waits for a writer for good), nor
        // a file nested far deeper than a task (the document model's
        // recursion would overflow): each goes to the next free name.
        const QString next = service.folderPath() + QLatin1Char('/') + QLatin1String(NAME);
        QVERIFY(testsupport::makeFifo(path));
        QVERIFY(!service.readTask(QLatin1String(NAME), &read));
        const QFileInfo fifoAside(next + QStringLiteral(".1.bak"));
        QVERIFY(fifoAside.exists() && !fifoAside.isFile());
        const QByteArray deep = testsupport::deepXml(300000, "Task");
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(deep);
        file.close();
        QVERIFY(!service.readTask(QLatin1String(NAME), &read));
        QCOMPARE(readAll(next + QStringLiteral(".2.bak")), deep);

        // A line break in the command is no task the program wrote: it
        // would add lines to the job's systemd unit.
        const QByteArray planted = "<Task><Actions><Exec path=\"/opt/mirelo&#10;ExecStartPre=/bin/touch /tmp/x\" "
                                   "arguments=\"-Task\"/></Actions></Task>";
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(planted);
        file.close();
        QVERIFY(!service.readTask(QLatin1String(NAME), &read));
        QCOMPARE(readAll(next + QStringLiteral(".3.bak")), planted);
        // Each is handed over once, under the name it has now.
        const QStringList kept{aside, next + QStringLiteral(".1.bak"), next + QStringLiteral(".2.bak"),
                               next + QStringLiteral(".3.bak")};
        QCOMPARE(service.takeUnreadable(), kept);
        QVERIFY(service.takeUnreadable().isEmpty());
    }

    // What bears a task's name but is no regular file (a FIFO, a folder, a
    // link to nothing) is listed like a task, so that reading it sets it
    // aside and the user hears of it, instead of it lying there unseen.
    void whatIsNoFileIsListedAndSetAside()
    {
        QTemporaryDir root;
        FileTaskService service(root.path());
        QVERIFY(service.createFolder(QLatin1String(FOLDER)));
        QVERIFY(service.registerTask(QStringLiteral("good"), weekly()));
        QVERIFY(testsupport::makeFifo(service.taskFilePath(QStringLiteral("fifo"))));
        QVERIFY(QDir().mkdir(service.taskFilePath(QStringLiteral("folder"))));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("nothing")), service.taskFilePath(QStringLiteral("link"))));
        QStringList names;
        QVERIFY(service.taskNames(&names));
        QCOMPARE(names, (QStringList{"fifo", "folder", "good", "link"}));
        TaskDefinition read;
        for (const char *name : {"fifo", "folder", "link"})
            QVERIFY2(!service.readTask(QLatin1String(name), &read), name);
        QVERIFY(service.readTask(QStringLiteral("good"), &read));
        const QString folder = service.folderPath() + QLatin1Char('/');
        QCOMPARE(service.takeUnreadable(),
                 (QStringList{folder + "fifo.bak", folder + "folder.bak", folder + "link.bak"}));
        QVERIFY(QFileInfo(folder + "folder.bak").isDir());
        QVERIFY(QFileInfo(folder + "link.bak").isSymLink());
        QVERIFY(service.taskNames(&names));
        QCOMPARE(names, QStringList{"good"});
    }

    void fullDiskKeepsTheTaskFile()
    {
        QTemporaryDir root;
        FileTaskService service(root.path());
        QVERIFY(service.createFolder(QLatin1String(FOLDER)));
        QVERIFY(service.registerTask(QLatin1String(NAME), weekly()));
        const QString path = service.taskFilePath(QLatin1String(NAME));
        const QByteArray before = readAll(path);
        TaskDefinition changed = weekly();
        changed.description = QStringLiteral("changed");
        {
            testsupport::FileSizeLimit full(16);
            QVERIFY(!service.registerTask(QLatin1String(NAME), changed));
        }
        QCOMPARE(readAll(path), before);
        QCOMPARE(QDir(service.folderPath()).entryList(QDir::Files),
                 QStringList{QLatin1String(NAME) + QStringLiteral(".xml")});
    }

    void namesThatCannotBeFilesAreRefused()
    {
        QTemporaryDir root;
        FileTaskService service(root.path());
        QVERIFY(!service.registerTask(QLatin1String(NAME), weekly())); // no folder yet
        QVERIFY(!service.createFolder(QStringLiteral("../outside")));
        QVERIFY(service.createFolder(QLatin1String(FOLDER)));
        for (const QString &bad : {QString(), QStringLiteral(".."), QStringLiteral("../x"), QStringLiteral("a/b")})
            QVERIFY2(!service.registerTask(bad, weekly()), qPrintable(bad));
        QCOMPARE(QDir(root.path()).entryList(QDir::Files).size(), 0);
    }
};

QTEST_GUILESS_MAIN(TestFileTaskService)
#include "tst_filetaskservice.moc"
