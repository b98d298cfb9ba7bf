#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "app/Uhidromotor.h"
#include "tests/support/QtPrinters.h"
#include "tests/support/ScriptedDesktop.h"
#include "ui/FieldAccess.h"

class MissingControl : public std::runtime_error {
  public:
    explicit MissingControl(const char* name)
        : std::runtime_error(std::string("no control named ") + name) {}
};

// The real main window, shown and activated on the offscreen platform, with
// a scripted desktop that records message boxes instead of showing them.
class MainWindowFixture : public ::testing::Test {
  protected:
    void SetUp() override { open({}); }

    // Opens a fresh window whose picture bundle is looked up in bundleDirs.
    void open(const QStringList& bundleDirs) {
        replaced.clear();
        window.reset();
        auto scripted = std::make_unique<ScriptedDesktop>();
        desktop = scripted.get();
        window = std::make_unique<TfrmKalvorMain>(nullptr, std::move(scripted));
        window->pictures().setSearchDirs(bundleDirs);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(window->activated());
    }

    // A control by name. A missing one fails and stops this test (the
    // exception ends the test body), not the whole test program.
    template <typename T>
    T* child(const char* name) {
        T* found = window->findChild<T*>(QString::fromLatin1(name));
        if (found == nullptr) {
            ADD_FAILURE() << "no control named " << name;
            throw MissingControl(name);
        }
        return found;
    }

    // Brings a page to the front, as a click on its tab does.
    void showPage(const char* name) {
        child<QTabWidget>("PageControl1")->setCurrentWidget(child<QWidget>(name));
    }

    // Puts a page the test made, with sources of its own, where the window's
    // page of the same name stands, started as the window starts its pages.
    // The window's own page leaves the window and lives on until the window
    // closes, so what the window wired to it still reaches it; lookups by
    // name find the test's page.
    template <typename Page>
    Page* replacePage(Page* replacement) {
        auto* tabs = child<QTabWidget>("PageControl1");
        QWidget* own = child<QWidget>(qPrintable(replacement->objectName()));
        const int index = tabs->indexOf(own);
        const bool current = tabs->currentIndex() == index;
        const QIcon icon = tabs->tabIcon(index);
        const QString caption = tabs->tabText(index);
        tabs->removeTab(index);
        own->setParent(nullptr);
        replaced.emplace_back(own);
        tabs->insertTab(index, replacement, icon, caption);
        if (current) {
            tabs->setCurrentIndex(index);
        }
        replacement->startUp();
        replacement->loadPictures();
        return replacement;
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

    std::unique_ptr<TfrmKalvorMain> window;
    ScriptedDesktop* desktop = nullptr;
    // The window's pages that replacePage took out, newest last; they go
    // before the window does.
    std::vector<std::unique_ptr<QWidget>> replaced;
};
