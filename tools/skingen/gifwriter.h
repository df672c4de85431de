#pragma once
// A small GIF89a writer for the skin's animations (Qt reads GIF but cannot
// write it). Pixels under half opacity become transparent.

#include <QImage>
#include <QList>
#include <QString>

bool writeGif(const QString &path, const QList<QImage> &frames, int delayCentiseconds, QString *error);
