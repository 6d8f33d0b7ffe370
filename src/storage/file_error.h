#pragma once
// How storage reports a failed file operation: the file it concerned and what went wrong, so the
// caller can tell the user (the program shows it in red on the message line).

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <variant>

namespace quorvel {

struct FileError {
    std::filesystem::path file;
    std::string action;  // "save" or "read"
    std::string reason;  // what the system said

    // One line for the message area, e.g. "Could not save type3.pxz (No space left on device)".
    std::string message() const {
        return "Could not " + action + " " + file.filename().string() + " (" + reason + ")";
    }
};

// The outcome of a file operation: empty (nullopt) when it succeeded, else the failure. A caller
// that drops it loses the failure, so the compiler warns when one is dropped.
class [[nodiscard]] FileStatus : public std::optional<FileError> {
  public:
    using std::optional<FileError>::optional;
    FileStatus(std::optional<FileError> status) : std::optional<FileError>(std::move(status)) {}
};

// A value or the FileError that prevented it; never dropped unread.
template <class T>
class [[nodiscard]] Result {
  public:
    Result(T value) : state_(std::move(value)) {}
    Result(FileError error) : state_(std::move(error)) {}

    bool ok() const { return std::holds_alternative<T>(state_); }
    explicit operator bool() const { return ok(); }
    T& value() { return std::get<T>(state_); }
    const T& value() const { return std::get<T>(state_); }
    const FileError& error() const { return std::get<FileError>(state_); }

  private:
    std::variant<T, FileError> state_;
};

}  // namespace quorvel
