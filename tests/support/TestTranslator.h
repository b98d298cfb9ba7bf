#pragma once

#include <QCoreApplication>
#include <QString>
#include <QTranslator>
#include <map>
#include <utility>

// A language for tests, without a translation file: the (context, source)
// pairs of the table get their translation, and with `markAll` every other
// text comes back marked ("‹Flow Q›"), so a test sees which texts went
// through the translator and that the logic does not read them back.
// Installed for as long as it lives.
class TestTranslator : public QTranslator {
  public:
    using Table = std::map<std::pair<QString, QString>, QString>;

    explicit TestTranslator(Table table, bool markAll = false)
        : table_(std::move(table)), markAll_(markAll) {
        QCoreApplication::installTranslator(this);
    }
    ~TestTranslator() override { QCoreApplication::removeTranslator(this); }
    TestTranslator(const TestTranslator&) = delete;
    TestTranslator& operator=(const TestTranslator&) = delete;

    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        const auto found = table_.find({QString::fromUtf8(context), QString::fromUtf8(source)});
        if (found != table_.end()) {
            return found->second;
        }
        if (markAll_ && source != nullptr && *source != '\0') {
            return QStringLiteral("\u2039") + QString::fromUtf8(source) + QStringLiteral("\u203A");
        }
        return {};
    }
    bool isEmpty() const override { return false; }

  private:
    Table table_;
    bool markAll_;
};
