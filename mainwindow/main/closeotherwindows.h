#pragma once
// Closes every visible window of the program but the ones kept, the tray
// icon's own window and the program's notices (CommonDialog::tell), which
// wait for the user, innermost first, so that nested dialogs end before the
// window they belong to.
#include <QList>

class QWidget;

// A dialog is ended with done(0), any other window closed; after each close
// events run until it is gone, for at most `waitMsecs` (none for 0: a window
// that does not go at once is left, and no event is handled meanwhile). A
// window that stays open is left alone, and the walk ends after a bounded
// number of passes. Returns how many windows went.
int closeOtherWindows(const QList<QWidget *> &keep, int waitMsecs = 500);

// Closes the program's notices (when it leaves).
void closeNotices();
