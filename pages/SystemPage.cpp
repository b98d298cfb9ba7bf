#include "pages/SystemPage.h"

#include <QTabWidget>
#include <QVBoxLayout>

#include "pages/SystemAccumulatorPage.h"
#include "pages/SystemCompressPage.h"
#include "pages/SystemHeatPage.h"
#include "pages/SystemLineSizingPage.h"
#include "pages/SystemOrificePage.h"
#include "ui/HandlerGuard.h"

SystemPage::SystemPage(PageServices& services, Sources sources) : CalculatorPage(services) {
    setObjectName(QStringLiteral("tsSystem"));
    if (!sources.pumpFlow) {
        sources.pumpFlow = [] { return std::optional<double>(); };
    }
    if (!sources.circuitLoss) {
        sources.circuitLoss = [] { return std::optional<double>(); };
    }
    if (!sources.cylinder) {
        sources.cylinder = [] { return CylinderDefinition{}; };
    }
    pgcSystem = new QTabWidget(this);
    pgcSystem->setObjectName(QStringLiteral("pgcSystem"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->addWidget(pgcSystem);

    accumulator_ = new SystemAccumulatorPage(services);
    heat_ = new SystemHeatPage(services, sources.circuitLoss);
    orifice_ = new SystemOrificePage(services);
    compress_ = new SystemCompressPage(services, sources.cylinder);
    lineSizing_ = new SystemLineSizingPage(services, sources.pumpFlow);
    pgcSystem->addTab(accumulator_, tr("Accumulator"));
    pgcSystem->addTab(heat_, tr("Heat balance"));
    pgcSystem->addTab(orifice_, tr("Orifice"));
    pgcSystem->addTab(compress_, tr("Compressibility"));
    pgcSystem->addTab(lineSizing_, tr("Line sizing"));

    connectGuarded(lineSizing_, &SystemLineSizingPage::lineSizeChosen, this, services_,
                   [this](const LineSizeTakeOver& line) { emit lineSizeChosen(line); });
}

std::vector<CalculatorPage*> SystemPage::calculators() const {
    return {accumulator_, heat_, orifice_, compress_, lineSizing_};
}

std::vector<PageChoice> SystemPage::choices() {
    return {{.name = QStringLiteral("pgcSystem"),
             .count = pgcSystem->count(),
             .item = [this] { return pgcSystem->currentIndex(); },
             .setItem =
                 [this](int item) {
                     if (item >= 0) {
                         pgcSystem->setCurrentIndex(item);
                     }
                 }}};
}

QString SystemPage::manualSection() const {
    if (const auto* calculator =
            qobject_cast<const SystemCalculator*>(pgcSystem->currentWidget())) {
        return calculator->manualSection();
    }
    return QStringLiteral("system");
}

void SystemPage::setUnitSystem(units::UnitSystem system) {
    CalculatorPage::setUnitSystem(system);
    for (CalculatorPage* calculator : std::initializer_list<CalculatorPage*>{
             accumulator_, heat_, orifice_, compress_, lineSizing_}) {
        calculator->setUnitSystem(system);
    }
}
