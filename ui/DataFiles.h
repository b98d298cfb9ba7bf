#pragma once

#include <QString>
#include <QStringList>

// Where the program looks for the files it reads at run time (help, valve
// data): the working directory first, so a user's own copy wins, then beside
// the program, then the installed data folder. `folder` is the sub-folder
// the file lives in beside the program and in the data folder ("valves").
// The installed data folder: found from where the program is (so an install
// under any prefix works), then the folder the build was configured for.
QStringList installedDataDirs();

QStringList dataFileCandidates(const QString& name, const QString& folder = {});

// The first candidate that exists, or an empty text.
QString findDataFile(const QString& name, const QString& folder = {});

// The folder where `folder`'s files are kept ("valves"): beside the program,
// else in the installed data folder; the working directory when neither
// exists. Where a file dialog for them starts.
QString dataFolder(const QString& folder);
