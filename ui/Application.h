// SPDX-License-Identifier: MIT
// The desktop window's entry point.
#pragma once

#include <string>

// Creates the application, the program's single objects and all its forms, shows the
// start-up form and runs the message loop until Quit. Given a graph file, the main window
// shows its graph instead; a file that cannot be read is named with the reason on the error
// output and in a message over the start-up form.
//
// With KELVO_SMOKE set in the environment the program drives itself once through a
// rectangular graph (choose, Draw, Exit, Quit) and exits with 0 when the picture was drawn and
// captured. With a graph file as well it answers every message box by writing its text to the
// standard output, writes which window shows (and the main window's caption), and quits.
int RunKelvoWindow(int& argc, char** argv, const std::string& graphFile = {});
