#include "pagewidgets.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QSlider>
#include <QStackedWidget>
#include <QTimeEdit>

namespace {

template <typename T>
void find(QWidget *root, T **out, const char *name, bool *complete)
{
    *out = root->findChild<T *>(QLatin1String(name));
    if (!*out)
        *complete = false;
}

} // namespace

#define PAGE_WIDGET(member) find(root, &member, #member, &ok)

bool PageWidgets::resolve(QWidget *root)
{
    bool ok = true;
    PAGE_WIDGET(stackedWidget);
    PAGE_WIDGET(staStatusWidget);
    PAGE_WIDGET(staRecConfigWidget);
    PAGE_WIDGET(staSystemSoundWidget);
    PAGE_WIDGET(staMicrophoneWidget);
    PAGE_WIDGET(staCameraWidget);
    PAGE_WIDGET(pageMain);
    PAGE_WIDGET(pageRecord);
    PAGE_WIDGET(pageRecordLength);
    PAGE_WIDGET(btnRecVideo);
    PAGE_WIDGET(btnRecCamera);
    PAGE_WIDGET(btnRecAudio);
    PAGE_WIDGET(btnRecPhoto);
    PAGE_WIDGET(btnHome);
    PAGE_WIDGET(btnRecord);
    PAGE_WIDGET(btnRecLength);
    PAGE_WIDGET(btnRecLengthOK);
    PAGE_WIDGET(cbxRecConfig);
    PAGE_WIDGET(cbxSelectScreen);
    PAGE_WIDGET(cbxScreen);
    PAGE_WIDGET(fraScreen);
    PAGE_WIDGET(fraCamera);
    PAGE_WIDGET(fraSystemSound);
    PAGE_WIDGET(fraMicrophone);
    PAGE_WIDGET(line_7);
    PAGE_WIDGET(chxScreen);
    PAGE_WIDGET(chxCamera);
    PAGE_WIDGET(chxSystemSound);
    PAGE_WIDGET(chxMicrophone);
    PAGE_WIDGET(btnFullSize);
    PAGE_WIDGET(btnCustomSize);
    PAGE_WIDGET(btnLockRatio);
    PAGE_WIDGET(lblSelectedWidth);
    PAGE_WIDGET(lblSelectedHeight);
    PAGE_WIDGET(btnCamera);
    PAGE_WIDGET(btnSystemSound);
    PAGE_WIDGET(btnMicrophone);
    PAGE_WIDGET(btnCameraDrop);
    PAGE_WIDGET(btnSystemSoundDrop);
    PAGE_WIDGET(btnMicrophoneDrop);
    PAGE_WIDGET(sldSystemSound);
    PAGE_WIDGET(sldMicrophone);
    PAGE_WIDGET(chxRecordLength);
    PAGE_WIDGET(chxShutdown);
    PAGE_WIDGET(edtRecordLength);
    PAGE_WIDGET(rdoThisTime);
    PAGE_WIDGET(rdoEachTime);
    return ok;
}
