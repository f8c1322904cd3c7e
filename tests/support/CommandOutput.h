#pragma once
#include <cstdio>
#include <string>

namespace testsupport {

// What a shell command prints on standard output ("" when it cannot start);
// the tests read PDF files back through poppler's tools with it.
inline std::string run(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        for (std::size_t n; (n = fread(buf, 1, sizeof buf, p)) > 0;) out.append(buf, n);
        pclose(p);
    }
    return out;
}

// A text without blanks: pdftotext guesses blanks from gaps.
inline std::string squeezed(std::string s) {
    std::erase(s, ' ');
    return s;
}

} // namespace testsupport
