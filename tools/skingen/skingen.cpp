// Builds the program's "Skin" folder from editable sources: SVG glyphs, one
// manifest line per image, a palette and colour/style sheets per skin. It
// renders every skin's sprite sheet "AllImage.png" with the shared
// description "AllImage.xml", and the loose images of each skin folder.
//
//   mirelo_skingen skin SOURCE_DIR OUT_DIR
//   mirelo_skingen logo LOGO_SVG LOGO_XML OUT_PNG   (and trayicon.ico beside it)
//   mirelo_skingen embed SOURCE_DIR MANIFEST SKIN OUT_DIR   (embedded pictures)
//
// Manifest lines (SOURCE_DIR/manifest.txt), "#" starts a comment:
//   sprite PART/KEY  GLYPH  WxH  [look=L] [glyph=N] [single]
//   image  PATH      GLYPH  WxH  [look=L] [glyph=N] [state=S] [res=R]
//   anim   PATH.gif  GLYPH  WxH  [frames=N] ...   looping GIF; the glyph's
//          @phase (0 to 360) and @pulse (a radius that swells and shrinks)
//          change from frame to frame; matte=COLOUR names the palette colour
//          the animation is shown on, for its soft edges
//   seq    PATH%1.png GLYPH WxH  from=A to=B ...  one numbered picture per
//          frame of a three-second countdown: @digit (3, 2, 1) and @arc (the
//          path of the second's remaining ring, radius 40 around 50,50)
// W x H is the size shown at scale 1.0; sprites are drawn at twice that (the
// skin manager halves them), loose images at res (default 2) pixels per
// shown pixel. GLYPH names SOURCE_DIR/glyphs/GLYPH.svg, or "-" for none.

#include "gifwriter.h"
#include "skinpaint.h"

#include <QDir>
#include <QDomDocument>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

#include <cmath>
#include <cstdio>

namespace {

struct Entry {
    bool sprite = false;
    QString part, key; // sprites
    QString path;      // loose images
    QString glyph;
    ImageSpec spec;
    bool single = false;
    State state = State::Normal;
    int frames = 0; // animations: number of frames
    int from = 0, to = -1; // numbered sequences
    QString matte;         // animations: palette colour of what they are shown on
    int line = 0;
};

struct Cell {
    QString stateName;
    State state;
    QRect rect;
};

[[noreturn]] void fail(const QString &message)
{
    std::fprintf(stderr, "mirelo_skingen: %s\n", qPrintable(message));
    std::exit(1);
}

QString readText(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(f.readAll());
}

void writeBytes(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size() || !f.commit())
        fail(QStringLiteral("cannot write %1").arg(path));
}

void saveImage(const QImage &image, const QString &path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString suffix = QFileInfo(path).suffix().toLower();
    const char *format = suffix == QLatin1String("png") ? "PNG" : suffix == QLatin1String("jpg") ? "JPG" : nullptr;
    if (!format)
        fail(QStringLiteral("%1: only PNG and JPG pictures are drawn by image lines").arg(path));
    QImage out = image;
    if (qstrcmp(format, "JPG") == 0) {
        // No transparency in JPEG: lay the picture on white.
        out = QImage(image.size(), QImage::Format_RGB32);
        out.fill(Qt::white);
        QPainter p(&out);
        p.drawImage(0, 0, image);
    }
    // PNG is lossless at any level: the strongest keeps the program folder
    // small (a count-down frame stored raw is over ten times its size).
    const int quality = qstrcmp(format, "PNG") == 0 ? 0 : 92;
    if (!out.save(path, format, quality))
        fail(QStringLiteral("cannot write %1").arg(path));
}

