// SPDX-License-Identifier: MIT
// The manual page and the shell completions, written from the table of render options.
#pragma once

#include <string>

// kelvo.1 in the man macros: every command, every render option, the exit statuses and
// examples. version and date (YYYY-MM-DD) stand in its title line.
std::string ManualPage(const std::string& version, const std::string& date);
// The bash completion of the commands, the render options and their fixed values.
std::string BashCompletion();
// The zsh completion (the file _kelvo) of the same.
std::string ZshCompletion();
