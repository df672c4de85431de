#pragma once
// A tool button whose icon is the skin's image for its state.

#include "core/globaldefs.h"

#include <QToolButton>

class MyToolButton : public QToolButton
{
    Q_OBJECT
public:
    explicit MyToolButton(QWidget *parent = nullptr);

    ImageStateMap imageMap() const { return m_images; }
    int toolButtonStyleValue() const { return m_style; }
    // The state whose image the last paint used.
    IMAGE_TYPE lastPaintedState() const { return m_lastState; }

public slots:
    void changeIcon(const QString &key);
    void changeIcon();
    void setToolButtonStyle(Qt::ToolButtonStyle style);
    void SetLimitPixmap(QPixmap *limit);
    void setImageMap(const ImageStateMap &map);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    ImageStateMap m_images;
    QPixmap *m_limit = nullptr;
    int m_style = Qt::ToolButtonIconOnly;
    QString m_elidedTip;
    IMAGE_TYPE m_lastState = IMAGE_NORMAL;
};
