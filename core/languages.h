#pragma once
// Naming words, interface languages, translators, language fonts, proxies
// and version comparison.

#include <QLocale>
#include <QMap>
#include <QNetworkProxy>
#include <QPair>
#include <QString>
#include <QStringList>

// The maker word: the settings organisation and data folder word.
QString companyName();
// The edition's Type in the edition configuration.
QString productName();
// The platform word of the edition configuration and the run log.
QString platformName();

// The interface languages, in order; entry 1 ("en") is the fallback.
QStringList supportedLanguages();
// The program's code for a locale ("jp" for Japanese, "zh_TW" for Taiwan and
// Hong Kong, "en" for anything unknown).
QString languageCodeForLocale(const QLocale &locale);
QString systemLanguageCode();
// The first language of a new installation: the system's, when supported.
QString uiLanguage();
// (display name, code) per code, in input order; an unknown code gets an
// empty name.
QList<QPair<QString, QString>> languageDisplayNames(const QStringList &codes);

// Loads "<baseName>_<language>.qm" (or "<language>.qm") and
// "qt_<language>.qm" from the folder into the two program-wide translators
// and installs each one that loaded. True only when both loaded.
bool loadTranslators(const QString &language, const QString &folder, const QString &baseName);
// Sets the application font family for the language and the application
// style sheet to the template with "%1" replaced by that family.
void applyLanguageFont(const QString &styleSheetTemplate, const QString &language);
// The family applyLanguageFont picks (empty when only the application
// default fits).
QString languageFontFamily(const QString &language);

// The proxy of the options file's proxy fields (no proxy unless switched on).
QNetworkProxy configProxy();
// The desktop's proxy settings as "HostName", "Port" and "ProxyEnable"
// ("1" when a proxy is set), read from http_proxy, HTTP_PROXY, all_proxy or
// ALL_PROXY.
QMap<QString, QString> readSystemProxy();
// The same map from a proxy server list ("host:port", or
// "http=host:port;https=host:port": the first entry counts) and its enable text.
QMap<QString, QString> proxyMapFromServerText(const QString &server, const QString &enable);
// An HTTP proxy from the desktop settings, or no proxy.
QNetworkProxy systemProxy();

// Dotted versions compared field by field as integers (missing or
// non-numeric fields count 0): 1 when a is newer, 0 when equal, -1 when older.
int compareVersion(const QString &a, const QString &b);
