#include "myconfig.h"

#include "edition.h"
#include "fileutils.h"
#include "languages.h"

#include <QDir>

MyConfig *g_myConfig = nullptr;

QString MyConfig::defaultDataFolder()
{
    return nativePath(companyName() + QStringLiteral("/Free Mirelo/"));
}

QString MyConfig::defaultUpdateUrl()
{
    // A reserved name: nothing is contacted until an address is configured.
    return QStringLiteral("http://update.example.invalid/update/update_Mirelo.xml");
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
    m_userDataPath += sub;
    makeDirIfMissing(m_userDataPath);
    setFilePath(m_userDataPath + QStringLiteral("config.xml"));

    m_applicationDirPath = nativePath(m_applicationDirPath);
    m_applicationPath = m_applicationDirPath;

    m_isFirstRun = readValue(QStringLiteral("IsFirstRun"), QStringLiteral("1")) == QLatin1String("1");
    if (m_isFirstRun) {
        setValue(QStringLiteral("IsFirstRun"), QStringLiteral("0"));
        setValue(QStringLiteral("isIsDeleteFile"), QStringLiteral("0"));
    }
    m_isDeleteFile = readValue(QStringLiteral("isIsDeleteFile"), QStringLiteral("0")).toInt();
    m_language = readValue(QStringLiteral("Language"), uiLanguage());
    m_customEmail = readValue(QStringLiteral("CustomEmail"), QString());
    m_customName = readValue(QStringLiteral("CustomName"), QString());
    m_width = readValue(QStringLiteral("Width"), QStringLiteral("0")).toInt();
    m_height = readValue(QStringLiteral("Height"), QStringLiteral("0")).toInt();
    m_lastCameraName = readValue(QStringLiteral("LastCameraName"), QString());
    m_lastCameraFormatIndex = readValue(QStringLiteral("LastCameraFormatIndex"), QStringLiteral("-1")).toInt();
    m_lastCameraPosition = readValue(QStringLiteral("LastCameraPosition"), QStringLiteral("-1")).toInt();
    m_skipVersion = readValue(QStringLiteral("SkipVersion"), QString());
    m_updateUrl = readValue(QStringLiteral("UpdateUrl"), defaultUpdateUrl());
}

void MyConfig::save()
{
    setValue(QStringLiteral("Language"), m_language);
    setValue(QStringLiteral("SkipVersion"), m_skipVersion);
    setValue(QStringLiteral("Width"), QString::number(m_width));
    setValue(QStringLiteral("Height"), QString::number(m_height));
    setValue(QStringLiteral("LastCameraName"), m_lastCameraName);
    setValue(QStringLiteral("LastCameraFormatIndex"), QString::number(m_lastCameraFormatIndex));
    setValue(QStringLiteral("LastCameraPosition"), QString::number(m_lastCameraPosition));
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
