#pragma once
// Wraps a part's encoded body to the mail line length: hard breaks for
// base64, "=" soft breaks for quoted-printable.

#include <QObject>
#include <QString>

class MimeContentFormatter : public QObject
{
    Q_OBJECT
public:
    explicit MimeContentFormatter(int maxLength = 76);

    void setMaxLength(int length) { m_maxLength = length; }
    int maxLength() const { return m_maxLength; }

    QString format(const QString &content, bool quotedPrintable = false) const;

private:
    int m_maxLength;
};
