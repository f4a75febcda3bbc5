#include <QFile>

#include "ui/SaveFile_qt.h"

bool SaveWholeFile(const std::string& path, const QByteArray& bytes) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    const bool written = file.write(bytes) == bytes.size() && file.flush();
    file.close();
    return written && file.error() == QFileDevice::NoError;
}
