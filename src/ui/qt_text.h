// Text between the core (UTF-8 strings, local file names) and Qt (QString).
#pragma once

#include <QFile>
#include <QString>
#include <string>
#include <string_view>

namespace brevino::ui {

inline QString fromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string toUtf8(const QString& text) {
    return text.toUtf8().toStdString();
}

// A path as the file system holds it, shown; and back.
inline QString localPath(const std::string& path) {
    return QFile::decodeName(path.c_str());
}

inline std::string fromLocalPath(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace brevino::ui
