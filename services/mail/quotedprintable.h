#pragma once
// Quoted-printable encoding of raw bytes (without line wrapping, which the
// content formatter adds).

#include <QByteArray>
#include <QString>

class QuotedPrintable
{
public:
    static QString encode(const QByteArray &input);
};
