#include "mysplashscreen.h"
#include "ui_mysplashscreen.h"

#include "core/edition.h"
#include "skinmanager.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QMovie>
#include <QScreen>


namespace {
QPixmap fitted(const QPixmap &pixmap, int width, int height)
{
    if (pixmap.isNull())
        return pixmap;
    return pixmap.scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}
} // namespace

MySplashScreen::MySplashScreen(QWidget *parent, Qt::WindowFlags flags)
    : QWidget(parent, flags), ui(new Ui::MySplashScreenView)
{
    ui->setupUi(this);
    // Shown before the main window names the application: the edition's
    // name is the one every later window carries.
    setWindowTitle(g_mireloData ? g_mireloData->fullProductName() : QCoreApplication::applicationName());
    init();
}

MySplashScreen::~MySplashScreen()
{
    delete m_movie;
    delete ui;
}

void MySplashScreen::init()
{
    const QString skin = SkinManager::instance()->skinPath();
    QPixmap logo(QStringLiteral("%1logo180.png").arg(skin + QStringLiteral("image/")));
    const QPixmap brand(skin + QStringLiteral("image/olvex.PNG"));
    QPixmap title(skin + QStringLiteral("image/SplashTitle.PNG"));

    m_movie = new QMovie(skin + QStringLiteral("image/SplashScreen.gif"), "GIF");

    title = fitted(title, scaled(340), scaled(39));
    logo = fitted(logo, scaled(140), scaled(140));

    SkinManager::instance()->scaledMovie(m_movie, false);
    ui->lblGif->setMovie(m_movie);
    m_movie->start();

    ui->CentralWidget->setProperty("STYLE_KEY", QStringLiteral("HOME_PAGE_FREE"));
    ui->lblVersion->setProperty("STYLE_KEY", QStringLiteral("HISTROY_LABEL_FREE"));
    ui->label_2->setProperty("STYLE_KEY", QStringLiteral("HISTROY_LABEL_FREE"));

    ui->lblProductName->setFixedSize(scaled(340), scaled(39));
    ui->lblLogo->setFixedSize(scaled(140), scaled(140));
    setFixedSize(scaled(414), scaled(468));
    ui->lblBrand->setFixedSize(scaled(84), scaled(21));
    ui->lblGif->setFixedSize(scaled(38), scaled(38));
    ui->lblVersion->setFixedHeight(scaled(16));
    ui->label_2->setFixedHeight(scaled(16));

    ui->lblLogo->setPixmap(logo);
    ui->lblBrand->setPixmap(fitted(brand, scaled(84), scaled(21)));
    ui->lblProductName->setPixmap(title);

    ui->lblVersion->setText(tr("Version %1").arg(productVersion()));
    ui->label_2->setText(tr("Copyright \u00a9 %1 Olvex. All rights reserved.").arg(g_mireloData ? g_mireloData->copyrightTime() : QString()));
}

void MySplashScreen::finish()
{
    if (m_movie)
        m_movie->stop();
    close();
}

QPoint MySplashScreen::centeredPosition(const QSize &size)
{
    QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return QPoint(0, 0);
    const QRect area = screen->geometry();
    // The primary screen need not start at the desktop's origin.
    return QPoint(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2);
}
