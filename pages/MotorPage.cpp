#include "pages/MotorPage.h"

MotorPage::MotorPage(PageServices& services) : CalculatorPage(services) {
    setObjectName(QStringLiteral("tdHidromotor"));
}
