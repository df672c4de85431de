// The screenshot tool offscreen, over a scripted grab: zones, the selection
// rules, the panel's place, the composed picture and the actions with the
// save dialog answered by the test.
#include <QtTest>

#include <QAbstractButton>

#include "capturepanel.h"
#include "core/vocabulary.h"
#include "commondialog.h"
#include "core/datagroupoutput.h"
#include "core/enviroment.h"
#include "fakehotkeybackend.h"
#include "graphicbase.h"
#include "graphicdrawing.h"
#include "historylist.h"
#include "myplaintextedit.h"
#include "pintoscreenwidget.h"
#include "regionscreens.h"
#include "screencapturing.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QAction>
#include <QClipboard>
#include <QMouseEvent>
#include <QPointer>
#include <QTemporaryDir>

#include <memory>

namespace {

using Z = ScreenCapturing;

void send(QWidget *w, QEvent::Type type, const QPoint &global, Qt::MouseButton button = Qt::NoButton)
{
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, w->mapFromGlobal(global), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}
void move(QWidget *w, const QPoint &p) { send(w, QEvent::MouseMove, p); }
void press(QWidget *w, const QPoint &p) { send(w, QEvent::MouseButtonPress, p, Qt::LeftButton); }
void release(QWidget *w, const QPoint &p) { send(w, QEvent::MouseButtonRelease, p, Qt::LeftButton); }

// A picture where every pixel differs from its neighbours' colour.
QPixmap pattern(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 200));
    return QPixmap::fromImage(image);
}

QByteArray head(const QString &path, int n)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

} // namespace

class TestScreenCapturing : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();

    void zoneTable();
    void adjustSelectionRules();
    void panelPlaces();
    void pickingThenDraggingAnEdge();
    void composedPixmapIsUndimmedWithShapes();
    void actionsCommitAnOpenTextBox();
    void savePictureFormats();
    void saveAddsARecordAndRemembersTheFolder();
    void unwritableFolderWarnsAndKeepsEverything();
    void cancelledDialogKeepsTheTool();
    void emptySelectionDoesNothing();
    void escapeOnThePanelAccepts();
    void undoRedoActions();
    void pinLeavesAWindowAtTheSelection();

private:
    QPointer<ScreenCapturing> tool;
    std::unique_ptr<FakeHotkeyBackend> hotkeys;
    std::unique_ptr<Enviroment> env;
    std::unique_ptr<HistoryList> history;
    std::unique_ptr<QTemporaryDir> dir;
    QString answer;
    QString proposed;
    QStringList warnings;
    const QRect selection{100, 100, 200, 100};
};

void TestScreenCapturing::initTestCase()
{
    SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
    region::setGrabHook([] { return pattern(region::desktop().size()); });
    ScreenCapturing::setSaveFileHook([this](QWidget *, const QString &p) {
        proposed = p;
        return answer;
    });
    CommonDialog::setRunHook([this](CommonDialog *d) {
        Q_UNUSED(d);
        warnings << QStringLiteral("warning");
        return int(QDialog::Accepted);
    });
}

void TestScreenCapturing::init()
{
    dir.reset(new QTemporaryDir);
    hotkeys.reset(new FakeHotkeyBackend);
    env.reset(new Enviroment);
    g_enviroment = env.get();
    history.reset(new HistoryList(dir->filePath("History.xml"), nullptr));
    g_historyList = history.get();
    warnings.clear();
    answer.clear();
    tool = new ScreenCapturing(nullptr);
    tool->show();
    tool->setSelection(selection);
}

void TestScreenCapturing::cleanup()
{
    delete tool.data();
    PinToScreenWidget::closeAll();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    g_historyList = nullptr;
    history.reset();
    g_enviroment = nullptr;
    env.reset();
    hotkeys.reset();
}

void TestScreenCapturing::zoneTable()
{
    // Left 100, top 100, right 299, bottom 199.
    const struct { QPoint p; int zone; } cases[] = {
        {{100, 100}, Z::TopLeft}, {{298, 101}, Z::TopRight}, {{102, 199}, Z::BottomLeft},
        {{299, 199}, Z::BottomRight}, {{101, 150}, Z::Left}, {{297, 150}, Z::Right},
        {{200, 101}, Z::Top}, {{200, 197}, Z::Bottom}, {{200, 150}, Z::Inside},
        // The zones run along the edges' whole lines, also outside.
        {{99, 150}, Z::Left}, {{304, 150}, Z::Right}, {{305, 150}, Z::NoZone},
        {{200, 204}, Z::Bottom}, {{100, 400}, Z::BottomLeft}, {{50, 150}, Z::NoZone},
    };
    for (const auto &c : cases)
        QCOMPARE(ScreenCapturing::zoneAt(selection, c.p), c.zone);
}

