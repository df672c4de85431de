#include "edition.h"

#include "languages.h"

#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QUrlQuery>

MireloData *g_mireloData = nullptr;

QString editionConfigurationPath()
{
    return QStringLiteral(":/Olvex/Resources/Edition/Configuration.xml");
}

MyApplicationData::MyApplicationData(const ApplicationDataInput &input)
    : m_configurationPath(input.configurationPath)
    , m_platform(input.platform)
    , m_company(input.company)
    , m_language(input.language)
    , m_languages(input.languages)
    , m_inputProduct(input.product)
{
    m_documentValid = openConfiguration();
}

MyApplicationData::~MyApplicationData() = default;

bool MyApplicationData::openConfiguration()
{
    QFile file(m_configurationPath);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (!m_document.setContent(&file, false))
        return false;
    return m_document.documentElement().tagName().compare(QLatin1String("Configuration"),
                                                          Qt::CaseInsensitive) == 0;
}

QDomElement MyApplicationData::findEditionElement(const QString &tag) const
{
    if (!m_documentValid || m_document.isNull() || m_platform.isEmpty() || m_inputProduct.isEmpty())
        return QDomElement();
    QDomElement node = m_document.documentElement().elementsByTagName(tag).item(0).toElement();
    if (node.isNull())
        return QDomElement();
    node = node.elementsByTagName(m_platform).item(0).toElement();
    if (node.isNull())
        return QDomElement();
    if (!m_company.isEmpty()) {
        node = node.elementsByTagName(m_company).item(0).toElement();
        if (node.isNull())
            return QDomElement();
    }
    const QString block = m_languages.size() < 2 ? m_language : QStringLiteral("ml");
    if (!block.isEmpty()) {
        QDomElement found;
        for (QDomElement child = node.firstChildElement(); !child.isNull();
             child = child.nextSiblingElement()) {
            if (child.tagName().compare(block, Qt::CaseInsensitive) == 0) {
                found = child;
                break;
            }
        }
        if (found.isNull())
            return QDomElement();
        node = found;
    }
    const QDomNodeList editions = node.elementsByTagName(QStringLiteral("Edition"));
    for (int i = 0; i < editions.size(); ++i) {
        const QDomElement edition = editions.item(i).toElement();
        if (edition.attribute(QStringLiteral("Type")).compare(m_inputProduct, Qt::CaseInsensitive) == 0)
            return edition;
    }
    return QDomElement();
}

static TextMap plainFields(const QDomElement &parent)
{
    TextMap map;
    for (QDomElement child = parent.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement())
        map.insert(child.tagName().trimmed(), child.text().trimmed());
    return map;
}

TextMap MyApplicationData::flatten(const QDomElement &edition)
{
    if (edition.isNull())
        return TextMap();
    m_baseMap.clear();
    m_languageMaps.clear();
    for (QDomElement child = edition.firstChildElement(); !child.isNull();
         child = child.nextSiblingElement()) {
        const QString key = child.tagName().trimmed();
        if (child.firstChild().isText())
            m_baseMap.insert(key, child.text().trimmed());
        else if (m_languages.contains(key))
            m_languageMaps.insert(key, plainFields(child));
    }
    return mergedMap(m_language);
}

TextMap MyApplicationData::mergedMap(const QString &language)
{
    TextMap map = m_baseMap;
    if (!language.isEmpty() && m_languages.contains(language)) {
        m_language = language;
        if (!m_languageMaps.isEmpty()) {
            TextMap overrides = m_languageMaps.value(language);
            if (overrides.isEmpty())
                overrides = m_languageMaps.value(QStringLiteral("en"));
            for (auto it = overrides.cbegin(); it != overrides.cend(); ++it)
                map.insert(it.key(), it.value());
        }
    }
    // Flatten once when nothing is flattened yet; an edition without plain
    // fields stays empty instead of flattening again and again.
    if (!map.isEmpty() || m_flattening)
        return map;
    m_flattening = true;
    map = flatten(findEditionElement(QStringLiteral("EditionInfo")));
    m_flattening = false;
    return map;
}

bool MyApplicationData::load()
{
    const TextMap map = mergedMap(QString());
    if (!readBasicInfo(map))
        return false;
    readUrls(map);
    return true;
}

QString MyApplicationData::withCompany(const QString &name) const
{
    if (m_company.isEmpty() || m_company.compare(name, Qt::CaseInsensitive) == 0)
        return name;
    return m_company + QLatin1Char(' ') + name;
}

bool MyApplicationData::readBasicInfo(const TextMap &map)
{
    if (map.isEmpty())
        return false;
    m_copyrightTime = map.value(QStringLiteral("CopyrightTime"));
    m_version = map.value(QStringLiteral("Version"));
    m_regName = map.value(QStringLiteral("RegName"));
    m_updateName = map.value(QStringLiteral("UpdateName"));
    m_productName = map.value(QStringLiteral("ProductName"));
    m_fullProductName = withCompany(m_productName);
    m_folderWord = map.value(QStringLiteral("Dir"));
    if (m_folderWord.isEmpty())
        m_folderWord = m_productName;
    m_dataFolder.clear();
    if (!m_company.isEmpty())
        m_dataFolder = m_company + QDir::separator();
    m_dataFolder += m_folderWord + QDir::separator();
    m_proxyProductName = map.value(QStringLiteral("ProductNameProxy"));
    if (m_proxyProductName.isEmpty())
        m_proxyProductName = m_fullProductName;
    return true;
}

