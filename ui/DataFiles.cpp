#include "ui/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList installedDataDirs() {
    QStringList dirs{
        QDir::cleanPath(QCoreApplication::applicationDirPath() +
                        QStringLiteral("/../share/hydrocalc")),
        QDir::cleanPath(QStringLiteral(HYDROCALC_DATA_DIR)),
    };
    dirs.removeDuplicates();
    return dirs;
}

QStringList dataFileCandidates(const QString& name, const QString& folder) {
    const QString relative = folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
    QStringList candidates{
        QDir::current().filePath(name),
        QDir(QCoreApplication::applicationDirPath()).filePath(relative),
    };
    for (const QString& dir : installedDataDirs()) {
        candidates << QDir(dir).filePath(relative);
    }
    return candidates;
}

QString findDataFile(const QString& name, const QString& folder) {
    for (const QString& candidate : dataFileCandidates(name, folder)) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}

QString dataFolder(const QString& folder) {
    QStringList dirs{QDir(QCoreApplication::applicationDirPath()).filePath(folder)};
    for (const QString& dir : installedDataDirs()) {
        dirs << QDir(dir).filePath(folder);
    }
    for (const QString& dir : dirs) {
        if (QFileInfo(dir).isDir()) {
            return dir;
        }
    }
    return QDir::currentPath();
}
