#include "skinmanager.h"

#include "core/imagelimit.h"
#include "platform/keptfile.h"
#include "platform/xmlfile.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImageReader>
#include <QMovie>
#include <QRegularExpression>
#include <QScreen>

#include <cmath>

double g_dscale = 1.0;

int scaled(double size)
{
    return int(size * g_dscale);
}

SkinManager *SkinManager::s_instance = nullptr;

namespace {

// Two logo redirects that point at each other would otherwise restart the
// walk forever.
constexpr int kMaxLogoRedirects = 8;

void refuseSkinFile(const QString &path, const QString &why)
{
    qWarning().noquote() << "skin file" << path << "not used:" << why;
    KeptFile::notice(QStringLiteral("skin:") + path, SkinManager::tr("The skin file %1 is not used: %2.")
                                                         .arg(QDir::toNativeSeparators(path), why));
}

// Loads an XML description. A file that cannot be read leaves the document
// as it was; a malformed one leaves it empty, and so does one nested too
// deep, which the user is told.
void loadDocument(QDomDocument *doc, const QString &path)
{
    QByteArray bytes;
    if (!SkinManager::readSkinFile(path, &bytes))
        return;
    QString why;
    if (!XmlFile::parse(bytes, doc, true, &why) && !XmlFile::shallow(bytes))
        refuseSkinFile(path, why);
}

// Every picture of a folder measured before anything decodes it: the
// style sheets and windows load them by name, out of reach of a check of
// their own. Each that would decode too large is told.
bool picturesFit(const QString &folder, bool withSubfolders)
{
    bool fit = true;
    QDirIterator it(folder, QDir::Files | QDir::Hidden,
                    withSubfolders ? QDirIterator::Subdirectories : QDirIterator::NoIteratorFlags);
    while (it.hasNext()) {
        const QString path = it.next();
        const QString why = ImageLimit::refusal(path);
        if (!why.isEmpty()) {
            refuseSkinFile(path, why);
            fit = false;
        }
    }
    return fit;
}

int roundHalfUp(double v) { return static_cast<int>(std::floor(v + 0.5)); }

IMAGE_TYPE stateOf(const QString &name, bool *ok)
{
    static const QMap<QString, IMAGE_TYPE> states = {
        {QStringLiteral("Normal"), IMAGE_NORMAL}, {QStringLiteral("On"), IMAGE_ON},
        {QStringLiteral("Down"), IMAGE_DOWN},     {QStringLiteral("Disable"), IMAGE_DISABLE},
        {QStringLiteral("Hover"), IMAGE_HOVER},
    };
    *ok = states.contains(name);
    return states.value(name, IMAGE_NORMAL);
}

QRect rectOf(const QDomElement &e)
{
    auto num = [&e](const char *name) { return e.attribute(QLatin1String(name)).toInt(nullptr, 10); };
    return QRect(num("x"), num("y"), num("width"), num("height"));
}

} // namespace

bool SkinManager::readSkinFile(const QString &path, QByteArray *bytes)
{
    QString why;
    const KeptFile::ReadStatus status = KeptFile::read(path, bytes, &why);
    if (status == KeptFile::Refused)
        refuseSkinFile(path, why);
    return status == KeptFile::Read;
}

SkinManager *SkinManager::instance()
{
    if (!s_instance)
        s_instance = new SkinManager;
    return s_instance;
}

void SkinManager::destroyInstance()
{
    delete s_instance;
    s_instance = nullptr;
}

SkinManager::SkinManager()
    : m_root(QCoreApplication::applicationDirPath() + QStringLiteral("/Skin"))
{
}

SkinManager::~SkinManager() = default;

int SkinManager::init(int index, const QStringList &knownNames, const QString &system,
                      const QString &brand, const QString &language, const QString &edition,
                      const QString &root)
{
    if (!root.isEmpty())
        m_root = root;
    if (index < 0) {
        m_status = StatusNoSkin;
        return m_status;
    }
    if (m_status == StatusNone)
        scanSkins(index, knownNames);
    if (m_status == StatusNoSkin)
        return m_status;

    loadSkinFiles();
    if (!findLogoNode({system, brand, language, edition}))
        m_status = (m_status == StatusFallback) ? StatusFallbackLogoMissing : StatusLogoMissing;
    return m_status;
}

