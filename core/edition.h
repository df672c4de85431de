#pragma once
// The edition data: product names, version, folder names and web links,
// read once from the edition configuration embedded in the program.

#include <QDomDocument>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QUrl>

using TextMap = QMap<QString, QString>;

// What picks this program's edition out of the configuration.
struct ApplicationDataInput
{
    QString configurationPath;
    QString platform;   // platform element, "Win"
    QString company;    // company element and maker word, "Olvex"
    QString product;    // the Edition's Type attribute
    QString language;   // construction language
    QStringList languages;
};

// ":/Olvex/Resources/Edition/Configuration.xml"
QString editionConfigurationPath();

class MyApplicationData
{
public:
    explicit MyApplicationData(const ApplicationDataInput &input);
    virtual ~MyApplicationData();

    // Makes another language current; only the links and e-mail follow it.
    // False for an empty or unchanged language.
    virtual bool setLanguage(const QString &language);
    virtual bool readUrls(const TextMap &map);
    virtual bool readBasicInfo(const TextMap &map);

    // Reads the edition; false when the configuration is missing, malformed
    // or holds no matching edition.
    bool load();
    // The link with "lang" added (unless it has one) when the edition knows
    // several languages.
    QUrl decorateUrl(const QString &link) const;

    QString configurationPath() const { return m_configurationPath; }
    QString platform() const { return m_platform; }
    QString company() const { return m_company; }
    QString language() const { return m_language; }
    QStringList languages() const { return m_languages; }
    QString email() const { return m_email; }
    QString fullProductName() const { return m_fullProductName; }
    QString proxyProductName() const { return m_proxyProductName; }
    QString productName() const { return m_productName; }
    QString version() const { return m_version; }
    QString updateName() const { return m_updateName; }
    QString copyrightTime() const { return m_copyrightTime; }
    QString folderWord() const { return m_folderWord; }
    // The application identifier (single instance, named mutex).
    QString regName() const { return m_regName; }
    QString purchaseLink() const { return m_purchaseLink; }
    // Company, separator, folder word, separator: "Olvex/Free Mirelo/".
    QString dataFolder() const { return m_dataFolder; }
    TextMap productMap() const { return m_productMap; }
    QString statisticsLink() const { return m_statisticsLink; }
    QString homeLink() const { return m_homeLink; }
    QString downloadHomePage() const { return m_downloadHomePage; }
    QString intelLink() const { return m_intelLink; }
    QString amdLink() const { return m_amdLink; }
    QString nvidiaLink() const { return m_nvidiaLink; }
    QString supportLink() const { return m_supportLink; }
    QString googleplusLink() const { return m_googleplusLink; }
    QString facebookLink() const { return m_facebookLink; }
    QString twitterLink() const { return m_twitterLink; }
    QString youtubeLink() const { return m_youtubeLink; }
    QString tutorialLink() const { return m_tutorialLink; }
    QString rateLink() const { return m_rateLink; }
    QString customerServiceLink() const { return m_customerServiceLink; }

protected:
    QString withCompany(const QString &name) const;
    TextMap mergedMap(const QString &language);
    TextMap flatten(const QDomElement &edition);
    QDomElement findEditionElement(const QString &tag) const;
    QString decorateStatisticsLink(const QString &link) const;

    QString m_configurationPath;
    QString m_platform;
    QString m_company;
    QString m_language;
    QStringList m_languages;
    QString m_inputProduct;
    QString m_email;
    QString m_fullProductName;
    QString m_proxyProductName;
    QString m_productName;
    QString m_version;
    QString m_updateName;
    QString m_copyrightTime;
    QString m_folderWord;
    QString m_regName;
    QString m_purchaseLink;
    QString m_dataFolder;
    TextMap m_productMap;
    QString m_statisticsLink;
    QString m_homeLink;
    QString m_downloadHomePage;
    QString m_intelLink;
    QString m_amdLink;
    QString m_nvidiaLink;
    QString m_supportLink;
    QString m_googleplusLink;
    QString m_facebookLink;
    QString m_twitterLink;
    QString m_youtubeLink;
    QString m_tutorialLink;
    QString m_rateLink;
    QString m_customerServiceLink;
    QDomDocument m_document;
    bool m_documentValid = false;
    TextMap m_baseMap;
    QMap<QString, TextMap> m_languageMaps;

private:
    bool openConfiguration();
    bool m_flattening = false;
};

class MireloData : public MyApplicationData
{
public:
    explicit MireloData(const ApplicationDataInput &input);
    ~MireloData() override;

    bool readUrls(const TextMap &map) override;
    bool readBasicInfo(const TextMap &map) override;

    QString mireloRegName() const { return m_mireloRegName; }
    QString mireloPurchase() const { return m_mireloPurchase; }
    // The maker's media tool that the History window recommends: the name of
    // its executable and its product page.
    QString companionTool() const { return m_companionTool; }
    QString companionLink() const { return m_companionLink; }

private:
    QString m_mireloRegName;
    QString m_mireloPurchase;
    QString m_companionTool;
    QString m_companionLink;
};

// The program's edition data, made first thing at start-up; null before.
extern MireloData *g_mireloData;

// Makes g_mireloData for this program and loads it; false when loading fails.
bool createApplicationData();
void releaseApplicationData();
// The edition's version ("1.0.0.1"); empty without edition data.
QString productVersion();
// Opens a web link in the browser, decorated by the edition data.
void openWebLink(const QString &link);
