#pragma once
// A part holding a file's bytes, sent base64 under the file's own name.

#include "mimepart.h"

class QFile;

class MimeFile : public MimePart
{
    Q_OBJECT
public:
    // Takes ownership of the file object.
    explicit MimeFile(QFile *file);
    ~MimeFile() override;

    void prepare() override;

protected:
    QFile *m_file;
};