void TestScreenCapturing::adjustSelectionRules()
{
    const QRect screen(0, 0, 800, 600);
    // An edge dragged inward in small steps stops at 100.
    QRect r(100, 100, 200, 200);
    for (int i = 0; i < 20; ++i)
        r = ScreenCapturing::adjustedSelection(r, screen, 0, 0, -10, 0);
    QCOMPARE(r.width(), 100);
    for (int i = 0; i < 20; ++i)
        r = ScreenCapturing::adjustedSelection(r, screen, 0, 10, 0, 0);
    QCOMPARE(r.height(), 100);
    // Outward is not limited by the rule.
    QCOMPARE(ScreenCapturing::adjustedSelection(QRect(100, 100, 50, 50), screen, -30, 0, 0, 0),
             QRect(70, 100, 80, 50));
    // A move against the left edge is dropped on that axis only.
    QCOMPARE(ScreenCapturing::adjustedSelection(QRect(5, 100, 200, 200), screen, -10, -10, -10, -10),
             QRect(5, 90, 200, 200));
    QCOMPARE(ScreenCapturing::adjustedSelection(QRect(595, 395, 200, 200), screen, 10, 10, 10, 10),
             QRect(595, 395, 200, 200));
    // A resize past the right edge is dropped whole, not clipped.
    QCOMPARE(ScreenCapturing::adjustedSelection(QRect(500, 100, 295, 200), screen, 0, 0, 20, 0),
             QRect(500, 100, 295, 200));
    // A narrow selection moved along its width grows instead.
    QCOMPARE(ScreenCapturing::adjustedSelection(QRect(100, 100, 50, 200), screen, 10, 10, 10, 10),
             QRect(100, 110, 60, 200));
    // The bounds are the screen's own when it is away from the origin.
    QCOMPARE(ScreenCapturing::adjustedSelection(QRect(805, 100, 200, 200), QRect(800, 0, 800, 600), -10, 0, -10, 0),
             QRect(805, 100, 200, 200));
}

void TestScreenCapturing::panelPlaces()
{
    const QRect screen(0, 0, 800, 600);
    const QSize size(300, 100);
    QCOMPARE(ScreenCapturing::panelPlace(QRect(100, 100, 400, 200), screen, size), QPoint(190, 309));
    QCOMPARE(ScreenCapturing::panelPlace(QRect(100, 400, 400, 150), screen, size), QPoint(190, 290));
    QCOMPARE(ScreenCapturing::panelPlace(QRect(0, 50, 200, 500), screen, size), QPoint(10, 10));
    // Never past the right edge, even for a selection reaching beyond it.
    QCOMPARE(ScreenCapturing::panelPlace(QRect(600, 100, 400, 200), screen, size), QPoint(490, 309));

    // Two monitors, the right one shorter: a selection low on it keeps the
    // panel on it, above the selection, not in the part no monitor shows.
    const QRect left(0, 0, 1920, 1080), right(1920, 0, 1280, 720), desktop = left | right;
    const QRect low(2000, 500, 400, 200);
    QCOMPARE(ScreenCapturing::panelBounds(low, desktop, {left, right}), right);
    QCOMPARE(ScreenCapturing::panelPlace(low, ScreenCapturing::panelBounds(low, desktop, {left, right}), size),
             QPoint(2090, 390));
    // Across both: the monitor holding most of it; off every monitor: the tool's rectangle.
    QCOMPARE(ScreenCapturing::panelBounds(QRect(1800, 100, 400, 100), desktop, {left, right}), right);
    QCOMPARE(ScreenCapturing::panelBounds(QRect(1700, 100, 400, 100), desktop, {left, right}), left);
    QCOMPARE(ScreenCapturing::panelBounds(QRect(2000, 800, 100, 100), desktop, {left, right}), desktop);
}