QList<Entry> readManifest(const QString &sourceDir, const QString &manifest)
{
    static const QRegularExpression sizeRe(QStringLiteral("^(\\d+)x(\\d+)$"));
    static const QRegularExpression xmlName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.-]*$"));
    const QString path = manifest;
    const QStringList lines = readText(path).split(QLatin1Char('\n'));
    QList<Entry> entries;
    for (int n = 0; n < lines.size(); ++n) {
        QString line = lines[n];
        line = line.left(line.indexOf(QLatin1Char('#')) < 0 ? line.size() : line.indexOf(QLatin1Char('#')));
        const QStringList f = line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (f.isEmpty())
            continue;
        const QString where = QStringLiteral("%1:%2").arg(path).arg(n + 1);
        if (f.size() < 4)
            fail(where + QStringLiteral(": expected KIND TARGET GLYPH WxH"));
        Entry e;
        e.line = n + 1;
        if (f[0] == QLatin1String("sprite")) {
            e.sprite = true;
            const QStringList pk = f[1].split(QLatin1Char('/'));
            if (pk.size() != 2 || !xmlName.match(pk[0]).hasMatch() || !xmlName.match(pk[1]).hasMatch())
                fail(where + QStringLiteral(": sprite target must be PART/KEY (XML names)"));
            e.part = pk[0];
            e.key = pk[1];
        } else if (f[0] == QLatin1String("image") || f[0] == QLatin1String("anim") || f[0] == QLatin1String("seq")) {
            if (f[1].startsWith(QLatin1Char('/')) || f[1].contains(QLatin1String("..")))
                fail(where + QStringLiteral(": image path must stay inside the skin folder"));
            e.path = f[1];
            if (f[0] == QLatin1String("anim"))
                e.frames = 12;
            if (f[0] == QLatin1String("seq") && !e.path.contains(QLatin1String("%1")))
                fail(where + QStringLiteral(": a sequence path needs %1 for the frame number"));
            if (f[0] == QLatin1String("seq"))
                e.to = 0;
        } else {
            fail(where + QStringLiteral(": unknown kind \"%1\"").arg(f[0]));
        }
        e.glyph = f[2];
        if (e.glyph != QLatin1String("-"))
            e.spec.svgText = readText(sourceDir + QStringLiteral("/glyphs/") + e.glyph + QStringLiteral(".svg"));
        const QRegularExpressionMatch m = sizeRe.match(f[3]);
        if (!m.hasMatch())
            fail(where + QStringLiteral(": size must be WxH"));
        e.spec.size = QSize(m.captured(1).toInt(), m.captured(2).toInt());
        if (e.spec.size.isEmpty())
            fail(where + QStringLiteral(": empty size"));
        for (int i = 4; i < f.size(); ++i) {
            const QString opt = f[i];
            const QString value = opt.section(QLatin1Char('='), 1);
            bool ok = true;
            if (opt == QLatin1String("single"))
                e.single = true;
            else if (opt.startsWith(QLatin1String("look=")))
                e.spec.look = value, ok = isKnownLook(value);
            else if (opt.startsWith(QLatin1String("glyph=")))
                e.spec.glyph = value.toDouble(&ok);
            else if (opt.startsWith(QLatin1String("res=")))
                e.spec.resolution = value.toInt(&ok), ok = ok && e.spec.resolution >= 1 && e.spec.resolution <= 4;
            else if (opt.startsWith(QLatin1String("state=")))
                e.state = stateFromName(value, &ok);
            else if (opt.startsWith(QLatin1String("matte=")))
                e.matte = value, ok = !value.isEmpty();
            else if (opt.startsWith(QLatin1String("from=")))
                e.from = value.toInt(&ok);
            else if (opt.startsWith(QLatin1String("to=")))
                e.to = value.toInt(&ok);
            else if (opt.startsWith(QLatin1String("frames=")))
                e.frames = value.toInt(&ok), ok = ok && e.frames > 0;
            else
                ok = false;
            if (!ok)
                fail(where + QStringLiteral(": bad option \"%1\"").arg(opt));
        }
        if (e.sprite)
            e.spec.resolution = 2;
        if (e.to >= 0 && (e.to < e.from || e.to - e.from > 500))
            fail(where + QStringLiteral(": a sequence needs from=A to=B with A <= B"));
        entries << e;
    }
    return entries;
}

// Lays the sprites' state cells out on the sheet, row by row.
QMap<int, QList<Cell>> layoutSheet(const QList<Entry> &entries, QSize *sheetSize)
{
    constexpr int kSheetWidth = 1024, kGap = 2;
    QMap<int, QList<Cell>> cells;
    int x = kGap, y = kGap, rowHeight = 0, width = 0;
    for (int i = 0; i < entries.size(); ++i) {
        const Entry &e = entries[i];
        if (!e.sprite)
            continue;
        const QSize cell = e.spec.size * 2;
        QList<QPair<QString, State>> states = {{"Normal", State::Normal}};
        if (!e.single)
            states << qMakePair(QStringLiteral("On"), State::Hover) << qMakePair(QStringLiteral("Down"), State::Press)
                   << qMakePair(QStringLiteral("Disable"), State::Disable);
        const int need = states.size() * (cell.width() + kGap);
        if (x + need > kSheetWidth && x > kGap) {
            x = kGap;
            y += rowHeight + kGap;
            rowHeight = 0;
        }
        for (const auto &s : states) {
            cells[i] << Cell{s.first, s.second, QRect(QPoint(x, y), cell)};
            x += cell.width() + kGap;
        }
        width = qMax(width, x);
        rowHeight = qMax(rowHeight, cell.height());
    }
    *sheetSize = QSize(qMax(width, 1), y + rowHeight + kGap);
    return cells;
}

