#include "storage/file_system.h"

#include <cerrno>
#include <cstdio>
#include <system_error>

#if __has_include(<unistd.h>)
#include <unistd.h>
#define QUORVEL_HAVE_FSYNC 1
#endif

namespace quorvel {
namespace fs = std::filesystem;

namespace {

FileSystem realFileSystem;
FileSystem* current = &realFileSystem;

// The errno of a call that reported failure; never 0, so a failure is never taken for success.
int lastError() {
    return errno != 0 ? errno : EIO;
}

}  // namespace

int FileSystem::writeNewFile(const fs::path& path, std::string_view bytes) {
    errno = 0;
    std::FILE* out = std::fopen(path.string().c_str(), "wb");
    if (!out) return lastError();
    int failure = std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size() ? 0 : lastError();
    if (!failure && std::fflush(out) != 0) failure = lastError();
#ifdef QUORVEL_HAVE_FSYNC
    if (!failure && ::fsync(::fileno(out)) != 0) failure = lastError();
#endif
    if (std::fclose(out) != 0 && !failure) failure = lastError();
    return failure;
}

int FileSystem::rename(const fs::path& from, const fs::path& to) {
    std::error_code error;
    fs::rename(from, to, error);
    return error.value();
}

void FileSystem::remove(const fs::path& path) {
    std::error_code error;
    fs::remove(path, error);
}

int FileSystem::readFile(const fs::path& path, std::string& bytes, std::size_t maxBytes) {
    bytes.clear();
    errno = 0;
    std::FILE* in = std::fopen(path.string().c_str(), "rb");
    if (!in) return errno == ENOTDIR ? ENOENT : lastError();
    char buffer[65536];
    int failure = 0;
    while (!failure) {
        const std::size_t read = std::fread(buffer, 1, sizeof buffer, in);
        if (read == 0) {
            if (std::ferror(in)) failure = lastError();  // EISDIR for a folder
            break;
        }
        if (bytes.size() + read > maxBytes)
            failure = EFBIG;
        else
            bytes.append(buffer, read);
    }
    std::fclose(in);
    if (failure) bytes.clear();
    return failure;
}

bool FileSystem::exists(const fs::path& path) {
    std::error_code error;
    return fs::exists(fs::symlink_status(path, error));
}

std::vector<std::string> FileSystem::folderNames(const fs::path& folder) {
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error))
        names.push_back(it->path().filename().string());
    return names;
}

void FileSystem::createFolders(const fs::path& folder) {
    std::error_code ignored;
    fs::create_directories(folder, ignored);
}

FileSystem& currentFileSystem() {
    return *current;
}

FileSystemOverride::FileSystemOverride(FileSystem& replacement) : previous_(current) {
    current = &replacement;
}

FileSystemOverride::~FileSystemOverride() {
    current = previous_;
}

}  // namespace quorvel
