#pragma once

#include <QString>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>
#include <span>
#include <vector>

#include "ui/DigitKeyFilter.h"
#include "ui/PageServices.h"

// The window's services for a page tested on its own: it records messages,
// log reports and failures instead of showing them, and has no picture
// bundle. Tests set what the window would hold (logging, shared state,
// working fluid) directly.
class FakePageServices : public PageServices {
  public:
    struct Message {
        QString text;
        QString title;
        QString detail;
    };

    FakePageServices();

    void showMessage(const QString& text, const QString& caption,
                     const QString& detail = {}) override;
    bool writeCalculations() const override { return writes; }
    void appendToLog(const ReportLines& lines) override { log.push_back(lines); }
    DigitKeyFilter& keyFilter(KeyFilterKind kind) override;
    void resetEditColours() override;
    void markKnownFields(std::span<QWidget* const> fields) override;
    std::optional<QImage> picture(int, QSize) override { return std::nullopt; }
    // A dialog with no queued answer is cancelled.
    int runDialog(QDialog& dialog) override;
    SharedState& shared() override { return state; }
    WorkingFluidTexts workingFluid() const override { return fluid; }
    void reportFailure(const std::exception& failure) override;
    void reportUnknownFailure() override;

    // Every report appended, each line followed by a line break, as the
    // log page shows them.
    QString logText() const;

    // Whose tagged fields a mode change resets, as the window resets its own.
    QWidget* root = nullptr;
    bool writes = true;
    SharedState state;
    WorkingFluidTexts fluid{QStringLiteral("850"), QStringLiteral("32")};

    std::vector<Message> shown;
    // Answers for the next dialogs, in order.
    std::deque<std::function<int(QDialog&)>> dialogAnswers;
    std::vector<ReportLines> log;
    // The message of every failure that escaped a handler.
    std::vector<QString> failures;

  private:
    // The key filters live as long as the services, like the window's.
    std::unique_ptr<QObject> filterOwner_;
    DigitKeyFilter* decimalKeys_;
    DigitKeyFilter* wholeKeys_;
};
