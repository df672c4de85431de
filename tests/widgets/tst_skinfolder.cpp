// The skin folder the build puts beside the program: both skins complete,
// every picture the windows load present, style sheets that parse and know
// every style key, and the sprites the title bar cuts.

#include "skinmanager.h"
#include "testsupport.h"
#include "titlebar.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QImageReader>
#include <QLabel>
#include <QFile>
#include <QMovie>
#include <QRegularExpression>
#include <QWidget>
#include <QtTest>

namespace {

const QStringList kSkins = {"Style1", "Style2"};

// Pictures the windows load by name from the skin folder.
const QStringList kPictures = {
    "SplashScreen/main_shadow.png", "image/SplashScreen.gif", "image/SplashTitle.PNG", "image/olvex.PNG",
    "image/titlebar_bugreport.gif", "image/logo31.png", "image/logo48.png", "image/logo180.png",
    "image/search.png", "image/movescreen.png", "image/burn.PNG", "image/converter.PNG",
    "image/closewindow-normal_free.png", "image/closewindow-on_free.png", "image/minwindow-normal_free.png",
    "image/minwindow-hover_free.png", "image/btnmin_press.png", "image/setting-normal_free.png",
    "image/setting-hover_free.png", "image/history-normal_free.png", "image/histroy-hover_free.png",
    "image/histroy-press_free.png", "image/taskschedule-normal_free.png", "image/taskschedule-hover_free.png",
    "image/taskshcedule-press_free.png", "image/main-taskschedule_normal_free.png",
    "image/main-taskschedule_hover_free.png", "image/main-taskschedule_press_free.png",
    "image/logo/watermark-normal.png", "image/logo/watermark-hover.png", "image/watermark-pressed.png",
    "image/recvideo-normal_free.png", "image/recvideo-hover_free.png", "image/recvideo-press_free.png",
    "image/reccamera-normal_free.png", "image/reccamera-hover_free.png", "image/reccamera-press_free.png",
    "image/recaudio-normal_free.png", "image/recaudio-hover_free.png", "image/recaudio-press_free.png",
    "image/shotcut-normal_free.png", "image/shotcut-hover_free.png", "image/shotcut-press_free.png",
    "image/backhome-normal.png", "image/backhome-press.png", "image/camerashotcut-normal.png",
    "image/camerashotcut-hover.png", "image/camerashotcut-press.png", "image/rec.png", "image/rec-on.png",
    "image/rec-disable.png", "image/mainfunmicrophone-on-normal.png", "image/mainfunmicrophone-on-hover.png",
    "image/mainfunmicrophone-off-normal.png", "image/mainfunmicrophone-off-hover.png",
    "image/mainfunrecvideo-on-normal.png", "image/mainfunrecvideo-on-hover.png",
    "image/mainfunrecvideo-off-normal.png", "image/mainfunrecvideo-off-hover.png",
    "image/mainfuncamera-on-normal.png", "image/mainfuncamera-on-hover.png",
    "image/mainfuncamera-off-normal.png", "image/mainfuncamera-off-hover.png",
    "image/recordstart-normal.png", "image/recordstart-hover.png", "image/recordstart-press.png",
    "image/pauserecord-normal.png", "image/pauserecord-hover.png", "image/pauserecord-press.png",
    "image/stoprecord-normal.png", "image/stoprecord-hover.png", "image/stoprecord-press.png",
    "image/recordsetting-normal.png", "image/recordsetting-press.png", "image/taskschedule-normal.png",
    "image/taskschedule-hover.png", "image/recordshotcut-normal.png", "image/recordshotcut-press.png",
    "image/recordshotcut-disable.png", "image/recordpaint-normal.png", "image/recordpaint-press.png",
    "image/recordpaint-disable.png", "image/videofile-normal-hover.png", "image/audiofile-normal-hover.png",
    "image/picfile-normal-hover.png", "image/play-normal-hover.png", "image/play-press.png",
    "image/rename-normal-hover.png", "image/rename-press.png", "image/folder-normal-hover.png",
    "image/folder-press.png", "image/delectfile-normal-hover.png", "image/delectfile-press.png",
    "image/taskadd.png", "image/quit-normal.png", "image/quit-press.png", "image/fullscreen-normal.png",
    "image/fullscreen-pressed.png", "image/pintoscreen-normal.png", "image/pintoscreen-pressed.png",
    "image/copy-normal.png", "image/copy-press.png", "image/save-normal.png", "image/save-press.png",
    "image/lock-normal.png", "image/lock-hover.png", "image/lock-press.png", "image/unlock-normal.png",
    "image/unlock-hover.png", "image/unlock-press.png", "image/selectfile-normal.png",
    "image/selectfile-hover.png",
};

// Every style key the windows set.
const QStringList kStyleKeys = {
    "ABOUTVIEW_BIG_TITLE", "ABOUTVIEW_ICON", "ABOUTVIEW_LABEL", "ABOUTVIEW_URLBTN", "AMD_BTN", "BLUE_BTN",
    "BORDER_BTN", "BTN_STATUS", "BUGREPORT_ERRORLABEL", "BUGREPORT_LABEL", "CAMERASETTING_DARK_WIDGET",
    "CAPTURE_PANEL_EDITOR", "CAPTURE_PANEL_MENUBTN", "CBX_MICROPHONE", "CBX_SYSTEMSOUND", "CLOSE_BTN",
    "COMMONDIALOG_WIDGET", "CONTROLPANEL_CLOSE", "CONTROLPANEL_MINIMIZE", "CONTROLPANEL_PAUSE",
    "CONTROLPANEL_RESUME", "CONTROLPANEL_STOP", "CONTROL_COMMONDIALOG_WIDGET", "CONTROL_DARK_WIDGET",
    "COUNTDOWN_FRAME", "COUNTDOWN_GRAYLABEL", "COUNTDOWN_WHITELABEL", "CUSTOM_LABEL", "CUSTOM_SPINBOX",
    "DARK_CHECKBOX", "DARK_COMBOBOX", "DIALOG_STATUS", "FEEDBACK_BTN", "GRAY_CHECKBOX", "HELP_BTN",
    "HISTROY_DARK_WIDGET", "HISTROY_HUGE_LABEL", "HISTROY_LABEL", "HISTROY_LABEL_FREE", "HISTROY_PAGE",
    "HISTROY_REMOVEBTN", "HISTROY_TABELVIEW", "HISTROY_WDTRECOMMEND", "HOME_BACK", "HOME_PAGE",
    "HOME_PAGE_FREE", "INTEL_BTN", "LBLSLIDERVALUE", "LINE_LABEL", "LOCK_BTN", "MAINFUN_ARROW", "MAINFUN_BTN",
    "MAINFUN_CAMERA", "MAINFUN_CHECKBOX", "MAINFUN_LABEL", "MAINFUN_MICROPHONE", "MAINFUN_SLIDER",
    "MAINFUN_SYSTEMSOUND", "MAIN_RECORD_BTN", "MAIN_SLIDERLBL", "MAXIMIZE_BTN", "MINIMIZE_BTN", "NVIDIA_BTN",
    "QMENU", "RECORDCONFIG_BTN", "RECORDTIMER_BTN", "RESTORE_BTN", "SCREENCUT_BTN", "SCREENPAINT_BTN",
    "SETTING", "SETTINGS_MOUSEBTN", "SETTINGS_OPENFOLDERBTN", "SETTING_BTN", "SETTING_DARK_WIDGET",
    "SETTING_DEFAULTBTN", "SETTING_MENUBTN", "SETTING_NOBORDERBTN", "TASKADD_BTN", "TASKBOTTO_MWIDGET",
    "TASKDELECT_BTN", "TASKEDIT_BTN", "TASKPAGE", "TASKPAUSE_BTN", "TASKPLAY_BTN", "TASKSCHEDULE_SLIDER",
    "TIPS_LABEL", "TITLE", "TITLE_LABEL", "TOOLBTN_CAMERA", "TOOLBTN_HOME", "UPDATEVIEW_FAILLABEL",
    "UPDATEVIEW_LABEL", "UPDATEVIEW_WHITEBOLD", "WIDGET_SETTINGMENU", "WIDGET_STATUS", "WIDGET_STATUS_SETTING",
    "WIGDET_NULL",
};

QString skinRoot() { return testsupport::binDir() + "/Skin"; }

QString readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QStringList g_warnings;
void collectWarnings(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type != QtDebugMsg && type != QtInfoMsg)
        g_warnings << message;
}

} // namespace

