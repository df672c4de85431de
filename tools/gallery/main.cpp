// Renders every gallery entry in both skins at scales 1.0 and 1.5:
//   mirelo_gallery SKIN_ROOT OUT_DIR [--language CODE] [ENTRY...]
// writes OUT_DIR/<skin>/<scale>/<entry>.png, in English unless a language
// code (de, fr, jp, ko, zh, zh_TW) is given.
//   mirelo_gallery --live ENTRY [--skin SKIN_ROOT]
// opens one window on the current display instead (live.h).

#include "gallery.h"
#include "live.h"

#include "core/languages.h"
#include "core/vocabulary.h"
#include "skinmanager.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>
#include <QtTest/QTest>

#include <cstdio>

int main(int argc, char **argv)
{
    const bool live = isLiveMode(argc, argv);
    if (!live && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (live)
        return runLive(app);
    const QStringList args = app.arguments();
    if (args.size() < 3) {
        std::fprintf(stderr, "usage: mirelo_gallery SKIN_ROOT OUT_DIR [ENTRY...]\n");
        return 2;
    }
    const QString root = QFileInfo(args[1]).absoluteFilePath(), outDir = QFileInfo(args[2]).absoluteFilePath();
    QStringList only = args.mid(3);
    QString language = QStringLiteral("en");
    const int languageAt = only.indexOf(QStringLiteral("--language"));
    if (languageAt >= 0 && languageAt + 1 < only.size()) {
        language = only.takeAt(languageAt + 1);
        only.removeAt(languageAt);
        const QString folder = QFileInfo(root).absolutePath() + QStringLiteral("/Language");
        if (!loadTranslators(language, folder, QStringLiteral("Mirelo")))
            std::fprintf(stderr, "mirelo_gallery: no translation %s in %s\n", qPrintable(language), qPrintable(folder));
    }

    // Style sheets name their pictures relative to the program folder, as
    // the program itself sees them.
    QDir::setCurrent(QFileInfo(root).absolutePath());
    SkinManager *skin = SkinManager::instance();
    const int status = skin->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", root);
    if (status == SkinManager::StatusNoSkin) {
        std::fprintf(stderr, "mirelo_gallery: no skin under %s\n", qPrintable(root));
        return 1;
    }
    int written = 0;
    for (int index = 0; index < skinNames().size(); ++index) {
        skin->ChangeSkin(index);
        if (skin->currentSkinIndex() != index)
            continue;
        for (double scale : {1.0, 1.5}) {
            skin->setScale(scale);
            skin->setHalfSize(true);
            skin->loadStyleSheet();
            applyLanguageFont(skin->styleSheet(), language);
            const QString dir = QStringLiteral("%1/%2/%3").arg(outDir, skinNames()[index]).arg(scale, 0, 'f', 1);
            QDir().mkpath(dir);
            for (const GalleryEntry &entry : galleryEntries()) {
                if (!only.isEmpty() && !only.contains(entry.name))
                    continue;
                QWidget *w = entry.make();
                w->show();
                if (!QTest::qWaitForWindowExposed(w))
                    std::fprintf(stderr, "mirelo_gallery: %s was not shown\n", qPrintable(entry.name));
                QApplication::processEvents();
                const QString file = dir + QLatin1Char('/') + entry.name + QStringLiteral(".png");
                if (!w->grab().save(file)) {
                    std::fprintf(stderr, "mirelo_gallery: cannot write %s\n", qPrintable(file));
                    return 1;
                }
                delete w;
                ++written;
                std::printf("%s\n", qPrintable(file));
            }
        }
    }
    return written > 0 ? 0 : 1;
}
