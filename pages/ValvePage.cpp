#include "pages/ValvePage.h"

ValvePage::ValvePage(PageServices& services) : CalculatorPage(services) {
    setObjectName(QStringLiteral("tsLokalni"));
}

std::optional<ValveTakeOver> ValvePage::takeOver() const {
    return std::nullopt;
}

QString ValvePage::dropText() const {
    return {};
}

void ValvePage::setFlowSliderMaximum(int) {}

void ValvePage::BitBtn10Click() {}
