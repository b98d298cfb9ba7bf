#pragma once

#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>
#include <memory>
#include <vector>

// The program's own texts in each language it speaks. What earlier runs
// wrote into the log (restored after a crash, kept in a design) may be in
// any of them: reading it back has to know the words of every one.
class EveryLanguage {
  public:
    // One language's words for a text of the program.
    using Words = std::function<QString(const char* context, const char* source)>;

    // The running language, the words of the source, and each translation
    // given (a text a translation lacks stays in the source's words).
    explicit EveryLanguage(std::vector<std::unique_ptr<QTranslator>> translations);
    ~EveryLanguage();
    EveryLanguage(const EveryLanguage&) = delete;
    EveryLanguage& operator=(const EveryLanguage&) = delete;

    // The running language first.
    const std::vector<Words>& languages() const { return languages_; }
    const Words& running() const { return languages_.front(); }
    // The text in every language, each spelling once, the running one first.
    QStringList texts(const char* context, const char* source) const;

  private:
    std::vector<std::unique_ptr<QTranslator>> translations_;
    std::vector<Words> languages_;
};

// Every translation the program ships, loaded.
std::vector<std::unique_ptr<QTranslator>> shippedTranslations();
