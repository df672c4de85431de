#include "skinpaint.h"

#include <QPainter>
#include <QPainterPath>
#include <QRegularExpression>
#include <QSettings>
#include <QSvgRenderer>

namespace {

enum class Shape { None, Round, Circle, Pill };

// How one state of a look is drawn.
struct StateLook {
    QString plate;  // palette name of the plate fill; empty: no plate
    QString border; // palette name of the plate outline; empty: none
    QMap<QString, QString> remap; // glyph token -> palette name
};

struct Look {
    Shape shape = Shape::Round;
    double inset = 0;     // plate inset, shown pixels
    double radius = 4;    // plate corner radius, shown pixels
    double glyph = 0.5;   // default glyph side as a share of the shorter side
    bool fadeDisabled = false; // disabled: the normal picture greyed out
    QMap<State, StateLook> states;
};

const QMap<QString, Look> &looks()
{
    static const QMap<QString, Look> table = [] {
        QMap<QString, Look> t;
        const QMap<QString, QString> disabledGlyph = {
            {"fg", "fgDisabled"}, {"accent", "fgDisabled"}, {"danger", "fgDisabled"},
            {"ok", "fgDisabled"}, {"warn", "fgDisabled"}, {"muted", "fgDisabled"}};

        // Icon-only buttons of bars and panels: no plate until touched.
        Look flat;
        flat.inset = 2;
        flat.radius = 5;
        flat.states[State::Normal] = {};
        flat.states[State::Hover] = {"plateHover", "", {{"fg", "fgHover"}}};
        flat.states[State::Press] = {"platePress", "", {{"fg", "fgPress"}}};
        flat.states[State::Checked] = {"accentSoft", "", {{"fg", "accent"}}};
        flat.states[State::Disable] = {"", "", disabledGlyph};
        t["flat"] = flat;

        // The same, flush with the bar edges (title-bar window buttons).
        Look bar = flat;
        bar.inset = 0;
        bar.radius = 0;
        t["bar"] = bar;

        // Window close: turns red under the pointer.
        Look close = bar;
        close.states[State::Hover] = {"danger", "", {{"fg", "onAccent"}}};
        close.states[State::Press] = {"dangerPress", "", {{"fg", "onAccent"}}};
        t["close"] = close;

        // The same with rounded corners, for loose window-button pictures.
        Look closeRound = flat;
        closeRound.states[State::Hover] = close.states[State::Hover];
        closeRound.states[State::Press] = close.states[State::Press];
        t["closeround"] = closeRound;

        // The main call to action: a filled accent button.
        Look primary;
        primary.radius = 6;
        primary.states[State::Normal] = {"accent", "", {{"fg", "onAccent"}}};
        primary.states[State::Hover] = {"accentHover", "", {{"fg", "onAccent"}}};
        primary.states[State::Press] = {"accentPress", "", {{"fg", "onAccent"}}};
        primary.states[State::Checked] = {"accentPress", "", {{"fg", "onAccent"}}};
        primary.states[State::Disable] = {"plateDisabled", "", {{"fg", "fgDisabled"}}};
        t["primary"] = primary;

        // Round record buttons.
        Look record = primary;
        record.shape = Shape::Circle;
        record.glyph = 0.42;
        record.states[State::Normal] = {"danger", "", {{"fg", "onAccent"}}};
        record.states[State::Hover] = {"dangerHover", "", {{"fg", "onAccent"}}};
        record.states[State::Press] = {"dangerPress", "", {{"fg", "onAccent"}}};
        record.states[State::Checked] = {"dangerPress", "", {{"fg", "onAccent"}}};
        record.states[State::Disable] = {"fgDisabled", "", {{"fg", "surface"}}};
        t["record"] = record;

        // Large mode and page buttons: an outlined card that fills with the
        // accent when chosen.
        Look card;
        card.inset = 1;
        card.radius = 8;
        card.glyph = 0.46;
        card.states[State::Normal] = {"surface", "border", {}};
        card.states[State::Hover] = {"plateHover", "accent", {{"fg", "accent"}}};
        card.states[State::Press] = {"accentSoft", "accent", {{"fg", "accent"}}};
        card.states[State::Checked] = {"accent", "", {{"fg", "onAccent"}, {"accent", "onAccent"}}};
        card.states[State::Disable] = {"plateDisabled", "", disabledGlyph};
        t["card"] = card;

        // Small round action buttons in lists and tool rows.
        Look chip = flat;
        chip.shape = Shape::Circle;
        chip.glyph = 0.55;
        chip.states[State::Normal] = {"surface", "border", {}};
        chip.states[State::Hover] = {"accentSoft", "accent", {{"fg", "accent"}}};
        chip.states[State::Press] = {"accentPress", "", {{"fg", "onAccent"}, {"danger", "onAccent"}}};
        chip.states[State::Checked] = {"accent", "", {{"fg", "onAccent"}, {"danger", "onAccent"}}};
        chip.states[State::Disable] = {"plateDisabled", "", disabledGlyph};
        t["chip"] = chip;

        // Check boxes and switches: an outlined box, filled when checked.
        Look toggle;
        toggle.inset = 1;
        toggle.radius = 3;
        toggle.glyph = 0.7;
        toggle.states[State::Normal] = {"surface", "borderStrong", {{"fg", "surface"}}};
        toggle.states[State::Hover] = {"surface", "accent", {{"fg", "surface"}}};
        toggle.states[State::Press] = {"accentSoft", "accent", {{"fg", "accentSoft"}}};
        toggle.states[State::Checked] = {"accent", "", {{"fg", "onAccent"}}};
        toggle.states[State::Disable] = {"plateDisabled", "border", {{"fg", "plateDisabled"}}};
        t["toggle"] = toggle;

        // The same box already checked: disabled keeps its mark.
        Look toggleOn = toggle;
        for (State st : {State::Normal, State::Hover, State::Press})
            toggleOn.states[st] = toggle.states[State::Checked];
        toggleOn.states[State::Hover].plate = QStringLiteral("accentHover");
        toggleOn.states[State::Disable] = {"plateDisabled", "border", {{"fg", "fgDisabled"}}};
        t["toggleon"] = toggleOn;

        // Radio buttons: the same, round.
        Look radio = toggle;
        radio.shape = Shape::Circle;
        radio.glyph = 0.8;
        t["radio"] = radio;
        Look radioOn = toggleOn;
        radioOn.shape = Shape::Circle;
        radioOn.glyph = 0.8;
        t["radioon"] = radioOn;

        // Pictures that are not buttons (logos, warnings, separators).
        Look plain;
        plain.shape = Shape::None;
        plain.glyph = 1.0;
        plain.fadeDisabled = true;
        for (State s : {State::Normal, State::Hover, State::Press, State::Checked, State::Disable})
            plain.states[s] = {};
        t["plain"] = plain;
        return t;
    }();
    return table;
}

QPainterPath plateShape(Shape shape, const QRectF &r, double radius)
{
    QPainterPath path;
    switch (shape) {
    case Shape::None:
        break;
    case Shape::Round:
        path.addRoundedRect(r, radius, radius);
        break;
    case Shape::Circle: {
        const double side = qMin(r.width(), r.height());
        path.addEllipse(QRectF(r.center().x() - side / 2, r.center().y() - side / 2, side, side));
        break;
    }
    case Shape::Pill:
        path.addRoundedRect(r, r.height() / 2, r.height() / 2);
        break;
    }
    return path;
}

QImage greyedOut(const QImage &source)
{
    QImage out = source.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < out.height(); ++y) {
        QRgb *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x) {
            const int g = qGray(line[x]);
            line[x] = qRgba(g, g, g, qAlpha(line[x]) * 45 / 100);
        }
    }
    return out;
}

} // namespace

