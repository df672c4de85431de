// Skin selection, sprite cutting, style-sheet rewriting, colours and skin
// switching, against throw-away skin folders.

#include "keptfile.h"
#include "skinfixture.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QtTest>

using namespace skinfixture;

namespace {
const QStringList kSkins = {"Style1", "Style2"};
const QStringList kWalk = {"Win", "Olvex", "ml", "Mirelo"};
const QColor kRed(200, 0, 0), kGreen(0, 160, 0), kBlue(0, 0, 200), kGrey(90, 90, 90);

int initSkin(const QString &root, int index = 0, const QStringList &walk = kWalk)
{
    SkinManager::destroyInstance();
    return SkinManager::instance()->init(index, kSkins, walk[0], walk[1], walk[2], walk[3], root);
}

QColor centreOf(const QPixmap &p)
{
    return p.toImage().pixelColor(p.width() / 2, p.height() / 2);
}

QDomDocument logoDoc(const QString &xml)
{
    QDomDocument doc;
    doc.setContent(xml, true);
    return doc;
}
} // namespace

class TestSkinManager : public QObject
{
    Q_OBJECT
private slots:
    void cleanup()
    {
        SkinManager::destroyInstance();
        g_dscale = 1.0;
    }

    void selectsWantedSkin()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addSkin("Style2", kGreen, kGrey, "#00ff00");
        root.addShared();
        QCOMPARE(initSkin(root.path(), 1), int(SkinManager::StatusWanted));
        SkinManager *skin = SkinManager::instance();
        QCOMPARE(skin->currentSkinIndex(), 1);
        QCOMPARE(skin->skinPath(), root.path() + "/Style2/");
        QCOMPARE(skin->existingSkins(), kSkins);
        QCOMPARE(skin->iconStyleSheetPath(), root.path() + "/Icon.qss");
        QCOMPARE(skin->colorStyleSheetPath(), root.path() + "/Style2/Color.qss");
    }

    void fallsBackToAnExistingSkin()
    {
        SkinRoot root;
        root.addSkin("Style2", kGreen, kGrey, "#00ff00");
        root.addShared();
        QCOMPARE(initSkin(root.path(), 0), int(SkinManager::StatusFallback));
        QCOMPARE(SkinManager::instance()->currentSkinIndex(), 1);
        QCOMPARE(SkinManager::instance()->skinPath(), root.path() + "/Style2/");

        SkinRoot only1;
        only1.addSkin("Style1", kRed, kBlue, "#ff0000");
        QCOMPARE(initSkin(only1.path(), 7), int(SkinManager::StatusFallback));
        QCOMPARE(SkinManager::instance()->currentSkinIndex(), 0);
    }

    void reportsNoSkin()
    {
        SkinRoot empty;
        QCOMPARE(initSkin(empty.path(), 0), int(SkinManager::StatusNoSkin));
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        QCOMPARE(initSkin(root.path(), -1), int(SkinManager::StatusNoSkin));
    }

    void reportsMissingLogo()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addShared();
        const QStringList unknown = {"Win", "Olvex", "ml", "Unknown Edition"};
        QCOMPARE(initSkin(root.path(), 0, unknown), int(SkinManager::StatusLogoMissing));
        QCOMPARE(initSkin(root.path(), 1, unknown), int(SkinManager::StatusFallbackLogoMissing));
        // The partly loaded skin still serves its images.
        SkinManager::instance()->ChangePart("Common");
        QVERIFY(!SkinManager::instance()->pixmap("btn").isNull());
    }

    void findsEditionLogo()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        QCOMPARE(initSkin(root.path(), 0), int(SkinManager::StatusWanted));
        SkinManager *skin = SkinManager::instance();
        QCOMPARE(skin->logoNode().toElement().attribute("name"), QString("Mirelo"));
        QCOMPARE(skin->logoPixmap("icon").size(), QSize(120, 120));
        QCOMPARE(skin->logoPixmap("brand").size(), QSize(240, 240));
        // A single-language edition is redirected to the shared block.
        QCOMPARE(initSkin(root.path(), 0, {"Win", "Olvex", "fr", "Olvex Free Mirelo"}),
                 int(SkinManager::StatusWanted));
    }

    void logoRedirects()
    {
        const QString xml = R"(<?xml version="1.0"?><Skin><System name="Win"><Brand name="B">
            <Language name="ml">
              <Edition name="Real"><logo x="1" y="2" width="3" height="4"/></Edition>
              <Edition name="Old" path="Win\B\ml\Real"/>
              <Edition name="Same" path="Win\B\ml\Same"/>
              <Edition name="PingA" path="\\\PingB"/>
              <Edition name="PingB" path="\\\PingA"/>
            </Language></Brand></System></Skin>)";
        const QDomDocument doc = logoDoc(xml);
        QDomNode n = SkinManager::walkLogo(doc, {"Win", "B", "ml", "Old"});
        QCOMPARE(n.toElement().attribute("name"), QString("Real"));
        // Empty names are passed over.
        n = SkinManager::walkLogo(doc, {"Win", "", "B", "ml", "Real"});
        QCOMPARE(n.toElement().attribute("name"), QString("Real"));
        QVERIFY(!SkinManager::walkLogo(doc, {"", "Win", "B", "ml"}).isNull());
        // A path that names the walk itself fails; so does a cycle.
        QVERIFY(SkinManager::walkLogo(doc, {"Win", "B", "ml", "Same"}).isNull());
        QVERIFY(SkinManager::walkLogo(doc, {"Win", "B", "ml", "PingA"}).isNull());
        QVERIFY(SkinManager::walkLogo(QDomDocument(), kWalk).isNull());
    }

    void computesDisplayScale_data()
    {
        QTest::addColumn<int>("width");
        QTest::addColumn<int>("height");
        QTest::addColumn<double>("scale");
        QTest::newRow("1920") << 1920 << 1080 << 1.0;
        QTest::newRow("3840") << 3840 << 2160 << 1.5;
        QTest::newRow("5120") << 5120 << 2880 << 2.0;
        QTest::newRow("7680 clamped") << 7680 << 4320 << 2.0;
        QTest::newRow("1280 clamped") << 1280 << 720 << 1.0;
        QTest::newRow("3840x1080 wide") << 3840 << 1080 << 1.0;
        QTest::newRow("7680x2160 wide") << 7680 << 2160 << 1.5;
        QTest::newRow("zero height") << 3840 << 0 << 1.0;
        QTest::newRow("no screen") << 0 << 0 << 1.0;
    }
    void computesDisplayScale()
    {
        QFETCH(int, width);
        QFETCH(int, height);
        QFETCH(double, scale);
        QCOMPARE(SkinManager::computeScale(width, height, 2560.0), scale);
    }

    void detectsScaleFromPrimaryScreen()
    {
        SkinManager *skin = SkinManager::instance();
        skin->setBaseWidth(2560.0);
        double out = 0;
        skin->detectDpiScale(&out);
        QVERIFY(out >= 1.0 && out <= 2.0);
        QCOMPARE(out, skin->scale());
    }

    void cutsSprites_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<bool>("half");
        QTest::addColumn<QSize>("size");
        QTest::newRow("1.0 half") << 1.0 << true << QSize(32, 28);
        QTest::newRow("1.5 half") << 1.5 << true << QSize(48, 42);
        QTest::newRow("2.0 half") << 2.0 << true << QSize(64, 56);
        QTest::newRow("1.0 whole") << 1.0 << false << QSize(64, 56);
        QTest::newRow("1.5 whole") << 1.5 << false << QSize(96, 84);
    }
    void cutsSprites()
    {
        QFETCH(double, scale);
        QFETCH(bool, half);
        QFETCH(QSize, size);
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addShared();
        initSkin(root.path());
        SkinManager *skin = SkinManager::instance();
        skin->setScale(scale);
        skin->setHalfSize(half);
        skin->ChangePart("Common");
        ImageStateMap map;
        skin->imageMap(&map, "btn", half);
        QCOMPARE(map.keys(), (QList<IMAGE_TYPE>{IMAGE_NORMAL, IMAGE_ON, IMAGE_DOWN, IMAGE_DISABLE, IMAGE_HOVER}));
        QCOMPARE(map.value(IMAGE_NORMAL).size(), size);
        QCOMPARE(centreOf(map.value(IMAGE_NORMAL)), kRed);
        QCOMPARE(centreOf(map.value(IMAGE_ON)), kBlue);
        QCOMPARE(skin->pixmap("btn").size(), size);
        QCOMPARE(g_dscale, scale);
    }

    void imageMapKeepsMissingStates()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addShared();
        initSkin(root.path());
        SkinManager *skin = SkinManager::instance();
        skin->ChangePart("Common");
        ImageStateMap map;
        skin->imageMap(&map, "btn", true);
        const qint64 downKey = map.value(IMAGE_DOWN).cacheKey();
        skin->imageMap(&map, "half", true);
        QCOMPARE(map.size(), 5);
        QCOMPARE(map.value(IMAGE_NORMAL).size(), QSize(16, 16));
        QCOMPARE(map.value(IMAGE_HOVER).size(), QSize(8, 8));
        QCOMPARE(map.value(IMAGE_DOWN).cacheKey(), downKey);
        // Unknown keys and empty elements change nothing.
        skin->imageMap(&map, "nothing", true);
        QCOMPARE(map.size(), 5);
        QVERIFY(skin->pixmap("empty").isNull());
        QVERIFY(skin->pixmap("nothing").isNull());
    }

    void partStaysOnUnknownName()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addShared();
        initSkin(root.path());
        SkinManager *skin = SkinManager::instance();
        QVERIFY(skin->pixmap("line").isNull()); // no part chosen yet
        skin->ChangePart("title");
        skin->ChangePart("nope");
        QCOMPARE(skin->currentPartName(), QString("title"));
        skin->ChangePart(QString()); // names no part either
        QCOMPARE(skin->currentPartName(), QString("title"));
        QCOMPARE(skin->pixmap("line").size(), QSize(2, 23));
        QVERIFY(skin->pixmap("btn").isNull());
    }

    void rewritesSizeMarkers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("expected");
        QTest::newRow("font") << "font-size:FONT_12px;" << 1.5 << "font-size:18px;";
        QTest::newRow("spaced") << "height:SIZECHANGE_ 25px" << 1.5 << "height:38px";
        QTest::newRow("negative") << "margin:FONT_-3px;" << 1.5 << "margin:-5px;";
        QTest::newRow("half up") << "width:SIZECHANGE_10px;" << 1.25 << "width:13px;";
        QTest::newRow("several")
            << "a{font-size:FONT_10px;margin:SIZECHANGE_4px SIZECHANGE_6px;}" << 2.0
            << "a{font-size:20px;margin:8px 12px;}";
        QTest::newRow("font family kept") << "*{font-family:\"%1\";font-size:FONT_9px;}" << 1.0
                                          << "*{font-family:\"%1\";font-size:9px;}";
        QTest::newRow("no markers") << "QLabel{color:#fff;padding:4px;}" << 1.5
                                    << "QLabel{color:#fff;padding:4px;}";
        QTest::newRow("marker without number") << "a{x:FONT_abc;}" << 1.5 << "a{x:FONT_abc;}";
        QTest::newRow("marker without px") << "a{x:FONT_12;}" << 1.5 << "a{x:FONT_12;}";
        QTest::newRow("px before digits") << "a{x:FONT_px;y:3px}" << 1.5 << "a{x:FONT_px;y:3px}";
        QTest::newRow("junk before px") << "a{x:FONT_12em;y:4px}" << 1.5 << "a{x:FONT_12em;y:4px}";
        QTest::newRow("bad then good") << "a{x:FONT_;y:FONT_4px}" << 1.5 << "a{x:FONT_;y:6px}";
        QTest::newRow("at end") << "SIZECHANGE_" << 1.5 << "SIZECHANGE_";
    }
    void rewritesSizeMarkers()
    {
        QFETCH(QString, text);
        QFETCH(double, scale);
        QFETCH(QString, expected);
        QCOMPARE(SkinManager::rewriteSizeMarkers(text, scale), expected);
    }

    void loadsStyleSheetAtScale()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addShared("QLabel{font-size:FONT_12px;}\nQPushButton{height:SIZECHANGE_ 25px;}");
        initSkin(root.path());
        SkinManager *skin = SkinManager::instance();
        skin->setScale(1.5);
        skin->loadStyleSheet();
        const QString expected("QLabel{font-size:18px;}\nQPushButton{height:38px;}\nQWidget{}");
        QCOMPARE(skin->styleSheet(), expected);
        // A style sheet that cannot be read leaves the text as it was.
        QFile::remove(root.path() + "/style.qss");
        skin->loadStyleSheet();
        QCOMPARE(skin->styleSheet(), expected);
    }

    void readsColours()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        initSkin(root.path());
        SkinManager *skin = SkinManager::instance();
        QMap<QString, QString> map{{"kept", "#123456"}};
        skin->colorMap(&map, "Nothing");
        skin->colorMap(&map, "Missing");
        skin->colorMap(&map, QString());
        QCOMPARE(map.size(), 1);
        QCOMPARE(map.value("kept"), QString("#123456"));
        skin->colorMap(&map, "Main");
        QCOMPARE(map.size(), 2);
        QCOMPARE(map.value("Accent"), QString("#ff0000"));
        QCOMPARE(map.value("Text"), QString("#303030")); // the later duplicate wins
        QCOMPARE(skin->colorMap("Successful").value("BugReportColor"), QString("#1a9c4a"));
        QCOMPARE(skin->color("Main", "Accent"), QColor(255, 0, 0));
        QCOMPARE(skin->color("Main", "None", Qt::cyan), QColor(Qt::cyan));
    }

    void changeSkinReloadsImages()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addSkin("Style2", kGreen, kGrey, "#00ff00");
        root.addShared();
        initSkin(root.path(), 0);
        SkinManager *skin = SkinManager::instance();
        skin->ChangePart("Common");
        QCOMPARE(centreOf(skin->pixmap("btn")), kRed);
        QSignalSpy spy(skin, &SkinManager::AllImageUpdate);

        skin->ChangeSkin(1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(skin->currentSkinIndex(), 1);
        QCOMPARE(skin->skinPath(), root.path() + "/Style2/");
        QCOMPARE(centreOf(skin->pixmap("btn")), kGreen);
        QCOMPARE(skin->colorMap("Main").value("Accent"), QString("#00ff00"));
        QCOMPARE(skin->colorStyleSheetPath(), root.path() + "/Style2/Color.qss");
        QCOMPARE(skin->currentPartName(), QString("Common"));
        QCOMPARE(skin->status(), int(SkinManager::StatusWanted));

        // Indexes outside the list do nothing.
        skin->ChangeSkin(2);
        skin->ChangeSkin(-1);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(skin->currentSkinIndex(), 1);

        skin->notifyImagesChanged();
        QCOMPARE(spy.count(), 2);
    }

    void changeSkinIgnoresMissingFolder()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addShared();
        initSkin(root.path(), 0);
        SkinManager *skin = SkinManager::instance();
        QSignalSpy spy(skin, &SkinManager::AllImageUpdate);
        skin->ChangeSkin(1);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(skin->skinPath(), root.path() + "/Style1/");
    }

    void malformedDescriptionGivesNoImages()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        writeFile(root.path() + "/AllImage.xml", "<?xml version=\"1.0\"?><AllImage><Common>");
        QCOMPARE(initSkin(root.path()), int(SkinManager::StatusWanted));
        SkinManager *skin = SkinManager::instance();
        skin->ChangePart("Common");
        QVERIFY(skin->pixmap("btn").isNull());
    }

    void fifoOrDeepSkinFileIsRefusedAndTold()
    {
        // A FIFO blocks a plain open for good; a description 300 000 levels
        // deep overflows the document model's recursion.
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addShared();
        QVERIFY(testsupport::makeFifo(root.path() + "/Style1/Color.xml"));
        QVERIFY(testsupport::makeFifo(root.path() + "/Style1/Color.qss"));
        writeFile(root.path() + "/AllImage.xml", testsupport::deepXml(300000, "AllImage"));
        QStringList told;
        KeptFile::resetNotices();
        KeptFile::setNoticeHandler([&told](const QString &text) { told << text; });
        const int status = initSkin(root.path());
        SkinManager *skin = SkinManager::instance();
        skin->loadStyleSheet();
        KeptFile::setNoticeHandler({});
        QCOMPARE(status, int(SkinManager::StatusWanted));
        skin->ChangePart("Common");
        QVERIFY(skin->pixmap("btn").isNull());
        QVERIFY(skin->colorMap("Main").isEmpty());
        QVERIFY(!skin->styleSheet().isEmpty()); // the shared sheet alone
        QCOMPARE(told.size(), 3);
        QVERIFY(told.filter("Color.xml").size() == 1 && told.filter("Color.qss").size() == 1
                && told.filter("AllImage.xml").size() == 1);
    }

    // A small file may declare a picture that decodes to gigabytes, and the
    // style sheets load the skin's pictures by name: a skin holding one is
    // not taken, the next is, and the user is told of the file.
    void aSkinWithAPictureTooLargeIsRefusedAndTold()
    {
        SkinRoot root;
        root.addSkin("Style1", kRed, kBlue, "#ff0000");
        root.addSkin("Style2", kGreen, kGrey, "#00ff00");
        root.addShared();
        const QByteArray huge = testsupport::blackPng(9000, 9000);
        QVERIFY(writeFile(root.path() + "/Style1/image/arrow-down.png", huge));
        // An icon file's pictures are all decoded where it becomes an icon:
        // two that fit alone are too large together.
        const QByteArray large = testsupport::blackPng(6000, 6000);
        QVERIFY(writeFile(root.path() + "/Style1/image/logo.ico", testsupport::iconFile({large, large})));
        // A GIF is measured by what its decoder allocates: the screen (the
        // reader reports the 1 x 1 frame), every frame, and all its frames
        // together, each decoded on a picture of the screen's size.
        using testsupport::gifFile;
        const QStringList gifs = {"/image/SplashScreen.gif", "/image/wide.gif", "/image/titlebar_bugreport.gif"};
        QVERIFY(writeFile(root.path() + "/Style1" + gifs[0], gifFile(QSize(16000, 16000), {QRect(0, 0, 1, 1)})));
        QVERIFY(writeFile(root.path() + "/Style1" + gifs[1],
                          gifFile(QSize(16, 16), {QRect(0, 0, 16, 16), QRect(0, 0, 40000, 1)}, true)));
        QVERIFY(writeFile(root.path() + "/Style1" + gifs[2],
                          gifFile(QSize(512, 512), QVector<QRect>(300, QRect(0, 0, 1, 1)).toList(), true)));
        // A small animation is taken.
        QVERIFY(writeFile(root.path() + "/Style2" + gifs[0],
                          gifFile(QSize(38, 38), QVector<QRect>(12, QRect(0, 0, 38, 38)).toList(), true)));
        QStringList told;
        KeptFile::resetNotices();
        KeptFile::setNoticeHandler([&told](const QString &text) { told << text; });
        QCOMPARE(initSkin(root.path(), 0), int(SkinManager::StatusFallback));
        SkinManager *skin = SkinManager::instance();
        QCOMPARE(skin->skinPath(), root.path() + "/Style2/");
        QCOMPARE(skin->existingSkins(), QStringList{"Style2"});
        QCOMPARE(told.size(), 5);
        QCOMPARE(told.filter("arrow-down.png").size(), 1);
        QVERIFY(told.filter("arrow-down.png").first().contains("9000"));
        QCOMPARE(told.filter("logo.ico").size(), 1);
        QCOMPARE(told.filter("SplashScreen.gif").size(), 1);
        QVERIFY(told.filter("SplashScreen.gif").first().contains("16000"));
        QVERIFY(told.filter("wide.gif").first().contains("40000"));
        QVERIFY(told.filter("titlebar_bugreport.gif").first().contains("300"));
        QVERIFY(QFile::remove(root.path() + "/Style1/image/logo.ico"));
        for (const QString &gif : gifs)
            QVERIFY(QFile::remove(root.path() + "/Style1" + gif));

        // Switching to a skin that has come to hold one keeps the current.
        initSkin(root.path(), 0); // Style1 is still refused: Style2 again
        QVERIFY(QFile::remove(root.path() + "/Style1/image/arrow-down.png"));
        initSkin(root.path(), 0);
        QCOMPARE(SkinManager::instance()->skinPath(), root.path() + "/Style1/");
        QVERIFY(writeFile(root.path() + "/Style2/AllImage.png", huge));
        QSignalSpy spy(SkinManager::instance(), &SkinManager::AllImageUpdate);
        SkinManager::instance()->ChangeSkin(1);
        QCOMPARE(spy.count(), 0);
        QCOMPARE(SkinManager::instance()->skinPath(), root.path() + "/Style1/");
        QVERIFY(told.filter("AllImage.png").size() == 1);

        // With no skin left, there is none to start with.
        QVERIFY(writeFile(root.path() + "/Style1/AllImage.png", huge));
        QCOMPARE(initSkin(root.path(), 0), int(SkinManager::StatusNoSkin));
        KeptFile::setNoticeHandler({});
    }

    void scalesFonts()
    {
        SkinManager *skin = SkinManager::instance();
        skin->setScale(1.5);
        QFont f = skin->scaledFont(13, true);
        QCOMPARE(f.pixelSize(), 19);
        QCOMPARE(f.weight(), 75);
        QCOMPARE(skin->scaledFont(12, false).weight(), 50);
    }
};

QTEST_MAIN(TestSkinManager)
#include "tst_skinmanager.moc"
