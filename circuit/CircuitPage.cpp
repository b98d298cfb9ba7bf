#include "circuit/CircuitPage.h"

CircuitPage::CircuitPage(PageServices& services) : CalculatorPage(services) {
    setObjectName(QStringLiteral("tbProst"));
}

void CircuitPage::setPumpFlow(const QString&) {}

QString CircuitPage::operationLineDrop() const {
    return {};
}
