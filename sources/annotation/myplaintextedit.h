#pragma once
// The in-place text box of the text tool. It opens up the geometry helpers
// the controller needs to place the committed text where the box showed it,
// and keeps every key typed into it: none reaches the host, where Escape
// would end a screenshot with its annotation.

#include <QKeyEvent>
#include <QPlainTextEdit>

class MyPlainTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MyPlainTextEdit(QWidget *parent = nullptr) : QPlainTextEdit(parent) {}

    using QPlainTextEdit::blockBoundingGeometry;
    using QPlainTextEdit::contentOffset;

protected:
    void keyPressEvent(QKeyEvent *event) override
    {
        QPlainTextEdit::keyPressEvent(event);
        event->accept();
    }
};
