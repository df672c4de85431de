// The drawing palette against a host that records what it is told: what
// construction sends, each tool button and its pages, sizes and rectangle
// mode, colour routing, the editors without echo, the callout number and a
// palette without a host.
#include <QtTest>

#include "graphiceditor.h"
#include "igraphiceditable.h"

#include <QComboBox>
#include <QLineEdit>
#include <QSlider>
#include <QSpinBox>
#include <QStackedWidget>
#include <QToolButton>

namespace {

class FakeHost : public QObject, public IGraphicEditable
{
    Q_OBJECT
    Q_INTERFACES(IGraphicEditable)
public:
    QStringList calls;
    int tool = 0;

    int graphicType() override { return tool; }
    void setGraphicType(int t) override { tool = t; calls << QStringLiteral("setGraphicType(%1)").arg(t); }
    void setPenSize(int s) override { calls << QStringLiteral("setPenSize(%1)").arg(s); }
    void setFontSize(int s) override { calls << QStringLiteral("setFontSize(%1)").arg(s); }
    void setPenColor(const QColor &c) override { calls << QStringLiteral("setPenColor(%1)").arg(name(c)); }
    void setFillColor(const QColor &c) override { calls << QStringLiteral("setFillColor(%1)").arg(name(c)); }
    void setFontColor(const QColor &c) override { calls << QStringLiteral("setFontColor(%1)").arg(name(c)); }
    void setOrderNumber(int n) override { calls << QStringLiteral("setOrderNumber(%1)").arg(n); }
    void setRectangleMode(bool on) override { calls << QStringLiteral("setRectangleMode(%1)").arg(on); }
    void setBlurRadius(int r) override { calls << QStringLiteral("setBlurRadius(%1)").arg(r); }

public slots:
    void undo() override { calls << QStringLiteral("undo"); }
    void redo() override { calls << QStringLiteral("redo"); }
    void clear() override { calls << QStringLiteral("clear"); }
    void watchOrderNumber(QObject *receiver, std::function<void(int)> onChange) override
    {
        connect(this, &FakeHost::orderNumberChanged, receiver, std::move(onChange));
    }

signals:
    void orderNumberChanged(int next);

private:
    static QString name(const QColor &c) { return c.isValid() ? c.name() : QStringLiteral("invalid"); }
};

template <typename T>
T *child(QWidget *editor, const char *name)
{
    T *w = editor->findChild<T *>(QLatin1String(name));
    if (!w)
        qFatal("no child %s", name);
    return w;
}

QToolButton *button(QWidget *editor, const char *name) { return child<QToolButton>(editor, name); }
int page(QWidget *editor, const char *stack) { return child<QStackedWidget>(editor, stack)->currentIndex(); }

} // namespace

class TestGraphicEditor : public QObject
{
    Q_OBJECT
private slots:
    void constructionSendsPenSizeAndBlurOnly()
    {
        FakeHost host;
        GraphicEditor editor(nullptr, &host);
        QCOMPARE(host.calls, QStringList({"setPenSize(2)", "setBlurRadius(5)"}));
        QVERIFY(button(&editor, "btnSize2")->isChecked());
        QCOMPARE(page(&editor, "stackedToolCheckedOrNot"), 0);
        QCOMPARE(child<QComboBox>(&editor, "cbxFontSize")->currentText(), QStringLiteral("12"));
        QCOMPARE(child<QComboBox>(&editor, "cbxFontSize")->count(), 39);
        QVERIFY(child<QSpinBox>(&editor, "edtCallout")->isHidden());
        QVERIFY(!button(&editor, "btnSelectedColor1")->isEnabled()); // the fill swatch is the target
        QCOMPARE(child<QLineEdit>(&editor, "edtRGBValue")->text(), QStringLiteral("ff0000"));
        QCOMPARE(button(&editor, "btnRectangle")->toolTip(), QStringLiteral("Rectangle"));
        QCOMPARE(button(&editor, "btnExitDrawing")->toolTip(), QStringLiteral("Exit drawing board editing"));
    }