void SkinManager::scanSkins(int wanted, const QStringList &knownNames)
{
    m_knownNames = knownNames;
    m_existing.clear();
    // A skin with a picture that would decode too large is not offered.
    const bool sharedFit = picturesFit(m_root, false);
    for (const QString &name : knownNames) {
        const QString folder = m_root + QLatin1Char('/') + name;
        if (!name.isEmpty() && QFileInfo::exists(folder) && picturesFit(folder, true) && sharedFit)
            m_existing << name;
    }
    std::sort(m_existing.begin(), m_existing.end());
    if (m_existing.isEmpty()) {
        m_status = StatusNoSkin;
        return;
    }
    const QString wantedName = knownNames.value(wanted);
    int index;
    if (!wantedName.isEmpty() && m_existing.contains(wantedName)) {
        m_status = StatusWanted;
        index = wanted;
    } else {
        m_status = StatusFallback;
        index = knownNames.indexOf(m_existing.first());
    }
    selectSkin(index);
}

void SkinManager::selectSkin(int index)
{
    m_skinPath = m_root + QLatin1Char('/') + m_knownNames.value(index) + QLatin1Char('/');
    m_index = index;
}

void SkinManager::loadSkinFiles()
{
    m_logoSheet = QPixmap(QStringLiteral(":/Olvex/Resources/Edition/win/Skin_logo.png"));
    loadDocument(&m_logoDoc, QStringLiteral(":/Olvex/Resources/Edition/win/Logo.xml"));
    loadSkinImages();
    m_iconQssPath = m_root + QStringLiteral("/Icon.qss");
}

// What changes with the skin: its sheet, the shared description, its colours.
void SkinManager::loadSkinImages()
{
    QByteArray sheet;
    m_sheet = QPixmap();
    const QString sheetPath = m_skinPath + QStringLiteral("AllImage.png");
    if (readSkinFile(sheetPath, &sheet)) {
        QString why;
        m_sheet = QPixmap::fromImage(ImageLimit::fromData(sheet, &why));
        if (m_sheet.isNull())
            refuseSkinFile(sheetPath, why);
    }
    loadDocument(&m_images, m_root + QStringLiteral("/AllImage.xml"));
    loadDocument(&m_colors, m_skinPath + QStringLiteral("Color.xml"));
    m_colorQssPath = m_skinPath + QStringLiteral("Color.qss");
}

bool SkinManager::findLogoNode(const QStringList &names)
{
    const QDomNode node = walkLogo(m_logoDoc, names);
    if (node.isNull())
        return false;
    m_logoNode = node;
    return true;
}

QDomNode SkinManager::walkLogo(const QDomDocument &doc, const QStringList &names, int depth)
{
    QDomNode node = doc.documentElement();
    if (node.isNull())
        return QDomNode();
    for (const QString &name : names) {
        if (name.isEmpty())
            continue;
        QDomElement found;
        for (QDomElement c = node.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
            if (c.attribute(QStringLiteral("name")) == name) {
                found = c;
                break;
            }
        }
        if (found.isNull())
            return QDomNode();
        node = found;
        if (found.firstChildElement().isNull())
            break;
    }
    if (!node.firstChildElement().isNull())
        return node;

    // A leaf redirects: its "path" names replace the walk's names.
    const QStringList parts = node.toElement().attribute(QStringLiteral("path"))
                                  .split(QLatin1Char('\\'), Qt::KeepEmptyParts);
    QStringList next = names;
    bool replaced = false;
    for (int i = 0; i < parts.size() && i < next.size(); ++i) {
        if (!parts[i].isEmpty() && parts[i] != next[i]) {
            next[i] = parts[i];
            replaced = true;
        }
    }
    if (!replaced || depth >= kMaxLogoRedirects)
        return QDomNode();
    return walkLogo(doc, next, depth + 1);
}

