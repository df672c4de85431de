#include "mimefile.h"

#include <QFile>
#include <QFileInfo>

MimeFile::MimeFile(QFile *file) : m_file(file)
{
    m_contentType = QStringLiteral("application/octet-stream");
    m_contentName = QFileInfo(*file).fileName();
    m_contentEncoding = Base64;
}

MimeFile::~MimeFile()
{
    delete m_file;
}

void MimeFile::prepare()
{
    // A file that cannot be read gives an empty body.
    m_content.clear();
    if (m_file->open(QIODevice::ReadOnly)) {
        m_content = m_file->readAll();
        m_file->close();
    }
    MimePart::prepare();
}