class TestSkinFolder : public QObject
{
    Q_OBJECT
private slots:
    void cleanup() { SkinManager::destroyInstance(); }

    void loadsWithEditionLogo()
    {
        SkinManager *skin = SkinManager::instance();
        QCOMPARE(skin->init(0, kSkins, "Win", "Olvex", "ml", "Olvex Free Mirelo", skinRoot()),
                 int(SkinManager::StatusWanted));
        QCOMPARE(skin->existingSkins(), kSkins);
        QVERIFY(!skin->logoPixmap("logo").isNull());
        QCOMPARE(skin->logoPixmap("icon").size(), QSize(120, 120));
        QVERIFY(QFile::exists(skin->iconStyleSheetPath()));
        QCOMPARE(QIcon(":/Olvex/Resources/Edition/win/exe_logo/trayicon.ico").availableSizes().value(0), QSize(32, 32));
        QVERIFY(QFile::exists(skin->colorStyleSheetPath()));
    }

    void everySkinHasEveryPicture_data()
    {
        QTest::addColumn<QString>("skin");
        for (const QString &s : kSkins)
            QTest::newRow(qPrintable(s)) << s;
    }
    void everySkinHasEveryPicture()
    {
        QFETCH(QString, skin);
        const QString base = skinRoot() + "/" + skin + "/";
        for (const QString &name : kPictures)
            QVERIFY2(!QImage(base + name).isNull(), qPrintable(base + name));
        for (int frame = 2; frame <= 77; ++frame)
            QVERIFY(QFile::exists(base + QString("image/countdown/%1.png").arg(frame)));
        QVERIFY(QFile::exists(base + "AllImage.png"));
        QVERIFY(QFile::exists(base + "Color.xml"));
    }