QPixmap SkinManager::logoPixmap(const QString &name) const
{
    QDomElement e = m_logoNode.firstChildElement(name);
    if (e.isNull()) {
        for (QDomElement c = m_logoNode.firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
            if (c.attribute(QStringLiteral("name")) == name) {
                e = c;
                break;
            }
        }
    }
    if (e.isNull() || m_logoSheet.isNull())
        return QPixmap();
    return m_logoSheet.copy(rectOf(e));
}

void SkinManager::keepQtScalingOff()
{
    for (const char *name : {"QT_SCALE_FACTOR", "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ENABLE_HIGHDPI_SCALING",
                             "QT_SCREEN_SCALE_FACTORS", "QT_DEVICE_PIXEL_RATIO"})
        qunsetenv(name);
    QCoreApplication::setAttribute(Qt::AA_DisableHighDpiScaling);
}

void SkinManager::setBaseWidth(double width)
{
    if (width > 0)
        m_baseWidth = width;
}

double SkinManager::computeScale(int width, int height, double referenceWidth)
{
    if (width <= 0 || height <= 0 || referenceWidth <= 0)
        return SCALE_MIN;
    int w = width;
    if (width / height >= 2)
        w = width / 2;
    return qBound(SCALE_MIN, w / referenceWidth, SCALE_MAX);
}

void SkinManager::detectDpiScale(double *out)
{
    int dpi = 96, w = 0, h = 0;
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        const QSize size = screen->geometry().size() * screen->devicePixelRatio();
        w = size.width();
        h = size.height();
        dpi = qRound(screen->logicalDotsPerInchX());
    }
    m_scale = computeScale(w, h, m_baseWidth);
    qDebug() << "idpix=" << dpi << "pixelx=" << w << "pixely=" << h << "m_Dscale=" << m_scale;
    if (out)
        *out = m_scale;
}

void SkinManager::setScale(double scale)
{
    m_scale = qBound(SCALE_MIN, scale, SCALE_MAX);
    g_dscale = m_scale;
}

QString SkinManager::rewriteSizeMarkers(const QString &source, double scale)
{
    static const QRegularExpression digits(QStringLiteral("[0-9]+"));
    static const QRegularExpression whiteSpace(QStringLiteral("\\s"));
    static const QLatin1String font("FONT_"), sizeChange("SIZECHANGE_");
    QString text = source;
    int i = 0;
    while (i < text.size()) {
        int markerLength = 0;
        if (text.midRef(i, font.size()) == font)
            markerLength = font.size();
        else if (text.midRef(i, sizeChange.size()) == sizeChange)
            markerLength = sizeChange.size();
        if (markerLength == 0) {
            ++i;
            continue;
        }
        const int d = text.indexOf(digits, i);
        const int p = text.indexOf(QLatin1String("px"), i);
        // Only "marker [spaces] [-] digits [spaces] px" is a size. Anything
        // else is left alone rather than cutting text that belongs to the
        // rules around it (or looping on a marker without a number).
        bool ok = d >= 0 && p > d;
        if (ok) {
            QString lead = text.mid(i + markerLength, d - i - markerLength);
            lead.remove(whiteSpace);
            ok = lead.isEmpty() || lead == QLatin1String("-");
        }
        QString number = ok ? text.mid(d, p - d) : QString();
        number.remove(whiteSpace);
        const int value = number.toInt(&ok, 10);
        if (!ok || value < 0) {
            i += markerLength;
            continue;
        }
        const QString sign = (d > 0 && text.at(d - 1) == QLatin1Char('-')) ? QStringLiteral("-") : QString();
        text.remove(i, p - i);
        text.insert(i, sign + QString::number(roundHalfUp(value * scale)));
        i = text.indexOf(QLatin1String("px"), i);
    }
    return text;
}

void SkinManager::loadStyleSheet()
{
    QByteArray shared;
    if (!readSkinFile(m_root + QStringLiteral("/style.qss"), &shared))
        return;
    QString text = QString::fromUtf8(shared);
    // The shared sheet gives every window its shape; the skin's own colour
    // sheet, after it, gives the colours, so that each skin is a whole look.
    QByteArray colors;
    if (!m_colorQssPath.isEmpty() && readSkinFile(m_colorQssPath, &colors))
        text += QLatin1Char('\n') + QString::fromUtf8(colors);
    m_styleSheet = rewriteSizeMarkers(text, m_scale);
}

