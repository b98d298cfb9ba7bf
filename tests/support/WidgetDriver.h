#pragma once

#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <stdexcept>
#include <string>

#include "tests/support/QtPrinters.h"
#include "ui/FieldAccess.h"

class MissingControl : public std::runtime_error {
  public:
    explicit MissingControl(const char* name)
        : std::runtime_error(std::string("no control named ") + name) {}
};

// Finds controls by name below a root widget and drives them as a user
// would. The main-window fixture and the single-page fixture share it.
class WidgetDriver {
  public:
    virtual ~WidgetDriver() = default;

  protected:
    virtual QWidget* root() = 0;

    // A control by name. A missing one fails and stops this test (the
    // exception ends the test body), not the whole test program.
    template <typename T>
    T* child(const char* name) {
        T* found = root()->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            ADD_FAILURE() << "no control named " << name;
            throw MissingControl(name);
        }
        return found;
    }

    QWidget* field(const char* name) { return child<QWidget>(name); }
    QString text(const char* name) { return fieldText(field(name)); }

    // Types into a field as a user would: focus, select all, type the keys.
    void type(const char* name, const QString& keys) {
        QWidget* target = field(name);
        target->setFocus();
        if (auto* combo = qobject_cast<QComboBox*>(target)) {
            combo->lineEdit()->selectAll();
        } else if (auto* edit = qobject_cast<QLineEdit*>(target)) {
            edit->selectAll();
        }
        QTest::keyClicks(target, keys);
    }

    // Leaving the field runs its exit.
    void leave(const char* name) { field(name)->clearFocus(); }

    void typeAndLeave(const char* name, const QString& keys) {
        type(name, keys);
        leave(name);
    }

    void click(const char* name) { QTest::mouseClick(child<QWidget>(name), Qt::LeftButton); }

    // A group's radio button, clicked on its indicator as a user clicks it.
    void choose(const char* group, int item) {
        const auto buttons = child<QGroupBox>(group)->findChildren<QRadioButton*>();
        ASSERT_GT(buttons.size(), item);
        QTest::mouseClick(buttons.at(item), Qt::LeftButton, {},
                          QPoint(6, buttons.at(item)->height() / 2));
        ASSERT_TRUE(buttons.at(item)->isChecked()) << group << " " << item;
    }
};
