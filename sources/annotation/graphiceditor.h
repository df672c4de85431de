#pragma once
// The drawing palette: tool buttons and the chosen tool's settings. It keeps
// no drawing state: every choice goes at once to the annotation host. With
// no host the form is built with its tools disabled and nothing is sent.

#include <QWidget>

class IGraphicEditable;
class QAbstractButton;

namespace Ui {
class GraphicEditorClass;
}

class GraphicEditor : public QWidget
{
    Q_OBJECT
public:
    GraphicEditor(QWidget *parent, IGraphicEditable *host);
    ~GraphicEditor() override;

    // On in the screenshot tool's panel: offers the blur tool and gives the
    // palette its light look. Off in the recording control bar.
    void setScreenshotMode(bool on);

private slots:
    void btnGrpDrawingToolsClicked(QAbstractButton *button);
    void btnGrpSizesClicked(QAbstractButton *button);
    void btnGrpColorsClicked(QAbstractButton *button);
    void btnGrpFillColorOrFontColorClicked(QAbstractButton *button);
    void btnCustomColorClicked();
    void btnPresetColorClicked();
    void cbxFontSizeCurrentIndexChanged(int index);
    void edtCalloutValueChanged(int value);
    void btnSelectRectangleClicked();
    void sldBlurValueChanged(int value);
    void btnExitDrawingClicked();
    void setColorFromEditor(const QString &text);
    void doOrderNumberChanged(int number);

private:
    void chooseTool(QAbstractButton *button);
    void applyColor(const QColor &color);
    void showColorInEditors(const QColor &color, QObject *skip);

    Ui::GraphicEditorClass *ui;
    IGraphicEditable *m_host;
};
