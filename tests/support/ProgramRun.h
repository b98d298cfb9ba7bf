#pragma once

#include <QTextEdit>
#include <memory>

#include "app/Uhidromotor.h"
#include "tests/support/ScriptedDesktop.h"

// A run of the program with every page made, its settings and files in home:
// a test that plays several runs gives them the same home; without one, the
// run has a home of its own. Not shown until the test starts it.
struct ProgramRun {
    explicit ProgramRun(const QString& home = {}) {
        auto scripted = std::make_unique<ScriptedDesktop>();
        if (!home.isEmpty()) {
            scripted->home = home;
        }
        desktop = scripted.get();
        window = std::make_unique<TfrmKalvorMain>(nullptr, std::move(scripted));
        window->buildEveryPage();
        window->pictures().setSearchDirs({});
    }
    void start() {
        window->show();
        window->beginSession();
    }
    template <typename T>
    T* child(const char* name) {
        return window->findChild<T*>(QString::fromLatin1(name));
    }
    QString log() { return child<QTextEdit>("RichEdit1")->toPlainText(); }

    std::unique_ptr<TfrmKalvorMain> window;
    ScriptedDesktop* desktop = nullptr;
};
