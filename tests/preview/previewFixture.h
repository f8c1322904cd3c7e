#pragma once
#include "../reports/reportFixture.h"

#include "core/globals.h"
#include "core/iniFile.h"
#include "preview/modPpPreview.h"
#include "support/TempHome.h"

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

// The preview of an entry list in a temporary home: the settings file and
// the temp folder of the work pictures inside it.
namespace previewfixture {

// Players that fill `pages` pages of the entry list (37 to a page).
inline int playersFor(int pages) { return 37 * (pages - 1) + 1; }

struct Folders {
    Folders() {
        resetSharedGlobals();
        setPathGlobals(home.file("user"), home.file("docs"));
        std::filesystem::create_directories(gstrTempFolder);
    }
    ~Folders() {
        setPreviewWindow(nullptr);
        reportfixture::clearGame();
        resetSharedGlobals();
    }
    // The names of the work pictures in the temp folder, sorted.
    std::vector<std::string> pictures() const {
        std::vector<std::string> names;
        for (const auto& e : std::filesystem::directory_iterator(gstrTempFolder))
            if (e.path().filename().string().starts_with("tmpPreview")) names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    std::string setting(const std::string& key) const { return gfReadIniFile(gstrIniFile, "WindowSize", key); }

    testsupport::TempHome home;
};

} // namespace previewfixture
