#include "live.h"

#include "core/enviroment.h"
#include "core/languages.h"
#include "core/vocabulary.h"
#include "skinmanager.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QWidget>

#include <cstdio>
#include <cstring>

bool isLiveMode(int argc, char **argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--live") == 0)
            return true;
    }
    return false;
}

int runLive(QApplication &app)
{
    const QStringList args = app.arguments();
    const int at = args.indexOf(QStringLiteral("--live"));
    const QString name = args.value(at + 1);
    const int skinAt = args.indexOf(QStringLiteral("--skin"));
    const QString root = skinAt > 0 ? QFileInfo(args.value(skinAt + 1)).absoluteFilePath()
                                    : QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../bin/Skin"));
    const GalleryEntry *entry = nullptr;
    for (const GalleryEntry &e : liveEntries()) {
        if (e.name == name)
            entry = &e;
    }
    if (!entry) {
        std::fprintf(stderr, "mirelo_gallery: no live entry \"%s\"; there are:\n", qPrintable(name));
        for (const GalleryEntry &e : liveEntries())
            std::fprintf(stderr, "  %s\n", qPrintable(e.name));
        return 2;
    }

    QDir::setCurrent(QFileInfo(root).absolutePath());
    SkinManager *skin = SkinManager::instance();
    if (skin->init(0, skinNames(), "Win", "Olvex", "ml", "Mirelo", root) == SkinManager::StatusNoSkin) {
        std::fprintf(stderr, "mirelo_gallery: no skin under %s\n", qPrintable(root));
        return 1;
    }
    skin->detectDpiScale(&g_dscale);
    skin->setHalfSize(true);
    skin->loadStyleSheet();
    applyLanguageFont(skin->styleSheet(), QStringLiteral("en"));
    // Windows hide and show again (the picker hides the frame): only a kill
    // or the entry itself ends the live mode.
    app.setQuitOnLastWindowClosed(false);
    g_enviroment = new Enviroment(&app);

    QWidget *w = entry->make();
    if (!w)
        return 1;
    if (!w->isVisible())
        w->show();
    std::printf("window 0x%llx\n", static_cast<unsigned long long>(w->winId()));
    std::fflush(stdout);
    const int code = app.exec();
    delete w;
    return code;
}
