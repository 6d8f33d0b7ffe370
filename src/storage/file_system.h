#pragma once
// The operating-system calls the program makes on its files, behind one interface: the program
// uses the real file system, a test puts in one that fails the way a full disk, a read-only
// folder or a folder that vanished does, to check what the user is told and what is left on
// disk, and a fuzz target one that keeps every file in memory.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

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
    // Reads the whole file into `bytes`. 0, ENOENT when nothing is there, EFBIG when it holds
    // more than `maxBytes`, or the errno value of the step that failed (EISDIR for a folder).
    virtual int readFile(const std::filesystem::path& path, std::string& bytes,
                         std::size_t maxBytes);
    // Whether anything (a file, a folder, a link) is at `path`.
    virtual bool exists(const std::filesystem::path& path);
    // The names of the entries of `folder`; none when it is missing or cannot be read.
    virtual std::vector<std::string> folderNames(const std::filesystem::path& folder);
    // Creates `folder` and the folders above it that are missing; a failure shows later, when a
    // file is written there.
    virtual void createFolders(const std::filesystem::path& folder);
};

// The file system every read and save goes through: the real one, unless replaced.
FileSystem& currentFileSystem();

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
