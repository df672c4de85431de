#pragma once
// The bug-report form: e-mail, name and description, the upload's progress
// and its result. The checks, the packing and the sending are the
// controller's; the form only shows their state.

#include <QWidget>

namespace Ui {
class BugReportView;
}

class MyBugReportView : public QWidget
{
    Q_OBJECT
public:
    explicit MyBugReportView(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);
    ~MyBugReportView() override;

    QString email() const;
    QString name() const;
    QString description() const;

    void showEmailError();
    void clearEmailError();
    // The failure text of a send, shown where the e-mail error goes.
    void setErrorText(const QString &text);
    void setProgress(int percent);
    void setResultText(const QString &text);
    // 0 sending, 1 idle with the progress shown, 2 sent.
    void setState(int state);
    bool isSending() const { return m_sending; }

    void retranslate();
    Ui::BugReportView *form() const { return ui; }

    // Square top corners, rounded bottom ones, in window coordinates.
    static QBitmap bottomRoundedMask(const QSize &size);

public slots:
    void SltReport();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applySizes();

    Ui::BugReportView *ui;
    bool m_sending = false;
};
