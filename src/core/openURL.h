#pragma once
#include <string>

// Opens a web address; when that fails, puts the address on the clipboard
// and tells the user to paste it into a browser.
void openURLOrCopy(const std::string& address);
