#pragma once
// A plain-text part in UTF-8, sent 8bit unless asked otherwise.

#include "mimepart.h"

class MimeText : public MimePart
{
    Q_OBJECT
public:
    explicit MimeText(const QString &text = QString());

    void setText(const QString &text) { m_text = text; }
    QString text() const { return m_text; }

    void prepare() override;

protected:
    QString m_text;
};