void TestScreenCapturing::pickingThenDraggingAnEdge()
{
    delete tool.data();
    tool = new ScreenCapturing(nullptr);
    tool->show();
    const QPoint o = tool->screenRect().topLeft();
    press(tool, o + QPoint(100, 100));
    move(tool, o + QPoint(300, 200));
    QVERIFY(!tool->isEditing());
    release(tool, o + QPoint(300, 200));
    QVERIFY(tool->isEditing());
    QVERIFY(tool->isVisible());
    QCOMPARE(tool->selectedRect(), QRect(o + QPoint(100, 100), QSize(200, 100)));
    QVERIFY(tool->panel()->isVisible());
    QCOMPARE(tool->panel()->pos(), ScreenCapturing::panelPlace(tool->selectedRect(), tool->screenRect(), tool->panel()->size()));

    // The right edge: pressing hides the panel, moving widens, releasing
    // places it anew.
    move(tool, o + QPoint(299, 150));
    QCOMPARE(tool->hitZone(), int(Z::Right));
    QCOMPARE(tool->cursor().shape(), Qt::SizeHorCursor);
    press(tool, o + QPoint(299, 150));
    QVERIFY(tool->isDragging());
    QVERIFY(!tool->panel()->isVisible());
    move(tool, o + QPoint(319, 150));
    move(tool, o + QPoint(339, 150));
    QCOMPARE(tool->selectedRect().width(), 240);
    release(tool, o + QPoint(339, 150));
    QVERIFY(!tool->isDragging());
    QVERIFY(tool->panel()->isVisible());

    // With a drawing tool chosen the edges give no zone.
    tool->setGraphicType(1);
    move(tool, o + QPoint(100, 150));
    QCOMPARE(tool->hitZone(), int(Z::NoZone));
    QCOMPARE(tool->cursor().shape(), Qt::ArrowCursor);
}

void TestScreenCapturing::composedPixmapIsUndimmedWithShapes()
{
    const QImage plain = pattern(region::desktop().size()).toImage().copy(selection.translated(-tool->screenRect().topLeft()));
    QCOMPARE(tool->composedPixmap().toImage().convertToFormat(QImage::Format_RGB32), plain);

    // A rectangle drawn through the tool's events is in the picture.
    tool->setPenColor(QColor(0, 255, 0));
    tool->setPenSize(4);
    tool->setGraphicType(1);
    const QPoint o = tool->screenRect().topLeft();
    press(tool, o + QPoint(120, 120));
    move(tool, o + QPoint(180, 160));
    release(tool, o + QPoint(180, 160));
    QCOMPARE(tool->drawing()->shapes().size(), 1);
    const QImage drawn = tool->composedPixmap().toImage();
    QCOMPARE(drawn.size(), selection.size());
    QCOMPARE(QColor(drawn.pixel(20, 40)), QColor(0, 255, 0));
    QCOMPARE(drawn.pixel(5, 5), plain.pixel(5, 5));
}

void TestScreenCapturing::actionsCommitAnOpenTextBox()
{
    tool->setGraphicType(7);
    const QPoint o = tool->screenRect().topLeft();
    press(tool, o + QPoint(130, 130));
    release(tool, o + QPoint(130, 130));
    MyPlainTextEdit *box = tool->drawing()->textBox();
    QVERIFY(box && !box->isHidden());
    box->setPlainText(QStringLiteral("WWWW"));
    const QImage before = tool->composedPixmap().toImage();
    QApplication::clipboard()->clear();
    tool->copy();
    QCOMPARE(tool->drawing()->shapes().size(), 1);
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), selection.size());
    QVERIFY(copied.convertToFormat(QImage::Format_RGB32) != before.convertToFormat(QImage::Format_RGB32));
    QCOMPARE(tool->result(), int(QDialog::Accepted));
}

void TestScreenCapturing::savePictureFormats()
{
    const QPixmap picture = pattern(QSize(40, 30));
    QCOMPARE(ScreenCapturing::savePicture(picture, dir->filePath("x.jpg")), dir->filePath("x.jpg"));
    QCOMPARE(head(dir->filePath("x.jpg"), 3), QByteArray("\xFF\xD8\xFF"));
    // The format follows the complete suffix: "b.jpg" is none, so PNG.
    QCOMPARE(ScreenCapturing::savePicture(picture, dir->filePath("a.b.jpg")), dir->filePath("a.b.png"));
    QVERIFY(!QFile::exists(dir->filePath("a.b.jpg")));
    QCOMPARE(head(dir->filePath("a.b.png"), 4), QByteArray("\x89PNG"));
    QCOMPARE(ScreenCapturing::savePicture(picture, dir->filePath("x.xyz")), dir->filePath("x.xyz"));
    QCOMPARE(head(dir->filePath("x.xyz"), 4), QByteArray("\x89PNG"));
    QCOMPARE(ScreenCapturing::savePicture(picture, dir->filePath("none/x.jpg")), QString());
    // A link at the name is not written through, even one to nothing yet.
    QVERIFY(QFile::link(dir->filePath("elsewhere.jpg"), dir->filePath("l.jpg")));
    QCOMPARE(ScreenCapturing::savePicture(picture, dir->filePath("l.jpg")), dir->filePath("l.png"));
    QVERIFY(!QFile::exists(dir->filePath("elsewhere.jpg")));
}

