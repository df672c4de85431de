#pragma once
// A frame with the skinned title bar above its content, a shadow image
// behind both, dragging by the title bar (or a drag widget), maximising
// within the work area and closing on the title bar's close button.

#include "cabstractframe.h"

#include <QPixmap>
#include <QRect>

class FramelessDrag;
class QVBoxLayout;
class TitleBar;

class CWindowsFrame : public CAbstractFrame
{
    Q_OBJECT
public:
    // The zone under a point of the frame: the classic hit-test codes.
    enum { HitCaption = 2 };

    CWindowsFrame(QWidget *content, QWidget *parent, FrameTypes types, const QPixmap &icon,
                  int titlePosition, int screenIndex);

    TitleBar *titleBar() const { return m_titleBar; }
    void setTitleBackgroundName(const QString &name);
    bool isFrameMaximized() const { return m_maximized; }
    FramelessDrag *drag() const { return m_drag; }

    // What a point of a frame of this size is: a resize border, the caption
    // (no child there, or a "MyWindowTitle"), or client area.
    static int hitTest(const QPoint &pos, const QSize &size, bool maximized, const QWidget *child);

    void setTitleAnimation(bool on) override;
    void setGpuButtonsEnabled(bool enabled) override;
    void setFrameTypes(FrameTypes types) override;
    void enableIntelOnly(bool enabled) override;
    void enableAmdOnly(bool enabled) override;
    void enableNvidiaOnly(bool enabled) override;
    void retranslateTitle() override;
    void reloadTitleSkin() override;
    void fitToContent() override;
    void addTitleLeftWidget(QWidget *widget, int spacing) override;
    void addTitleMiddleWidget(QWidget *widget, int spacing) override;
    void addTitleRightWidget(QWidget *widget, int spacing) override;
    void setDragWidget(QWidget *widget) override;
    void init() override;

public slots:
    void ChangeSkinSlot();
    void ShowMaxRestore();
    void workAreaResizedSlot(int screen);
    void TitleButtonSlot();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

    void placeWindow();
    void showTitleButtons();

    TitleBar *m_titleBar = nullptr;
    QPixmap m_shadow;
    bool m_doubleClickMaximize = false;
    FramelessDrag *m_drag = nullptr;
    QRect m_normalGeometry;
    bool m_maximized = false;
    QPixmap m_icon;
    int m_screenIndex;
    int m_titlePosition;
    QVBoxLayout *m_layout = nullptr;
};
