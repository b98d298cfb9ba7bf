#pragma once

#include <QStringList>

class QComboBox;
class QLabel;
class QLineEdit;
class QSlider;
class QWidget;

// Builders for the controls of the calculator pages, placed at fixed
// positions like the rest of the window. A field's tag (0 for none) tells the
// colour reset which fields belong to the calculator pages.
QLabel* addCaption(QWidget* page, const QString& text, int left, int top, int width = -1);
QSlider* addSlider(QWidget* page, const char* name, int left, int top, int width, int minimum,
                   int maximum, int position, int tickFrequency);
QLineEdit* addEditField(QWidget* page, const char* name, int left, int top, int width, int tag);
QComboBox* addComboField(QWidget* page, const char* name, int left, int top, int width, int tag,
                         const QStringList& items);
// A label that shows a pair's value where the user cannot type it.
QLabel* addValueLabel(QWidget* page, const char* name, int left, int top, int width);
// A red asterisk that tells the user the value must be given.
QLabel* addRequiredMark(QWidget* page, const QString& hint, int left, int top);

int fieldTag(const QWidget* field);
