#pragma once

#include <QByteArray>
#include <QString>
#include <map>
#include <optional>
#include <set>

#include "ui/PageState.h"

// A design: everything the user set up on the pages, the working fluid and
// the results log, as one document (a ".hcalc" file, JSON). Figures are
// numbers in the model's units. Reading checks the whole file into this
// plain value first; the window applies it only when it is sound.
struct WorkingFluidState {
    QString type;                            // the panel's fluid; empty: none chosen
    std::optional<FieldFigure> temperature;  // °C
    std::optional<FieldFigure> density;      // kg/m3
    std::optional<FieldFigure> viscosity;    // mm2/s
    bool operator==(const WorkingFluidState&) const = default;
};

struct DesignDocument {
    int formatMajor = 1;
    int formatMinor = 0;
    QString program;  // the program and version that wrote it
    QString units = QStringLiteral("metric");
    WorkingFluidState fluid;
    std::map<QString, PageState> pages;  // by the page's name
    QString log;
    bool operator==(const DesignDocument&) const = default;
};

// What the pages offer, for checking a file against: per page, each item
// choice with its number of items, and the names of its name choices.
struct PageOutline {
    std::map<QString, int> itemCounts;
    std::set<QString> names;
};
using DesignOutline = std::map<QString, PageOutline>;

inline constexpr int kDesignFormatMajor = 1;
inline constexpr int kDesignFormatMinor = 0;
// Far above any design with a long log; a larger file is not read at all.
inline constexpr qint64 kLargestDesignFile = 32 * 1024 * 1024;
inline constexpr char kDesignSuffix[] = "hcalc";

// The document as JSON; compact puts it on one line (the crash copy).
QByteArray designJson(const DesignDocument& document, bool compact = false);

struct DesignReading {
    std::optional<DesignDocument> document;
    QString problem;  // what is wrong and where; empty when sound
};
// Reads and checks a whole design. Pages, fields and choices the outline
// does not know are left out (a newer program's), keys it does not know
// are ignored.
DesignReading readDesignJson(const QByteArray& json, const DesignOutline& outline);
DesignReading readDesignFile(const QString& path, const DesignOutline& outline);

// Writes the document whole or not at all: a failure leaves an old file as
// it was. Returns why it failed, empty on success.
QString writeDesignFile(const QString& path, const DesignDocument& document);

// The valve data files a design names that cannot be found; they are taken
// out of the document (with the valve chosen from them), so that the rest
// opens.
QStringList takeOutMissingValveFiles(DesignDocument& document);
