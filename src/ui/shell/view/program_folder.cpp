#include "ui/shell/view/program_folder.h"

#include "storage/shipped_files.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryFile>

namespace quorvel::view {
namespace {

// Permission bits say little on some file systems; a real write attempt settles it.
bool canWriteIn(const QString& folder) {
    if (!QFileInfo(folder).isDir()) return false;
    QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".write-test-XXXXXX")));
    return probe.open();
}

}  // namespace

void seedMissingFiles(const QString& sourceFolder, const QString& targetFolder) {
    // A file that cannot be copied stays missing; the program reports it when it needs it.
    SeedMissingDataFiles(sourceFolder.toStdString(), targetFolder.toStdString());
}

QString chooseProgramFolder(const QString& executableFolder, const QString& userFolder) {
    if (canWriteIn(executableFolder)) return QDir(executableFolder).absolutePath();
    if (userFolder.isEmpty() || !QDir().mkpath(userFolder) || !canWriteIn(userFolder)) {
        return QDir(executableFolder).absolutePath();
    }
    seedMissingFiles(executableFolder, userFolder);
    return QDir(userFolder).absolutePath();
}

}  // namespace quorvel::view
