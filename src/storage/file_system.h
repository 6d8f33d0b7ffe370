#pragma once
// The operating-system calls a save makes, behind one interface: the program uses the real file
// system, and a test puts in one that fails the way a full disk, a read-only folder or a folder
// that vanished does, to check what the user is told and what is left on disk.

#include <filesystem>
#include <string_view>

namespace quorvel {

class FileSystem {
  public:
    virtual ~FileSystem() = default;
    // Creates the file at `path` holding `bytes`, flushed to disk. 0, or the errno value of the
    // step that failed; a failed write may leave a partial file behind.
    virtual int writeNewFile(const std::filesystem::path& path, std::string_view bytes);
    // Renames `from` to `to`, replacing `to`. 0 or the errno value.
    virtual int rename(const std::filesystem::path& from, const std::filesystem::path& to);
    // Removes the file if it is there.
    virtual void remove(const std::filesystem::path& path);
};

// The file system every save goes through: the real one, unless a test has replaced it.
FileSystem& CurrentFileSystem();

// Puts `replacement` in place of the current file system for the object's lifetime.
class FileSystemOverride {
  public:
    explicit FileSystemOverride(FileSystem& replacement);
    ~FileSystemOverride();
    FileSystemOverride(const FileSystemOverride&) = delete;
    FileSystemOverride& operator=(const FileSystemOverride&) = delete;

  private:
    FileSystem* previous_;
};

}  // namespace quorvel
