#include "pages/LinePage.h"

LinePage::LinePage(PageServices& services) : CalculatorPage(services) {
    setObjectName(QStringLiteral("tsUsputni"));
}

LineTakeOver LinePage::takeOver() const {
    return {};
}
