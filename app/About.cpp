#include "app/About.h"

#include <QCoreApplication>

QString programVersion() {
    return QStringLiteral(HYDROCALC_VERSION);
}

QString programTitle() {
    return QStringLiteral("Hydraulic calculator ") + programVersion();
}

QString shownProgramTitle() {
    return QCoreApplication::translate("About", "Hydraulic calculator %1").arg(programVersion());
}

QString projectPageUrl() {
    return QStringLiteral(HYDROCALC_PROJECT_URL);
}
