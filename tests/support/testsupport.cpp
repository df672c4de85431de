#include "testsupport.h"

#include <QDir>
#include <QProcessEnvironment>

namespace testsupport {

QString binDir() { return qEnvironmentVariable("MIRELO_BIN_DIR"); }

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

} // namespace testsupport
