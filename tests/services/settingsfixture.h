#pragma once
// What the settings dialog's tests share: the real settings store in the
// test's own HOME, read back as text, and a dialog opened as the main
// window opens it. Include "ui_settings.h" after it (uic sees the tests' own includes).
#include <QApplication>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>
#include <QtTest>

#include "core/enviroment.h"
#include "core/vocabulary.h"
#include "settings.h"
#include "skinmanager.h"
#include "testsupport.h"

namespace settingstest {

inline QString storePath()
{
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
        + QStringLiteral("/Olvex/Free Mirelo.conf");
}

inline QByteArray storeText()
{
    QFile file(storePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// One stored value, read from the file as it is on disk.
inline QVariant stored(const QString &key)
{
    return QSettings(storePath(), QSettings::IniFormat).value(key);
}

inline void initSkin()
{
    SkinManager::instance()->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", testsupport::binDir() + "/Skin");
    SkinManager::instance()->loadStyleSheet();
    qApp->setStyleSheet(SkinManager::instance()->styleSheet());
}

// A dialog shown as the main window shows it; null once it is gone.
inline QPointer<Settings> openDialog()
{
    QPointer<Settings> dialog = new Settings;
    dialog->show();
    if (!QTest::qWaitForWindowExposed(dialog))
        qWarning("settings dialog not exposed");
    return dialog;
}

// Waits until the dialog has deleted itself.
inline bool waitGone(const QPointer<Settings> &dialog)
{
    for (int i = 0; i < 100 && dialog; ++i) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    }
    return dialog.isNull();
}

// Runs `action` on the next modal dialog once it is open.
template <typename Dialog, typename Fn>
void onNextModal(Fn action)
{
    auto *timer = new QTimer;
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, [timer, action] {
        if (auto *dialog = qobject_cast<Dialog *>(QApplication::activeModalWidget())) {
            timer->stop();
            timer->deleteLater();
            action(dialog);
        }
    });
    timer->start();
}

} // namespace settingstest