QByteArray describeSheet(const QList<Entry> &entries, const QMap<int, QList<Cell>> &cells)
{
    QDomDocument doc;
    doc.appendChild(doc.createProcessingInstruction(QStringLiteral("xml"),
                                                    QStringLiteral("version=\"1.0\" encoding=\"UTF-8\"")));
    QDomElement root = doc.createElement(QStringLiteral("AllImage"));
    doc.appendChild(root);
    QMap<QString, QDomElement> parts;
    for (auto it = cells.constBegin(); it != cells.constEnd(); ++it) {
        const Entry &e = entries[it.key()];
        if (!parts.contains(e.part)) {
            parts[e.part] = doc.createElement(e.part);
            root.appendChild(parts[e.part]);
        }
        if (!parts[e.part].firstChildElement(e.key).isNull())
            fail(QStringLiteral("manifest line %1: %2/%3 is listed twice").arg(e.line).arg(e.part, e.key));
        QDomElement image = doc.createElement(e.key);
        auto add = [&](const QString &name, const QRect &r) {
            QDomElement s = doc.createElement(name);
            s.setAttribute(QStringLiteral("x"), r.x());
            s.setAttribute(QStringLiteral("y"), r.y());
            s.setAttribute(QStringLiteral("width"), r.width());
            s.setAttribute(QStringLiteral("height"), r.height());
            image.appendChild(s);
        };
        for (const Cell &c : it.value()) {
            add(c.stateName, c.rect);
            if (c.stateName == QLatin1String("On"))
                add(QStringLiteral("Hover"), c.rect);
        }
        parts[e.part].appendChild(image);
    }
    return doc.toByteArray(2);
}

// GIF has no partial transparency: soft edges are laid on the colour the
// animation is shown on, and only what is (nearly) clear stays clear.
QImage onMatte(const QImage &frame, const QColor &matte)
{
    QImage out = frame.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int a = qAlpha(line[x]);
            if (a < 8) {
                line[x] = qRgba(0, 0, 0, 0);
                continue;
            }
            auto mix = [a](int c, int m) { return (c * a + m * (255 - a)) / 255; };
            line[x] = qRgb(mix(qRed(line[x]), matte.red()), mix(qGreen(line[x]), matte.green()),
                           mix(qBlue(line[x]), matte.blue()));
        }
    }
    return out;
}

// The countdown's frame at share t (0 to 1) of its three seconds: the
// digit, and the ring of what is left of the current second.
void countdownTokens(QString *svg, double t)
{
    const int elapsed = qBound(0, int(t * 3), 2);
    const double left = 1.0 - (t * 3 - elapsed);
    const double angle = -M_PI / 2 + 2 * M_PI * qMin(left, 0.9999);
    const QString arc = QStringLiteral("M50 10A40 40 0 %1 1 %2 %3")
                            .arg(left > 0.5 ? 1 : 0)
                            .arg(50 + 40 * std::cos(angle), 0, 'f', 2)
                            .arg(50 + 40 * std::sin(angle), 0, 'f', 2);
    svg->replace(QStringLiteral("@digit"), QString::number(3 - elapsed));
    svg->replace(QStringLiteral("@arc"), arc);
}

// A skin's colour file: the shared template NAME.in with every @colour
// token replaced from the skin's palette, followed by the skin's own NAME
// when it has one.
QByteArray colourSheet(const QString &sourceDir, const QString &skin, const char *name, const Palette &palette)
{
    static const QRegularExpression token(QStringLiteral("@([A-Za-z]+)"));
    const QString templ = readText(sourceDir + QLatin1Char('/') + QLatin1String(name) + QStringLiteral(".in"));
    QString out;
    int last = 0;
    QRegularExpressionMatchIterator it = token.globalMatch(templ);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        if (!palette.has(m.captured(1)))
            fail(QStringLiteral("%1.in: the palette of %2 has no colour \"%3\"").arg(QLatin1String(name), skin, m.captured(1)));
        const QColor c = palette.color(m.captured(1));
        out += templ.mid(last, m.capturedStart() - last);
        out += c.name(c.alpha() == 255 ? QColor::HexRgb : QColor::HexArgb);
        last = m.capturedEnd();
    }
    out += templ.mid(last);
    out.replace(QStringLiteral("$SKIN"), QStringLiteral("Skin/") + skin);
    const QString own = sourceDir + QLatin1Char('/') + skin + QLatin1Char('/') + QLatin1String(name);
    if (QFileInfo::exists(own))
        out += readText(own);
    return out.toUtf8();
}

