#pragma once
// The record-length controls and the private settings they show: one rule
// for the popup and for the main window's record-length page.
class DataGroupPrivate;
class QAbstractButton;
class QTimeEdit;
class QWidget;

namespace recordlength {

// The four settings into the controls; the editor, the shutdown box and both
// radio buttons are enabled exactly when the limit is on. A length of a day
// or more is no time of day: the editor keeps what it shows.
void loadControls(const DataGroupPrivate *data, QAbstractButton *enabled, QTimeEdit *length,
                  QAbstractButton *shutdown, QAbstractButton *thisTime, QAbstractButton *eachTime);

// The controls into the settings. A length under one second is replaced by
// three minutes, in the editor and in the settings, with a warning over
// `warningParent` that does not wait for the user (shown later when
// `deferWarning`).
void storeControls(DataGroupPrivate *data, QAbstractButton *enabled, QTimeEdit *length, QAbstractButton *shutdown,
                   QAbstractButton *eachTime, QWidget *warningParent, bool deferWarning);

} // namespace recordlength
