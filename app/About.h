#pragma once

#include <QString>

// What the program says about itself: its name and version, for the log's
// heading, the printed header and the console, and the project's web page.
QString programVersion();
// "Hydraulic calculator 1.0", the same in every language: what files and
// the console name the program by.
QString programTitle();
// The title in the program's language, for what the user reads (the log's
// heading, the printed header).
QString shownProgramTitle();

// The project's web page, which the link of the bottom panel opens; empty
// while the project has no address (set at build time by
// HYDROCALC_PROJECT_URL), and the link then opens the manual's "About".
QString projectPageUrl();
