#pragma once
// The skinned dialog for messages, confirmations and short inputs.
// Callers use only the static factories: each creates one dialog, runs it,
// reads the answer and deletes it; tell() alone shows a message and
// returns at once.

#include <QBitmap>
#include <QDialog>
#include <QTime>

#include <functional>

namespace Ui {
class CommonDialogClass;
}
class FramelessDrag;

class CommonDialog : public QDialog
{
    Q_OBJECT
public:
    // What the dialog is for; only a file name checks what is typed.
    enum Kind { Message = 0, FileName = 1, TextInput = 2 };

    CommonDialog(QWidget *parent, int kind);
    ~CommonDialog() override;

    int kind() const { return m_kind; }
    Ui::CommonDialogClass *form() const { return ui; }

    // Message with one "Ok"; true when accepted. Modal: only for an answer
    // to the user's own click.
    static bool showWarning(QWidget *parent, const QString &text);
    // A notice: the same message, shown without waiting for it (the code
    // that found what it says goes on), gone once the user closes it. What
    // the program tells on its own (a stop it made, a file it set aside)
    // goes this way. The dialog, or null when a run hook answered it.
    static CommonDialog *tell(QWidget *parent, const QString &text);
    // A notice shown by tell(): it waits for the user, also when the
    // program closes its other windows before a recording.
    static bool isNotice(const QWidget *window);
    // Question with Ok, Cancel and "No longer tips"; when accepted,
    // *showAgain tells whether to show the tip again.
    static bool showTip(QWidget *parent, const QString &text, bool *showAgain);
    // Minimise to the tray (0) or exit (1); -1 when cancelled. When
    // answered, *askAgain tells whether to ask next time.
    static int askCloseAction(QWidget *parent, bool *askAgain);
    static bool confirmRemove(QWidget *parent, const QString &text);
    // When accepted, *deleteLocal tells whether to delete the file too.
    static bool confirmRemoveHistory(QWidget *parent, bool *deleteLocal);
    static bool confirmDeleteTask(QWidget *parent);
    // The new name, or an empty text when cancelled.
    static QString inputFileName(QWidget *parent, const QString &oldName);
    static QString inputTaskName(QWidget *parent, const QString &oldName);
    // The entered time, or an invalid time when cancelled.
    static QTime inputTime(QWidget *parent, const QTime &time);
    static void showResult(QWidget *parent, bool success);

    // Runs a configured dialog instead of exec() (picture renders, tests);
    // returns the dialog's result. A notice is handed to it too, and then
    // not shown. Empty restores exec().
    using RunHook = std::function<int(CommonDialog *)>;
    static void setRunHook(RunHook hook);

    // The window's shape: its rectangle with rounded corners (the dialog's
    // own radius unless another is given).
    static QBitmap roundedShape(const QSize &size, int radius = -1);

    // The characters a file name cannot hold.
    static bool isForbiddenInFileName(QChar c);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void setStyleKeys();
    void setupMessage(const QString &iconStyle);
    void setupInput(int width, int height);
    // A message box grows to show its whole text, up to most of the screen's
    // height; beyond, the text scrolls.
    void fitHeightToText();
    int run();

    Ui::CommonDialogClass *ui;
    int m_kind;
    FramelessDrag *m_drag;
};
