// The History window over a store in a temporary folder: the rows the
// Delete action acts on after filters and removals, rename, the columns, a
// long history and the edge hit test.
#include <QtTest>

#include <unistd.h>

#include "dialoghook.h"
#include "history.h"
#include "historylist.h"
#include "historymodel.h"
#include "mytableview.h"
#include "ui_history.h"
#include "windowchrome.h"

class TestHistoryWindow : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    HistoryList *m_list = nullptr;
    History *m_window = nullptr;

    QString file(const QString &name, bool create = true)
    {
        const QString path = m_dir.filePath(name);
        if (create) {
            QFile f(path);
            f.open(QIODevice::WriteOnly);
            f.write("data");
        }
        return path;
    }
    MyTableView *table() const { return m_window->form()->tableView; }
    void selectRows(const QList<int> &rows)
    {
        table()->clearSelection();
        for (int row : rows)
            table()->selectionModel()->select(m_window->model()->index(row, 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
        table()->UpdateSelectItemList();
    }
    void clickDelete(int row) { m_window->itemClicked(m_window->model()->index(row, HistoryModel::Delete)); }
    QStringList names() const
    {
        QStringList n;
        for (int i = 0; i < m_list->count(); ++i)
            n << QFileInfo(m_list->itemAt(i)->fileName()).fileName();
        return n;
    }
    int storedCount() const
    {
        HistoryList copy(m_list->path(), nullptr);
        return copy.items().size();
    }

private slots:
    void init()
    {
        QDir(m_dir.path()).removeRecursively();
        QDir().mkpath(m_dir.path());
        m_list = new HistoryList(m_dir.filePath(QStringLiteral("History.xml")), nullptr);
        // Added oldest first: the list shows them newest first.
        m_list->addItem(HistoryItem::Screenshot, file("shot.png"), QSize(800, 600), 0, 2048);
        m_list->addItem(HistoryItem::Audio, file("voice.mp3"), QSize(-1, -1), 65000, 3 * 1024 * 1024);
        m_list->addItem(HistoryItem::Video, file("clip.part1.mp4"), QSize(1920, 1080), 3723000, 500);
        m_list->addItem(HistoryItem::Video, file("talk.mp4"), QSize(1280, 720), 1000, 700);
        m_window = new History(nullptr, m_list);
    }
    void cleanup()
    {
        delete m_window;
        delete m_list;
    }

    void columnTexts()
    {
        HistoryModel *model = m_window->model();
        QCOMPARE(model->columnCount(), 9);
        QCOMPARE(model->rowCount(), 4);
        auto text = [model](int row, int column) { return model->index(row, column).data().toString(); };
        QCOMPARE(text(1, 0), QStringLiteral("clip.part1")); // up to the last dot
        QCOMPARE(text(1, 1), QStringLiteral("1920*1080"));
        QCOMPARE(text(1, 2), QStringLiteral("01:02:03"));
        QCOMPARE(text(1, 3), QStringLiteral("500 bytes"));
        QCOMPARE(text(2, 1), QString()); // audio has no picture size
        QCOMPARE(text(2, 3), QStringLiteral("3 MB"));
        QCOMPARE(text(3, 2), QString()); // a capture has no duration
        QCOMPARE(model->index(0, HistoryModel::Delete).data(Qt::ToolTipRole).toString(), QStringLiteral("Delete"));
        QVERIFY(!model->index(4, 0).isValid());
        QVERIFY(!model->index(0, 9).isValid());
    }

    void selectionListFollowsFiltersAndRemovals()
    {
        DialogHook hook;
        // Nothing chosen by the mouse yet: a Delete click right after opening does nothing.
        clickDelete(0);
        QVERIFY(hook.prompts.isEmpty());
        QCOMPARE(m_list->count(), 4);

        // A search that hides the chosen rows empties the list, so a Delete
        // click on a visible row removes nothing hidden.
        selectRows({0, 1});
        QCOMPARE(table()->selectItemList().size(), 2);
        m_window->form()->edtSearch->setText(QStringLiteral("voice"));
        QVERIFY(table()->selectItemList().isEmpty());
        clickDelete(0);
        QVERIFY(hook.prompts.isEmpty());
        m_window->form()->edtSearch->clear();
        QCOMPARE(m_list->count(), 4);

        // Three rows go after one question, with their files.
        selectRows({0, 1, 3});
        hook.add(true, QString(), 1);
        clickDelete(1);
        QCOMPARE(hook.prompts.size(), 1);
        QCOMPARE(names(), QStringList{QStringLiteral("voice.mp3")});
        QVERIFY(!QFile::exists(m_dir.filePath("talk.mp4")));
        QVERIFY(!QFile::exists(m_dir.filePath("shot.png")));
        QVERIFY(QFile::exists(m_dir.filePath("voice.mp3")));
        QCOMPARE(storedCount(), 1);
        QVERIFY(table()->selectItemList().isEmpty());

        // After "Remove all" the list names nothing that is gone.
        selectRows({0});
        hook.add(true, QString(), 0);
        m_window->removeAll();
        QCOMPARE(m_list->count(), 0);
        QVERIFY(table()->selectItemList().isEmpty());
        clickDelete(0);
        QCOMPARE(hook.prompts.size(), 2);
        QVERIFY(QFile::exists(m_dir.filePath("voice.mp3"))); // box unticked: the file stays
    }

    void missingFilesAreOfferedForRemoval()
    {
        DialogHook hook;
        QFile::remove(m_dir.filePath("talk.mp4"));
        QFile::remove(m_dir.filePath("clip.part1.mp4"));
        // Play on a missing file asks; refused, the entry stays.
        hook.add(false);
        m_window->itemClicked(m_window->model()->index(0, HistoryModel::Play));
        QCOMPARE(m_list->count(), 4);
        QVERIFY(hook.prompts.last().contains(QStringLiteral("renamed, moved, or deleted")));
        // Delete with every file gone: refusing the first question brings the second.
        selectRows({0, 1});
        hook.add(false);
        hook.add(true, QString(), 1);
        clickDelete(0);
        QCOMPARE(hook.prompts.size(), 3);
        QCOMPARE(hook.prompts.last(), QStringLiteral("Are you sure to remove the history recording from the list?"));
        QCOMPARE(m_list->count(), 2);
    }

    // Play hands the file to xdg-open; when nothing can open it, the user
    // is told. A click on the list prints nothing.
    void playSaysWhenNoApplicationOpensTheFile()
    {
        DialogHook hook;
        QTemporaryDir bin;
        const QByteArray path = qgetenv("PATH");
        const auto restore = qScopeGuard([&] { qputenv("PATH", path); });
        qputenv("PATH", bin.path().toUtf8());
        const QString record = bin.filePath(QStringLiteral("opened"));
        auto fakeOpener = [&](int exitCode) {
            QFile script(bin.filePath(QStringLiteral("xdg-open")));
            QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
            script.write(QStringLiteral("#!/bin/sh\nprintf '%s\\n' \"$@\" > '%1'\nexit %2\n")
                             .arg(record)
                             .arg(exitCode)
                             .toUtf8());
            script.close();
            script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        };
        static QStringList debugLines;
        debugLines.clear();
        const QtMessageHandler previous = qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &,
                                                                    const QString &text) {
            if (type == QtDebugMsg)
                debugLines << text;
        });
        const auto handler = qScopeGuard([&] { qInstallMessageHandler(previous); });
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
        auto clickPlay = [&](int row) {
            const QRect cell = table()->visualRect(m_window->model()->index(row, HistoryModel::Play));
            QTest::mouseClick(table()->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        };

        // No xdg-open at all.
        clickPlay(0);
        QTRY_COMPARE(hook.prompts.size(), 1);
        QVERIFY(hook.prompts.last().contains(QStringLiteral("talk.mp4")));
        QVERIFY(hook.prompts.last().contains(QStringLiteral("media player")));
        // xdg-open finds no application for it.
        fakeOpener(3);
        clickPlay(2);
        QTRY_COMPARE(hook.prompts.size(), 2);
        QVERIFY(hook.prompts.last().contains(QStringLiteral("voice.mp3")));
        // One that opens: the file arrives and nothing is said; a failing one
        // started after it is the only one that speaks.
        QFile::remove(record);
        fakeOpener(0);
        clickPlay(0);
        QTRY_VERIFY(QFileInfo(record).size() > 0);
        QFile opened(record);
        QVERIFY(opened.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(opened.readAll()), m_dir.filePath(QStringLiteral("talk.mp4")) + "\n");
        fakeOpener(4);
        clickPlay(2);
        QTRY_COMPARE(hook.prompts.size(), 3);
        QVERIFY(hook.prompts.last().contains(QStringLiteral("voice.mp3")));
        QVERIFY2(debugLines.isEmpty(), qPrintable(debugLines.join('\n')));
    }

    void fileThatCannotBeDeletedKeepsItsEntry()
    {
        if (geteuid() == 0)
            QSKIP("root deletes from a read-only folder");
        DialogHook hook;
        QDir(m_dir.path()).mkdir(QStringLiteral("locked"));
        const QString locked = file(QStringLiteral("locked/keep.mp4"));
        m_list->addItem(HistoryItem::Video, locked, QSize(10, 10), 1000, 4);
        QFile::setPermissions(m_dir.filePath("locked"), QFile::ReadOwner | QFile::ExeOwner);
        m_window->model()->refresh();
        selectRows({0, 1});
        hook.add(true, QString(), 1);
        clickDelete(0);
        QFile::setPermissions(m_dir.filePath("locked"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QCOMPARE(hook.prompts.size(), 2);
        QVERIFY(hook.prompts.last().contains(QStringLiteral("keep.mp4")));
        QCOMPARE(names().first(), QStringLiteral("keep.mp4"));
        QCOMPARE(m_list->count(), 4);
    }

    void renameKeepsTheSuffixAndReplacesNothing()
    {
        QCOMPARE(History::renamedPath(QStringLiteral("/v/clip.part1.mp4"), QStringLiteral("new")),
                 QStringLiteral("/v/new.part1.mp4"));
        QCOMPARE(History::renamedPath(QStringLiteral("/v/README"), QStringLiteral("notes")), QStringLiteral("/v/notes"));

        DialogHook hook;
        HistoryItem *clip = m_list->itemAt(1);
        hook.add(true, QStringLiteral("new"));
        m_window->itemEdit(clip);
        QCOMPARE(clip->fileName(), m_dir.filePath("new.part1.mp4"));
        QVERIFY(QFile::exists(m_dir.filePath("new.part1.mp4")));
        QVERIFY(!QFile::exists(m_dir.filePath("clip.part1.mp4")));
        HistoryList stored(m_list->path(), nullptr);
        QCOMPARE(stored.items().at(1)->fileName(), clip->fileName());

        // A name that is taken leaves both files as they were.
        file(QStringLiteral("taken.mp4"));
        HistoryItem *talk = m_list->itemAt(0);
        hook.add(true, QStringLiteral("taken"));
        m_window->itemEdit(talk);
        QCOMPARE(talk->fileName(), m_dir.filePath("talk.mp4"));
        QVERIFY(QFile::exists(m_dir.filePath("talk.mp4")));
        QCOMPARE(hook.prompts.size(), 2);
    }

    void newRowsShowWhileOpen()
    {
        m_window->show();
        m_list->addItem(HistoryItem::Screenshot, file("hotkey.png"), QSize(5, 5), 0, 1);
        QCOMPARE(m_window->model()->rowCount(), 5);
        QCOMPARE(m_window->model()->index(0, 0).data().toString(), QStringLiteral("hotkey"));
        QVERIFY(table()->selectionModel()->isRowSelected(0, QModelIndex()));
    }

    // A history of a hundred thousand entries, as the file holds them:
    // every one is a row, newest first, the rows in view are as high as
    // their contents wherever the table is scrolled, and the actions reach
    // the entry of the row they are clicked on.
    void longHistoryShowsEveryEntry()
    {
        const int count = 100000;
        const QString path = m_dir.filePath(QStringLiteral("Long.xml"));
        const QString longName = QStringLiteral(" with a name far too long for its column to hold on one line");
        auto nameOf = [&](int i) {
            return QStringLiteral("clip %1%2").arg(i, 6, 10, QLatin1Char('0')).arg(i % 7 == 3 ? longName : QString());
        };
        {
            QByteArray xml = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<History>\n";
            for (int i = 0; i < count; ++i) {
                xml += QStringLiteral("<Item FileName=\"%1\" Type=\"0\" FileSize=\"%2\" Size=\"64x48\" "
                                      "Duration=\"%3\"/>\n")
                           .arg(m_dir.filePath(nameOf(i) + QStringLiteral(".mp4")).toHtmlEscaped())
                           .arg(i)
                           .arg(i * 1000)
                           .toUtf8();
            }
            xml += "</History>\n";
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            QCOMPARE(f.write(xml), qint64(xml.size()));
        }
        const int far = count - 3; // a short name
        const int farLong = count - 2;
        QCOMPARE(farLong % 7, 3);
        file(nameOf(far) + QStringLiteral(".mp4"));
        file(nameOf(farLong) + QStringLiteral(".mp4"));

        HistoryList list(path, nullptr);
        History window(nullptr, &list);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        HistoryModel *model = window.model();
        MyTableView *view = window.form()->tableView;
        QCOMPARE(model->rowCount(), count);
        for (int row : {0, 1, 3, count / 2, count - 1})
            QCOMPARE(model->index(row, HistoryModel::Name).data().toString(), nameOf(row));
        QCOMPARE(model->index(count - 1, HistoryModel::Duration).data().toString(), QStringLiteral("27:46:39"));

        // A long name wraps onto more lines than a short one, at the top
        // and at the far end alike.
        auto rowsFit = [&](int shortRow, int longRow) {
            return view->rowHeight(longRow) > view->rowHeight(shortRow) && view->rowViewportPosition(longRow) >= 0;
        };
        QTRY_VERIFY(rowsFit(2, 3));
        // The end of the table shows the last row whole.
        view->scrollToBottom();
        QTRY_VERIFY(view->rowViewportPosition(count - 1) + view->rowHeight(count - 1) <= view->viewport()->height()
                    && view->rowViewportPosition(count - 1) > 0 && rowsFit(count - 1, farLong));
        view->scrollTo(model->index(far, 0), QAbstractItemView::PositionAtCenter);
        QTRY_VERIFY(rowsFit(far, farLong));
        QTRY_VERIFY(view->rowViewportPosition(far) >= 0);

        // Rename from the row's own cell renames that entry's file.
        DialogHook hook;
        auto click = [&](int row, int column) {
            const QRect cell = view->visualRect(model->index(row, column));
            QVERIFY(view->viewport()->rect().contains(cell.center()));
            QTest::mouseClick(view->viewport(), Qt::LeftButton, Qt::NoModifier, cell.center());
        };
        click(far, HistoryModel::Name);
        hook.add(true, QStringLiteral("renamed"));
        click(far, HistoryModel::Rename);
        QCOMPARE(hook.prompts.size(), 1);
        QCOMPARE(list.itemAt(far)->fileName(), m_dir.filePath(QStringLiteral("renamed.mp4")));
        QVERIFY(QFile::exists(m_dir.filePath(QStringLiteral("renamed.mp4"))));
        QCOMPARE(list.itemAt(farLong)->fileName(), m_dir.filePath(nameOf(farLong) + QStringLiteral(".mp4")));

        // Delete from the long row's cell removes that entry and its file,
        // and only it.
        QTRY_VERIFY(view->rowViewportPosition(farLong) >= 0);
        click(farLong, HistoryModel::Name);
        hook.add(true, QString(), 1);
        click(farLong, HistoryModel::Delete);
        QCOMPARE(hook.prompts.size(), 2);
        QCOMPARE(model->rowCount(), count - 1);
        QVERIFY(!QFile::exists(m_dir.filePath(nameOf(farLong) + QStringLiteral(".mp4"))));
        QCOMPARE(list.itemAt(far)->fileName(), m_dir.filePath(QStringLiteral("renamed.mp4")));
        QCOMPARE(list.itemAt(farLong)->fileName(), m_dir.filePath(nameOf(count - 1) + QStringLiteral(".mp4")));
        HistoryList stored(path, nullptr);
        QCOMPARE(stored.items().size(), count - 1);
        QCOMPARE(stored.items().at(far)->fileName(), m_dir.filePath(QStringLiteral("renamed.mp4")));
    }

    void edgeHitTest()
    {
        const QSize size(100, 50);
        QCOMPARE(chrome::resizeEdgesAt(QPoint(3, 2), size), Qt::Edges(Qt::LeftEdge | Qt::TopEdge));
        QCOMPARE(chrome::resizeEdgesAt(QPoint(4, 4), size), Qt::Edges());
        QCOMPARE(chrome::resizeEdgesAt(QPoint(96, 0), size), Qt::Edges(Qt::RightEdge | Qt::TopEdge));
        QCOMPARE(chrome::resizeEdgesAt(QPoint(95, 46), size), Qt::Edges(Qt::BottomEdge));
        QCOMPARE(chrome::resizeEdgesAt(QPoint(99, 49), size), Qt::Edges(Qt::RightEdge | Qt::BottomEdge));
        QCOMPARE(chrome::resizeEdgesAt(QPoint(100, 20), size), Qt::Edges());
        // Dragging the left edge never makes the window smaller than allowed.
        QCOMPARE(chrome::resizedGeometry(QRect(0, 0, 100, 50), Qt::LeftEdge, QPoint(80, 0), QSize(60, 40)),
                 QRect(40, 0, 60, 50));
    }
};

QTEST_MAIN(TestHistoryWindow)
#include "tst_historywindow.moc"
