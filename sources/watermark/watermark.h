#pragma once
// The watermark page: the user chooses no watermark, a text or an image,
// sets its opacity, size and place on a sample canvas, checks it full
// screen and keeps it with OK, which stores it in the private settings
// group for the next recordings. Frameless, deletes itself when closed.
#include <QDialog>

namespace Ui {
class WatermarkClass;
}
class QAbstractButton;
class QRect;
class FramelessDrag;
class WatermarkEditor;
class WatermarkItem;

class Watermark : public QDialog
{
    Q_OBJECT
public:
    explicit Watermark(QWidget *parent = nullptr);
    ~Watermark() override;

    Ui::WatermarkClass *form() const { return ui; }
    WatermarkEditor *editor() const { return m_editor; }
    // The full-screen preview while it runs, else null.
    QDialog *previewWindow() const { return m_preview; }
    WatermarkEditor *previewEditor() const { return m_previewEditor; }
    // The preview's two halves around its modal run: the window with the
    // items placed full screen, and taking them back (when accepted).
    QDialog *openPreview();
    void finishPreview(int result);

    static constexpr int CornerRadius = 18;

signals:
    void visibleChanged(bool visible);

public slots:
    void btnGrpWatermarkTypeClicked(QAbstractButton *button);
    void btnSelectImageClicked();
    void edtTextTextChanged(const QString &text);
    void btnSelectFontClicked();
    void btnSelectColorClicked();
    void chxKeepDesignedSizeToggled(bool on);
    void chxKeepAspectRatioToggled(bool on);
    void edtLeftValueChanged(int value);
    void edtTopValueChanged(int value);
    void edtWidthValueChanged(int value);
    void edtHeightValueChanged(int value);
    void sldTransparencyValueChanged(int value);
    void btnPreviewClicked();
    void WatermarkCurrentItemChanged(WatermarkItem *item);
    void WatermarkCurrentRectChanged(const QRect &rect);
    void load();
    void save();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setStyleKeys();
    void setFixedSizes();
    int shownKind() const;
    bool currentIsEditable() const;
    void updateOkButton();
    void showCurrentRect();
    // Makes the first item of the shown kind current when none is.
    void pickCurrentItem(WatermarkEditor *editor);

    Ui::WatermarkClass *ui;
    WatermarkEditor *m_editor = nullptr;
    QDialog *m_preview = nullptr;
    WatermarkEditor *m_previewEditor = nullptr;
    FramelessDrag *m_drag = nullptr;
    bool m_loaded = false;
};
