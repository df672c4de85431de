#pragma once
// Builds throw-away skin folders for the widget tests.

#include <QColor>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QTemporaryDir>

namespace skinfixture {

inline bool writeFile(const QString &path, const QByteArray &data)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(data) == data.size();
}

// A 256 x 128 sheet: the left half one colour, the right half another, so a
// cut sprite tells where it came from.
inline bool writeSheet(const QString &path, const QColor &left, const QColor &right)
{
    QImage sheet(256, 128, QImage::Format_ARGB32);
    QPainter p(&sheet);
    p.fillRect(0, 0, 128, 128, left);
    p.fillRect(128, 0, 128, 128, right);
    p.end();
    QDir().mkpath(QFileInfo(path).absolutePath());
    return sheet.save(path, "PNG");
}

// The shared description: part "Common" with a full state set "btn", a
// partial set "half" (Normal and Hover only) and an empty element "empty";
// part "title" with a single image "line".
inline QByteArray allImageXml()
{
    return R"(<?xml version="1.0" encoding="UTF-8"?>
<AllImage>
  <Common>
    <btn>
      <Normal x="0" y="0" width="64" height="56"/>
      <On x="128" y="0" width="64" height="56"/>
      <Down x="0" y="64" width="64" height="56"/>
      <Disable x="128" y="64" width="64" height="56"/>
      <Hover x="130" y="2" width="40" height="40"/>
      <Bogus x="0" y="0" width="8" height="8"/>
    </btn>
    <half>
      <Normal x="128" y="0" width="32" height="32"/>
      <Hover x="128" y="0" width="16" height="16"/>
    </half>
    <empty/>
  </Common>
  <title>
    <line><Normal x="128" y="0" width="4" height="46"/></line>
  </title>
</AllImage>
)";
}

inline QByteArray colorXml(const QString &accent)
{
    return QStringLiteral(R"(<?xml version="1.0" encoding="UTF-8"?>
<Color>
  <Successful><BugReportColor color="#1a9c4a"/></Successful>
  <Main><Accent color="%1"/><Text color="#202020"/><Text color="#303030"/></Main>
  <Nothing/>
</Color>
)").arg(accent).toUtf8();
}

// Makes a skin root with the named skin folders (each with its own sheet
// colours) and the shared files.
struct SkinRoot {
    QTemporaryDir dir;
    QString path() const { return dir.path(); }

    void addSkin(const QString &name, const QColor &left, const QColor &right, const QString &accent)
    {
        writeSheet(path() + "/" + name + "/AllImage.png", left, right);
        writeFile(path() + "/" + name + "/Color.xml", colorXml(accent));
        writeFile(path() + "/" + name + "/Color.qss", "QWidget{}");
    }
    void addShared(const QByteArray &style = "QLabel{font-size:FONT_12px;}")
    {
        writeFile(path() + "/AllImage.xml", allImageXml());
        writeFile(path() + "/style.qss", style);
        writeFile(path() + "/Icon.qss", "QLabel{}");
    }
};

} // namespace skinfixture
