#pragma once
// The program's name, version and the fixed addresses it shows or opens.

#include <string>

namespace quorvel {

inline constexpr int kVersionMajor = 1;
inline constexpr int kVersionMinor = 0;
inline constexpr int kVersionRevision = 2;

inline constexpr const char* kProgramTitle = "Quorvel";

// The maker's web site and its page of puzzle batches (opened at its end).
inline constexpr const char* kMakerSite = "https://quorvel.example.org/";
inline constexpr const char* kBatchPage = "https://quorvel.example.org/puzzles/Quorvel.html";
inline constexpr const char* kBatchPageAnchor = "#PageEnd";

// The splash window writes minor and revision together ("Version 1.02").
inline std::string splashVersionText() {
    return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) +
           std::to_string(kVersionRevision);
}

// The about window separates all three parts ("Version 1.0.2").
inline std::string aboutVersionText() {
    return "Version " + std::to_string(kVersionMajor) + "." + std::to_string(kVersionMinor) + "." +
           std::to_string(kVersionRevision);
}

}  // namespace quorvel
