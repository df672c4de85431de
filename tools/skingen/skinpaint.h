#pragma once
// Paints one skin image: an SVG glyph recoloured for a skin and a state,
// over the plate (background shape) that the image's look gives that state.

#include <QColor>
#include <QImage>
#include <QMap>
#include <QSize>
#include <QString>

// The named colours of one skin (palette.ini of its source folder).
class Palette
{
public:
    bool load(const QString &path, QString *error);
    QColor color(const QString &name) const;
    bool has(const QString &name) const { return m_colors.contains(name); }

private:
    QMap<QString, QColor> m_colors;
};

// The states an image can be drawn in.
enum class State { Normal, Hover, Press, Disable, Checked };
State stateFromName(const QString &name, bool *ok);

struct ImageSpec {
    QString look = QStringLiteral("flat"); // how states are drawn (plate, colours)
    QSize size;                            // shown size at scale 1.0
    double glyph = 0;                      // glyph side at scale 1.0; 0: the look's default
    int resolution = 2;                    // pixels per shown pixel
    QString svgText;                       // glyph source with @colour tokens
    QString text;                          // for looks that draw a text instead
};

bool isKnownLook(const QString &look);
QImage paintImage(const ImageSpec &spec, State state, const Palette &palette, QString *error);
