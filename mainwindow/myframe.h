#pragma once
// The skinned outer frame around the main window (and, later, around the
// service views): rounded background with the title band, the title bar's
// own close and minimise images, and the stored window size.

#include "ccommonframe.h"

class MyFrame : public CCommonFrame
{
    Q_OBJECT
public:
    MyFrame(QWidget *content, QWidget *parent, FrameTypes types, const QPixmap &icon, int screenIndex = 0,
            int titlePosition = 0);
    ~MyFrame() override;

    bool isMainFrame() const { return hasType(MainFrame); }

    // The product title and logo in the title bar (the argument is unused).
    void setMainTitle(int unused);

    void retranslateTitle() override;
    void reloadTitleSkin() override;
    void fitToContent() override;

    // The 31-pixel logo of the current skin.
    static QPixmap logoPixmap();

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createTitleWidgets();
    void clipContentCorners();
};
