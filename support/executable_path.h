// The running program's own file: the language file and the command-line evaluator's
// default language file are found beside it.
#pragma once

#include <string>

// Full path of the running executable; empty when it cannot be had.
std::string ExecutablePath();
