#pragma once
// The update view: checking, latest version, update available (release
// notes, Update and Skip) and check failed (Try again). The controller runs
// the query and switches the pages.

#include <QWidget>

namespace Ui {
class UpdateView;
}

class MyUpdateView : public QWidget
{
    Q_OBJECT
public:
    enum State { Checking = 0, Latest = 1, Available = 2, Failed = 3 };

    explicit MyUpdateView(QWidget *parent = nullptr, Qt::WindowFlags flags = Qt::FramelessWindowHint);
    ~MyUpdateView() override;

    void setState(int state);
    // 0: the busy bar, Try again hidden; 1: the failure text, Try again shown.
    void showCheckPage(int page);
    void setNewVersion(const QString &version) { m_newVersion = version; }
    void setLabelText(const QString &text) { m_labelText = text; }
    QString newVersion() const { return m_newVersion; }
    // Back to the busy page, then a new query through the controller.
    void startCheck();
    void retranslate();
    Ui::UpdateView *form() const { return ui; }

public slots:
    void SltClose();
    void SltSkipVersion();
    void SltUpdate();
    void SltRetry();

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void applySizes();
    void setViewSize(int height);

    Ui::UpdateView *ui;
    QString m_newVersion;
    QString m_labelText;
};