    void toolButtonsAndPages()
    {
        FakeHost host;
        GraphicEditor editor(nullptr, &host);
        host.calls.clear();

        button(&editor, "btnText")->click();
        QCOMPARE(host.calls, QStringList({"setGraphicType(7)"}));
        QCOMPARE(page(&editor, "stackedToolCheckedOrNot"), 1);
        QCOMPARE(page(&editor, "statckedColorOrText"), 1);
        button(&editor, "btnText")->click();
        QCOMPARE(host.calls.last(), QStringLiteral("setGraphicType(0)"));
        QCOMPARE(page(&editor, "stackedToolCheckedOrNot"), 0);

        button(&editor, "btnRectangle")->click();
        button(&editor, "btnEraser")->click();
        QCOMPARE(host.calls.last(), QStringLiteral("setGraphicType(9)"));
        QVERIFY(!button(&editor, "btnRectangle")->isChecked());
        QVERIFY(button(&editor, "btnEraser")->isChecked());
        QCOMPARE(page(&editor, "stackedColorOrRectangle"), 1);
        QCOMPARE(page(&editor, "statckedColorOrText"), 0);
        QVERIFY(child<QSlider>(&editor, "sldBlur")->isHidden());

        button(&editor, "btnBlur")->click();
        QCOMPARE(host.calls.last(), QStringLiteral("setGraphicType(10)"));
        QVERIFY(!child<QSlider>(&editor, "sldBlur")->isHidden());
        QVERIFY(!button(&editor, "btnEraser")->isChecked());

        button(&editor, "btnCallout")->click();
        QCOMPARE(page(&editor, "stackedSelectedColor"), 1);
        QCOMPARE(page(&editor, "stackedColorOrRectangle"), 0);
        QVERIFY(!child<QSpinBox>(&editor, "edtCallout")->isHidden());

        const QList<QPair<const char *, int>> tools = {
            {"btnRectangle", 1}, {"btnEllipse", 2}, {"btnLine", 3}, {"btnArrow", 4}, {"btnBrush", 5},
            {"btnAirBrush", 6}, {"btnText", 7}, {"btnCallout", 8}, {"btnEraser", 9}, {"btnBlur", 10}};
        for (const auto &t : tools) {
            button(&editor, t.first)->click();
            QCOMPARE(host.calls.last(), QStringLiteral("setGraphicType(%1)").arg(t.second));
        }

        button(&editor, "btnExitDrawing")->click();
        QCOMPARE(host.calls.last(), QStringLiteral("setGraphicType(0)"));
        QVERIFY(!button(&editor, "btnBlur")->isChecked());
        QCOMPARE(page(&editor, "stackedToolCheckedOrNot"), 0);
        QVERIFY(child<QSpinBox>(&editor, "edtCallout")->isHidden());

        button(&editor, "btnUndo")->click();
        button(&editor, "btnRedo")->click();
        button(&editor, "btnClear")->click();
        QCOMPARE(host.calls.mid(host.calls.size() - 3), QStringList({"undo", "redo", "clear"}));
    }

    void eraserOptionsAndSizes()
    {
        FakeHost host;
        GraphicEditor editor(nullptr, &host);
        button(&editor, "btnSize4")->click();
        QCOMPARE(host.calls.last(), QStringLiteral("setPenSize(8)"));
        button(&editor, "btnEraser")->click();
        button(&editor, "btnSelectRectangle")->click();
        QCOMPARE(host.calls.last(), QStringLiteral("setRectangleMode(1)"));
        host.calls.clear();
        // A width switches back to strokes.
        button(&editor, "btnSize1")->click();
        QCOMPARE(host.calls, QStringList({"setPenSize(1)", "setRectangleMode(0)"}));
        QVERIFY(!button(&editor, "btnSelectRectangle")->isChecked());
        // Away from the eraser, sizes send only the size.
        button(&editor, "btnBrush")->click();
        host.calls.clear();
        button(&editor, "btnSize3")->click();
        QCOMPARE(host.calls, QStringList({"setPenSize(4)"}));

        button(&editor, "btnBlur")->click();
        host.calls.clear();
        child<QSlider>(&editor, "sldBlur")->setValue(9);
        QCOMPARE(host.calls, QStringList({"setBlurRadius(9)"}));
        child<QComboBox>(&editor, "cbxFontSize")->setCurrentIndex(19);
        QCOMPARE(host.calls.last(), QStringLiteral("setFontSize(20)"));
    }

