#pragma once
// The screenshot tool's bar beside its selection: the drawing palette in its
// screenshot mode on the left, the tool's five actions on the right. It lies
// inside the tool's window, dragged anywhere over it; closing it ends the
// tool.
#include <QWidget>

namespace Ui {
class CapturePanelClass;
}
class FramelessDrag;
class GraphicEditor;
class ScreenCapturing;

class CapturePanel : public QWidget
{
    Q_OBJECT
public:
    // The tool is the parent and the palette's annotation host.
    explicit CapturePanel(ScreenCapturing *tool);
    ~CapturePanel() override;

    Ui::CapturePanelClass *form() const { return ui; }
    GraphicEditor *editor() const { return m_editor; }
    FramelessDrag *drag() const { return m_drag; }

signals:
    void closed();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;

private:
    Ui::CapturePanelClass *ui;
    GraphicEditor *m_editor;
    FramelessDrag *m_drag;
};
