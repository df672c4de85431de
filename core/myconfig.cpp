#include "myconfig.h"

#include "edition.h"
#include "fileutils.h"
#include "languages.h"
#include "userfolders.h"

#include <QDir>

MyConfig *g_myConfig = nullptr;

QString MyConfig::defaultDataFolder()
{
    return nativePath(companyName() + QStringLiteral("/Free Mirelo/"));
}

QString MyConfig::defaultUpdateUrl()
{
    // Nothing is contacted until an address is configured.
    return QString();
}

MyConfig::MyConfig(QObject *parent)
    : Config(parent)
{
    load();
}

MyConfig::~MyConfig()
{
    save();
}

QString MyConfig::readValue(const QString &key, const QString &defaultValue) const
{
    const QString value = getValue(key);
    return value.isEmpty() ? defaultValue : value;
}

void MyConfig::load()
{
    QString sub = g_mireloData ? g_mireloData->dataFolder() : QString();
    if (sub.isEmpty())
        sub = defaultDataFolder();
    // No data folder, no file: nothing is read or written anywhere else.
    if (!m_userDataPath.isEmpty()) {
        m_userDataPath += sub;
        makeDirIfMissing(m_userDataPath);
        setFilePath(m_userDataPath + QStringLiteral("config.xml"));
    }

    m_applicationDirPath = nativePath(m_applicationDirPath);
    m_applicationPath = m_applicationDirPath;

    // The whole file is read once, however large it is.
    const QHash<QString, QString> stored = getValues(
        {"IsFirstRun", "isIsDeleteFile", "Language", "CustomEmail", "CustomName", "Width", "Height",
         "LastCameraName", "LastCameraFormatIndex", "LastCameraPosition", "SkipVersion", "UpdateUrl"});
    auto value = [&stored](const char *key, const QString &defaultValue) {
        const QString text = stored.value(QLatin1String(key));
        return text.isEmpty() ? defaultValue : text;
    };
    m_isFirstRun = value("IsFirstRun", QStringLiteral("1")) == QLatin1String("1");
    if (m_isFirstRun)
        setValues({{QStringLiteral("IsFirstRun"), QStringLiteral("0")}, {QStringLiteral("isIsDeleteFile"), QStringLiteral("0")}});
    // The first-run write leaves "isIsDeleteFile" at "0", its default.
    m_isDeleteFile = m_isFirstRun ? 0 : value("isIsDeleteFile", QStringLiteral("0")).toInt();
    m_language = value("Language", uiLanguage());
    // The code names the translation files: only the edition's own codes.
    const QStringList languages = g_mireloData && !g_mireloData->languages().isEmpty() ? g_mireloData->languages()
                                                                                       : supportedLanguages();
    if (!languages.contains(m_language))
        m_language = uiLanguage();
    m_customEmail = value("CustomEmail", QString());
    m_customName = value("CustomName", QString());
    m_width = value("Width", QStringLiteral("0")).toInt();
    m_height = value("Height", QStringLiteral("0")).toInt();
    m_lastCameraName = value("LastCameraName", QString());
    m_lastCameraFormatIndex = value("LastCameraFormatIndex", QStringLiteral("-1")).toInt();
    m_lastCameraPosition = value("LastCameraPosition", QStringLiteral("-1")).toInt();
    m_skipVersion = value("SkipVersion", QString());
    m_updateUrl = value("UpdateUrl", defaultUpdateUrl());
}

void MyConfig::save()
{
    // One rewrite for all of them: a large file is not written seven times.
    setValues({{QStringLiteral("Language"), m_language},
               {QStringLiteral("SkipVersion"), m_skipVersion},
               {QStringLiteral("Width"), QString::number(m_width)},
               {QStringLiteral("Height"), QString::number(m_height)},
               {QStringLiteral("LastCameraName"), m_lastCameraName},
               {QStringLiteral("LastCameraFormatIndex"), QString::number(m_lastCameraFormatIndex)},
               {QStringLiteral("LastCameraPosition"), QString::number(m_lastCameraPosition)}});
}

void MyConfig::setLanguage(const QString &language, bool write)
{
    m_language = language;
    if (write)
        setValue(QStringLiteral("Language"), language);
}

void MyConfig::setSkipVersion(const QString &version, bool write)
{
    m_skipVersion = version;
    if (write)
        setValue(QStringLiteral("SkipVersion"), version);
}

void MyConfig::setCustomName(const QString &name, bool write)
{
    m_customName = name;
    if (write)
        setValue(QStringLiteral("CustomName"), name);
}

void MyConfig::setCustomEmail(const QString &email, bool write)
{
    m_customEmail = email;
    if (write)
        setValue(QStringLiteral("CustomEmail"), email);
}

void MyConfig::setWidth(int width)
{
    m_width = width;
    setValue(QStringLiteral("Width"), QString::number(width));
}

void MyConfig::setHeight(int height)
{
    m_height = height;
    setValue(QStringLiteral("Height"), QString::number(height));
}

void MyConfig::setLastCameraName(const QString &name)
{
    m_lastCameraName = name;
    setValue(QStringLiteral("LastCameraName"), name);
}

void MyConfig::setLastCameraFormatIndex(int index)
{
    m_lastCameraFormatIndex = index;
    setValue(QStringLiteral("LastCameraFormatIndex"), QString::number(index));
}

void MyConfig::setLastCameraPosition(int position)
{
    m_lastCameraPosition = position;
    setValue(QStringLiteral("LastCameraPosition"), QString::number(position));
}