void buildSkin(const QString &sourceDir, const QString &outDir)
{
    const QList<Entry> entries = readManifest(sourceDir, sourceDir + QStringLiteral("/manifest.txt"));
    QStringList skins;
    for (const QFileInfo &fi : QDir(sourceDir).entryInfoList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name)) {
        if (QFileInfo::exists(fi.filePath() + QStringLiteral("/palette.ini")))
            skins << fi.fileName();
    }
    if (skins.isEmpty())
        fail(QStringLiteral("no skin folder with a palette.ini in %1").arg(sourceDir));

    QSize sheetSize;
    const QMap<int, QList<Cell>> cells = layoutSheet(entries, &sheetSize);
    writeBytes(outDir + QStringLiteral("/AllImage.xml"), describeSheet(entries, cells));
    for (const char *shared : {"style.qss", "Icon.qss"})
        writeBytes(outDir + QLatin1Char('/') + QLatin1String(shared),
                   readText(sourceDir + QLatin1Char('/') + QLatin1String(shared)).toUtf8());

    for (const QString &skin : qAsConst(skins)) {
        const QString src = sourceDir + QLatin1Char('/') + skin;
        const QString out = outDir + QLatin1Char('/') + skin;
        Palette palette;
        QString error;
        if (!palette.load(src + QStringLiteral("/palette.ini"), &error))
            fail(error);
        for (const char *own : {"Color.xml", "Color.qss"})
            writeBytes(out + QLatin1Char('/') + QLatin1String(own), colourSheet(sourceDir, skin, own, palette));

        QImage sheet(sheetSize, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(Qt::transparent);
        QPainter p(&sheet);
        for (auto it = cells.constBegin(); it != cells.constEnd(); ++it) {
            const Entry &e = entries[it.key()];
            for (const Cell &c : it.value()) {
                const QImage img = paintImage(e.spec, c.state, palette, &error);
                if (img.isNull())
                    fail(QStringLiteral("manifest line %1 (%2): %3").arg(e.line).arg(skin, error));
                p.drawImage(c.rect.topLeft(), img);
            }
        }
        p.end();
        saveImage(sheet, out + QStringLiteral("/AllImage.png"));

        for (const Entry &e : entries) {
            if (e.sprite)
                continue;
            const QString target = out + QLatin1Char('/') + e.path;
            if (e.to >= 0) {
                for (int n = e.from; n <= e.to; ++n) {
                    ImageSpec spec = e.spec;
                    countdownTokens(&spec.svgText, double(n - e.from) / (e.to - e.from + 1));
                    const QImage img = paintImage(spec, e.state, palette, &error);
                    if (img.isNull())
                        fail(QStringLiteral("manifest line %1 (%2): %3").arg(e.line).arg(skin, error));
                    saveImage(img, out + QLatin1Char('/') + QString(e.path).replace(QLatin1String("%1"), QString::number(n)));
                }
                continue;
            }
            if (e.frames > 0) {
                QList<QImage> frames;
                for (int i = 0; i < e.frames; ++i) {
                    ImageSpec spec = e.spec;
                    spec.svgText.replace(QStringLiteral("@phase"), QString::number(360.0 * i / e.frames));
                    spec.svgText.replace(QStringLiteral("@pulse"),
                                         QString::number(2.2 + 1.2 * std::sin(2 * M_PI * i / e.frames), 'f', 2));
                    frames << paintImage(spec, e.state, palette, &error);
                    if (frames.last().isNull())
                        fail(QStringLiteral("manifest line %1 (%2): %3").arg(e.line).arg(skin, error));
                    if (!e.matte.isEmpty()) {
                        if (!palette.has(e.matte))
                            fail(QStringLiteral("manifest line %1 (%2): no colour \"%3\"").arg(e.line).arg(skin, e.matte));
                        frames.last() = onMatte(frames.last(), palette.color(e.matte));
                    }
                }
                QDir().mkpath(QFileInfo(target).absolutePath());
                if (!writeGif(target, frames, 8, &error))
                    fail(error);
                continue;
            }
            const QImage img = paintImage(e.spec, e.state, palette, &error);
            if (img.isNull())
                fail(QStringLiteral("manifest line %1 (%2): %3").arg(e.line).arg(skin, error));
            saveImage(img, target);
        }
    }
}

