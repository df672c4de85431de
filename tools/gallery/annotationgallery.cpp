// The drawing palette on each of its pages, in the screenshot panel's look
// and in the control bar's, and a sheet of every shape kind drawn through
// the drawing controller by mouse input.

#include "gallery.h"

#include "graphicdrawing.h"
#include "graphiceditor.h"
#include "igraphiceditable.h"
#include "myplaintextedit.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// A drawing board: the smallest annotation host.
class Board : public QWidget, public IGraphicEditable
{
    Q_OBJECT
    Q_INTERFACES(IGraphicEditable)
public:
    explicit Board(QWidget *parent = nullptr) : QWidget(parent), m_drawing(this)
    {
        connect(&m_drawing, &GraphicDrawing::orderNumberChanged, this, &Board::orderNumberChanged);
    }
    GraphicDrawing &drawing() { return m_drawing; }

    int graphicType() override { return m_drawing.graphicType(); }
    void setGraphicType(int tool) override { m_drawing.setGraphicType(tool); }
    void setPenSize(int size) override { m_drawing.setPenSize(size); }
    void setFontSize(int size) override { m_drawing.setFontSize(size); }
    void setPenColor(const QColor &c) override { m_drawing.setPenColor(c); }
    void setFillColor(const QColor &c) override { m_drawing.setFillColor(c); }
    void setFontColor(const QColor &c) override { m_drawing.setFontColor(c); }
    void setOrderNumber(int n) override { m_drawing.setOrderNumber(n); }
    void setRectangleMode(bool on) override { m_drawing.setRectangleMode(on); }
    void setBlurRadius(int r) override
    {
        m_drawing.setBlurRadius(r);
        repaint();
    }

public slots:
    void undo() override { m_drawing.undo(); }
    void redo() override { m_drawing.redo(); }
    void clear() override { m_drawing.clear(); }
    void watchOrderNumber(QObject *receiver, std::function<void(int)> onChange) override
    {
        connect(this, &Board::orderNumberChanged, receiver, std::move(onChange));
    }

signals:
    void orderNumberChanged(int next);

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        if (!m_drawing.background().isNull())
            painter.drawPixmap(0, 0, m_drawing.background());
        m_drawing.paint(&painter);
    }

private:
    GraphicDrawing m_drawing;
};

void send(QWidget *w, QEvent::Type type, const QPoint &p)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(Qt::LeftButton);
    QMouseEvent event(type, p, w->mapToGlobal(p), button, held, Qt::NoModifier);
    QApplication::sendEvent(w, &event);
}

void stroke(QWidget *w, const QVector<QPoint> &points)
{
    send(w, QEvent::MouseButtonPress, points.first());
    for (int i = 1; i < points.size(); ++i)
        send(w, QEvent::MouseMove, points.at(i));
    send(w, QEvent::MouseButtonRelease, points.last());
}

// Buttons to click, in order, to reach a page.
QWidget *palette(bool screenshot, const QStringList &clicks)
{
    auto *window = new QWidget;
    if (!screenshot)
        window->setProperty("STYLE_KEY", QStringLiteral("CONTROL_DARK_WIDGET"));
    window->setAttribute(Qt::WA_StyledBackground, true);
    auto *layout = new QVBoxLayout(window);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *board = new Board(window);
    board->hide();
    auto *editor = new GraphicEditor(window, board);
    editor->setScreenshotMode(screenshot);
    layout->addWidget(editor);
    for (const QString &name : clicks)
        if (auto *b = editor->findChild<QToolButton *>(name))
            b->click();
    return window;
}

