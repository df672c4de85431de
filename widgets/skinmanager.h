#pragma once
// The one program-wide holder of the current skin: its folders, the sprite
// sheet and its description, named colours, style sheets and the display
// scale that multiplies every fixed pixel size of the interface.

#include "core/globaldefs.h"

#include <QDomDocument>
#include <QDomNode>
#include <QFont>
#include <QMap>
#include <QObject>
#include <QPixmap>
#include <QStringList>

class QMovie;

// The program-wide display scale (1.0 before detection, then 1.0 to 2.0).
// Widgets that do not ask the skin manager multiply fixed sizes by it and
// truncate toward zero.
extern double g_dscale;
// A design size at the display scale, cut toward zero.
int scaled(double size);

class SkinManager : public QObject
{
    Q_OBJECT
public:
    // Results of init().
    enum Status {
        StatusNone = 0,        // not selected yet
        StatusNoSkin = 1,      // nothing usable: start-up ends
        StatusFallback = 2,    // another existing skin was taken
        StatusWanted = 3,      // the wanted skin was taken
        StatusLogoMissing = 4, // wanted skin, edition logo not found
        StatusFallbackLogoMissing = 6,
    };

    static SkinManager *instance();
    static void destroyInstance();

    // Picks the skin and loads its files. walkNames are the four names of the
    // edition logo walk (system, brand, language, edition). An empty root
    // keeps the default "Skin" folder beside the program.
    int init(int index, const QStringList &knownNames, const QString &system,
             const QString &brand, const QString &language, const QString &edition,
             const QString &root = QString());

    // The display scale is ours alone: Qt's own high-DPI scaling must stay
    // off or every size would be scaled twice. Call before the application
    // object exists.
    static void keepQtScalingOff();

    void setBaseWidth(double width);
    double baseWidth() const { return m_baseWidth; }
    // Works out the scale from the primary screen and writes it to *out
    // (normally &g_dscale).
    void detectDpiScale(double *out);
    // Sets the scale directly (gallery renders, tests); also updates g_dscale.
    void setScale(double scale);
    double scale() const { return m_scale; }
    void setHalfSize(bool on) { m_half = on; }
    bool halfSize() const { return m_half; }

    // Reads "style.qss" of the skin root followed by the current skin's
    // "Color.qss" and scales their size markers.
    void loadStyleSheet();
    QString styleSheet() const { return m_styleSheet; }

    QString skinRoot() const { return m_root; }
    QString skinPath() const { return m_skinPath; }
    QString iconStyleSheetPath() const { return m_iconQssPath; }
    QString colorStyleSheetPath() const { return m_colorQssPath; }
    int status() const { return m_status; }
    int currentSkinIndex() const { return m_index; }
    QStringList knownSkins() const { return m_knownNames; }
    QStringList existingSkins() const { return m_existing; }
    QString currentPartName() const;

    // Fills *map with the state images of element `key` of the current part.
    // States the element lacks keep what the map held.
    void imageMap(ImageStateMap *map, const QString &key, bool half);
    // The single image of element `key` of the current part (its first state).
    QPixmap pixmap(const QString &key) const;
    // Fills *map with the named colours of one group of "Color.xml"; a missing
    // or empty group leaves the map as it was.
    void colorMap(QMap<QString, QString> *map, const QString &group) const;
    QMap<QString, QString> colorMap(const QString &group) const;
    // One colour of a group; `fallback` when the skin lacks it.
    QColor color(const QString &group, const QString &name, const QColor &fallback = QColor()) const;

    QFont scaledFont(int pixelSize, bool bold) const;
    void scaledMovie(QMovie *movie, bool half) const;

    // The edition logo element the logo walk found, and a picture cut from the
    // edition logo sheet by one of its children ("logo", "icon", "brand").
    QDomNode logoNode() const { return m_logoNode; }
    QPixmap logoPixmap(const QString &name) const;

    // Reads a skin file whole; false when it is missing or cannot be read.
    // Only a regular file is read, without blocking on it: anything else (a
    // FIFO would hang the program) is refused, and the user is told.
    static bool readSkinFile(const QString &path, QByteArray *bytes);

    // Pure helpers, public for the tests.
    static double computeScale(int width, int height, double referenceWidth);
    static QString rewriteSizeMarkers(const QString &text, double scale);
    // The edition element that the walk names lead to in a logo description,
    // following redirect leaves; null when there is none.
    static QDomNode walkLogo(const QDomDocument &doc, const QStringList &names, int depth = 0);
    static QPixmap cutSprite(const QPixmap &sheet, const QRect &rect, double scale, bool half);

    // Emits AllImageUpdate() once (start-up, after the first windows exist).
    void notifyImagesChanged();

public slots:
    void ChangePart(const QString &name);
    void ChangeSkin(int index);

signals:
    void AllImageUpdate();

private:
    SkinManager();
    ~SkinManager() override;

    void scanSkins(int wanted, const QStringList &knownNames);
    void selectSkin(int index);
    void loadSkinFiles();
    void loadSkinImages();
    bool findLogoNode(const QStringList &names);
    QDomElement imageElement(const QString &key) const;

    static SkinManager *s_instance;

    QString m_root;
    QString m_skinPath;
    QStringList m_existing;
    QStringList m_knownNames;
    int m_index = 0;
    QPixmap m_sheet;
    bool m_half = true;
    QDomDocument m_images;
    QDomNode m_part;
    QDomDocument m_colors;
    QString m_colorQssPath;
    QString m_iconQssPath;
    QString m_styleSheet;
    QPixmap m_logoSheet;
    QDomDocument m_logoDoc;
    QDomNode m_logoNode;
    int m_status = StatusNone;
    double m_scale = 1.0;
    double m_baseWidth = 1920.0;
};
