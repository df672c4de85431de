#pragma once
// The in-place text box of the text tool. It only opens up the geometry
// helpers the controller needs to place the committed text where the box
// showed it.

#include <QPlainTextEdit>

class MyPlainTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MyPlainTextEdit(QWidget *parent = nullptr) : QPlainTextEdit(parent) {}

    using QPlainTextEdit::blockBoundingGeometry;
    using QPlainTextEdit::contentOffset;
};
