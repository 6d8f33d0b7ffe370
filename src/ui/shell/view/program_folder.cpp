#include "ui/shell/view/program_folder.h"

#include <QDir>
#include <QFile>
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

QStringList shippedDataFiles() {
    return {QStringLiteral("type3.pxz"), QStringLiteral("type5.pxz"),
            QStringLiteral("sudokuhelp.pxz")};
}

void seedMissingFiles(const QString& sourceFolder, const QString& targetFolder) {
    const QDir source(sourceFolder);
    const QDir target(targetFolder);
    for (const QString& name : shippedDataFiles()) {
        const QString from = source.filePath(name);
        const QString to = target.filePath(name);
        if (QFileInfo::exists(from) && !QFileInfo::exists(to)) QFile::copy(from, to);
    }
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
