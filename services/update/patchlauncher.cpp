#include "patchlauncher.h"

#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QWidget>

#include "commondialog.h"
#include "core/edition.h"
#include "core/languages.h"
#include "core/myconfig.h"
#include "core/vocabulary.h"

PatchLauncher::PatchLauncher(QWidget *window) : QObject(window), m_window(window) {}

PatchLauncher::~PatchLauncher()
{
    delete m_patchUpdate;
}

bool PatchLauncher::checkWanted(const QStringList &arguments)
{
    if (arguments.size() < 3)
        return true;
    for (int i = 1; i + 1 < arguments.size(); ++i)
        if (arguments.at(i).compare(QLatin1String("-v"), Qt::CaseInsensitive) == 0
            && arguments.at(i + 1).compare(QLatin1String("start"), Qt::CaseInsensitive) == 0)
            return false;
    return true;
}

PatchUpdateParam PatchLauncher::makeParam(const QString &programFolder)
{
    PatchUpdateParam param;
    param.updateUrl = g_myConfig ? g_myConfig->updateUrl() : QString();
    param.groupName = companyName();
    param.productName = g_mireloData ? g_mireloData->regName() : QString();
    param.productVersion = g_mireloData ? g_mireloData->version() : QString();
    param.appPath = programFolder;
    param.downloadDir = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    param.dataPath = g_myConfig ? g_myConfig->dataPath() : QString();
    param.proxy = systemProxy();
    return param;
}

bool PatchLauncher::run(const QString &programFolder, const QStringList &arguments)
{
    if (!checkWanted(arguments))
        return false;
    QString folder = QDir::toNativeSeparators(QDir(programFolder).absolutePath());
    if (!folder.endsWith(QDir::separator()))
        folder += QDir::separator();
    const QString updater = folder + QStringLiteral("Launch.exe");
    if (!QFileInfo::exists(updater))
        return false;
    delete m_patchUpdate;
    m_patchUpdate = new CPatchUpdate(makeParam(folder));
    CPatchUpdate *check = m_patchUpdate;
    check->start([this, check, updater](bool patch) {
        if (!patch || check != m_patchUpdate)
            return;
        qDebug() << "2========" << check->showMessage();
        m_process = new QProcess(m_window);
        connect(m_process, &QProcess::readyRead, this, &PatchLauncher::readOutput);
        m_process->start(updater, {check->taskFilePath(), g_mireloData ? g_mireloData->regName() : QString()},
                         QIODevice::ReadWrite);
        emit updaterStarted();
    });
    return true;
}

void PatchLauncher::readOutput()
{
    if (m_process)
        handleOutput(m_process->readAllStandardOutput());
}

void PatchLauncher::handleOutput(const QByteArray &output)
{
    // The whole text, exactly: a code followed by a line end is no code.
    if (QString::fromLocal8Bit(output) != QLatin1String("u0"))
        return;
    if (!m_window || !m_window->isVisible())
        return;
    emit restartNoticeShown();
    // The updater's output brings it: told without holding the program.
    CommonDialog::tell(m_window, tr("Please restart program to complete patching."));
}
