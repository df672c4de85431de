#pragma once
// Answers the common dialogs of the window tests: each run records its
// prompt and takes the next answer (accept or reject, a typed text, the
// "Delete local file" box).
#include "commondialog.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>

struct DialogHook {
    struct Answer {
        bool accept = true;
        QString text;         // typed into the line edit when set
        int deleteLocal = -1; // -1 leaves the box as it is
    };
    QList<Answer> answers;
    QStringList prompts;

    DialogHook()
    {
        CommonDialog::setRunHook([this](CommonDialog *d) {
            const Answer a = answers.isEmpty() ? Answer() : answers.takeFirst();
            if (auto *label = d->findChild<QLabel *>(QStringLiteral("lblPrompt")))
                prompts << label->text();
            if (auto *edit = d->findChild<QLineEdit *>(QStringLiteral("lineEdit")); edit && !a.text.isNull())
                edit->setText(a.text);
            if (auto *box = d->findChild<QCheckBox *>(QStringLiteral("chxDeleteLocalFile")); box && a.deleteLocal >= 0)
                box->setChecked(a.deleteLocal == 1);
            return int(a.accept ? QDialog::Accepted : QDialog::Rejected);
        });
    }
    ~DialogHook() { CommonDialog::setRunHook({}); }
    void add(bool accept, const QString &text = QString(), int deleteLocal = -1)
    {
        answers.append(Answer{accept, text, deleteLocal});
    }
};
