#pragma once
// The settings dialog: the five persistent settings groups edited live, one
// category below the other in a scroll area that the category buttons
// follow. OK keeps the values and writes them; any other close puts the
// saved values back.
#include <QDialog>
#include <QPointer>
#include <QVector>

#include <functional>

class Enviroment;
class FramelessDrag;
class QAbstractButton;
class QLineEdit;
class QPushButton;

namespace Ui {
class SettingsClass;
}

class Settings : public QDialog
{
    Q_OBJECT
public:
    explicit Settings(QWidget *parent = nullptr);
    ~Settings() override;

    Ui::SettingsClass *form() const { return ui; }

    void loadValues();
    void showHotkeys();
    // True when no other hotkey edit shows the edit's text; otherwise the
    // edit gets its hotkey's stored text back.
    bool isHotkeyUnique(QLineEdit *edit);
    void selectColorButton();
    static void setButtonColor(QWidget *button, const QColor &color);
    // The skin's "Icon.qss" with its sizes scaled and its image folder
    // filled in; empty when it cannot be read.
    static QString iconStyleSheet();
    static void blockSignalsRecursive(QObject *object, bool block);
    // The text a key press gives in a hotkey edit, or an empty text when
    // the press is not captured (any key but 1 to 9 and A to Z).
    static QString hotkeyText(int key, Qt::KeyboardModifiers modifiers, quint32 nativeScanCode);

    // Asks for a folder (parent, title, folder to start in); a null text
    // when cancelled. Empty restores Qt's folder dialog. Tests answer with
    // it instead of driving Qt's dialog, whose file list loads in the
    // background.
    using FolderPicker = std::function<QString(QWidget *, const QString &, const QString &)>;
    static void setFolderPicker(FolderPicker picker);

    // The state the dialog was closed in has been applied (saved or
    // reverted); the destructor then does nothing more.
    bool isApplied() const { return m_applied; }

signals:
    void visibleChanged(bool visible);

public slots:
    void done(int result) override;

    void btnGrpCategoriesClicked(QAbstractButton *button);
    void scrollAreaVertScrollBarValueChanged(int value);
    void edtOutputFolderSelect();
    void edtOutputFolderOpen();
    void edtScreenshotFolderSelect();
    void edtScreenshotFolderOpen();
    void btnMouseSettingsClicked();
    void btnGrpMouseClickColorClicked(QAbstractButton *button);
    void loadDefault();
    void loadDefaultHotkeys();
    void slotUpdateRate(int index);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void connectControls();
    // Puts a select-folder button at the right end inside a folder edit;
    // the edit owns it and keeps it in its "ButtonData" property.
    void attachFolderButton(QLineEdit *edit);
    void applySkin();
    void applySizes();
    // Saves (accepted) or reverts the settings holder, once.
    void applyResult();
    bool captureHotkey(QLineEdit *edit, QKeyEvent *event);
    void warnHotkeyInUse();
    QString pickFolder(const QString &title, const QString &start);

    Ui::SettingsClass *ui;
    QVector<QLineEdit *> hotkeyEdits;
    // The holder the dialog edits; it may go before the dialog on exit.
    QPointer<Enviroment> m_env;
    FramelessDrag *m_drag;
    bool m_applied = false;
};
