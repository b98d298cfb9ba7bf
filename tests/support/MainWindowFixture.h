#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <memory>

#include "app/Uhidromotor.h"
#include "tests/support/ScriptedDesktop.h"
#include "tests/support/WidgetDriver.h"

// The real main window, shown and activated on the offscreen platform, with
// a scripted desktop that records message boxes instead of showing them.
class MainWindowFixture : public ::testing::Test, public WidgetDriver {
  protected:
    void SetUp() override { open({}); }

    // Opens a fresh window whose picture bundle is looked up in bundleDirs.
    void open(const QStringList& bundleDirs) {
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

    // Brings a page to the front, as a click on its tab does.
    void showPage(const char* name) {
        child<QTabWidget>("PageControl1")->setCurrentWidget(child<QWidget>(name));
    }

    QWidget* root() override { return window.get(); }

    std::unique_ptr<TfrmKalvorMain> window;
    ScriptedDesktop* desktop = nullptr;
};
