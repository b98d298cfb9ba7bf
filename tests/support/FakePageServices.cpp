#include "tests/support/FakePageServices.h"

#include <QDialog>

#include "ui/FieldAccess.h"
#include "ui/FieldWidgets.h"

FakePageServices::FakePageServices()
    : filterOwner_(std::make_unique<QObject>()),
      decimalKeys_(new DigitKeyFilter(filterOwner_.get())),
      wholeKeys_(new DigitKeyFilter(filterOwner_.get())) {}

void FakePageServices::showMessage(const QString& text, const QString& caption,
                                   const QString& detail) {
    shown.push_back({text, caption, detail});
}

DigitKeyFilter& FakePageServices::keyFilter(KeyFilterKind kind) {
    return kind == KeyFilterKind::Whole ? *wholeKeys_ : *decimalKeys_;
}

void FakePageServices::resetEditColours() {
    if (root != nullptr) {
        resetTaggedEditColours(root);
    }
}

void FakePageServices::markKnownFields(std::span<QWidget* const> fields) {
    for (QWidget* field : fields) {
        setFieldColour(field, kKnownFieldColour);
    }
}

void FakePageServices::reportFailure(const std::exception& failure) {
    failures.push_back(QString::fromStdString(failure.what()));
}

void FakePageServices::reportUnknownFailure() {
    failures.push_back(QStringLiteral("unknown failure"));
}

QString FakePageServices::logText() const {
    QString text;
    for (const ReportLines& report : log) {
        for (const std::string& line : report) {
            text += QString::fromStdString(line) + QLatin1Char('\n');
        }
    }
    return text;
}

int FakePageServices::runDialog(QDialog& dialog) {
    if (dialogAnswers.empty()) {
        return QDialog::Rejected;
    }
    auto answer = std::move(dialogAnswers.front());
    dialogAnswers.pop_front();
    return answer(dialog);
}
