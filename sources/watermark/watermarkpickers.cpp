#include "watermarkpickers.h"

#include <QColorDialog>
#include <QFileDialog>
#include <QFontDialog>

namespace {

class QtPickers : public WatermarkPickers
{
public:
    bool pickFont(QWidget *parent, const QFont &initial, QFont *chosen) override
    {
        bool ok = false;
        const QFont font = QFontDialog::getFont(&ok, initial, parent, QString());
        if (ok)
            *chosen = font;
        return ok;
    }
    QColor pickColor(QWidget *parent, const QColor &initial, const QString &title) override
    {
        return QColorDialog::getColor(initial, parent, title);
    }
    QString pickImageFile(QWidget *parent, const QString &title, const QString &filter) override
    {
        return QFileDialog::getOpenFileName(parent, title, QString(), filter);
    }
};

WatermarkPickers *s_pickers = nullptr;

} // namespace

WatermarkPickers *WatermarkPickers::instance()
{
    static QtPickers qtPickers;
    return s_pickers ? s_pickers : &qtPickers;
}

void WatermarkPickers::setInstance(WatermarkPickers *pickers)
{
    s_pickers = pickers;
}
