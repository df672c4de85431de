#pragma once
// The about view: product name, version, the support and home page links
// and the legal notice. The controller makes it once and shows it in a
// passing service frame.

#include <QWidget>

namespace Ui {
class AboutView;
}

class MyAboutView : public QWidget
{
    Q_OBJECT
public:
    explicit MyAboutView(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);
    ~MyAboutView() override;

    // The form's texts again, then the product name, links and notice.
    void retranslate();
    Ui::AboutView *form() const { return ui; }

    // "Copyright © <years> <maker>. All rights reserved."
    static QString legalNotice();

public slots:
    void slotShowSupport();
    void slotShowOfficialWeb();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applySizes();

    Ui::AboutView *ui;
};
