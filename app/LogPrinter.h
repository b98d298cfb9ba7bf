#pragma once

#include <QCoreApplication>
#include <QString>
#include <functional>

class QPrinter;
class QTextDocument;
class QFont;

// Prints a plain-text document page by page: a header (the program and the
// date) and "Page n of m" on every page. Lays out one block at a time, so a
// log of millions of characters never stalls in one long layout and the
// caller can show progress and stop after any page.
class LogPrinter {
    Q_DECLARE_TR_FUNCTIONS(LogPrinter)

  public:
    // How far the printing is, in thousandths; false stops it.
    using Progress = std::function<bool(int permille)>;

    LogPrinter(QString header, QString date, const QFont& font);

    enum class Outcome { Printed, Cancelled, Failed };
    // Honours the page range the print dialog set. Failed: the printer
    // could not be opened or reported an error.
    Outcome print(const QTextDocument& document, QPrinter& printer, const Progress& progress);

  private:
    QString header_;
    QString date_;
    QString family_;
    qreal pointSize_;
};
