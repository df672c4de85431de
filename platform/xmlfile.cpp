#include "xmlfile.h"

#include <QCoreApplication>
#include <QDomDocument>
#include <QXmlStreamReader>

namespace XmlFile {

namespace {

// Reads the text as far as it goes; false as soon as it nests too deep.
bool measure(const QByteArray &bytes, bool namespaces, QXmlStreamReader *reader)
{
    reader->setNamespaceProcessing(namespaces);
    reader->addData(bytes);
    int depth = 0;
    while (!reader->atEnd()) {
        const QXmlStreamReader::TokenType token = reader->readNext();
        if (token == QXmlStreamReader::StartElement && ++depth > kMaxDepth)
            return false;
        if (token == QXmlStreamReader::EndElement)
            --depth;
    }
    return true;
}

} // namespace

bool check(const QByteArray &bytes, bool namespaces, QString *why)
{
    QXmlStreamReader reader;
    if (!measure(bytes, namespaces, &reader)) {
        if (why)
            *why = QCoreApplication::translate("KeptFile", "its elements are nested more than %1 levels deep")
                       .arg(kMaxDepth);
        return false;
    }
    if (reader.hasError()) {
        if (why)
            *why = QCoreApplication::translate("KeptFile", "it is not well-formed XML (line %1: %2)")
                       .arg(reader.lineNumber())
                       .arg(reader.errorString());
        return false;
    }
    return true;
}

bool shallow(const QByteArray &bytes)
{
    QXmlStreamReader reader;
    return measure(bytes, false, &reader);
}

bool parse(const QByteArray &bytes, QDomDocument *document, bool namespaces, QString *why)
{
    *document = QDomDocument();
    if (!check(bytes, namespaces, why))
        return false;
    // The same strict reader builds the model, so what passed the check is
    // what is read.
    QXmlStreamReader reader(bytes);
    reader.setNamespaceProcessing(namespaces);
    QString error;
    if (!document->setContent(&reader, namespaces, &error)) {
        if (why)
            *why = error;
        *document = QDomDocument();
        return false;
    }
    return true;
}

KeptFile::ReadStatus load(const QString &path, QDomDocument *document, bool namespaces, QString *why)
{
    *document = QDomDocument();
    QByteArray bytes;
    const KeptFile::ReadStatus status = KeptFile::read(path, &bytes, why);
    if (status != KeptFile::Read)
        return status;
    if (parse(bytes, document, namespaces, why))
        return KeptFile::Read;
    return shallow(bytes) ? KeptFile::Unreadable : KeptFile::Refused;
}

} // namespace XmlFile
