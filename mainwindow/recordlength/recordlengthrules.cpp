#include "recordlengthrules.h"

#include "core/datagroupprivate.h"
#include "commondialog.h"
#include "recordlength.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QPointer>
#include <QTimeEdit>
#include <QTimer>

namespace recordlength {

namespace {
constexpr quint64 kSecondsPerDay = 24 * 60 * 60;
} // namespace

void loadControls(const DataGroupPrivate *data, QAbstractButton *enabled, QTimeEdit *length,
                  QAbstractButton *shutdown, QAbstractButton *thisTime, QAbstractButton *eachTime)
{
    enabled->setChecked(data->RecordLengthEnabled);
    if (data->RecordLength < kSecondsPerDay)
        length->setTime(QTime(0, 0).addSecs(int(data->RecordLength)));
    shutdown->setChecked(data->ShutdownWhenEnds);
    if (data->RecordLengthForEachTime)
        eachTime->setChecked(true);
    else
        thisTime->setChecked(true);
    const bool on = enabled->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(length), static_cast<QWidget *>(shutdown),
                       static_cast<QWidget *>(thisTime), static_cast<QWidget *>(eachTime)})
        w->setEnabled(on);
}

void storeControls(DataGroupPrivate *data, QAbstractButton *enabled, QTimeEdit *length, QAbstractButton *shutdown,
                   QAbstractButton *eachTime, QWidget *warningParent, bool deferWarning)
{
    if (QTime(0, 0).msecsTo(length->time()) / 1000 < 1) {
        // The settings take the corrected length, never the zero.
        length->setTime(QTime(0, 0).addSecs(RecordLength::kDefaultSeconds));
        const QString text = QCoreApplication::translate("RecordLength",
                                                         "The Record length should be not less than 1 second.");
        // Never a modal message: the popup also closes when a recording
        // starts (and the program ends), whose road must go on.
        if (deferWarning) {
            QPointer<QWidget> parent(warningParent);
            QTimer::singleShot(0, [parent, text] { CommonDialog::tell(parent, text); });
        } else {
            CommonDialog::tell(warningParent, text);
        }
    }
    data->RecordLengthEnabled = enabled->isChecked();
    data->RecordLength = quint64(QTime(0, 0).msecsTo(length->time()) / 1000);
    data->ShutdownWhenEnds = shutdown->isChecked();
    data->RecordLengthForEachTime = eachTime->isChecked();
}

} // namespace recordlength
