#pragma once

#include <gtest/gtest.h>

#include <QTest>
#include <memory>

#include "tests/support/FakePageServices.h"
#include "tests/support/WidgetDriver.h"

// One page on its own, as its own window, with fake services: for what a
// page does by itself. Links between pages are tried on the main window.
template <typename Page>
class PageFixture : public ::testing::Test, public WidgetDriver {
  protected:
    void SetUp() override {
        page = std::make_unique<Page>(services);
        services.root = page.get();
        page->resize(867, 440);
        page->show();
        page->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(page.get()));
        page->startUp();
        page->loadPictures();
    }

    QWidget* root() override { return page.get(); }

    FakePageServices services;
    std::unique_ptr<Page> page;
};
