#pragma once
// One body part of a mail: its headers and content, rendered once to MIME
// text with CRLF line ends.

#include <QByteArray>
#include <QObject>
#include <QString>

#include "mimecontentformatter.h"

class MimePart : public QObject
{
    Q_OBJECT
public:
    // Stored in messages and parts as plain numbers; never renumber.
    enum Encoding { _7Bit = 0, _8Bit = 1, Base64 = 2, QuotedPrintable = 3 };

    MimePart();
    ~MimePart() override;

    // The rendered part; renders it on the first call only.
    virtual QString toString();
    // Renders the part again from its fields.
    virtual void prepare();

    void setHeader(const QString &header) { m_header = header; }
    void addHeaderLine(const QString &line) { m_header += line + QLatin1String("\r\n"); }
    QString header() const { return m_header; }
    void setContent(const QByteArray &content) { m_content = content; }
    QByteArray content() const { return m_content; }
    void setContentId(const QString &id) { m_contentId = id; }
    QString contentId() const { return m_contentId; }
    void setContentName(const QString &name) { m_contentName = name; }
    QString contentName() const { return m_contentName; }
    void setContentType(const QString &type) { m_contentType = type; }
    QString contentType() const { return m_contentType; }
    void setCharset(const QString &charset) { m_contentCharset = charset; }
    QString charset() const { return m_contentCharset; }
    void setEncoding(int encoding) { m_contentEncoding = encoding; }
    int encoding() const { return m_contentEncoding; }
    QString boundary() const { return m_contentBoundary; }
    MimeContentFormatter &contentFormatter() { return m_formatter; }

protected:
    QString m_header;
    QByteArray m_content;
    QString m_contentId;
    QString m_contentName;
    QString m_contentType;
    QString m_contentCharset;
    QString m_contentBoundary;
    int m_contentEncoding = _7Bit;
    QString m_mimeString;
    bool m_prepared = false;
    MimeContentFormatter m_formatter;
};