    void animationsPlay()
    {
        for (const QString &skin : kSkins) {
            for (const char *name : {"image/SplashScreen.gif", "image/titlebar_bugreport.gif"}) {
                QMovie movie(skinRoot() + "/" + skin + "/" + name, "GIF");
                QVERIFY2(movie.isValid(), name);
                QCOMPARE(movie.frameCount(), 12);
                QImageReader reader(skinRoot() + "/" + skin + "/" + name);
                int frames = 0;
                while (reader.canRead() && !reader.read().isNull())
                    ++frames;
                QCOMPARE(frames, 12);
            }
        }
        // The splash animation is drawn at its shown size: the scale makes it bigger.
        SkinManager *skin = SkinManager::instance();
        skin->init(0, kSkins, "Win", "Olvex", "ml", "Mirelo", skinRoot());
        skin->setScale(1.5);
        QMovie movie(skin->skinPath() + "image/SplashScreen.gif", "GIF");
        skin->scaledMovie(&movie, false);
        QCOMPARE(movie.scaledSize(), QSize(57, 57));
        skin->scaledMovie(&movie, true);
        QCOMPARE(movie.scaledSize(), QSize(29, 29)); // 28.5 rounds up
        skin->setScale(1.0);
    }

    void titleBarSprites()
    {
        SkinManager *skin = SkinManager::instance();
        skin->init(0, kSkins, "Win", "Olvex", "ml", "Mirelo", skinRoot());
        const QList<QPair<QString, QStringList>> parts = {
            {"Common", {"min", "max", "restore", "exit"}},
            {"title", {"settings", "help", "feedback", "intel", "amd", "nvidia"}},
        };
        for (const auto &part : parts) {
            skin->ChangePart(part.first);
            for (const QString &key : part.second) {
                ImageStateMap map;
                skin->imageMap(&map, key, true);
                QCOMPARE(map.keys(), (QList<IMAGE_TYPE>{IMAGE_NORMAL, IMAGE_ON, IMAGE_DOWN, IMAGE_DISABLE, IMAGE_HOVER}));
                QCOMPARE(map.value(IMAGE_NORMAL).size(), QSize(32, 28));
                // Hover looks different from normal: the states are really drawn.
                QVERIFY(map.value(IMAGE_NORMAL).toImage() != map.value(IMAGE_ON).toImage());
            }
        }
        skin->ChangePart("title");
        QCOMPARE(skin->pixmap("line").height(), 23);
    }

    void skinsLookDifferent()
    {
        const QString a = readAll(skinRoot() + "/Style1/Color.qss");
        const QString b = readAll(skinRoot() + "/Style2/Color.qss");
        QVERIFY(!a.isEmpty());
        QVERIFY(a != b);
        QVERIFY(a.contains("Skin/Style1/image/") && b.contains("Skin/Style2/image/"));
        QVERIFY(QImage(skinRoot() + "/Style1/AllImage.png") != QImage(skinRoot() + "/Style2/AllImage.png"));
        SkinManager *skin = SkinManager::instance();
        skin->init(0, kSkins, "Win", "Olvex", "ml", "Mirelo", skinRoot());
        QVERIFY(skin->color("Successful", "BugReportColor").isValid());
        QVERIFY(skin->color("Failed", "BugReportColor").isValid());
        const QColor light = skin->color("Common", "Background");
        skin->ChangeSkin(1);
        QVERIFY(skin->color("Common", "Background").lightness() < light.lightness());
    }

    void styleSheetsKnowEveryKey()
    {
        SkinManager *skin = SkinManager::instance();
        skin->init(0, kSkins, "Win", "Olvex", "ml", "Mirelo", skinRoot());
        skin->setScale(1.5);
        skin->loadStyleSheet();
        const QString text = skin->styleSheet();
        QVERIFY(!text.contains("FONT_") && !text.contains("SIZECHANGE_"));
        // Only the font family may be filled in.
        QCOMPARE(text.count(QRegularExpression("%\\d")), text.count("%1"));
        QVERIFY(text.contains("%1"));
        for (const QString &key : kStyleKeys)
            QVERIFY2(text.contains("\"" + key + "\""), qPrintable(key));
    }

