#pragma once
// The start-up steps that need no window: reading the command line and the
// installers' count mode.

#include <QString>
#include <QStringList>

// The value after the last "-Task" (exact case) that has one; empty when
// there is none. The program name (first argument) is skipped.
QString taskArgument(int argc, char **argv);

// The statistics event of a count request: 2 for "install", 3 for
// "uninstall" after a "--count--url--" in any case, with nothing else on the
// command line; -1 when the command line is not a count request.
int countModeEvent(int argc, char **argv);

// The statistics address with the event's query item ("install=" and so on)
// added to what the link already holds.
QString statisticsAddress(const QString &link, int event);
