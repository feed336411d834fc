#include "ui/components/display_path.h"

#include <QByteArray>
#include <QFile>

QString DisplayPath(const std::string& path)
{
    return QFile::decodeName(QByteArray::fromStdString(path));
}

std::string PathBytes(const QString& path)
{
    return QFile::encodeName(path).toStdString();
}

QString FileUrl(const std::string& path)
{
    // percent-encoding the raw bytes keeps names that are not UTF-8 intact
    return QString::fromLatin1("file://" + QByteArray::fromStdString(path).toPercentEncoding("/"));
}