QString SkinManager::currentPartName() const
{
    return m_part.isNull() ? QString() : m_part.nodeName();
}

void SkinManager::ChangePart(const QString &name)
{
    // An empty name would match the first part of all.
    if (name.isEmpty())
        return;
    const QDomElement part = m_images.documentElement().firstChildElement(name);
    if (!part.isNull())
        m_part = part;
}

void SkinManager::ChangeSkin(int index)
{
    // Only a skin that is offered and present on disk can be switched to.
    const QString name = m_knownNames.value(index);
    if (index < 0 || name.isEmpty() || !m_existing.contains(name)
        || !picturesFit(m_root + QLatin1Char('/') + name, true))
        return;
    selectSkin(index);
    loadSkinImages();
    emit AllImageUpdate();
}

void SkinManager::notifyImagesChanged()
{
    emit AllImageUpdate();
}

QDomElement SkinManager::imageElement(const QString &key) const
{
    if (m_part.isNull() || key.isEmpty())
        return QDomElement();
    return m_part.firstChildElement(key);
}

QPixmap SkinManager::cutSprite(const QPixmap &sheet, const QRect &rect, double scale, bool half)
{
    const QPixmap piece = sheet.copy(rect);
    if (piece.isNull())
        return piece;
    const double factor = scale * (half ? 0.5 : 1.0);
    const QSize size(static_cast<int>(piece.width() * factor), static_cast<int>(piece.height() * factor));
    if (size.isEmpty())
        return QPixmap();
    if (size == piece.size())
        return piece;
    return piece.scaled(size, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

void SkinManager::imageMap(ImageStateMap *map, const QString &key, bool half)
{
    const QDomElement element = imageElement(key);
    if (!map || element.isNull())
        return;
    for (QDomElement s = element.firstChildElement(); !s.isNull(); s = s.nextSiblingElement()) {
        bool ok = false;
        const IMAGE_TYPE type = stateOf(s.nodeName(), &ok);
        if (ok)
            map->insert(type, cutSprite(m_sheet, rectOf(s), m_scale, half));
    }
}

QPixmap SkinManager::pixmap(const QString &key) const
{
    const QDomElement first = imageElement(key).firstChildElement();
    if (first.isNull())
        return QPixmap();
    return cutSprite(m_sheet, rectOf(first), m_scale, m_half);
}

void SkinManager::colorMap(QMap<QString, QString> *map, const QString &group) const
{
    if (group.isEmpty())
        return;
    const QDomElement g = m_colors.documentElement().firstChildElement(group);
    if (!map || g.isNull() || g.firstChildElement().isNull())
        return;
    map->clear();
    for (QDomElement c = g.firstChildElement(); !c.isNull(); c = c.nextSiblingElement())
        map->insert(c.nodeName(), c.attribute(QStringLiteral("color")));
}

QMap<QString, QString> SkinManager::colorMap(const QString &group) const
{
    QMap<QString, QString> map;
    colorMap(&map, group);
    return map;
}

QColor SkinManager::color(const QString &group, const QString &name, const QColor &fallback) const
{
    const QString text = colorMap(group).value(name);
    const QColor c(text);
    return c.isValid() ? c : fallback;
}

QFont SkinManager::scaledFont(int pixelSize, bool bold) const
{
    QFont font = QGuiApplication::font();
    font.setPixelSize(qMax(1, static_cast<int>(pixelSize * m_scale)));
    font.setWeight(bold ? 75 : 50);
    return font;
}

void SkinManager::scaledMovie(QMovie *movie, bool half) const
{
    if (!movie)
        return;
    QImageReader reader(movie->fileName());
    QSize size = reader.size();
    if (!size.isValid())
        size = reader.read().size();
    if (!size.isValid())
        return;
    int w = roundHalfUp(size.width() * m_scale);
    int h = roundHalfUp(size.height() * m_scale);
    if (half) {
        w = roundHalfUp(w / 2.0);
        h = roundHalfUp(h / 2.0);
    }
    movie->setScaledSize(QSize(w, h));
}
