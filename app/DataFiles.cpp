#include "app/DataFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

QStringList dataFileCandidates(const QString& name, const QString& folder) {
    const QString relative = folder.isEmpty() ? name : folder + QLatin1Char('/') + name;
    return {
        QDir::current().filePath(name),
        QDir(QCoreApplication::applicationDirPath()).filePath(relative),
        QDir(QStringLiteral(HYDROCALC_DATA_DIR)).filePath(relative),
    };
}

QString findDataFile(const QString& name, const QString& folder) {
    for (const QString& candidate : dataFileCandidates(name, folder)) {
        if (QFileInfo(candidate).isFile()) {
            return candidate;
        }
    }
    return {};
}
