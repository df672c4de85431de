#pragma once
// The skinned modal dialog for messages, confirmations and short inputs.
// Callers use only the static factories: each creates one dialog, runs it,
// reads the answer and deletes it.

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

    // Message with one "Ok"; true when accepted.
    static bool showWarning(QWidget *parent, const QString &text);
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

    // Runs a configured dialog instead of exec() (picture renders); returns
    // the dialog's result. Empty restores exec().
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
