#pragma once
// The notice shown when the program may not open the webcam or the
// microphone: what keeps a device from a program on Linux, a button to the
// desktop's privacy page where it has one, and on OK which device the main
// window should switch off.

#include <QWidget>

namespace Ui {
class SystemPrivacyWidget;
}

class MySystemPrivacyWidget : public QWidget
{
    Q_OBJECT
public:
    explicit MySystemPrivacyWidget(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);
    ~MySystemPrivacyWidget() override;

    // 1 webcam, 2 microphone; set before each showing. The settings button
    // shows only where the desktop has a privacy page for the device.
    void setDeviceKind(int kind);
    int deviceKind() const { return m_kind; }

    void retranslate();
    Ui::SystemPrivacyWidget *form() const { return ui; }

public slots:
    void slotbtnOpenPrivacyClicked();
    void slotMoreInfo(const QString &link);
    void slotContactUs(const QString &link);
    // OK: closes first, then tells which device to switch off.
    void SlotClose();

signals:
    void SigPrivacyCloseDevice(int kind);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applySizes();

    Ui::SystemPrivacyWidget *ui;
    int m_kind = 0;
};
