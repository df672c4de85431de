#pragma once
// The surface the engine draws the webcam preview into: a native X window
// that Qt never paints, so the engine's pictures are not painted over.
#include <QWidget>

class CPlayWidget : public QWidget
{
    Q_OBJECT
public:
    explicit CPlayWidget(QWidget *parent = nullptr);

    QPaintEngine *paintEngine() const override { return nullptr; }
};
