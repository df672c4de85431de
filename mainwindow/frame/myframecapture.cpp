// The main frame's mode buttons: the record page, and the screen-capture
// mode, which saves a picture of the selected region into the screenshots
// folder, lets it fly away into the region and lists it in the history.
#include "myframe.h"

#include "core/datagroupoutput.h"
#include "core/datagroupprivate.h"
#include "core/enviroment.h"
#include "core/logfile.h"
#include "areaselected.h"
#include "regionscreens.h"
#include "mirelo.h"
#include "historylist.h"
#include "picturefile.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QMessageBox>
#include <QPropertyAnimation>
#include <QRegularExpression>

namespace {
constexpr int kHistoryScreenCapture = 2;
constexpr int kFlyAwayMs = 300;
} // namespace

void MyFrame::SetMainFunMode(int id)
{
    QAbstractButton *button = m_modeGroup ? m_modeGroup->button(id) : nullptr;
    if (!button)
        return;
    if (id == 1) {
        button->setChecked(true);
        if (auto *main = qobject_cast<Mirelo *>(content()))
            main->setMainFunMode(1);
    } else if (id == 3) {
        saveRegionScreenshot();
    }
}

void MyFrame::saveRegionScreenshot()
{
    if (!g_enviroment || !region::screenReadable(this))
        return;
    DataGroupOutput *output = g_enviroment->output();
    const QString folder = output->ScreenshotsFolder;
    if (g_runLog)
        g_runLog->write(0, QStringLiteral("Screenshots folder: ") + folder, true);
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        QMessageBox::critical(this, QCoreApplication::applicationName(),
                              tr("The location of screenshot files is not valid, please reselect it in settings."),
                              QMessageBox::Ok);
        return;
    }
    QPixmap picture = g_enviroment->privateData->grabSelectedScreen();
    if (g_areaSelected && !picture.isNull())
        picture = picture.copy(g_areaSelected->localSelectedRect());

    QString name = output->newSnapshotFilePath();
    bool saved = PictureFile::write(picture, name, "jpg");
    if (!saved) {
        // The picture as PNG instead, under a name of its own: an earlier
        // fallback in the same minute may hold the first one.
        name.replace(QRegularExpression(QStringLiteral("jpg$")), QStringLiteral("png"));
        if (name.endsWith(QLatin1String(".png")) && QFileInfo::exists(name))
            name = DataGroupOutput::newFilePath(folder, QStringLiteral("Snapshot"), QStringLiteral("png"));
        saved = PictureFile::write(picture, name, "png");
    }
    if (!saved) {
        // Nothing on disk: no history entry pointing at nothing.
        QMessageBox::critical(this, QCoreApplication::applicationName(), tr("Failed to save the screenshot."),
                              QMessageBox::Ok);
        return;
    }
    flyAwayScreenshot(picture);
    if (g_historyList) {
        const QSize region = g_areaSelected ? g_areaSelected->selectedRect().size() : picture.size();
        g_historyList->addItem(kHistoryScreenCapture, name, region, 0, QFileInfo(name).size());
    }
}

void MyFrame::flyAwayScreenshot(const QPixmap &pixmap)
{
    if (!g_areaSelected)
        return;
    delete m_flyingLabel;
    auto *label = new QLabel(g_areaSelected);
    label->setPixmap(pixmap);
    label->setScaledContents(true);
    label->show();
    m_flyingLabel = label;

    const QRect from(0, 0, g_areaSelected->width(), g_areaSelected->height());
    const QPoint centre(from.left() + (from.right() - from.left() + 1) / 2,
                        from.top() + (from.bottom() - from.top() + 1) / 2);
    auto *animation = new QPropertyAnimation(label, "geometry", label);
    animation->setDuration(kFlyAwayMs);
    animation->setStartValue(from);
    animation->setEndValue(QRect(centre, QSize(1, 1)));
    connect(animation, &QPropertyAnimation::finished, label, &QObject::deleteLater);
    animation->start();
}

QLabel *MyFrame::flyingScreenshot() const
{
    return m_flyingLabel;
}