bool Palette::load(const QString &path, QString *error)
{
    QSettings ini(path, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError || ini.allKeys().isEmpty()) {
        *error = QStringLiteral("cannot read palette %1").arg(path);
        return false;
    }
    ini.beginGroup(QStringLiteral("colors"));
    for (const QString &key : ini.childKeys()) {
        const QColor c(ini.value(key).toString());
        if (!c.isValid()) {
            *error = QStringLiteral("%1: colour %2 is not valid").arg(path, key);
            return false;
        }
        m_colors.insert(key, c);
    }
    return true;
}

QColor Palette::color(const QString &name) const
{
    return m_colors.value(name);
}

State stateFromName(const QString &name, bool *ok)
{
    static const QMap<QString, State> names = {
        {"normal", State::Normal}, {"hover", State::Hover}, {"press", State::Press},
        {"disable", State::Disable}, {"checked", State::Checked}};
    *ok = names.contains(name);
    return names.value(name, State::Normal);
}

bool isKnownLook(const QString &look)
{
    return looks().contains(look);
}

QImage paintImage(const ImageSpec &spec, State state, const Palette &palette, QString *error)
{
    const Look &look = looks()[spec.look];
    if (look.fadeDisabled && state == State::Disable) {
        const QImage normal = paintImage(spec, State::Normal, palette, error);
        return normal.isNull() ? normal : greyedOut(normal);
    }
    const StateLook sl = look.states.value(state);
    const double res = spec.resolution;
    QImage image(spec.size * res, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);

    auto paletteColor = [&](const QString &name) -> QColor {
        if (!palette.has(name)) {
            *error = QStringLiteral("palette has no colour \"%1\"").arg(name);
            return QColor();
        }
        return palette.color(name);
    };

    if (!sl.plate.isEmpty() || !sl.border.isEmpty()) {
        const double inset = look.inset * res;
        QRectF r = QRectF(image.rect()).adjusted(inset, inset, -inset, -inset);
        const double pen = sl.border.isEmpty() ? 0 : qMax(1.0, res * 0.75);
        r.adjust(pen / 2, pen / 2, -pen / 2, -pen / 2);
        const QPainterPath path = plateShape(look.shape, r, look.radius * res);
        if (!sl.plate.isEmpty())
            p.fillPath(path, paletteColor(sl.plate));
        if (!sl.border.isEmpty())
            p.strokePath(path, QPen(paletteColor(sl.border), pen));
    }

    if (!spec.svgText.isEmpty()) {
        // Each @token becomes the palette colour the state maps it to.
        static const QRegularExpression token(QStringLiteral("@([A-Za-z]+)"));
        QRegularExpressionMatchIterator it = token.globalMatch(spec.svgText);
        QString out;
        int last = 0;
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            out += spec.svgText.mid(last, m.capturedStart() - last);
            out += paletteColor(sl.remap.value(m.captured(1), m.captured(1))).name(QColor::HexRgb);
            last = m.capturedEnd();
        }
        out += spec.svgText.mid(last);
        if (!error->isEmpty())
            return QImage();

        QSvgRenderer renderer(out.toUtf8());
        if (!renderer.isValid()) {
            *error = QStringLiteral("the SVG source does not parse");
            return QImage();
        }
        const double shorter = qMin(spec.size.width(), spec.size.height());
        const double side = (spec.glyph > 0 ? spec.glyph : shorter * look.glyph) * res;
        QSizeF box = (look.glyph >= 1.0 && spec.glyph <= 0) ? QSizeF(image.size()) : QSizeF(side, side);
        QSizeF natural = renderer.viewBoxF().size();
        if (natural.isEmpty())
            natural = renderer.defaultSize();
        const QSizeF fitted = natural.scaled(box, Qt::KeepAspectRatio);
        const QRectF target(QPointF((image.width() - fitted.width()) / 2, (image.height() - fitted.height()) / 2),
                            fitted);
        renderer.render(&p, target);
    }
    p.end();
    return image;
}
