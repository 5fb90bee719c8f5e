#pragma once

// The exit statuses of the command line, which scripts test.
namespace ExitStatus {

constexpr int kSuccess = 0;    // done, and every file or pair passed
constexpr int kFailure = 1;    // a file that does not read cleanly, a pair below its level, output not written
constexpr int kUsageError = 2; // arguments that ask for nothing the program does

} // namespace ExitStatus
