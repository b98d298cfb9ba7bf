#include "pages/CylinderPage.h"

CylinderPage::CylinderPage(PageServices& services) : CalculatorPage(services) {
    setObjectName(QStringLiteral("tsHidrocilinder"));
}

CylinderDefinition CylinderPage::definition() const {
    return {};
}
