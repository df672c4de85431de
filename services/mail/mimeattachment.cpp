#include "mimeattachment.h"

MimeAttachment::MimeAttachment(QFile *file) : MimeFile(file) {}

void MimeAttachment::prepare()
{
    // Each prepare adds the line again, so a message prepares its parts once.
    m_header += QLatin1String("Content-disposition: attachment\r\n");
    MimeFile::prepare();
}
