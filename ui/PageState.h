#pragma once

#include <QString>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class CalculatorPage;
class FieldPairs;
class QWidget;

// A figure of a field as a number in the model's units, with the decimals
// the field showed it with, so that it comes back as it was shown. Blank
// fields and texts that are no number have no figure.
struct FieldFigure {
    double value = 0.0;
    int decimals = -1;  // -1: as many as the number needs
    bool operator==(const FieldFigure&) const = default;
};

// A choice a page offers: a radio group, a list, a check box (0 or 1), or
// a name (a valve type, a valve of its data file). Read and applied
// through the page's own functions, so applying one runs the page's own
// handlers as a click would.
struct PageChoice {
    QString name;
    // An item choice is -1 (none) .. count - 1; a name choice has count 0.
    int count = 0;
    std::function<int()> item;
    std::function<void(int)> setItem;
    std::function<QString()> text;
    std::function<void(const QString&)> setText;
    bool isName() const { return count == 0; }
};

// Everything of one page that a design keeps: its fields by name, its
// choices by name, the figures of its last calculation that are not in a
// field, and when that calculation was made.
struct PageState {
    std::map<QString, std::optional<FieldFigure>> fields;
    // Slider positions by the slider's name: a field without an exit may
    // stand apart from its slider.
    std::map<QString, int> sliders;
    std::map<QString, int> items;
    std::map<QString, QString> names;
    std::map<QString, double> results;
    QString computed;  // ISO 8601 date and time; empty: not calculated
    // Nothing that the results follow from has changed since.
    bool current = false;
    bool operator==(const PageState&) const = default;
};

// The figure of a field's text; nothing for a blank text or one that is no number.
std::optional<FieldFigure> figureOf(const QString& text);
// The text a figure is shown with.
QString textOf(const FieldFigure& figure);

// A page's state, read through its quantity rows, its other fields, its
// choices and its results.
PageState capturePage(CalculatorPage& page);
// Puts a state on the page: the choices first (a new mode resets the
// fields), then every field the state names (each row's slider follows its
// field), then the results. Fields and choices the state does not name are
// left as they are.
void applyPage(CalculatorPage& page, const PageState& state);
