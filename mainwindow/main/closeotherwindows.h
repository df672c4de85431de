#pragma once
// Closes every visible window of the program but the ones kept (and the
// tray icon's own window), innermost first, so that nested dialogs end before
// the window they belong to.
#include <QList>

class QWidget;

// A dialog is ended with done(0), any other window closed; after each close
// events run until it is gone, for at most `waitMsecs`. A window that stays
// open is left alone, and the walk ends after a bounded number of passes.
// Returns how many windows went.
int closeOtherWindows(const QList<QWidget *> &keep, int waitMsecs = 500);