QString MyApplicationData::decorateStatisticsLink(const QString &link) const
{
    if (link.isEmpty())
        return link;
    QUrl url(link, QUrl::TolerantMode);
    QUrlQuery query(url);
    if (query.queryItemValue(QStringLiteral("ver")).isEmpty())
        query.addQueryItem(QStringLiteral("ver"), m_version);
    if (query.queryItemValue(QStringLiteral("lang")).isEmpty())
        query.addQueryItem(QStringLiteral("lang"), m_language);
    url.setQuery(query);
    return url.toString();
}

bool MyApplicationData::readUrls(const TextMap &map)
{
    if (map.isEmpty())
        return false;
    m_email = map.value(QStringLiteral("Email"));
    m_productName = map.value(QStringLiteral("ProductName"));
    m_fullProductName = withCompany(m_productName);
    m_purchaseLink = map.value(QStringLiteral("Purchase"));
    m_statisticsLink = decorateStatisticsLink(map.value(QStringLiteral("Stalink")));
    m_homeLink = map.value(QStringLiteral("Home"));
    m_supportLink = map.value(QStringLiteral("Support"));
    m_tutorialLink = map.value(QStringLiteral("Tutorial"));
    m_rateLink = map.value(QStringLiteral("Rate"));
    m_customerServiceLink = map.value(QStringLiteral("CustomerServiceCenter"));
    m_downloadHomePage = map.value(QStringLiteral("DownloadHomePage"));
    m_intelLink = map.value(QStringLiteral("Intel"));
    m_amdLink = map.value(QStringLiteral("AMD"));
    m_nvidiaLink = map.value(QStringLiteral("Nvidia"));
    m_googleplusLink = map.value(QStringLiteral("Googleplus"));
    m_facebookLink = map.value(QStringLiteral("Facebook"));
    m_twitterLink = map.value(QStringLiteral("Twitter"));
    m_youtubeLink = map.value(QStringLiteral("Youtube"));
    return true;
}

bool MyApplicationData::setLanguage(const QString &language)
{
    if (language.isEmpty() || language == m_language)
        return false;
    m_language = language;
    return readUrls(mergedMap(language));
}

QUrl MyApplicationData::decorateUrl(const QString &link) const
{
    QUrl url(link, QUrl::TolerantMode);
    if (m_languages.size() > 1 && !link.isEmpty()) {
        QUrlQuery query(url);
        if (!query.hasQueryItem(QStringLiteral("lang"))) {
            query.addQueryItem(QStringLiteral("lang"), m_language);
            url.setQuery(query);
        }
    }
    return url;
}

MireloData::MireloData(const ApplicationDataInput &input)
    : MyApplicationData(input)
{
}

MireloData::~MireloData() = default;

bool MireloData::readBasicInfo(const TextMap &map)
{
    if (!MyApplicationData::readBasicInfo(map))
        return false;
    const QString proxyName = map.value(QStringLiteral("ProductNameProxy"));
    if (!proxyName.isEmpty())
        m_proxyProductName = withCompany(proxyName);
    m_mireloRegName = map.value(QStringLiteral("MireloRegName"));
    return true;
}

bool MireloData::readUrls(const TextMap &map)
{
    if (!MyApplicationData::readUrls(map))
        return false;
    m_productMap.insert(m_mireloRegName, map.value(QStringLiteral("MireloProductName")));
    m_productMap.remove(QString());
    m_mireloPurchase = map.value(QStringLiteral("MireloPurchase"));
    if (m_mireloPurchase.isEmpty())
        m_mireloPurchase = map.value(QStringLiteral("Purchase"));
    m_companionTool = map.value(QStringLiteral("CompanionTool"));
    m_companionLink = map.value(QStringLiteral("CompanionLink"));
    return true;
}

bool createApplicationData()
{
    releaseApplicationData();
    ApplicationDataInput input;
    input.configurationPath = editionConfigurationPath();
    input.platform = platformName();
    input.company = companyName();
    input.product = productName();
    input.language = uiLanguage();
    input.languages = supportedLanguages();
    g_mireloData = new MireloData(input);
    return g_mireloData->load();
}

void releaseApplicationData()
{
    delete g_mireloData;
    g_mireloData = nullptr;
}

QString productVersion()
{
    return g_mireloData ? g_mireloData->version() : QString();
}

void openWebLink(const QString &link)
{
    const QUrl url = g_mireloData ? g_mireloData->decorateUrl(link) : QUrl(link, QUrl::TolerantMode);
    QDesktopServices::openUrl(url);
}
