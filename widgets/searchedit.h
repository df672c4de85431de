#pragma once
// A line edit with the skin's magnifier drawn at its left inside the text
// area; the text starts to the right of it.

#include <QLineEdit>
#include <QPixmap>

class SearchEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit SearchEdit(QWidget *parent = nullptr);

    QPixmap magnifier() const { return m_magnifier; }
    // Where the magnifier is drawn.
    QRect magnifierRect() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QPixmap m_magnifier;
};
