// Fuzzes reading the settings file: any bytes give usable settings, and what is written back
// reads back the same.

#include <cstdint>
#include <string>

#include "fuzz_check.h"
#include "storage/data_file.h"
#include "storage/settings.h"

using namespace quorvel;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    for (const std::string& plain : {bytes, unscrambleFileBytes(bytes)}) {
        const Settings read = parseSettings(plain);
        FUZZ_CHECK(read.currentLevel >= 1 && read.currentLevel <= 4);
        FUZZ_CHECK(read.gradeLevel >= 1 && read.gradeLevel <= 4);
        FUZZ_CHECK(read.exposedCount >= 1 && read.exposedCount <= 225);
        const std::string written = formatSettings(read);
        std::size_t separators = 0;
        for (std::size_t at = written.find("^^"); at != std::string::npos;
             at = written.find("^^", at + 2)) {
            ++separators;
        }
        FUZZ_CHECK(separators == 14 && written.ends_with("^^"));
        const Settings again = parseSettings(written);
        FUZZ_CHECK(parseSettings(formatSettings(again)) == again);
        FUZZ_CHECK(again.currentLevel == read.currentLevel && again.gradeLevel == read.gradeLevel);
        FUZZ_CHECK(again.exposedCount == read.exposedCount);
    }
    return 0;
}
