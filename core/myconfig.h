#pragma once
// The program's options file "config.xml" in the per-user data folder: read
// once at construction, the lasting values written back at destruction.

#include "config.h"

class MyConfig : public Config
{
public:
    explicit MyConfig(QObject *parent = nullptr);
    ~MyConfig() override;

    // The stored text, or the default when it is missing or empty.
    QString readValue(const QString &key, const QString &defaultValue) const;

    QString applicationPath() const { return m_applicationPath; }
    QString language() const { return m_language; }
    int width() const { return m_width; }
    int height() const { return m_height; }
    bool isFirstRun() const { return m_isFirstRun; }
    QString skipVersion() const { return m_skipVersion; }
    int isDeleteFile() const { return m_isDeleteFile; }
    QString customName() const { return m_customName; }
    QString customEmail() const { return m_customEmail; }
    QString updateUrl() const { return m_updateUrl; }
    QString lastCameraName() const { return m_lastCameraName; }
    int lastCameraFormatIndex() const { return m_lastCameraFormatIndex; }
    int lastCameraPosition() const { return m_lastCameraPosition; }
    // Proxy fields: never kept in the file; the proxy stays off unless a
    // caller switches it on.
    QString proxyUser() const { return m_proxyUser; }
    QString proxyPassword() const { return m_proxyPassword; }
    QString proxyHost() const { return m_proxyHost; }
    QString proxyPort() const { return m_proxyPort; }
    int proxyEnabled() const { return m_proxySwitch; }
    int proxyType() const { return m_proxyKind; }

    // With write false the value reaches the file at exit (language, skipped
    // version) or not at all (name, e-mail).
    void setLanguage(const QString &language, bool write);
    void setSkipVersion(const QString &version, bool write);
    void setCustomName(const QString &name, bool write);
    void setCustomEmail(const QString &email, bool write);
    // These write at once.
    void setWidth(int width);
    void setHeight(int height);
    void setLastCameraName(const QString &name);
    void setLastCameraFormatIndex(int index);
    void setLastCameraPosition(int position);

    // "Olvex/Free Mirelo/" below the data folder when no edition data exist.
    static QString defaultDataFolder();
    static QString defaultUpdateUrl();

private:
    void load();
    void save();

    QString m_applicationPath;
    QString m_language;
    int m_width = 0;
    int m_height = 0;
    bool m_isFirstRun = true;
    QString m_skipVersion;
    int m_isDeleteFile = 0;
    QString m_proxyUser;
    QString m_proxyPassword;
    QString m_proxyHost;
    QString m_proxyPort;
    int m_proxySwitch = 0;
    int m_proxyKind = 0;
    QString m_customName;
    QString m_customEmail;
    QString m_updateUrl;
    QString m_lastCameraName;
    int m_lastCameraFormatIndex = -1;
    int m_lastCameraPosition = -1;
};

// The program's options file, made at start-up; null before and after.
extern MyConfig *g_myConfig;
