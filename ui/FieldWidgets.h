#pragma once

#include <QRect>
#include <QStringList>

class QButtonGroup;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QSlider;
class QWidget;

// Builders for the controls of the calculator pages, placed at fixed
// positions like the rest of the window. A field's tag (0 for none) tells the
// colour reset which fields belong to the calculator pages.
QLabel* addCaption(QWidget* page, const QString& text, int left, int top, int width = -1);
// A caption's new text (another unit), the label widened where it needs more.
void recaption(QLabel* caption, const QString& text);
QSlider* addSlider(QWidget* page, const char* name, int left, int top, int width, int minimum,
                   int maximum, int position, int tickFrequency);
QLineEdit* addEditField(QWidget* page, const char* name, int left, int top, int width, int tag);
QComboBox* addComboField(QWidget* page, const char* name, int left, int top, int width, int tag,
                         const QStringList& items);
// A label that shows a pair's value where the user cannot type it.
QLabel* addValueLabel(QWidget* page, const char* name, int left, int top, int width);
// A red asterisk whose hint tells the user the value must be given.
QLabel* addRequiredMark(QWidget* page, int left, int top);

int fieldTag(const QWidget* field);

// Gives every tagged edit field of the calculator pages below root the
// window colour again (the fields whose tag is above 10).
void resetTaggedEditColours(QWidget* root);

// Where the items of a radio group stand inside it: from (left, top), one row
// every rowStep pixels, or side by side every columnStep pixels.
struct RadioPlacement {
    int left = 8;
    int top = 18;
    int rowStep = 20;
    int columnStep = 0;  // 0: one column
};

// A radio group: a group box with one radio button per item, in item order,
// each button's id its item index in `buttons`. No item is checked.
QGroupBox* addRadioGroup(QWidget* parent, const char* name, const QString& title,
                         const QRect& geometry, const QStringList& items, QButtonGroup* buttons,
                         const RadioPlacement& placement = {});
