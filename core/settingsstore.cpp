#include "settingsstore.h"

#include "keptfile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDevice>
#include <QTemporaryDir>

#include <memory>

namespace {

const char kScratchName[] = "store.ini";

// The runtime folder when there is one (private to the user, in memory),
// else the temporary folder; the folder itself is private either way.
std::unique_ptr<QTemporaryDir> scratchFolder()
{
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty()) {
        auto folder = std::make_unique<QTemporaryDir>(runtime + QStringLiteral("/mirelo-settings-XXXXXX"));
        if (folder->isValid())
            return folder;
    }
    return std::make_unique<QTemporaryDir>();
}

// The keys and values of Qt's INI text. Each time a new scratch file: a
// QSettings in this process could answer from what it cached of another.
bool decode(const QByteArray &bytes, QSettings::SettingsMap *map)
{
    map->clear();
    if (bytes.isEmpty())
        return true;
    const std::unique_ptr<QTemporaryDir> folder = scratchFolder();
    const QString path = folder->filePath(QLatin1String(kScratchName));
    QFile scratch(path);
    if (!folder->isValid() || !scratch.open(QIODevice::WriteOnly) || scratch.write(bytes) != bytes.size()
        || !scratch.flush())
        return false;
    scratch.close();
    const QSettings ini(path, QSettings::IniFormat);
    for (const QString &key : ini.allKeys())
        map->insert(key, ini.value(key));
    return ini.status() == QSettings::NoError;
}

// Qt's INI text of the keys and values. QSettings writes the scratch file as
// carelessly as any other, so the text counts only when it reads back whole.
bool encode(const QSettings::SettingsMap &map, QByteArray *bytes)
{
    bytes->clear();
    if (map.isEmpty())
        return true;
    const std::unique_ptr<QTemporaryDir> folder = scratchFolder();
    const QString path = folder->filePath(QLatin1String(kScratchName));
    if (!folder->isValid())
        return false;
    {
        QSettings ini(path, QSettings::IniFormat);
        for (auto it = map.cbegin(); it != map.cend(); ++it)
            ini.setValue(it.key(), it.value());
        ini.sync();
        if (ini.status() != QSettings::NoError)
            return false;
    }
    QFile scratch(path);
    if (!scratch.open(QIODevice::ReadOnly))
        return false;
    *bytes = scratch.readAll();
    QSettings::SettingsMap back;
    if (!decode(*bytes, &back) || back.keys() != map.keys())
        return false;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        // Numbers and truth values come back as text.
        const QVariant &read = back.value(it.key());
        if (read != it.value() && read.toString() != it.value().toString())
            return false;
    }
    return true;
}

bool readStore(QIODevice &device, QSettings::SettingsMap &map)
{
    const QByteArray bytes = device.read(KeptFile::kMaxBytes + 1);
    return bytes.size() <= KeptFile::kMaxBytes && decode(bytes, &map);
}

bool writeStore(QIODevice &device, const QSettings::SettingsMap &map)
{
    auto *file = qobject_cast<QFileDevice *>(&device);
    if (!file)
        return false;
    QByteArray bytes;
    QString why = QCoreApplication::translate("KeptFile", "the disk or the folder refused it");
    // Unless every byte is on the disk, QSettings renames nothing.
    if (!encode(map, &bytes) || !KeptFile::writeSynced(*file, bytes, &why)) {
        KeptFile::tellWriteFailed(file->fileName(), why);
        return false;
    }
    return true;
}

} // namespace

QSettings::Format settingsStoreFormat()
{
    static const QSettings::Format format =
        QSettings::registerFormat(QStringLiteral("conf"), readStore, writeStore, Qt::CaseSensitive);
    return format;
}

QSettings *openSettingsStore(const QString &path)
{
    QString why;
    if (KeptFile::isRefused(path, &why)) {
        QString backup;
        if (!KeptFile::keepAside(path, &backup))
            return new QSettings(QStringLiteral("/dev/null/Free Mirelo.conf"), settingsStoreFormat());
        KeptFile::tellKeptAside(path, backup);
    }
    return new QSettings(path, settingsStoreFormat());
}

bool syncSettingsStore(QSettings *store)
{
    store->sync();
    if (store->status() != QSettings::AccessError)
        return true;
    KeptFile::tellWriteFailed(store->fileName(),
                              QCoreApplication::translate("KeptFile", "the disk or the folder refused it"));
    return false;
}
