#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>

#include <csignal>
#include <sys/stat.h>
#include <unistd.h>

namespace testsupport {

QString binDir() { return qEnvironmentVariable("MIRELO_BIN_DIR"); }

QString engineLibrary()
{
    const QString chosen = qEnvironmentVariable("MIRELO_ENGINE");
    return chosen.isEmpty() ? binDir() + QStringLiteral("/libMirelo.so") : chosen;
}

QString sourceDir() { return qEnvironmentVariable("MIRELO_SOURCE_DIR"); }

bool isolatedHome()
{
    const QString root = qEnvironmentVariable("MIRELO_TEST_ROOT");
    if (root.isEmpty())
        return false;
    for (const char *name : {"HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_RUNTIME_DIR"}) {
        if (!qEnvironmentVariable(name).startsWith(root))
            return false;
    }
    return true;
}

FileSizeLimit::FileSizeLimit(qint64 bytes)
{
    ::getrlimit(RLIMIT_FSIZE, &m_saved);
    m_handler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = m_saved;
    limit.rlim_cur = rlim_t(bytes);
    ::setrlimit(RLIMIT_FSIZE, &limit);
}

FileSizeLimit::~FileSizeLimit()
{
    ::setrlimit(RLIMIT_FSIZE, &m_saved);
    std::signal(SIGXFSZ, m_handler);
}

bool makeFifo(const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile::remove(path);
    return ::mkfifo(QFile::encodeName(path).constData(), 0600) == 0;
}

QByteArray deepXml(int depth, const QByteArray &root)
{
    QByteArray text = "<?xml version=\"1.0\"?><" + root + ">";
    text.reserve(text.size() + depth * 7 + root.size() + 3);
    for (int i = 0; i < depth; ++i)
        text += "<a>";
    for (int i = 0; i < depth; ++i)
        text += "</a>";
    return text + "</" + root + ">";
}

} // namespace testsupport
