#pragma once
// The program's core over the real Qt Host, in a temporary program folder, with the main window
// loaded and activated as the splash window's hand-over leaves it.

#include "application/composition/application.h"
#include "views/shell/qt_host.h"

#include <QTemporaryDir>

#include <memory>

namespace quorvel::view::testing {

struct LoadedProgram {
    LoadedProgram() : application(host, folder.path().toStdString()) {
        application.mainWindow().loadSettings();
        application.mainWindow().load();
        application.mainWindow().activate();
    }
    MainWindow& main() { return application.mainWindow(); }

    QTemporaryDir folder;
    QtHost host;
    Application application;
};

}  // namespace quorvel::view::testing
