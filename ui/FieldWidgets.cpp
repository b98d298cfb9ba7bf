#include "ui/FieldWidgets.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSlider>
#include <QVariant>
#include <algorithm>

#include "ui/FieldAccess.h"

namespace {

constexpr const char* kTagProperty = "tag";
constexpr int kFieldHeight = 21;
constexpr int kSliderHeight = 28;

}  // namespace

QLabel* addCaption(QWidget* page, const QString& text, int left, int top, int width) {
    auto* label = new QLabel(text, page);
    label->adjustSize();
    label->move(left, top);
    if (width > 0) {
        label->resize(width, label->height());
    }
    return label;
}

void recaption(QLabel* caption, const QString& text) {
    caption->setText(text);
    caption->resize(std::max(caption->width(), caption->sizeHint().width()), caption->height());
}

QSlider* addSlider(QWidget* page, const char* name, int left, int top, int width, int minimum,
                   int maximum, int position, int tickFrequency) {
    auto* slider = new QSlider(Qt::Horizontal, page);
    slider->setObjectName(QString::fromLatin1(name));
    slider->setRange(minimum, maximum);
    slider->setValue(position);
    slider->setTickPosition(QSlider::TicksBelow);
    // Many ticks on a short slider would merge into a grey bar.
    const int span = maximum - minimum;
    int interval = tickFrequency;
    while (interval > 0 && span / interval > width / 4) {
        interval *= 10;
    }
    slider->setTickInterval(interval);
    slider->setSingleStep(1);
    slider->setPageStep(std::max(1, span / 10));
    // Sliders are not tab stops, but a click still takes the focus (and so
    // runs the exit of the field the user was in).
    slider->setFocusPolicy(Qt::ClickFocus);
    slider->setGeometry(left, top - 4, width, kSliderHeight);
    return slider;
}

QLineEdit* addEditField(QWidget* page, const char* name, int left, int top, int width, int tag) {
    auto* edit = new QLineEdit(page);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setProperty(kTagProperty, tag);
    edit->setGeometry(left, top - 3, width, kFieldHeight);
    return edit;
}

QComboBox* addComboField(QWidget* page, const char* name, int left, int top, int width, int tag,
                         const QStringList& items) {
    auto* combo = new QComboBox(page);
    combo->setObjectName(QString::fromLatin1(name));
    combo->setProperty(kTagProperty, tag);
    combo->setEditable(true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->addItems(items);
    combo->setCurrentIndex(-1);
    combo->setGeometry(left, top - 3, width, kFieldHeight);
    return combo;
}

QLabel* addValueLabel(QWidget* page, const char* name, int left, int top, int width) {
    auto* label = new QLabel(page);
    label->setObjectName(QString::fromLatin1(name));
    label->setGeometry(left, top - 3, width, kFieldHeight);
    return label;
}

QLabel* addRequiredMark(QWidget* page, int left, int top) {
    auto* mark = new QLabel(QStringLiteral("*"), page);
    mark->setStyleSheet(QStringLiteral("color: red; font-weight: bold;"));
    mark->setToolTip(QCoreApplication::translate("FieldWidgets", "Velicina mora biti zadata"));
    mark->adjustSize();
    mark->move(left, top);
    return mark;
}

int fieldTag(const QWidget* field) {
    return field->property(kTagProperty).toInt();
}

void resetTaggedEditColours(QWidget* root) {
    for (QLineEdit* edit : root->findChildren<QLineEdit*>()) {
        // Exactly the plain edit class: a combo box's inner edit is not a field.
        if (edit->metaObject() == &QLineEdit::staticMetaObject && fieldTag(edit) > 10) {
            setFieldColour(edit, windowColour());
        }
    }
}

QGroupBox* addRadioGroup(QWidget* parent, const char* name, const QString& title,
                         const QRect& geometry, const QStringList& items, QButtonGroup* buttons,
                         const RadioPlacement& placement) {
    auto* group = new QGroupBox(title, parent);
    group->setObjectName(QString::fromLatin1(name));
    group->setGeometry(geometry);
    for (int item = 0; item < items.size(); ++item) {
        auto* button = new QRadioButton(items.at(item), group);
        const bool sideBySide = placement.columnStep > 0;
        button->move(placement.left + (sideBySide ? item * placement.columnStep : 0),
                     placement.top + (sideBySide ? 0 : item * placement.rowStep));
        // As wide as its text: a click beside the text is no click on it.
        button->adjustSize();
        buttons->addButton(button, item);
    }
    return group;
}
