#pragma once
// The one reader of the XML files the program reads: options, history, task
// files, skin descriptions, patch descriptions. Its own files are three or
// four levels deep; the document model recurses once per level and overflows
// the stack some ten thousand levels down (and its builder slows to a crawl
// well before), so nesting is measured with a stream reader first and a file
// deeper than the limit is refused before any model is built.

#include "keptfile.h"

#include <QByteArray>
#include <QString>

class QDomDocument;

namespace XmlFile {

constexpr int kMaxDepth = 256;

// True when the text is well-formed XML (with namespaces declared, when
// they are processed) no deeper than kMaxDepth; `why` tells otherwise.
bool check(const QByteArray &bytes, bool namespaces = false, QString *why = nullptr);
// True when the text nests no deeper than kMaxDepth up to its end or its
// first error, for readers that take what stands before an error.
bool shallow(const QByteArray &bytes);
// check(), then the document model of the text (replacing `document`).
bool parse(const QByteArray &bytes, QDomDocument *document, bool namespaces = false, QString *why = nullptr);
// KeptFile::read, then parse(): also Unreadable for malformed text, Refused
// for text nested too deep.
KeptFile::ReadStatus load(const QString &path, QDomDocument *document, bool namespaces = false,
                          QString *why = nullptr);

} // namespace XmlFile
