#pragma once
// A combo box that shows an item's whole text as tool tip when the box is
// too narrow for it, and never changes its item on a mouse-wheel turn.

#include <QComboBox>

class QCoreApplication;

class CComBobox : public QComboBox
{
    Q_OBJECT
public:
    explicit CComBobox(QWidget *parent = nullptr);

    // These hide QComboBox's own: calls through a QComboBox pointer add the
    // items without the tool-tip rule.
    void addItem(const QString &text, const QVariant &userData = QVariant());
    void addItems(const QStringList &texts);
    void insertItems(int index, const QStringList &texts);

    // A small arrow picture drawn at the right (not owned).
    void setArrowPixmap(QPixmap *arrow);

protected:
    void wheelEvent(QWheelEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    void updateToolTip(int index);

    QPixmap *m_arrow = nullptr;
};

// Makes the mouse wheel leave every combo box of the application alone, the
// ones that forms create as plain QComboBox included (start-up installs it).
class ComboWheelGuard : public QObject
{
    Q_OBJECT
public:
    static void install(QCoreApplication *app);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
