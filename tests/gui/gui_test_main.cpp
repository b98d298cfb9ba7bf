#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

// Window tests need one application object for the whole run; they run on the
// offscreen platform unless the caller asked for another. Whatever Qt or the
// program keeps in the user's folders (settings, dialogs' history, data) goes
// to a folder of this run, so the developer's own never reach a test and no
// test leaves anything behind.
int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QTemporaryDir userFolders;
    if (!userFolders.isValid()) {
        return 2;
    }
    for (const char* variable : {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_CACHE_HOME"}) {
        qputenv(variable,
                (userFolders.path() + QLatin1Char('/') + QString::fromLatin1(variable).toLower())
                    .toLocal8Bit());
    }
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    return RUN_ALL_TESTS();
}
