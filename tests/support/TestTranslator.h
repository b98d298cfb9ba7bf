#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <map>
#include <utility>

// What a TestTranslator does with the texts its table lacks. (Outside the class, so that its
// defaults serve as a default argument of the class's constructor.)
struct TestTranslatorOptions {
    // Marked ("‹Flow Q›"), so that a test sees which texts went through the
    // translator and that the logic does not read them back.
    bool markOthers = false;
    // Only the texts of these contexts are marked; none named: every one's.
    QStringList markedContexts;
    // The mark names the context ("‹CircuitSketch/Pump›"), for texts whose
    // context is chosen at run time: one looked up in the wrong context
    // would go untranslated.
    bool markNamesContext = false;
};

// A language for tests, without a translation file: the (context, source)
// pairs of the table get their translation, the other texts none (they stay
// in the source's words) unless marked. Installed for as long as it lives.
class TestTranslator : public QTranslator {
  public:
    using Table = std::map<std::pair<QString, QString>, QString>;
    using Options = TestTranslatorOptions;

    explicit TestTranslator(Table table, Options options = {})
        : table_(std::move(table)), options_(std::move(options)) {
        QCoreApplication::installTranslator(this);
    }
    ~TestTranslator() override { QCoreApplication::removeTranslator(this); }
    TestTranslator(const TestTranslator&) = delete;
    TestTranslator& operator=(const TestTranslator&) = delete;

    // A text as the marking shows it.
    static QString mark(const QString& text) {
        return QStringLiteral("\u2039") + text + QStringLiteral("\u203A");
    }

    QString translate(const char* context, const char* source, const char* /*disambiguation*/,
                      int /*n*/) const override {
        const QString from = QString::fromUtf8(context);
        const QString text = QString::fromUtf8(source);
        const auto found = table_.find({from, text});
        if (found != table_.end()) {
            return found->second;
        }
        const bool marked =
            options_.markOthers && !text.isEmpty() &&
            (options_.markedContexts.isEmpty() || options_.markedContexts.contains(from));
        if (!marked) {
            return {};
        }
        return mark(options_.markNamesContext ? from + u'/' + text : text);
    }
    bool isEmpty() const override { return false; }

  private:
    Table table_;
    Options options_;
};
