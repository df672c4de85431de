#pragma once
// The standard dialogs the watermark page asks (font, colour, image file),
// behind one seam so tests can answer them.
#include <QColor>
#include <QFont>
#include <QString>

class QWidget;

class WatermarkPickers
{
public:
    virtual ~WatermarkPickers() = default;
    // False when the user cancels.
    virtual bool pickFont(QWidget *parent, const QFont &initial, QFont *chosen) = 0;
    // An invalid colour when the user cancels.
    virtual QColor pickColor(QWidget *parent, const QColor &initial, const QString &title) = 0;
    // An empty path when the user cancels.
    virtual QString pickImageFile(QWidget *parent, const QString &title, const QString &filter) = 0;

    // The pickers in use: Qt's own dialogs unless a test set others (null
    // brings Qt's back; the caller keeps ownership).
    static WatermarkPickers *instance();
    static void setInstance(WatermarkPickers *pickers);
};
