// quorvel-tool scramble / unscramble: convert between a plain text and a scrambled data file.
//   scramble [--crlf] FILE   prints the data file for FILE's bytes (scrambled, then CR LF);
//                            --crlf first turns bare LF line ends into CR LF
//   unscramble FILE          prints the plain text of the data file FILE

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "programs/tool/command_registry.h"
#include "storage/data_file.h"
#include "storage/scramble.h"

namespace quorvel::tool {
namespace {

std::optional<std::string> readArgumentFile(const std::string& name, const char* command) {
    std::optional<std::string> bytes = readFileBytes(name);
    if (!bytes) std::cerr << "quorvel-tool " << command << ": cannot read '" << name << "'\n";
    return bytes;
}

std::string withCrLf(const std::string& text) {
    std::string result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) result += '\r';
        result += text[i];
    }
    return result;
}

int runScramble(const std::vector<std::string>& args) {
    const bool crlf = !args.empty() && args[0] == "--crlf";
    if (args.size() != (crlf ? 2u : 1u)) {
        std::cerr << "usage: quorvel-tool scramble [--crlf] FILE\n";
        return kUsageError;
    }
    const std::optional<std::string> bytes = readArgumentFile(args.back(), "scramble");
    if (!bytes) return kUsageError;
    std::cout << scramble(crlf ? withCrLf(*bytes) : *bytes, false) << "\r\n";
    return 0;
}

int runUnscramble(const std::vector<std::string>& args) {
    if (args.size() != 1) {
        std::cerr << "usage: quorvel-tool unscramble FILE\n";
        return kUsageError;
    }
    const std::optional<std::string> bytes = readArgumentFile(args[0], "unscramble");
    if (!bytes) return kUsageError;
    std::cout << unscrambleFileBytes(*bytes);
    return 0;
}

const bool scrambleRegistered =
    registerCommand("scramble", {runScramble, "scramble [--crlf] FILE   (data file to stdout)"});
const bool unscrambleRegistered =
    registerCommand("unscramble", {runUnscramble, "unscramble FILE   (plain text to stdout)"});

}  // namespace
}  // namespace quorvel::tool
