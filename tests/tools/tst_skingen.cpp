// The skin generator: a small source tree in, a skin folder out; and clear
// failures, naming the manifest line, for sources that cannot be drawn.

#include "testsupport.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QTemporaryDir>
#include <QFileInfo>
#include <QtTest>

namespace {

void write(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(data);
}

// A source tree with one skin, one glyph, one sprite and one loose picture.
void makeSources(const QString &dir, const QByteArray &manifest)
{
    write(dir + "/manifest.txt", manifest);
    write(dir + "/glyphs/box.svg",
          "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 24 24\">"
          "<rect x=\"4\" y=\"4\" width=\"16\" height=\"16\" fill=\"@fg\"/></svg>");
    write(dir + "/Light/palette.ini",
          "[colors]\nfg=#102030\nfgHover=#203040\nfgPress=#304050\nfgDisabled=#a0a0a0\naccent=#0000ff\n"
          "accentSoft=#ccccff\nplateHover=#eeeeee\nplatePress=#dddddd\nbg=#ffffff\n");
    write(dir + "/Color.qss.in", "QWidget{color:@fg;image:url($SKIN/image/a.png);}");
    write(dir + "/Color.xml.in", "<?xml version=\"1.0\"?><Color><Main><Text color=\"@fg\"/></Main></Color>");
    write(dir + "/style.qss", "*{font-family:\"%1\";}");
    write(dir + "/Icon.qss", "");
}

struct Run {
    int code;
    QString errors;
};

Run generate(const QString &source, const QString &out)
{
    QProcess p;
    p.start(testsupport::binDir() + "/../tools/mirelo_skingen", {"skin", source, out});
    p.waitForFinished(60000);
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardError())};
}

} // namespace

class TestSkinGen : public QObject
{
    Q_OBJECT
private slots:
    void drawsASkinFolder()
    {
        QTemporaryDir src, out;
        makeSources(src.path(), "# comment\nsprite Common/box box 16x12 look=flat\n"
                                "image image/a.png box 10x10 look=plain state=disable res=1\n"
                                "sprite title/bar box 2x10 look=plain single\n");
        const Run run = generate(src.path(), out.path());
        QVERIFY2(run.code == 0, qPrintable(run.errors));

        QDomDocument doc;
        QFile xml(out.path() + "/AllImage.xml");
        QVERIFY(xml.open(QIODevice::ReadOnly) && doc.setContent(&xml));
        const QDomElement box = doc.documentElement().firstChildElement("Common").firstChildElement("box");
        QStringList states;
        for (QDomElement s = box.firstChildElement(); !s.isNull(); s = s.nextSiblingElement()) {
            states << s.tagName();
            QCOMPARE(s.attribute("width").toInt(), 32); // drawn at twice the shown size
            QCOMPARE(s.attribute("height").toInt(), 24);
        }
        QCOMPARE(states, (QStringList{"Normal", "On", "Hover", "Down", "Disable"}));
        QCOMPARE(box.firstChildElement("On").attribute("x"), box.firstChildElement("Hover").attribute("x"));
        const QDomElement bar = doc.documentElement().firstChildElement("title").firstChildElement("bar");
        QCOMPARE(bar.childNodes().size(), 1);

        const QImage sheet(out.path() + "/Light/AllImage.png");
        QVERIFY(!sheet.isNull());
        const QDomElement normal = box.firstChildElement("Normal");
        const QPoint centre(normal.attribute("x").toInt() + 16, normal.attribute("y").toInt() + 12);
        QCOMPARE(sheet.pixelColor(centre), QColor("#102030"));
        // Stored compressed (flat colours take far less than a byte a pixel;
        // stored raw, every pixel takes its four).
        QVERIFY(QFileInfo(out.path() + "/Light/AllImage.png").size() < qint64(sheet.width()) * sheet.height());
        const QDomElement hover = box.firstChildElement("On");
        QCOMPARE(sheet.pixelColor(hover.attribute("x").toInt() + 16, hover.attribute("y").toInt() + 12),
                 QColor("#203040"));

        QCOMPARE(QImage(out.path() + "/Light/image/a.png").size(), QSize(10, 10));
        QFile qss(out.path() + "/Light/Color.qss");
        QVERIFY(qss.open(QIODevice::ReadOnly));
        QCOMPARE(qss.readAll(), QByteArray("QWidget{color:#102030;image:url(Skin/Light/image/a.png);}"));
        QVERIFY(QFile::exists(out.path() + "/style.qss"));
    }

    void refusesBadSources_data()
    {
        QTest::addColumn<QByteArray>("manifest");
        QTest::addColumn<QString>("message");
        QTest::newRow("unknown look") << QByteArray("\nsprite Common/box box 16x12 look=shiny\n") << "manifest.txt:2";
        QTest::newRow("twice") << QByteArray("sprite Common/box box 8x8\nsprite Common/box box 8x8\n") << "listed twice";
        QTest::newRow("outside") << QByteArray("image ../x.png box 8x8\n") << "inside the skin folder";
        QTest::newRow("size") << QByteArray("image image/x.png box 8by8\n") << "WxH";
        QTest::newRow("colour") << QByteArray("image image/x.png box 8x8 look=primary\n") << "no colour";
        QTest::newRow("glyph") << QByteArray("image image/x.png nothing 8x8\n") << "nothing.svg";
        QTest::newRow("kind") << QByteArray("picture image/x.png box 8x8\n") << "unknown kind";
        QTest::newRow("sequence") << QByteArray("seq image/n.png box 8x8 from=1 to=3\n") << "%1";
    }
    void refusesBadSources()
    {
        QFETCH(QByteArray, manifest);
        QFETCH(QString, message);
        QTemporaryDir src, out;
        makeSources(src.path(), manifest);
        const Run run = generate(src.path(), out.path());
        QVERIFY(run.code != 0);
        QVERIFY2(run.errors.contains(message), qPrintable(run.errors));
    }
};

QTEST_MAIN(TestSkinGen)
#include "tst_skingen.moc"
