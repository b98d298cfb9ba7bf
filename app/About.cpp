#include "app/About.h"

QString programVersion() {
    return QStringLiteral(HYDROCALC_VERSION);
}

QString programTitle() {
    return QStringLiteral("Hydraulic calculator ") + programVersion();
}

QString projectPageUrl() {
    return QStringLiteral(HYDROCALC_PROJECT_URL);
}
