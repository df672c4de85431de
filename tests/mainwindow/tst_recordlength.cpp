// The record-length popup: the private settings in and out, the correction
// of a length under one second, its one signal per change, and the open flag
// the main window's button toggles by.
#include <QtTest>

#include "commondialog.h"
#include "core/enviroment.h"
#include "recordlength.h"
#include "ui_recordlength.h"

#include <QLabel>
#include <QSignalSpy>

class TestRecordLength : public QObject
{
    Q_OBJECT
private:
    QStringList m_warnings;
    DataGroupPrivate *data() const { return g_enviroment->privateData; }

private slots:
    void initTestCase()
    {
        g_enviroment = new Enviroment;
        CommonDialog::setRunHook([this](CommonDialog *d) {
            if (auto *label = d->findChild<QLabel *>(QStringLiteral("lblPrompt")))
                m_warnings << label->text();
            return int(QDialog::Accepted);
        });
    }
    void cleanupTestCase()
    {
        CommonDialog::setRunHook({});
        delete g_enviroment;
        g_enviroment = nullptr;
    }
    void init()
    {
        m_warnings.clear();
        data()->RecordLengthEnabled = false;
        data()->RecordLength = 600;
        data()->ShutdownWhenEnds = false;
        data()->RecordLengthForEachTime = false;
    }

    void showLoadsAndHideStores()
    {
        data()->RecordLengthEnabled = true;
        data()->RecordLength = 3725;
        data()->ShutdownWhenEnds = true;
        data()->RecordLengthForEachTime = true;
        RecordLength popup(nullptr);
        Ui::RecordLengthClass *ui = popup.form();
        popup.show();
        QVERIFY(popup.isOpen());
        QCOMPARE(ui->edtRecordLength->time(), QTime(1, 2, 5));
        QVERIFY(ui->chxShutdown->isChecked() && ui->rdoEachTime->isChecked());
        QVERIFY(ui->edtRecordLength->isEnabled());

        ui->chxRecordLength->setChecked(false);
        QVERIFY(!ui->edtRecordLength->isEnabled() && !ui->rdoThisTime->isEnabled() && !ui->chxShutdown->isEnabled());
        ui->edtRecordLength->setTime(QTime(0, 0, 5));
        ui->rdoThisTime->setChecked(true);
        popup.hide();
        QVERIFY(!popup.isOpen());
        QCOMPARE(data()->RecordLength, quint64(5));
        QVERIFY(!data()->RecordLengthEnabled);
        QVERIFY(!data()->RecordLengthForEachTime);
        QVERIFY(m_warnings.isEmpty());
    }

    void lengthUnderOneSecondBecomesThreeMinutes()
    {
        RecordLength popup(nullptr);
        popup.show();
        popup.form()->edtRecordLength->setTime(QTime(0, 0, 0));
        popup.hide();
        // Corrected whether or not the limit is on, and the settings get 180.
        QCOMPARE(m_warnings, QStringList({"The Record length should be not less than 1 second."}));
        QCOMPARE(data()->RecordLength, quint64(180));
        QCOMPARE(popup.form()->edtRecordLength->time(), QTime(0, 3, 0));
    }

    void lengthOfADayOrMoreIsNotShownAndThenReplaced()
    {
        RecordLength popup(nullptr);
        popup.form()->edtRecordLength->setTime(QTime(0, 20, 0));
        data()->RecordLength = 86400;
        popup.show();
        QCOMPARE(popup.form()->edtRecordLength->time(), QTime(0, 20, 0));
        popup.hide();
        QCOMPARE(data()->RecordLength, quint64(1200));
    }

    void stateChangedOncePerChange()
    {
        RecordLength popup(nullptr);
        QSignalSpy spy(&popup, &RecordLength::stateChanged);
        popup.show();
        popup.form()->chxRecordLength->setChecked(true);
        popup.hide();
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.takeFirst().at(0).toBool(), true);
        popup.show();
        popup.hide();
        QCOMPARE(spy.count(), 0);
    }

    void openFlagFollowsShowAndHide()
    {
        RecordLength popup(nullptr);
        QVERIFY(!popup.isOpen());
        popup.show();
        QVERIFY(popup.isOpen());
        // Without a main window no button lies under the cursor.
        popup.hide();
        QVERIFY(!popup.isOpen());
    }
};

QTEST_MAIN(TestRecordLength)
#include "tst_recordlength.moc"
