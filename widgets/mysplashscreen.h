#pragma once
// The window shown while the program builds its main window: logo, brand,
// product title, an animation, the version and the legal notice.

#include <QWidget>

namespace Ui {
class MySplashScreenView;
}
class QMovie;

class MySplashScreen : public QWidget
{
    Q_OBJECT
public:
    explicit MySplashScreen(QWidget *parent = nullptr, Qt::WindowFlags flags = {});
    ~MySplashScreen() override;

    // Stops the animation and closes the window (it lives on until its
    // owner destroys it).
    void finish();

    QMovie *movie() const { return m_movie; }
    Ui::MySplashScreenView *form() const { return ui; }

    // Where a splash of this size stands centred on the primary screen.
    static QPoint centeredPosition(const QSize &size);

private:
    void init();

    Ui::MySplashScreenView *ui;
    QMovie *m_movie = nullptr;
};
