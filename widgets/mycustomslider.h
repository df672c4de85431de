#pragma once
// A horizontal slider that shows its value in a small label riding above
// the handle while the user drags it.

#include <QSlider>

class QLabel;

class MyCustomSlider : public QSlider
{
    Q_OBJECT
public:
    explicit MyCustomSlider(QWidget *parent = nullptr);

    QLabel *valueLabel() const { return m_valueLabel; }
    // Where the label goes for a value: the handle's share of the free width.
    int labelX(int value) const;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QLabel *m_valueLabel;
};