    void calloutColoursGoToFillOrNumber()
    {
        FakeHost host;
        GraphicEditor editor(nullptr, &host);
        button(&editor, "btnColor8")->click();
        QCOMPARE(host.calls.last(), QStringLiteral("setPenColor(#0000ff)"));

        button(&editor, "btnCallout")->click();
        host.calls.clear();
        button(&editor, "btnColor11")->click();
        QCOMPARE(host.calls, QStringList({"setFillColor(#ffff00)"}));
        button(&editor, "btnSelectedColor2")->click();
        QVERIFY(!button(&editor, "btnSelectedColor2")->isEnabled());
        QVERIFY(button(&editor, "btnSelectedColor1")->isEnabled());
        QCOMPARE(child<QLineEdit>(&editor, "edtRGBValue")->text(), QStringLiteral("ffffff"));
        button(&editor, "btnColor1")->click();
        QCOMPARE(host.calls, QStringList({"setFillColor(#ffff00)", "setFontColor(#000000)"}));
        // Back to the fill swatch: the editors show the colour it was given.
        button(&editor, "btnSelectedColor1")->click();
        QCOMPARE(child<QLineEdit>(&editor, "edtRGBValue")->text(), QStringLiteral("ffff00"));
        QCOMPARE(host.calls.size(), 2);
    }

    void editorsWithoutEcho()
    {
        FakeHost host;
        GraphicEditor editor(nullptr, &host);
        button(&editor, "btnCustomColor")->click();
        QCOMPARE(page(&editor, "stackedColorPresetOrCustom"), 1);
        host.calls.clear();

        auto *hex = child<QLineEdit>(&editor, "edtRGBValue");
        hex->setFocus();
        hex->selectAll();
        QTest::keyClicks(hex, QStringLiteral("00ff00"));
        // Each keystroke is sent; the full six digits' colour stays.
        QVERIFY(host.calls.size() >= 6);
        QCOMPARE(host.calls.last(), QStringLiteral("setPenColor(#00ff00)"));
        QVERIFY(host.calls.filter(QStringLiteral("setPenColor")).size() == host.calls.size());
        QCOMPARE(child<QSpinBox>(&editor, "edtRValue")->value(), 0);
        QCOMPARE(child<QSpinBox>(&editor, "edtGValue")->value(), 255);
        QCOMPARE(child<QSpinBox>(&editor, "edtBValue")->value(), 0);

        host.calls.clear();
        child<QSpinBox>(&editor, "edtBValue")->setValue(128);
        QCOMPARE(host.calls, QStringList({"setPenColor(#00ff80)"}));
        QCOMPARE(hex->text(), QStringLiteral("00ff80"));
        QCOMPARE(child<QSpinBox>(&editor, "edtGValue")->value(), 255);

        button(&editor, "btnPresetColor")->click();
        QCOMPARE(page(&editor, "stackedColorPresetOrCustom"), 0);
    }

    void calloutNumberFeedBack()
    {
        FakeHost host;
        GraphicEditor editor(nullptr, &host);
        host.calls.clear();
        emit host.orderNumberChanged(5);
        QCOMPARE(child<QSpinBox>(&editor, "edtCallout")->value(), 5);
        QVERIFY(host.calls.isEmpty());
        child<QSpinBox>(&editor, "edtCallout")->setValue(12);
        QCOMPARE(host.calls, QStringList({"setOrderNumber(12)"}));
    }

    void screenshotMode()
    {
        FakeHost host;
        GraphicEditor editor(nullptr, &host);
        editor.setScreenshotMode(false);
        QVERIFY(button(&editor, "btnBlur")->isHidden());
        QVERIFY(editor.findChild<QWidget *>(QStringLiteral("CentralWidget"))->styleSheet().isEmpty());
        editor.setScreenshotMode(true);
        QVERIFY(!button(&editor, "btnBlur")->isHidden());
        QVERIFY(editor.findChild<QWidget *>(QStringLiteral("CentralWidget"))->styleSheet().contains("#F5F5FB"));
    }

    void nullHost()
    {
        GraphicEditor editor(nullptr, nullptr);
        editor.setScreenshotMode(true);
        QVERIFY(!button(&editor, "btnRectangle")->isEnabled());
        QVERIFY(!button(&editor, "btnEraser")->isEnabled());
        QVERIFY(!button(&editor, "btnUndo")->isEnabled());
        // Nothing to send to: these must simply not crash.
        button(&editor, "btnColor3")->click();
        button(&editor, "btnSize1")->click();
        button(&editor, "btnExitDrawing")->click();
        child<QSlider>(&editor, "sldBlur")->setValue(7);
        child<QSpinBox>(&editor, "edtCallout")->setValue(3);
        QCOMPARE(page(&editor, "stackedToolCheckedOrNot"), 0);
    }
};

QTEST_MAIN(TestGraphicEditor)
#include "tst_graphiceditor.moc"
