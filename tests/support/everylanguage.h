#pragma once
// Runs a check once per interface language at both scales the gallery draws,
// with the skin's style sheet and the language's font as the program applies
// them; English is back afterwards. For tests that link the widgets.
#include "core/languages.h"
#include "skinmanager.h"
#include "testsupport.h"

#include <QtTest>

namespace testsupport {

// Calls check(language, scale) until a check fails; false when a language's
// translations could not be loaded.
template <typename Check> bool inEveryLanguage(Check check)
{
    const QString folder = binDir() + QStringLiteral("/Language");
    SkinManager *skin = SkinManager::instance();
    bool loaded = true;
    for (double scale : {1.0, 1.5}) {
        skin->setScale(scale);
        skin->loadStyleSheet();
        for (const QString &language : supportedLanguages()) {
            loaded = loadTranslators(language, folder, QStringLiteral("Mirelo")) && loaded;
            applyLanguageFont(skin->styleSheet(), language);
            check(language, scale);
            if (QTest::currentTestFailed())
                break;
        }
        if (QTest::currentTestFailed())
            break;
    }
    loadTranslators(QStringLiteral("en"), folder, QStringLiteral("Mirelo"));
    applyLanguageFont(skin->styleSheet(), QStringLiteral("en"));
    return loaded;
}

} // namespace testsupport