void TestScreenCapturing::saveAddsARecordAndRemembersTheFolder()
{
    const QString folder = dir->filePath("shots");
    QDir().mkpath(folder);
    answer = folder + "/a.b.jpg";
    tool->save();
    QVERIFY(proposed.contains(QStringLiteral("Snapshot_")));
    QCOMPARE(history->items().size(), 1);
    const HistoryItem *item = history->items().first();
    QCOMPARE(item->type(), int(HistoryItem::Screenshot));
    QCOMPARE(item->fileName(), folder + "/a.b.png");
    QCOMPARE(item->size(), selection.size());
    QCOMPARE(item->duration(), qint64(0));
    QCOMPARE(qint64(item->fileSize()), QFileInfo(folder + "/a.b.png").size());
    QCOMPARE(env->output()->ScreenshotsFolder, folder);
    QCOMPARE(tool->result(), int(QDialog::Accepted));
    QVERIFY(warnings.isEmpty());
}

void TestScreenCapturing::unwritableFolderWarnsAndKeepsEverything()
{
    const QString before = env->output()->ScreenshotsFolder;
    answer = dir->filePath("missing/x.jpg");
    tool->save();
    QCOMPARE(warnings.size(), 1);
    QVERIFY(history->items().isEmpty());
    QCOMPARE(env->output()->ScreenshotsFolder, before);
    QVERIFY(tool);
    QCOMPARE(tool->result(), 0);
    QVERIFY(tool->isVisible());
}

void TestScreenCapturing::cancelledDialogKeepsTheTool()
{
    tool->setGraphicType(1);
    const QPoint o = tool->screenRect().topLeft();
    press(tool, o + QPoint(120, 120));
    move(tool, o + QPoint(180, 160));
    release(tool, o + QPoint(180, 160));
    QSignalSpy closed(tool->panel(), &CapturePanel::closed);
    answer.clear();
    tool->save();
    QCOMPARE(closed.count(), 0);
    QVERIFY(tool->isVisible());
    QCOMPARE(tool->drawing()->shapes().size(), 1);
    QVERIFY(history->items().isEmpty());
}

void TestScreenCapturing::emptySelectionDoesNothing()
{
    QSignalSpy closed(tool->panel(), &CapturePanel::closed);
    tool->setSelection(QRect(100, 100, 0, 50));
    QApplication::clipboard()->clear();
    tool->copy();
    answer = dir->filePath("x.jpg");
    tool->save();
    tool->pinToScreen();
    QCOMPARE(closed.count(), 0);
    QVERIFY(QApplication::clipboard()->image().isNull());
    QVERIFY(!QFile::exists(answer));
    QVERIFY(PinToScreenWidget::pinnedWidgets().isEmpty());
}

void TestScreenCapturing::escapeOnThePanelAccepts()
{
    tool->panel()->show();
    QTest::keyClick(tool->panel(), Qt::Key_Escape);
    QCOMPARE(tool->result(), int(QDialog::Accepted));
    QVERIFY(!tool->isVisible());
    // The tool deletes itself.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!tool);
}

void TestScreenCapturing::undoRedoActions()
{
    // The keys are the palette's, inside the tool's own window: one owner
    // each, or an ambiguous key would do nothing.
    QAbstractButton *undo = nullptr, *redo = nullptr;
    int owners = 0;
    for (QAbstractButton *b : tool->findChildren<QAbstractButton *>()) {
        if (b->shortcut() == QKeySequence(QStringLiteral("Ctrl+Z")))
            undo = b, ++owners;
        if (b->shortcut() == QKeySequence(QStringLiteral("Ctrl+Y")))
            redo = b, ++owners;
    }
    for (QAction *a : tool->actions())
        owners += a->shortcut() == QKeySequence(QStringLiteral("Ctrl+Z"))
                  || a->shortcut() == QKeySequence(QStringLiteral("Ctrl+Y"));
    QVERIFY(undo && redo);
    QCOMPARE(owners, 2);
    tool->panel()->show();
    tool->setGraphicType(1);
    const QPoint o = tool->screenRect().topLeft();
    press(tool, o + QPoint(120, 120));
    move(tool, o + QPoint(180, 160));
    release(tool, o + QPoint(180, 160));
    undo->click();
    QCOMPARE(tool->drawing()->shapes().size(), 0);
    redo->click();
    QCOMPARE(tool->drawing()->shapes().size(), 1);
}

void TestScreenCapturing::pinLeavesAWindowAtTheSelection()
{
    tool->pinToScreen();
    QCOMPARE(PinToScreenWidget::pinnedWidgets().size(), 1);
    PinToScreenWidget *pin = PinToScreenWidget::pinnedWidgets().first();
    QCOMPARE(pin->geometry(), selection);
    QVERIFY(pin->isVisible());
    QCOMPARE(tool->result(), int(QDialog::Accepted));
}

QTEST_MAIN(TestScreenCapturing)
#include "tst_screencapturing.moc"
