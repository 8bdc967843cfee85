// SPDX-License-Identifier: MIT
// The command line: `kelvo eval` and `kelvo render`, and the usage text.
#pragma once

#include <string>
#include <vector>

// Exit statuses of the command line.
enum ExitStatus { ExitOk = 0, ExitEvalFailed = 1, ExitUsage = 2, ExitWrite = 3, ExitOpen = 4 };

// args excludes the program name and the command word.
int RunEval(const std::vector<std::string>& args);
// programName is the process's argv[0], which is all the toolkit is shown.
int RunRender(char* programName, const std::vector<std::string>& args);
// `kelvo --help`: every form of the command line and the render options.
std::string UsageText();
// Flushes standard output: ExitOk, or ExitWrite after a message naming the system's reason
// (a full disk, a closed pipe) when the output did not reach its file.
int FinishStandardOutput(const char* command);
