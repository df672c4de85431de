#pragma once
// File names are bytes; Qt turns them into text with the locale's codec. In a
// UTF-8 locale a name that is not valid UTF-8 (a home folder "h\xe9me")
// would come back as another name, U+FFFD in place of the bad bytes, and
// every file would go to a sibling folder. This codec keeps each byte of an
// invalid sequence as the lone surrogate U+DC80..U+DCFF and writes it back
// as the same byte, so QFile::decodeName and encodeName give back the
// original name.

// Makes it the locale's codec when the locale's codec is UTF-8; call before
// any path is decoded.
void installFileNameCodec();

class QByteArray;
class QString;
// The two directions, for tests.
QString decodeFileName(const QByteArray &bytes);
QByteArray encodeFileName(const QString &name);
