#include <mutex>
#include <set>

#include "platform/forms/Types.h"

namespace forms {

const std::string& FontName::keep(std::string_view name) {
    // Kept for the life of the program: a set's elements never move, and the
    // names are the few the windows and reports are designed with.
    static std::mutex guard;
    static std::set<std::string, std::less<>> names;
    const std::lock_guard lock(guard);
    auto found = names.find(name);
    if (found == names.end()) found = names.emplace(name).first;
    return *found;
}

const std::string& FontName::designDefault() {
    static const std::string& name = keep("ＭＳ Ｐゴシック");
    return name;
}

} // namespace forms
