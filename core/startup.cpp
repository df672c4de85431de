#include "startup.h"

#include "edition.h"
#include "languages.h"
#include "myconfig.h"
#include "userfolders.h"

#include <QUrl>

namespace {

const char *eventWord(int event)
{
    switch (event) {
    case 0: return "open";
    case 1: return "first";
    case 2: return "install";
    case 3: return "uninstall";
    default: return nullptr;
    }
}

} // namespace

QString taskArgument(int argc, char **argv)
{
    QString task;
    for (int i = 1; i < argc; ++i) {
        if (qstrcmp(argv[i], "-Task") == 0 && i + 1 < argc) {
            task = QString::fromUtf8(argv[i + 1]);
            ++i;
        }
    }
    return task;
}

int countModeEvent(int argc, char **argv)
{
    if (argc != 3)
        return -1;
    if (QString::fromLocal8Bit(argv[1]).compare(QLatin1String("--count--url--"), Qt::CaseInsensitive) != 0)
        return -1;
    if (qstrcmp(argv[2], "install") == 0)
        return 2;
    if (qstrcmp(argv[2], "uninstall") == 0)
        return 3;
    return -1;
}

QString statisticsAddress(const QString &link, int event)
{
    QUrl url = QUrl::fromUserInput(link);
    if (const char *word = eventWord(event)) {
        // The item has an empty value, written with its "=".
        const QString item = QString::fromLatin1(word) + QLatin1Char('=');
        const QString query = url.query(QUrl::FullyEncoded);
        url.setQuery(query.isEmpty() ? item : query + QLatin1Char('&') + item, QUrl::StrictMode);
    }
    return url.toString(QUrl::FullyEncoded);
}
