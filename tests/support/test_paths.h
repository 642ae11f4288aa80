#pragma once

#include <QDir>
#include <QString>

namespace kx {

// tests/fixtures and the shipped data folder of the source tree.
inline QString fixturePath(const QString& relative)
{
    return QDir(QStringLiteral(KX_FIXTURE_DIR)).filePath(relative);
}

inline QString dataPath(const QString& relative)
{
    return QDir(QStringLiteral(KX_DATA_DIR)).filePath(relative);
}

} // namespace kx
