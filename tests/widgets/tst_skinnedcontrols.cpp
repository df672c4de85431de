// State images, text colours, layout and elision of the skinned buttons, and
// the combo box's tool tips and wheel handling.

#include "ccombobox.h"
#include "mybutton.h"
#include "mytoolbutton.h"
#include "skinfixture.h"
#include "skinmanager.h"

#include <QApplication>
#include <QWheelEvent>
#include <QtTest>

namespace {
QPixmap solid(const QColor &c, int side = 20)
{
    QPixmap p(side, side);
    p.fill(c);
    return p;
}

ImageStateMap fullMap()
{
    return {{IMAGE_NORMAL, solid(Qt::red)}, {IMAGE_ON, solid(Qt::green)},
            {IMAGE_DOWN, solid(Qt::blue)}, {IMAGE_DISABLE, solid(Qt::gray)}};
}
} // namespace

class TestSkinnedControls : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QFont font("DejaVu Sans");
        font.setPixelSize(12);
        QApplication::setFont(font);
    }

    void checkedWithoutDownShowsNormalInSelectColour()
    {
        MyButton b("Go");
        b.resize(80, 30);
        b.setCheckable(true);
        b.setChecked(true);
        ImageStateMap map = fullMap();
        map.remove(IMAGE_DOWN);
        b.setImageMap(map);
        b.setProperty("selectcolor", QColor(Qt::magenta));
        b.grab();
        QCOMPARE(b.lastPaint().state, IMAGE_NORMAL);
        QCOMPARE(b.lastPaint().textColor, QColor(Qt::magenta));

        map.insert(IMAGE_DOWN, solid(Qt::blue));
        b.setImageMap(map);
        b.grab();
        QCOMPARE(b.lastPaint().state, IMAGE_DOWN);
    }

    void disabledUnderMouseShowsDisable()
    {
        CPushButton b("Go");
        b.resize(80, 30);
        b.setImageMap(fullMap());
        b.setProperty("hovercolor", QColor(Qt::yellow));
        b.setProperty("disablecolor", QColor(Qt::darkGray));
        b.show();
        QVERIFY(QTest::qWaitForWindowExposed(&b));
        QTest::mouseMove(&b, QPoint(10, 10));
        QApplication::processEvents();
        b.grab();
        QCOMPARE(b.lastPaint().state, IMAGE_ON);
        QCOMPARE(b.lastPaint().textColor, QColor(Qt::yellow));
        b.setEnabled(false);
        b.setAttribute(Qt::WA_UnderMouse, true);
        b.grab();
        QCOMPARE(b.lastPaint().state, IMAGE_DISABLE);
        QCOMPARE(b.lastPaint().textColor, QColor(Qt::darkGray));
    }

    void normalColourFollowsPalette()
    {
        CPushButton b("Go");
        b.resize(80, 30);
        b.setStyleSheet("CPushButton{color:#336699;}");
        b.setProperty("normalcolor", QColor(Qt::red));
        b.grab();
        QCOMPARE(b.lastPaint().textColor, QColor("#336699"));
        QVERIFY(b.lastPaint().state == IMAGE_NORMAL);
    }

    void typeZeroLayoutElidesAndTips()
    {
        CPushButton b;
        b.resize(100, 30);
        b.setImageMap({{IMAGE_NORMAL, solid(Qt::red, 20)}});
        b.setButtonType(0);
        b.setText("A text far too long for fifty pixels");
        b.grab();
        QCOMPARE(b.lastPaint().textRect.width(), 50);
        QCOMPARE(b.lastPaint().textRect.x(), 50);
        QCOMPARE(b.lastPaint().imageRect, QRect(0, 0, 50, 30));
        QCOMPARE(b.toolTip(), b.text());
        QVERIFY(b.lastPaint().shownText != b.text());
        QVERIFY(b.lastPaint().shownText.endsWith(QChar(0x2026)));

        b.setText("Ok");
        b.grab();
        QVERIFY(b.toolTip().isEmpty());
        QCOMPARE(b.lastPaint().shownText, QString("Ok"));

        // Centred text: starts after the image and the icon margin.
        b.setTextAlignment(Qt::AlignCenter);
        b.grab();
        QCOMPARE(b.lastPaint().textRect, QRect(35, 0, 65, 30));
    }

    void ownToolTipSurvivesFittingText()
    {
        CPushButton b("Ok");
        b.resize(100, 30);
        b.setButtonType(0);
        b.setToolTip("Confirm");
        b.grab();
        QCOMPARE(b.toolTip(), QString("Confirm"));

        MyToolButton t;
        t.resize(60, 30);
        t.setText("Exit");
        t.setToolTip("Close");
        t.grab();
        QCOMPARE(t.toolTip(), QString("Close"));
    }

    void buttonTypeAndAlignment()
    {
        CPushButton b;
        QCOMPARE(int(b.textAlignment()), 0x84);
        QCOMPARE(b.buttonType(), 1);
        QCOMPARE(b.iconMargin(), 15);
        b.setButtonType(0);
        QCOMPARE(int(b.textAlignment()), 0x81);
        b.setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        QCOMPARE(b.buttonType(), 0);
        QCOMPARE(int(b.textAlignment()), int(Qt::AlignRight | Qt::AlignVCenter));

        // Non-centred text of a centring button starts at the icon margin.
        CPushButton c("x");
        c.resize(90, 30);
        c.setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
        c.grab();
        QCOMPARE(c.lastPaint().textRect, QRect(15, 0, 75, 30));
        QCOMPARE(c.lastPaint().imageRect, QRect(0, 0, 90, 30));
    }

    void marginsFollowDisplayScale()
    {
        g_dscale = 1.5;
        CPushButton b;
        QCOMPARE(b.iconMargin(), 22);
        QCOMPARE(b.textMargin(), 22);
        g_dscale = 1.0;
    }

    void changeIconUsesObjectNameAndSkin()
    {
        skinfixture::SkinRoot root;
        root.addSkin("Style1", Qt::red, Qt::blue, "#ff0000");
        root.addShared();
        SkinManager *skin = SkinManager::instance();
        skin->init(0, {"Style1"}, "Win", "Olvex", "ml", "Mirelo", root.path());
        skin->ChangePart("Common");
        MyButton b;
        b.setObjectName("btn");
        b.changeIcon();
        QCOMPARE(b.imageMap().size(), 5);
        QCOMPARE(b.imageMap().value(IMAGE_NORMAL).size(), QSize(32, 28));

        MyToolButton t;
        t.changeIcon("half");
        QCOMPARE(t.imageMap().keys(), (QList<IMAGE_TYPE>{IMAGE_NORMAL, IMAGE_HOVER}));
        t.changeIcon("missing");
        QCOMPARE(t.imageMap().size(), 2);
        SkinManager::destroyInstance();
    }

    void toolButtonStates()
    {
        MyToolButton t;
        t.resize(40, 40);
        t.setImageMap(fullMap());
        t.setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        QCOMPARE(t.toolButtonStyleValue(), int(Qt::ToolButtonTextUnderIcon));
        QCOMPARE(t.toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        t.grab();
        QCOMPARE(t.lastPaintedState(), IMAGE_NORMAL);
        t.setCheckable(true);
        t.setChecked(true);
        t.grab();
        QCOMPARE(t.lastPaintedState(), IMAGE_DOWN);
        t.setEnabled(false);
        t.grab();
        QCOMPARE(t.lastPaintedState(), IMAGE_DISABLE);

        t.setText("A long tool button text");
        t.setEnabled(true);
        t.grab();
        QCOMPARE(t.toolTip(), t.text());
    }

    void overlayPicturesLandInPlace()
    {
        QPixmap marker = solid(Qt::red, 11);
        CPushButton b("Text");
        b.resize(120, 40);
        b.setImageMap({{IMAGE_NORMAL, solid(Qt::blue, 20)}});
        b.setButtonType(0);
        b.setMarkerPixmap(&marker);
        QImage shot = b.grab().toImage();
        QCOMPARE(shot.pixelColor(40, 25), QColor(Qt::red)); // at (35, 19), 11 x 14
        QCOMPARE(shot.pixelColor(25, 20), QColor(Qt::blue)); // the image, centred in its 50-wide box

        QPixmap limit = solid(Qt::green, 19);
        MyToolButton t;
        t.resize(120, 40);
        t.SetLimitPixmap(&limit);
        shot = t.grab().toImage();
        QCOMPARE(shot.pixelColor(79, 20), QColor(Qt::green)); // at (70, 10), 19 x 22

        QPixmap arrow = solid(Qt::magenta, 11);
        CComBobox c;
        c.resize(150, 30);
        c.setArrowPixmap(&arrow);
        shot = c.grab().toImage();
        QCOMPARE(shot.pixelColor(120, 14), QColor(Qt::magenta)); // at (115, 7), 11 x 14
    }

    void comboSwallowsWheel()
    {
        CComBobox box;
        box.addItems({"one", "two", "three"});
        box.setCurrentIndex(1);
        QWheelEvent down(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&box, &down);
        QCOMPARE(box.currentIndex(), 1);
        QVERIFY(!down.isAccepted());
    }

    void wheelGuardCoversPlainComboBoxes()
    {
        ComboWheelGuard::install(qApp);
        ComboWheelGuard::install(qApp); // once is enough
        QCOMPARE(qApp->findChildren<ComboWheelGuard *>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
        QComboBox box;
        box.addItems({"one", "two", "three"});
        box.setCurrentIndex(1);
        box.show();
        QVERIFY(QTest::qWaitForWindowExposed(&box));
        QWheelEvent down(QPointF(5, 5), QPointF(box.mapToGlobal(QPoint(5, 5))), QPoint(), QPoint(0, -120), Qt::NoButton,
                         Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&box, &down);
        QCOMPARE(box.currentIndex(), 1);
    }

    void comboToolTipsForWideItems()
    {
        CComBobox box;
        box.resize(60, 24);
        box.addItem("ab", 7);
        box.addItem("A camera name that is far too long");
        QVERIFY(box.itemData(0, Qt::ToolTipRole).isNull());
        QCOMPARE(box.itemData(0).toInt(), 7);
        QCOMPARE(box.itemData(1, Qt::ToolTipRole).toString(), QString("A camera name that is far too long"));

        box.insertItems(1, {"x", "Another text that does not fit at all"});
        QVERIFY(box.itemData(1, Qt::ToolTipRole).isNull());
        QCOMPARE(box.itemData(2, Qt::ToolTipRole).toString(), QString("Another text that does not fit at all"));
        box.insertItems(99, {"And one more text that is too wide"});
        QCOMPARE(box.itemData(box.count() - 1, Qt::ToolTipRole).toString(),
                 QString("And one more text that is too wide"));
    }
};

QTEST_MAIN(TestSkinnedControls)
#include "tst_skinnedcontrols.moc"
