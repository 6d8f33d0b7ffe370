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

// nullopt when the operation succeeded.
using FileStatus = std::optional<FileError>;

// A value or the FileError that prevented it.
template <class T>
class Result {
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
