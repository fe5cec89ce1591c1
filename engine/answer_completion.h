// Continuing the previous result: what a calculation with a leading operator stands for.
#pragma once

#include <string>

// An input whose first character other than a space is "*", "/", "%" or "^" is "ans"
// followed by it, without those spaces ("*2" is "ans*2"), so that the history shows what
// was calculated. Any other input is returned as it is.
std::string CompleteWithAnswer(const std::string& typed);
