#pragma once

// The whole program: reads the command line first (help, version and refused arguments end
// there, without a window and without a display), then runs the window.
int RunBrevane(int& argc, char** argv);
