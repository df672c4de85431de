// Gallery pictures of the settings dialog: at its top and scrolled to the
// hotkeys, with the built-in defaults and sample folders.

#include "gallery.h"

#include "core/enviroment.h"
#include "settings.h"
#include "ui_settings.h"

#include <QApplication>
#include <QTemporaryDir>

namespace gallery {
namespace {

// The dialog edits a settings holder of its own, kept in a private folder so
// the gallery never reads or writes the user's settings.
void ensureEnviroment()
{
    static QTemporaryDir home;
    if (g_enviroment)
        return;
    const QByteArray oldHome = qgetenv("HOME"), oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", (home.path() + QStringLiteral("/.config")).toUtf8());
    g_enviroment = new Enviroment(qApp);
    qputenv("HOME", oldHome);
    qputenv("XDG_CONFIG_HOME", oldConfig);
}

Settings *makeSettings(bool hotkeys)
{
    ensureEnviroment();
    auto *dialog = new Settings;
    Ui::SettingsClass *ui = dialog->form();
    ui->edtOutputFolder->setText(QStringLiteral("/home/ann/Videos/Mirelo"));
    ui->edtScreenshotFolder->setText(QStringLiteral("/home/ann/Pictures/Mirelo"));
    ui->edtOutputFolder->setCursorPosition(0);
    ui->edtScreenshotFolder->setCursorPosition(0);
    if (hotkeys) {
        dialog->show();
        QApplication::processEvents();
        ui->btnHotkeys->click();
    }
    return dialog;
}

} // namespace

QList<GalleryEntry> settingsEntries()
{
    return {
        {QStringLiteral("settings"), [] { return makeSettings(false); }},
        {QStringLiteral("settings-hotkeys"), [] { return makeSettings(true); }},
    };
}

} // namespace gallery
