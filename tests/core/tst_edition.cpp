// Edition data: the lookup of this program's edition, language overrides,
// link decoration, and configurations that are missing or malformed.
#include <QTemporaryDir>
#include <QUrlQuery>
#include <QtTest>

#include "edition.h"
#include "fileutils.h"
#include "languages.h"
#include "testsupport.h"

static ApplicationDataInput inputFor(const QString &path, const QString &language,
                                     QStringList languages = supportedLanguages())
{
    ApplicationDataInput input;
    input.configurationPath = path;
    input.platform = QStringLiteral("Win");
    input.company = QStringLiteral("Olvex");
    input.product = QStringLiteral("Olvex Free Mirelo");
    input.language = language;
    input.languages = languages;
    return input;
}

static QString wrap(const QString &editions, const QString &block = QStringLiteral("ml"))
{
    return QStringLiteral("<Configuration><EditionInfo><Win><Olvex><%1>%2</%1></Olvex></Win>"
                          "</EditionInfo></Configuration>")
        .arg(block, editions);
}

class TestEdition : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;
    int m_files = 0;

    QString configFile(const QString &text)
    {
        const QString path = m_dir.filePath(QStringLiteral("c%1.xml").arg(++m_files));
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(text.toUtf8());
        return path;
    }

private slots:
    void embeddedEditionOfThisProgram()
    {
        QVERIFY(createApplicationData());
        QVERIFY(g_mireloData);
        QCOMPARE(g_mireloData->regName(), QStringLiteral("Olvex Free Mirelo"));
        QCOMPARE(g_mireloData->fullProductName(), QStringLiteral("Olvex Free Mirelo"));
        QCOMPARE(g_mireloData->proxyProductName(), QStringLiteral("Olvex Free Mirelo"));
        QCOMPARE(g_mireloData->productName(), QStringLiteral("Free Mirelo"));
        QCOMPARE(g_mireloData->dataFolder(), QStringLiteral("Olvex/Free Mirelo/"));
        QCOMPARE(g_mireloData->updateName(), QStringLiteral("Olvex Free Mirelo"));
        QCOMPARE(g_mireloData->mireloRegName(), QStringLiteral("Olvex Free Mirelo"));
        QCOMPARE(productVersion(), QStringLiteral("1.0.0.1"));
        QCOMPARE(g_mireloData->statisticsLink(), QString());
        QCOMPARE(g_mireloData->language(), uiLanguage());
        QVERIFY(g_mireloData->homeLink().contains(QLatin1String("example.com")));
        QVERIFY(g_mireloData->email().endsWith(QLatin1String("@example.com")));
        QCOMPARE(g_mireloData->mireloPurchase(), g_mireloData->purchaseLink());
        releaseApplicationData();
        QVERIFY(!g_mireloData);
        releaseApplicationData();
        QCOMPARE(productVersion(), QString());
    }

    void ourBinariesCarryTheEditionVersion()
    {
        MireloData data(inputFor(editionConfigurationPath(), QStringLiteral("en")));
        QVERIFY(data.load());
        QCOMPARE(fileVersion(testsupport::binDir() + QStringLiteral("/mirelo")), data.version());
        QCOMPARE(fileVersion(testsupport::binDir() + QStringLiteral("/libMirelo.so")), data.version());
    }

    void languageBlockOverridesLinks()
    {
        MireloData en(inputFor(editionConfigurationPath(), QStringLiteral("en")));
        QVERIFY(en.load());
        MireloData jp(inputFor(editionConfigurationPath(), QStringLiteral("jp")));
        QVERIFY(jp.load());
        QCOMPARE(jp.email(), QStringLiteral("support-jp@example.com"));
        QVERIFY(jp.homeLink().contains(QLatin1String("/ja/")));
        QVERIFY(jp.purchaseLink().contains(QLatin1String("/ja/")));
        QVERIFY(jp.supportLink().contains(QLatin1String("/ja/")));
        QVERIFY(jp.tutorialLink().contains(QLatin1String("/ja/")));
        QCOMPARE(jp.version(), en.version());
        QCOMPARE(jp.regName(), en.regName());
        QCOMPARE(jp.productMap().value(QStringLiteral("Olvex Free Mirelo")),
                 QStringLiteral("Olvex 無料版 Mirelo"));
        QCOMPARE(en.productMap().value(QStringLiteral("Olvex Free Mirelo")),
                 QStringLiteral("Olvex Free Mirelo"));

        for (const char *code : {"ko", "zh_TW", "en"}) {
            MireloData other(inputFor(editionConfigurationPath(), QString::fromLatin1(code)));
            QVERIFY(other.load());
            QCOMPARE(other.homeLink(), en.homeLink());
            QCOMPARE(other.email(), QStringLiteral("support@example.com"));
        }
    }

    void setLanguageFollowsOnlyTheLinks()
    {
        MireloData data(inputFor(editionConfigurationPath(), QStringLiteral("en")));
        QVERIFY(data.load());
        const QString baseHome = data.homeLink();
        QVERIFY(!data.setLanguage(QStringLiteral("en")));
        QVERIFY(!data.setLanguage(QString()));
        QCOMPARE(data.language(), QStringLiteral("en"));

        QVERIFY(data.setLanguage(QStringLiteral("de")));
        QCOMPARE(data.language(), QStringLiteral("de"));
        QCOMPARE(data.email(), QStringLiteral("support-de@example.com"));
        QVERIFY(data.homeLink().contains(QLatin1String("/de/")));
        QCOMPARE(data.version(), QStringLiteral("1.0.0.1"));

        // A language outside the list becomes current; the links are the base ones.
        QVERIFY(data.setLanguage(QStringLiteral("ru")));
        QCOMPARE(data.language(), QStringLiteral("ru"));
        QCOMPARE(data.homeLink(), baseHome);
    }

    void decorateUrl()
    {
        MireloData data(inputFor(editionConfigurationPath(), QStringLiteral("fr")));
        QVERIFY(data.load());
        QCOMPARE(QUrlQuery(data.decorateUrl(QStringLiteral("https://www.example.com/a?x=1")))
                     .queryItemValue(QStringLiteral("lang")),
                 QStringLiteral("fr"));
        QCOMPARE(QUrlQuery(data.decorateUrl(QStringLiteral("https://www.example.com/a?lang=de")))
                     .allQueryItemValues(QStringLiteral("lang")),
                 QStringList{QStringLiteral("de")});
        QCOMPARE(data.decorateUrl(QString()), QUrl());

        const QString single = configFile(wrap(
            QStringLiteral("<Edition Type='Olvex Free Mirelo'><Version>1</Version></Edition>"),
            QStringLiteral("fr")));
        MireloData one(inputFor(single, QStringLiteral("fr"), {QStringLiteral("fr")}));
        QVERIFY(one.load());
        QCOMPARE(one.decorateUrl(QStringLiteral("https://www.example.com/a")),
                 QUrl(QStringLiteral("https://www.example.com/a")));
    }

    void statisticsLinkGetsVersionAndLanguage()
    {
        const QString path = configFile(wrap(QStringLiteral(
            "<Edition Type='Olvex Free Mirelo'><Version>2.1</Version><ProductName>P</ProductName>"
            "<Stalink>http://stats.example.com/s?lang=xx&amp;ver=</Stalink></Edition>")));
        MireloData data(inputFor(path, QStringLiteral("de")));
        QVERIFY(data.load());
        const QUrlQuery query{QUrl(data.statisticsLink())};
        QCOMPARE(query.allQueryItemValues(QStringLiteral("lang")), QStringList{"xx"});
        QVERIFY(query.allQueryItemValues(QStringLiteral("ver")).contains(QStringLiteral("2.1")));
    }

    void failuresLeaveEverythingEmpty_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("truncated") << QStringLiteral("<Configuration><EditionInfo><Win><Olv");
        QTest::newRow("wrong root") << QStringLiteral("<Settings><EditionInfo/></Settings>");
        QTest::newRow("other product")
            << wrap(QStringLiteral("<Edition Type='Mirelo'><Version>1</Version></Edition>"));
        QTest::newRow("no ml block")
            << wrap(QStringLiteral("<Edition Type='Olvex Free Mirelo'><Version>1</Version></Edition>"),
                    QStringLiteral("single"));
        QTest::newRow("only language blocks")
            << wrap(QStringLiteral("<Edition Type='Olvex Free Mirelo'><de><Home>h</Home></de></Edition>"));
        QTest::newRow("empty edition") << wrap(QStringLiteral("<Edition Type='Olvex Free Mirelo'/>"));
    }
    void failuresLeaveEverythingEmpty()
    {
        QFETCH(QString, text);
        MireloData data(inputFor(configFile(text), QStringLiteral("en")));
        QVERIFY(!data.load());
        QCOMPARE(data.regName(), QString());
        QCOMPARE(data.version(), QString());
        QCOMPARE(data.dataFolder(), QString());
        QVERIFY(!data.setLanguage(QStringLiteral("fr")));
    }

    void missingConfiguration()
    {
        MireloData data(inputFor(m_dir.filePath(QStringLiteral("none.xml")), QStringLiteral("en")));
        QVERIFY(!data.load());
        QCOMPARE(data.regName(), QString());
    }

    void fieldRules()
    {
        const QString path = configFile(wrap(QStringLiteral(
            "<Edition Type='olvex free mirelo'>"
            "<!-- a comment --><ProductName> Olvex </ProductName><Version>1</Version>"
            "<Version>2</Version><RegName>R</RegName><en><Home>en-home</Home></en>"
            "<Home>base-home</Home></Edition>")));
        MireloData data(inputFor(path, QStringLiteral("ko")));
        QVERIFY(data.load());
        QCOMPARE(data.version(), QStringLiteral("2")); // a later duplicate wins
        // The product name equal to the company word stands alone; no "Dir"
        // makes the product name the folder word.
        QCOMPARE(data.fullProductName(), QStringLiteral("Olvex"));
        QCOMPARE(data.proxyProductName(), QStringLiteral("Olvex"));
        QCOMPARE(data.dataFolder(), QStringLiteral("Olvex/Olvex/"));
        // "ko" has no block: the "en" block stands in.
        QCOMPARE(data.homeLink(), QStringLiteral("en-home"));
        QVERIFY(data.productMap().isEmpty());
    }
};

QTEST_MAIN(TestEdition)
#include "tst_edition.moc"
