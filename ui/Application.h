// SPDX-License-Identifier: MIT
// The desktop window's entry point.
#pragma once

// Creates the application, the program's single objects and all its forms, shows the
// start-up form and runs the message loop until Quit. With KELVO_SMOKE set in the
// environment the program drives itself once through a rectangular graph (choose, Draw,
// Exit, Quit) and exits with 0 when the picture was drawn and captured.
int RunKelvoWindow(int& argc, char** argv);