QWidget *shapeSheet()
{
    auto *board = new Board;
    board->setFixedSize(640, 260);
    board->setAutoFillBackground(true);
    QPalette pal = board->palette();
    pal.setColor(QPalette::Window, Qt::white);
    board->setPalette(pal);
    // A background picture with some structure, so eraser and blur show.
    QPixmap background(640, 260);
    background.fill(Qt::white);
    {
        QPainter p(&background);
        for (int x = 0; x < 640; x += 16)
            p.fillRect(x, 0, 8, 260, QColor(0xDC, 0xE0, 0xEA));
        p.setPen(Qt::black);
        p.setFont(QFont(QStringLiteral("Tahoma"), 14));
        p.drawText(QRect(500, 150, 130, 100), Qt::AlignCenter, QStringLiteral("Blurred"));
    }
    board->drawing().setBackground(background);
    board->drawing().setBlurRadius(6);
    GraphicDrawing &d = board->drawing();

    d.setPenSize(2);
    d.setPenColor(Qt::red);
    d.setGraphicType(1);
    stroke(board, {{20, 20}, {120, 100}});
    d.setGraphicType(2);
    d.setPenColor(QColor("#0000FF"));
    stroke(board, {{140, 20}, {240, 100}});
    d.setGraphicType(3);
    d.setPenColor(QColor("#008000"));
    d.setPenSize(4);
    stroke(board, {{260, 100}, {360, 20}});
    d.setGraphicType(4);
    d.setPenColor(QColor("#800080"));
    stroke(board, {{380, 100}, {480, 30}});
    d.setGraphicType(5);
    d.setPenColor(QColor("#FF00FF"));
    stroke(board, {{500, 40}, {520, 90}, {560, 30}, {600, 90}});
    d.setGraphicType(6);
    d.setPenColor(QColor("#008080"));
    d.setPenSize(8);
    stroke(board, {{20, 140}, {60, 180}, {110, 150}, {140, 220}});
    d.setGraphicType(8);
    d.setFillColor(Qt::red);
    d.setFontColor(Qt::white);
    const QList<QPair<int, QPoint>> callouts = {{1, {170, 170}}, {2, {200, 175}}, {4, {240, 185}}, {8, {290, 200}}};
    for (const auto &c : callouts) {
        d.setPenSize(c.first);
        send(board, QEvent::MouseButtonPress, c.second);
        send(board, QEvent::MouseButtonRelease, c.second);
    }
    d.setGraphicType(7);
    d.setPenColor(Qt::black);
    d.setFontSize(14);
    send(board, QEvent::MouseButtonPress, QPoint(325, 140));
    d.textBox()->setPlainText(QStringLiteral("Text, line one\n\nafter an empty line"));
    d.commitTextBox();
    d.setGraphicType(9);
    d.setPenSize(8);
    stroke(board, {{20, 60}, {120, 60}});
    d.setRectangleMode(true);
    stroke(board, {{90, 150}, {130, 200}});
    d.setGraphicType(10);
    stroke(board, {{500, 160}, {630, 240}});
    d.setGraphicType(0);
    return board;
}

} // namespace

namespace gallery {

QList<GalleryEntry> annotationEntries()
{
    QList<GalleryEntry> entries;
    for (bool screenshot : {true, false}) {
        const QString mode = screenshot ? QStringLiteral("screenshot") : QStringLiteral("recording");
        entries << GalleryEntry{"palette-" + mode + "-hint", [=] { return palette(screenshot, {}); }};
        entries << GalleryEntry{"palette-" + mode + "-pen",
                                [=] { return palette(screenshot, {"btnRectangle", "btnColor8"}); }};
        entries << GalleryEntry{"palette-" + mode + "-font", [=] { return palette(screenshot, {"btnText"}); }};
        entries << GalleryEntry{"palette-" + mode + "-callout",
                                [=] { return palette(screenshot, {"btnCallout", "btnColor11"}); }};
        entries << GalleryEntry{"palette-" + mode + "-eraser",
                                [=] { return palette(screenshot, {"btnEraser", "btnSelectRectangle"}); }};
        if (screenshot)
            entries << GalleryEntry{"palette-" + mode + "-blur", [=] { return palette(screenshot, {"btnBlur"}); }};
        entries << GalleryEntry{"palette-" + mode + "-custom",
                                [=] { return palette(screenshot, {"btnBrush", "btnCustomColor"}); }};
    }
    entries << GalleryEntry{"annotation-shapes", shapeSheet};
    return entries;
}

} // namespace gallery

#include "annotationgallery.moc"
