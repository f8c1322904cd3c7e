#pragma once
#include <string>

// A file that ships with the program (its icon, its read-me page): beside the
// executable, as in a build tree, or in the installed share folder
// (<prefix>/bin/lumora with <prefix>/share/lumora/<name>). The path beside
// the program when neither holds it.
std::string programFile(const std::string& programFolder, const std::string& name);
