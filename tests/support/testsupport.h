#pragma once
// Small helpers shared by the tests.
#include <QString>

namespace testsupport {

// The program folder of this build (executable, engine library, Skin, Language).
QString binDir();
// The source tree, for fixtures kept beside the tests.
QString sourceDir();
// True when HOME and the XDG folders point into the private folder that
// run-test.sh made, so a test may write "user" files freely.
bool isolatedHome();

} // namespace testsupport
