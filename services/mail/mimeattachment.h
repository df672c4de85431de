#pragma once
// A file part marked as an attachment.

#include "mimefile.h"

class MimeAttachment : public MimeFile
{
    Q_OBJECT
public:
    explicit MimeAttachment(QFile *file);

    void prepare() override;
};
