#pragma once

// The exit statuses of the command line, which scripts test.
namespace ExitStatus {

constexpr int kSuccess = 0;    // done, and every file or pair passed
constexpr int kFailure = 1;    // a file that does not read cleanly, a pair below its level, nothing written
constexpr int kUsageError = 2; // arguments that ask for nothing the program does
constexpr int kWrittenBelowLevel = 3; // --fix and --derive: written, but a pair cannot reach its level

} // namespace ExitStatus
