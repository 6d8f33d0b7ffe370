// quorvel-tool: the companion command-line tool. Dispatches to the registered subcommands.

#include <iostream>

#include "programs/tool/command_registry.h"

namespace quorvel::tool {

std::map<std::string, CommandInfo>& commandRegistry() {
    static std::map<std::string, CommandInfo> registry;
    return registry;
}

bool registerCommand(const std::string& name, CommandInfo info) {
    commandRegistry()[name] = std::move(info);
    return true;
}

namespace {

void printUsage(std::ostream& out) {
    out << "usage: quorvel-tool COMMAND [ARGS]\ncommands:\n";
    for (const auto& [name, info] : commandRegistry())
        out << "  " << info.usage << "\n";
}

}  // namespace
}  // namespace quorvel::tool

int main(int argc, char** argv) {
    using namespace quorvel::tool;
    if (argc < 2) {
        printUsage(std::cerr);
        return kUsageError;
    }
    const std::string name = argv[1];
    if (name == "help" || name == "--help") {
        printUsage(std::cout);
        return 0;
    }
    const auto found = commandRegistry().find(name);
    if (found == commandRegistry().end()) {
        std::cerr << "quorvel-tool: unknown command '" << name << "'\n";
        printUsage(std::cerr);
        return kUsageError;
    }
    return found->second.handler(std::vector<std::string>(argv + 2, argv + argc));
}
