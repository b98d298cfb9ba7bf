#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTabWidget>
#include <QTest>
#include <memory>
#include <vector>

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
        replaced.clear();
        window.reset();
        auto scripted = std::make_unique<ScriptedDesktop>();
        desktop = scripted.get();
        window = std::make_unique<TfrmKalvorMain>(nullptr, std::move(scripted));
        // Every page made and started as the window starts, so a test reaches
        // any control; tests of the pages' making ask for it themselves.
        if (buildEveryPage) {
            window->buildEveryPage();
        }
        window->pictures().setSearchDirs(bundleDirs);
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
        ASSERT_TRUE(window->activated());
        ASSERT_TRUE(QTest::qWaitFor([this] { return !window->picturesPending(); }));
    }

    // Brings a page to the front, as a click on its tab does.
    void showPage(const char* name) {
        child<QTabWidget>("PageControl1")->setCurrentWidget(child<QWidget>(name));
    }

    // A field of the circuit page double-clicked: the component last
    // calculated on its page taken over.
    void takeOver(const char* field) {
        showPage("tbProst");
        QTest::mouseDClick(child<QWidget>(field), Qt::LeftButton);
    }

    QWidget* root() override { return window.get(); }

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

    std::unique_ptr<TfrmKalvorMain> window;
    ScriptedDesktop* desktop = nullptr;
    bool buildEveryPage = true;
    // The window's pages that replacePage took out, newest last; they go
    // before the window does.
    std::vector<std::unique_ptr<QWidget>> replaced;
};
