#include "ui/CalculatorPage.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <algorithm>
#include <cstdlib>
#include <vector>

#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/HandlerGuard.h"

namespace {

// Where a control stands on the page, for reading order.
QPoint placeOn(const QWidget* page, const QWidget* control) {
    return control->mapTo(page, QPoint(0, 0));
}

// Controls of one row stand a few pixels apart in height (a combo box is
// taller than an edit); they are read left to right.
constexpr int kSameRow = 8;

bool before(const QPoint& a, const QPoint& b) {
    return std::abs(a.y() - b.y()) > kSameRow ? a.y() < b.y() : a.x() < b.x();
}

}  // namespace

void CalculatorPage::setCalculateButton(QAbstractButton* button) {
    calculate_ = button;
}

void CalculatorPage::keepEnterFrom(QWidget* field) {
    enterKept_.push_back(field);
}

bool CalculatorPage::event(QEvent* event) {
    if (event->type() == QEvent::Polish) {
        runGuarded(services_, [this] { arrangeKeyboard(); });
    }
    return QWidget::event(event);
}

void CalculatorPage::arrangeKeyboard() {
    // Enter on a focused button presses it, as it does in a dialog.
    for (QPushButton* button : findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
    }
    // Tab follows the page from top to bottom: the page's blocks (a group, a
    // row's slider and field) by where they stand, and the controls inside a
    // block likewise.
    struct Stop {
        QPoint block;
        QPoint place;
        QWidget* control;
    };
    std::vector<Stop> stops;
    for (QWidget* control : findChildren<QWidget*>()) {
        // Menus and other windows of the page keep their own order.
        if (!(control->focusPolicy() & Qt::TabFocus) || control->focusProxy() != nullptr ||
            control->isWindow() || control->window() != window()) {
            continue;
        }
        QWidget* block = control;
        while (block->parentWidget() != this) {
            block = block->parentWidget();
        }
        stops.push_back({placeOn(this, block), placeOn(this, control), control});
    }
    std::stable_sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        if (a.block != b.block) {
            return before(a.block, b.block);
        }
        return before(a.place, b.place);
    });
    for (std::size_t i = 1; i < stops.size(); ++i) {
        setTabOrder(stops[i - 1].control, stops[i].control);
    }
}

void CalculatorPage::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    QWidget* focus = QApplication::focusWidget();
    if (!enter || calculate_ == nullptr || focus == nullptr || !isAncestorOf(focus)) {
        QWidget::keyPressEvent(event);
        return;
    }
    // A combo box's own edit stands for the combo box.
    QWidget* field = focus;
    if (auto* combo = qobject_cast<QComboBox*>(focus->parentWidget())) {
        field = combo;
    }
    const bool typed =
        qobject_cast<QLineEdit*>(focus) != nullptr || qobject_cast<QComboBox*>(field) != nullptr;
    if (!typed || std::find(enterKept_.begin(), enterKept_.end(), field) != enterKept_.end()) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
    runGuarded(services_, [this, field] {
        // The field's exit first, as when the user clicks the button. A text
        // it has just refused is for the user to correct before anything else.
        calculate_->setFocus(Qt::TabFocusReason);
        if (isRefused(field)) {
            return;
        }
        if (calculate_->isEnabled()) {
            calculate_->click();
        }
    });
}

void CalculatorPage::setResultsNote(const QString& note) {
    if (note.isEmpty()) {
        if (resultsNote_ != nullptr) {
            resultsNote_->hide();
        }
        return;
    }
    if (resultsNote_ == nullptr) {
        resultsNote_ = new QLabel(this);
        resultsNote_->setObjectName(QStringLiteral("lblResultsNote"));
        QPalette grey = resultsNote_->palette();
        grey.setColor(QPalette::WindowText, QColor(96, 96, 96));
        resultsNote_->setPalette(grey);
        QFont italic = resultsNote_->font();
        italic.setItalic(true);
        resultsNote_->setFont(italic);
        resultsNote_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    resultsNote_->setText(note);
    const int noteHeight = resultsNote_->sizeHint().height();
    const int noteWidth = std::min(resultsNote_->sizeHint().width() + 8, std::max(width(), 200));
    resultsNote_->setGeometry(std::max(width() - noteWidth - 4, 0), height() - noteHeight - 2,
                              noteWidth, noteHeight);
    resultsNote_->setToolTip(note);
    resultsNote_->raise();
    resultsNote_->show();
}

void CalculatorPage::setUnitSystem(units::UnitSystem system) {
    // The page owns its rows; the table is handed out read-only for designs.
    for (const FieldPairs* rows : quantityRows()) {
        const_cast<FieldPairs*>(rows)->setUnitSystem(system);
    }
}

std::optional<FieldFigure> CalculatorPage::plainFigure(const QWidget* field) const {
    return figureOf(fieldText(field));
}

void CalculatorPage::showPlainFigure(QWidget* field, const std::optional<FieldFigure>& figure) {
    setFieldText(field, figure ? textOf(*figure) : QString());
}
