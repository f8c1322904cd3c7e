#include "core/rowText.h"

#include <mutex>
#include <set>

const std::string* RowText::keep(std::string_view text) {
    // Rows may be filled on more than one thread (a report drawn beside the window).
    static std::mutex lock;
    static std::set<std::string, std::less<>> kept;
    const std::lock_guard<std::mutex> held(lock);
    auto found = kept.find(text);
    if (found == kept.end()) found = kept.emplace(text).first;
    return &*found;
}
