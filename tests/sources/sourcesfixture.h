#pragma once
// The ground of the webcam and sound list tests: the test engine with a
// script and a call trace, the settings holder and the options file.
#include <QLibrary>
#include <QStringList>
#include <QtTest>

#include <memory>

#include "core/enginebinding.h"
#include "core/enviroment.h"
#include "core/myconfig.h"
#include "fakehotkeybackend.h"
#include "mirelo_test_engine.h"

namespace sourcesfixture {

template <typename Fn>
Fn control(const char *name)
{
    return reinterpret_cast<Fn>(QLibrary::resolve(QStringLiteral(MIRELO_TEST_ENGINE_PATH), name));
}

// Replaces the engine's script (takes effect at once for the answers).
inline void script(const QByteArray &text)
{
    QCOMPARE(control<MireloTestEngineLoadScriptFn>("mireloTestEngineLoadScript")(text.constData()), 0);
}

inline void clearTrace()
{
    control<MireloTestEngineClearTraceFn>("mireloTestEngineClearTrace")();
}

// The calls since the last clear, without results: "selectCamera index=1".
inline QStringList calls()
{
    QStringList out;
    const QString text = QString::fromUtf8(control<MireloTestEngineTraceFn>("mireloTestEngineTrace")());
    for (const QString &line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        out << line.section(QStringLiteral(" -> "), 0, 0);
    return out;
}

// The calls whose operation is one of `ops`.
inline QStringList callsOf(const QStringList &ops)
{
    QStringList out;
    for (const QString &c : calls()) {
        if (ops.contains(c.section(QLatin1Char(' '), 0, 0)))
            out << c;
    }
    return out;
}

// Started engine, settings holder and options file for one test function.
struct Ground {
    std::unique_ptr<FakeHotkeyBackend> hotkeys;
    std::unique_ptr<Enviroment> env;
    std::unique_ptr<MyConfig> config;

    void start(const QByteArray &engineScript)
    {
        QVERIFY(engineLoadFrom(QStringLiteral(MIRELO_TEST_ENGINE_PATH)));
        script(engineScript);
        QCOMPARE(engineInitialize(QString(), nullptr, nullptr), 0);
        hotkeys.reset(new FakeHotkeyBackend);
        config.reset(new MyConfig);
        g_myConfig = config.get();
        config->setLastCameraName(QString());
        config->setLastCameraFormatIndex(-1);
        config->setLastCameraPosition(-1);
        env.reset(new Enviroment);
        g_enviroment = env.get();
        clearTrace();
    }
    void stop()
    {
        g_enviroment = nullptr;
        env.reset();
        g_myConfig = nullptr;
        config.reset();
        hotkeys.reset();
        if (engineLoaded())
            engineShutdown();
        engineUnload();
    }
};

} // namespace sourcesfixture
