#include "gallery.h"

#include "skinmanager.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>
#include <QtTest/QTest>

namespace gallery {
namespace {

QString stateName(CellState s)
{
    switch (s) {
    case CellState::Normal: return QStringLiteral("Normal");
    case CellState::Hover: return QStringLiteral("Hover");
    case CellState::Pressed: return QStringLiteral("Pressed");
    case CellState::Checked: return QStringLiteral("Checked");
    case CellState::Disabled: return QStringLiteral("Disabled");
    }
    return QString();
}

// Shows one control alone on a page, puts it in the state and grabs it.
QPixmap grabCell(QWidget *control, CellState state)
{
    QWidget page;
    page.setProperty("STYLE_KEY", "HOME_PAGE");
    page.setAttribute(Qt::WA_StyledBackground);
    auto *layout = new QVBoxLayout(&page);
    const int margin = int(10 * g_dscale);
    layout->setContentsMargins(margin, margin, margin, margin);
    layout->addWidget(control, 0, Qt::AlignCenter);
    auto *button = qobject_cast<QAbstractButton *>(control);
    if (state == CellState::Checked && button) {
        button->setCheckable(true);
        button->setChecked(true);
    }
    if (state == CellState::Pressed && button)
        button->setDown(true);
    if (state == CellState::Disabled)
        control->setEnabled(false);
    page.show();
    (void)QTest::qWaitForWindowExposed(&page);
    if (state == CellState::Hover) {
        QTest::mouseMove(&page, control->geometry().center() + QPoint(1, 1));
        QTest::mouseMove(&page, control->geometry().center());
        QApplication::processEvents();
    }
    QApplication::processEvents();
    const QPixmap shot = page.grab();
    QTest::mouseMove(&page, QPoint(0, 0));
    return shot;
}

} // namespace

QWidget *stateSheet(const QString &title, const QList<StateRow> &rows)
{
    SkinManager *skin = SkinManager::instance();
    const QColor background = skin->color("Common", "Background", QColor("#F5F6FA"));
    const QColor text = skin->color("Common", "Text", Qt::black);
    const QColor sub = skin->color("Common", "SubText", Qt::gray);
    const QList<CellState> columns = {CellState::Normal, CellState::Hover, CellState::Pressed,
                                      CellState::Checked, CellState::Disabled};

    QList<QList<QPixmap>> cells;
    int cellW = 0, cellH = 0;
    for (const StateRow &row : rows) {
        QList<QPixmap> shots;
        for (CellState s : columns) {
            QPixmap shot;
            if (row.states.contains(s))
                shot = grabCell(row.make(), s);
            cellW = qMax(cellW, shot.width());
            cellH = qMax(cellH, shot.height());
            shots << shot;
        }
        cells << shots;
    }

    const double s = g_dscale;
    const int labelW = int(190 * s), pad = int(12 * s), header = int(64 * s);
    cellW += pad;
    const QSize size(labelW + columns.size() * cellW + pad, header + rows.size() * (cellH + pad / 2) + pad);
    QPixmap sheet(size);
    sheet.fill(background);
    QPainter p(&sheet);
    p.setRenderHint(QPainter::TextAntialiasing);
    QFont f = skin->scaledFont(18, true);
    p.setFont(f);
    p.setPen(text);
    p.drawText(QRect(pad, 0, size.width(), int(36 * s)), Qt::AlignLeft | Qt::AlignBottom,
               QStringLiteral("%1 - %2, scale %3").arg(title, skin->knownSkins().value(skin->currentSkinIndex()))
                   .arg(g_dscale, 0, 'f', 1));
    p.setFont(skin->scaledFont(12, false));
    p.setPen(sub);
    for (int c = 0; c < columns.size(); ++c)
        p.drawText(QRect(labelW + c * cellW, int(40 * s), cellW, int(20 * s)), Qt::AlignCenter, stateName(columns[c]));
    for (int r = 0; r < rows.size(); ++r) {
        const int y = header + r * (cellH + pad / 2);
        p.setPen(text);
        p.drawText(QRect(pad, y, labelW - pad, cellH), Qt::AlignLeft | Qt::AlignVCenter, rows[r].label);
        for (int c = 0; c < columns.size(); ++c) {
            const QPixmap &shot = cells[r][c];
            if (shot.isNull())
                continue;
            p.drawPixmap(labelW + c * cellW + (cellW - shot.width()) / 2, y + (cellH - shot.height()) / 2, shot);
        }
    }
    p.end();
    auto *label = new QLabel;
    label->setPixmap(sheet);
    label->setFixedSize(size);
    label->setStyleSheet(QStringLiteral("QLabel{background:transparent;padding:0;margin:0;border:none;}"));
    return label;
}

} // namespace gallery
