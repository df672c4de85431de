#pragma once
// The floating webcam window: a frameless, resizable window whose inside is
// the engine's live preview, with a small tool frame (stay on top, mirror,
// settings, transparency, photo, close) while the pointer is over it. The
// whole menu is its context menu.
#include <QDialog>
#include <QPointer>
#include <QRect>

#include <functional>

class CPlayWidget;
class FramelessDrag;
class QAction;
class QActionGroup;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
namespace Ui {
class CameraWindowClass;
}

class CameraWindow : public QDialog
{
    Q_OBJECT
public:
    explicit CameraWindow(QWidget *parent = nullptr);
    ~CameraWindow() override;

    void setStickyOnTop(bool on);
    void setCloseButtonVisible(bool visible);
    // After a language change: the menu's entries and the strip's tips.
    void retranslate();

    CPlayWidget *cameraWidget() const;
    QFrame *toolFrame() const { return m_toolFrame; }
    QMenu *menu() const { return m_menu; }
    QMenu *transparencyMenu() const { return m_transparencyMenu; }

    // The resize zone of a point of a window of this size: a 4-pixel border
    // (HTLEFT ... HTBOTTOMRIGHT) or HTNOWHERE inside.
    static int borderZone(const QPoint &pos, const QSize &size);

    // Where a window of this size goes for a position of the settings
    // dialog (0 centre, 1 lower right, 2 top right, 3 lower left, 4 top
    // left) beside the reference; the lower ones keep bottomGap free.
    static QPoint placement(int position, const QSize &size, const QRect &reference, int bottomGap);

    // Where a photo is recorded: kind, path, picture size, seconds, bytes.
    using HistoryFn = std::function<void(int kind, const QString &path, const QSize &size, int seconds, qint64 bytes)>;
    static void setHistoryRecorder(HistoryFn fn);

signals:
    void visibleChanged(bool visible);
    void rectChanged(const QRect &rect);
    void sigShowCameraSettings();

public slots:
    void takePhoto();
    void slotWidgetHide();
    void actTransparencyTriggered(QAction *action);
    void actStickyOnTopTriggered();
    void actFlipHorzTriggered();
    void animationFinished();
    void slotShowTransparencymenu();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    bool event(QEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;

private:
    void buildToolFrame();
    void buildMenu();
    void placeToolFrame();
    bool startResize(QMouseEvent *event, const QPoint &windowPos);
    bool followResize(QMouseEvent *event);
    void showPhoto(const QString &path);
    void applyButtonStyles();

    Ui::CameraWindowClass *ui;
    QMenu *m_menu = nullptr;
    QAction *m_actSettings = nullptr;
    QMenu *m_transparencyMenu = nullptr;
    QAction *m_actSticky = nullptr;
    QAction *m_actPhoto = nullptr;
    QAction *m_actFlip = nullptr;
    QAction *m_actClose = nullptr;
    QActionGroup *m_transparencyGroup = nullptr;
    QPointer<QLabel> m_photoLabel;
    QFrame *m_toolFrame = nullptr;
    QPushButton *m_btnCameraSettings = nullptr;
    QPushButton *m_btnTransparency = nullptr;
    QPushButton *m_btnTakePhoto = nullptr;
    QPushButton *m_btnCameraFrameClose = nullptr;
    QPushButton *m_btnStickyOnTop = nullptr;
    QPushButton *m_btnFlipHorz = nullptr;
    FramelessDrag *m_drag = nullptr;
    // A resize by hand where no window manager takes it over.
    int m_resizeZone = 0;
    QRect m_resizeStart;
    QPoint m_resizePress;
};

// The program's webcam window, made by the main window; null outside its life.
extern CameraWindow *g_cameraWindow;