// Pictures embedded in the program: the image lines of MANIFEST drawn with
// the colours of one skin into OUT_DIR, and OUT_DIR/embedded.qrc listing
// each under its own resource path.
void buildEmbedded(const QString &sourceDir, const QString &manifest, const QString &skin, const QString &outDir)
{
    const QList<Entry> entries = readManifest(sourceDir, manifest);
    Palette palette;
    QString error;
    if (!palette.load(sourceDir + QLatin1Char('/') + skin + QStringLiteral("/palette.ini"), &error))
        fail(error);
    QByteArray qrc("<RCC>\n  <qresource prefix=\"/\">\n");
    for (const Entry &e : entries) {
        if (e.sprite || e.frames > 0 || e.to >= 0)
            fail(QStringLiteral("%1:%2: only image lines can be embedded").arg(manifest).arg(e.line));
        const QImage img = paintImage(e.spec, e.state, palette, &error);
        if (img.isNull())
            fail(QStringLiteral("%1:%2: %3").arg(manifest).arg(e.line).arg(error));
        const QString file = outDir + QLatin1Char('/') + e.path;
        saveImage(img, file);
        qrc += QStringLiteral("    <file alias=\"%1\">%2</file>\n").arg(e.path.toHtmlEscaped(), file.toHtmlEscaped()).toUtf8();
    }
    qrc += "  </qresource>\n</RCC>\n";
    writeBytes(outDir + QStringLiteral("/embedded.qrc"), qrc);
}

// The edition logo sheet: the logo drawn into every rectangle that the logo
// description gives the first edition.
void buildLogoSheet(const QString &svgPath, const QString &xmlPath, const QString &outPath)
{
    QDomDocument doc;
    QFile xml(xmlPath);
    if (!xml.open(QIODevice::ReadOnly) || !doc.setContent(&xml))
        fail(QStringLiteral("cannot read %1").arg(xmlPath));
    QList<QRect> rects;
    const QDomNodeList editions = doc.elementsByTagName(QStringLiteral("Edition"));
    for (int i = 0; i < editions.size(); ++i) {
        for (QDomElement c = editions.at(i).firstChildElement(); !c.isNull(); c = c.nextSiblingElement()) {
            rects << QRect(c.attribute("x").toInt(), c.attribute("y").toInt(), c.attribute("width").toInt(),
                           c.attribute("height").toInt());
        }
    }
    QSvgRenderer renderer(svgPath);
    if (!renderer.isValid() || rects.isEmpty())
        fail(QStringLiteral("cannot draw the logo sheet from %1").arg(svgPath));
    QRect bounds;
    for (const QRect &r : qAsConst(rects))
        bounds |= r;
    QImage sheet(bounds.right() + 11, bounds.bottom() + 11, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::Antialiasing);
    for (const QRect &r : qAsConst(rects))
        renderer.render(&p, r);
    p.end();
    saveImage(sheet, outPath);

    // The tray's icon, beside the sheet.
    QImage icon(32, 32, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter ip(&icon);
    ip.setRenderHint(QPainter::Antialiasing);
    renderer.render(&ip, QRectF(0, 0, 32, 32));
    ip.end();
    const QString ico = QFileInfo(outPath).absolutePath() + QStringLiteral("/trayicon.ico");
    if (!icon.save(ico, "ICO"))
        fail(QStringLiteral("cannot write %1").arg(ico));
}

} // namespace

int main(int argc, char **argv)
{
    qSetGlobalQHashSeed(0); // the same description on every run
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() == 4 && args[1] == QLatin1String("skin"))
        buildSkin(args[2], args[3]);
    else if (args.size() == 5 && args[1] == QLatin1String("logo"))
        buildLogoSheet(args[2], args[3], args[4]);
    else if (args.size() == 6 && args[1] == QLatin1String("embed"))
        buildEmbedded(args[2], args[3], args[4], args[5]);
    else
        fail(QStringLiteral("usage: mirelo_skingen skin SOURCE_DIR OUT_DIR | logo LOGO_SVG LOGO_XML OUT_PNG"
                            " | embed SOURCE_DIR MANIFEST SKIN OUT_DIR"));
    return 0;
}
