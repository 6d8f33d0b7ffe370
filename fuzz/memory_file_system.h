#pragma once
// A file system held in memory: files and folders exist only in this object, so a fuzz target
// can let the program read, save, rename and list as it likes without touching the disk. Paths
// are taken in their lexically normal form; the errors are those the system gives for the same
// call.

#include <cerrno>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "storage/file_system.h"

namespace quorvel {

class MemoryFileSystem : public FileSystem {
  public:
    // Only `root` (and the folders above it) exist, holding `files` (name, bytes).
    void reset(const std::filesystem::path& root,
               std::initializer_list<std::pair<std::string, const std::string*>> files) {
        files_.clear();
        folders_.clear();
        createFolders(root);
        for (const auto& [name, bytes] : files)
            files_.emplace(Key(root / name), *bytes);
    }

    int writeNewFile(const std::filesystem::path& path, std::string_view bytes) override {
        const std::string key = Key(path);
        if (folders_.contains(key)) return EISDIR;
        if (!folders_.contains(Parent(key))) return ENOENT;
        files_[key] = bytes;
        return 0;
    }
    int rename(const std::filesystem::path& from, const std::filesystem::path& to) override {
        const auto file = files_.find(Key(from));
        const std::string target = Key(to);
        if (file == files_.end() || !folders_.contains(Parent(target))) return ENOENT;
        if (folders_.contains(target)) return EISDIR;
        if (file->first == target) return 0;
        files_[target] = std::move(file->second);
        files_.erase(file);
        return 0;
    }
    void remove(const std::filesystem::path& path) override { files_.erase(Key(path)); }
    int readFile(const std::filesystem::path& path, std::string& bytes,
                 std::size_t maxBytes) override {
        bytes.clear();
        const std::string key = Key(path);
        if (folders_.contains(key)) return EISDIR;
        const auto file = files_.find(key);
        if (file == files_.end()) return ENOENT;
        if (file->second.size() > maxBytes) return EFBIG;
        bytes = file->second;
        return 0;
    }
    // The bytes of the file at `path`, or nullptr when there is none.
    const std::string* contents(const std::filesystem::path& path) const {
        const auto file = files_.find(Key(path));
        return file == files_.end() ? nullptr : &file->second;
    }
    bool exists(const std::filesystem::path& path) override {
        const std::string key = Key(path);
        return files_.contains(key) || folders_.contains(key);
    }
    std::vector<std::string> folderNames(const std::filesystem::path& folder) override {
        const std::string key = Key(folder);
        std::vector<std::string> names;
        const auto add = [&](const std::string& entry) {
            if (entry != key && Parent(entry) == key)
                names.push_back(entry.substr(entry.find_last_of('/') + 1));
        };
        for (const auto& [entry, bytes] : files_)
            add(entry);
        for (const std::string& entry : folders_)
            add(entry);
        return names;
    }
    void createFolders(const std::filesystem::path& folder) override {
        for (std::string key = Key(folder); !key.empty() && !files_.contains(key);
             key = Parent(key)) {
            if (!folders_.insert(key).second || key == "/") break;
        }
    }

  private:
    // The lexically normal path without a separator at its end.
    static std::string Key(const std::filesystem::path& path) {
        std::string key = path.native();
        // Most paths the program builds are normal already; only those with "." or ".." parts
        // or doubled separators need the (costly) normal form.
        if (key.find("/.") != std::string::npos || key.find("//") != std::string::npos)
            key = path.lexically_normal().generic_string();
        if (key.size() > 1 && key.back() == '/') key.pop_back();
        return key;
    }
    static std::string Parent(const std::string& key) {
        const std::size_t slash = key.find_last_of('/');
        if (slash == std::string::npos) return "";
        return slash == 0 ? "/" : key.substr(0, slash);
    }

    std::map<std::string, std::string> files_;
    std::set<std::string> folders_;
};

}  // namespace quorvel
