#pragma once
// A file system that fails every save of one file the way the operating system can: no space left
// (after part of the file reached the disk), a read-only folder, permission denied, a refused
// rename, a folder that vanished. Other files save normally.

#include <cerrno>
#include <filesystem>
#include <string>
#include <string_view>
#include <utility>

#include "storage/file_system.h"

namespace quorvel::testing {

enum class Failure { NoSpace, ReadOnlyFolder, PermissionDenied, RenameRefused, FolderVanished };

// Each failure with the errno the system reports for it.
inline constexpr std::pair<Failure, int> kFailures[] = {
    {Failure::NoSpace, ENOSPC},          {Failure::ReadOnlyFolder, EROFS},
    {Failure::PermissionDenied, EACCES}, {Failure::RenameRefused, EPERM},
    {Failure::FolderVanished, ENOENT},
};

class FailingFileSystem : public FileSystem {
  public:
    FailingFileSystem(std::string file, Failure failure)
        : file_(std::move(file)), failure_(failure) {}

    int writeNewFile(const std::filesystem::path& path, std::string_view bytes) override {
        if (!concerns(path)) return FileSystem::writeNewFile(path, bytes);
        switch (failure_) {
            case Failure::NoSpace:  // part of the file reaches the disk
                FileSystem::writeNewFile(path, bytes.substr(0, bytes.size() / 2));
                return ENOSPC;
            case Failure::ReadOnlyFolder:
                return EROFS;
            case Failure::PermissionDenied:
                return EACCES;
            case Failure::FolderVanished:
                return ENOENT;
            case Failure::RenameRefused:
                break;
        }
        return FileSystem::writeNewFile(path, bytes);
    }
    int rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        if (concerns(to) && failure_ == Failure::RenameRefused) return EPERM;
        return FileSystem::rename(from, to);
    }

  private:
    // The file itself or a temporary file beside it (".name.tmp-...").
    bool concerns(const std::filesystem::path& path) const {
        const std::string name = path.filename().string();
        return name == file_ || name.starts_with("." + file_ + ".tmp");
    }
    std::string file_;
    Failure failure_;
};

}  // namespace quorvel::testing