    void iconSheetNamesSkinPictures()
    {
        SkinManager *skin = SkinManager::instance();
        skin->init(0, kSkins, "Win", "Olvex", "ml", "Mirelo", skinRoot());
        for (int index : {0, 1}) {
            skin->ChangeSkin(index);
            QString text = SkinManager::rewriteSizeMarkers(readAll(skin->iconStyleSheetPath()), 1.5);
            QVERIFY(!text.contains("SIZECHANGE_") && !text.contains("FONT_"));
            text.replace("%1", skin->skinPath() + "image/");
            const QRegularExpression url("url\\(([^)]+)\\)");
            auto it = url.globalMatch(text);
            QVERIFY(it.hasNext());
            while (it.hasNext()) {
                const QString file = it.next().captured(1);
                QVERIFY2(QFile::exists(file), qPrintable(file));
            }
        }
    }

    void embeddedPictures()
    {
        const QStringList names = {
            ":/Mirelon/Resources/logo/closewindow-normal.png", ":/Mirelon/Resources/logo/closewindow-on.png",
            ":/Mirelon/Resources/logo/closewindow-press.png", ":/Mirelon/images/state_on.png",
            ":/Mirelon/images/state_off.png", ":/Mirelon/images/fullsize_checked.png",
            ":/Mirelon/images/fullsize_unchecked.png", ":/Mirelon/images/fullsize_disabled.png",
            ":/Mirelon/images/customsize_checked.png", ":/Mirelon/images/customsize_unchecked.png",
            ":/Mirelon/images/customsize_disabled.png", ":/Mirelon/images/lockratio_checked.png",
            ":/Mirelon/images/lockratio_unchecked.png", ":/Mirelon/images/lockratio_disabled.png",
            ":/Mirelon/images/selectbutton_hot.png", ":/ControlPanel/presetcolor.png",
            ":/ControlPanel/presetcolor_hot.png", ":/ControlPanel/presetcolor_down.png",
            ":/ControlPanel/Resources/logo/paint/A.png", ":/Mirelon/Resources/logo/watermark-background1.jpg",
        };
        for (const QString &name : names)
            QVERIFY2(!QImage(name).isNull(), qPrintable(name));
        QCOMPARE(QImage(":/Mirelon/images/state_on.png").size(), QSize(98, 40));
        QCOMPARE(QImage(":/Mirelon/Resources/logo/watermark-background1.jpg").size(), QSize(640, 360));
    }

    void styleSheetsParse()
    {
        const QString program = QFileInfo(skinRoot()).absolutePath();
        QDir::setCurrent(program);
        SkinManager *skin = SkinManager::instance();
        skin->init(0, kSkins, "Win", "Olvex", "ml", "Mirelo", skinRoot());
        for (int index : {0, 1}) {
            skin->ChangeSkin(index);
            skin->loadStyleSheet();
            g_warnings.clear();
            const QtMessageHandler old = qInstallMessageHandler(collectWarnings);
            qApp->setStyleSheet(skin->styleSheet().arg("DejaVu Sans"));
            QWidget page;
            page.setProperty("STYLE_KEY", "HOME_PAGE");
            page.ensurePolished();
            qApp->setStyleSheet(QString());
            qInstallMessageHandler(old);
            QVERIFY2(g_warnings.isEmpty(), qPrintable(g_warnings.join('\n')));
            // Every picture the colour sheet names is there.
            const QRegularExpression url("url\\(([^)]+)\\)");
            auto it = url.globalMatch(readAll(skin->colorStyleSheetPath()));
            while (it.hasNext()) {
                const QString file = it.next().captured(1);
                QVERIFY2(QFile::exists(program + "/" + file), qPrintable(file));
            }
        }
    }

    // The title text keeps its 16 pixels at every display scale, also under
    // the skin's style sheet.
    void titleTextIsNotScaledBySheets()
    {
        SkinManager *skin = SkinManager::instance();
        skin->init(0, kSkins, "Win", "Olvex", "ml", "Mirelo", skinRoot());
        skin->setScale(1.5);
        skin->loadStyleSheet();
        qApp->setStyleSheet(skin->styleSheet().arg("DejaVu Sans"));
        {
            TitleBar bar(0, nullptr);
            bar.setTitleText("Olvex Free Mirelo");
            bar.titleLabel()->ensurePolished();
            const int pixels = bar.titleLabel()->font().pixelSize();
            qApp->setStyleSheet(QString());
            QCOMPARE(pixels, 16);
        }
        skin->setScale(1.0);
        g_dscale = 1.0;
    }
};

QTEST_MAIN(TestSkinFolder)
#include "tst_skinfolder.moc"
