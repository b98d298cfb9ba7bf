#include "ui/PageState.h"

#include <QComboBox>
#include <QSlider>
#include <QWidget>
#include <algorithm>
#include <cmath>

#include "model/faults.h"
#include "ui/CalculatorPage.h"
#include "ui/FieldAccess.h"
#include "ui/FieldPairs.h"
#include "ui/NumberText.h"

namespace {

// The decimals a text shows its number with: the digits after its point;
// a text with an exponent or a comma is shown back plainly.
int decimalsOf(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.contains(QLatin1Char('e'), Qt::CaseInsensitive) ||
        trimmed.contains(QLatin1Char(','))) {
        return -1;
    }
    const qsizetype point = trimmed.indexOf(QLatin1Char('.'));
    return point < 0 ? 0 : static_cast<int>(trimmed.size() - point - 1);
}

template <typename Visit>
void forEachField(CalculatorPage& page, Visit visit) {
    for (const FieldPairs* rows : page.quantityRows()) {
        for (int index = 0; index < rows->count(); ++index) {
            const QuantityPair& pair = rows->pair(index);
            if (pair.field != nullptr && !pair.field->objectName().isEmpty()) {
                visit(pair.field, &pair);
            }
        }
    }
    for (QWidget* field : page.plainFields()) {
        visit(field, nullptr);
    }
}

// A combo box whose text is one of its items shows that item chosen, as a
// choice from its list would; any other text stands alone.
void restoreText(QWidget* field, const QString& text) {
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        const int item = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
        combo->setCurrentIndex(item);
        if (item < 0) {
            combo->setEditText(text);
        }
        return;
    }
    setFieldText(field, text);
}

}  // namespace

std::optional<FieldFigure> figureOf(const QString& text) {
    try {
        const std::optional<double> value = readOptionalNumber(text);
        if (!value || !std::isfinite(*value)) {
            return std::nullopt;
        }
        return FieldFigure{*value, decimalsOf(text)};
    } catch (const ConversionError&) {
        return std::nullopt;
    }
}

QString textOf(const FieldFigure& figure) {
    if (figure.decimals < 0) {
        return QString::number(figure.value, 'g', 15);
    }
    return QString::number(figure.value, 'f', figure.decimals);
}

PageState capturePage(CalculatorPage& page) {
    PageState state;
    forEachField(page, [&state, &page](QWidget* field, const QuantityPair* pair) {
        std::optional<FieldFigure> figure =
            pair != nullptr ? figureOf(fieldText(field)) : page.plainFigure(field);
        if (pair != nullptr && !pair->showsModelUnit()) {
            // A design keeps model figures whatever the pages show; the
            // slider's position is the one the figure has in the model unit.
            if (figure) {
                // The value a unit switch wrote the text from, or the text's
                // figure converted to the six digits a shown figure has.
                const double value =
                    pair->switchedValue && pair->switchedText == fieldText(field)
                        ? *pair->switchedValue
                        : QString::number(
                              units::toModel(figure->value, pair->row.quantity, pair->system), 'g',
                              6)
                              .toDouble();
                figure = FieldFigure{value, -1};
            }
            if (pair->slider != nullptr) {
                const SliderPart& part = pair->row.slider;
                const double shown = pair->slider->value() * pair->sliderScale;
                const long double position = sliderPositionFor(
                    figure ? figure->value
                           : units::toModel(shown, pair->row.quantity, pair->system),
                    part.scale);
                state.sliders[pair->slider->objectName()] = static_cast<int>(
                    std::clamp(std::trunc(position), static_cast<long double>(part.minimum),
                               static_cast<long double>(part.maximum)));
            }
            state.fields[field->objectName()] = figure;
            return;
        }
        state.fields[field->objectName()] = figure;
        if (pair != nullptr && pair->slider != nullptr) {
            state.sliders[pair->slider->objectName()] = pair->slider->value();
        }
    });
    for (const PageChoice& choice : page.choices()) {
        if (choice.isName()) {
            state.names[choice.name] = choice.text();
        } else {
            state.items[choice.name] = choice.item();
        }
    }
    page.saveResults(state);
    return state;
}

void applyPage(CalculatorPage& page, const PageState& state) {
    for (const PageChoice& choice : page.choices()) {
        if (choice.isName()) {
            if (const auto found = state.names.find(choice.name); found != state.names.end()) {
                choice.setText(found->second);
            }
        } else if (const auto found = state.items.find(choice.name); found != state.items.end()) {
            choice.setItem(found->second);
        }
    }
    forEachField(page, [&state, &page](QWidget* field, const QuantityPair* pair) {
        const auto found = state.fields.find(field->objectName());
        if (pair == nullptr) {
            if (found != state.fields.end()) {
                page.showPlainFigure(field, found->second);
            }
            return;
        }
        if (!pair->showsModelUnit()) {
            // Model figures shown in the pair's unit; the slider follows them.
            const std::optional<FieldFigure> figure =
                found != state.fields.end() ? found->second : std::nullopt;
            if (figure) {
                FieldPairs::showResult(*pair, figure->value,
                                       QString::number(figure->value, 'f', 2));
                setFieldText(field, FieldPairs::shownText(*pair, figure->value));
            } else if (found != state.fields.end()) {
                setFieldText(field, QString());
            }
            return;
        }
        QSlider* slider = pair != nullptr ? pair->slider : nullptr;
        const auto position =
            slider != nullptr ? state.sliders.find(slider->objectName()) : state.sliders.end();
        // The slider first: its change writes its own format, which the
        // field's figure then replaces.
        if (slider != nullptr && position != state.sliders.end()) {
            slider->setValue(position->second);
        } else if (pair != nullptr && found != state.fields.end() && found->second) {
            moveSlider(slider, sliderPositionFor(found->second->value, pair->row.slider.scale));
        }
        if (found != state.fields.end()) {
            restoreText(field, found->second ? textOf(*found->second) : QString());
        }
    });
    page.restoreResults(state);
}
