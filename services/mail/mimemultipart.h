#pragma once
// A container part whose body is its parts between boundary lines.

#include <QList>

#include "mimepart.h"

class MimeMultiPart : public MimePart
{
    Q_OBJECT
public:
    // Stored as plain numbers; never renumber.
    enum MultiPartType { Mixed = 0, Digest = 1, Alternative = 2, Related = 3, Report = 4, Signed = 5, Encrypted = 6 };

    explicit MimeMultiPart(int type = Related);

    // The part stays the caller's.
    void addPart(MimePart *part) { m_parts.append(part); }
    const QList<MimePart *> &parts() const { return m_parts; }
    void setMimeType(int type);
    int mimeType() const { return m_type; }

    void prepare() override;

private:
    QList<MimePart *> m_parts;
    int m_type;
};
