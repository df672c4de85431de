#pragma once
// The custom region size panel: width and height boxes that resize the
// recording region live, an aspect-ratio lock and OK. It sits beside the
// region and follows it while the region changes elsewhere. The main window
// makes it once and shows it on request.
#include <QRect>
#include <QWidget>

class RegionOwner;

namespace Ui {
class CustomSelectArea;
}

class MyCustomAreaSelect : public QWidget
{
    Q_OBJECT
public:
    // owner: receives the typed sizes (the main window).
    MyCustomAreaSelect(RegionOwner *owner, QWidget *parent = nullptr,
                       Qt::WindowFlags flags = Qt::FramelessWindowHint);
    ~MyCustomAreaSelect() override;

    // Moves the panel next to the region (below it, else above), inside the
    // selected screen.
    void placeBesideArea();
    bool isRatioLocked() const { return m_ratioLocked; }
    double ratio() const { return m_ratio; }

    // The skin's icon style sheet with its size markers scaled and its image
    // folder filled in; empty when the file cannot be read.
    static QString iconStyleSheet(const QString &path, const QString &imageFolder, double scale);

public slots:
    void slotLockScale();
    void slotSetScale();
    void slotClose();
    void slotWidthChanged(int width);
    void slotHeightChanged(int height);
    void slotSelectedRectChanged(const QRect &rect);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void setUpSizes();
    void applyStyle();
    void fitNumbers();
    void applyLockLook();
    void sizeTyped();

    Ui::CustomSelectArea *ui;
    double m_ratio = -1.0;
    RegionOwner *m_owner;
    bool m_ratioLocked = false;
    bool m_selfChange = false; // the panel itself is changing the region
};
