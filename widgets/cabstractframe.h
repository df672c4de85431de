#pragma once
// The base of the program's frameless frames: a dialog that carries one
// content widget, knows its type bits (which title buttons show, whether it
// is the main frame), asks an optional close callback, and closes on Escape
// unless it is the main frame.

#include <QDialog>

class CAbstractFrame : public QDialog
{
    Q_OBJECT
public:
    // A flag word of the bits below.
    using FrameTypes = quint32;
    enum FrameType : quint32 {
        MinimizeButton = 0x1,
        MaximizeButton = 0x2, // maximise and restore, one at a time
        CloseButton = 0x4,
        SettingsButton = 0x10,
        HelpButton = 0x20,
        FeedbackButton = 0x80,
        IntelButton = 0x100,
        AmdButton = 0x200,
        NvidiaButton = 0x400,
        DoubleClickMaximize = 0x1000,
        NoTitleBar = 0x2000,
        // Escape does not close, the content survives the close.
        MainFrame = 0x10000000,
    };
    // Asked before the frame closes; false keeps it open.
    using CloseCallback = bool (*)(void *);

    CAbstractFrame(QWidget *content, QWidget *parent, FrameTypes types);

    QWidget *content() const { return m_content; }
    QWidget *dragWidget() const { return m_dragWidget; }
    FrameTypes frameTypes() const { return m_types; }
    bool hasType(FrameType bit) const { return (m_types & bit) != 0; }

    void setCloseCallback(CloseCallback callback, void *argument);

    // Gives a view shown in a passing frame back to `owner` as a child,
    // hidden for good. A child hidden only by its change of parent shows
    // again with the owner once Qt has made the owner's children native
    // windows (a native window reparented below the owner makes them so): the
    // view would then lie inside the owner, over what it shows.
    static void handBack(QWidget *content, QWidget *owner);

    virtual QWidget *frameWidget();
    virtual void setTitleAnimation(bool on);
    virtual void setGpuButtonsEnabled(bool enabled);
    virtual void setFrameTypes(FrameTypes types);
    virtual void enableIntelOnly(bool enabled);
    virtual void enableAmdOnly(bool enabled);
    virtual void enableNvidiaOnly(bool enabled);
    virtual void retranslateTitle();
    virtual void reloadTitleSkin();
    virtual void fitToContent();
    virtual void addTitleLeftWidget(QWidget *widget, int spacing);
    virtual void addTitleMiddleWidget(QWidget *widget, int spacing);
    virtual void addTitleRightWidget(QWidget *widget, int spacing);
    virtual void setDragWidget(QWidget *widget);
    virtual void reserved();
    virtual bool closeFrame();
    virtual void init() = 0;

    // The name some callers use for addTitleRightWidget.
    void insertRightTitleWidget(QWidget *widget, int spacing) { addTitleRightWidget(widget, spacing); }

signals:
    void DiscOut(QString drive);
    void DiscIn(QString drive);
    void Option(CAbstractFrame::FrameTypes type);
    void DisplayChanged(int, int);

public slots:
    void CloseSlot();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

    QWidget *m_parent;
    QWidget *m_content;
    QWidget *m_dragWidget = nullptr;
    FrameTypes m_types;
    CloseCallback m_closeCallback = nullptr;
    void *m_closeArgument = nullptr;
};
