#include "core/startUp.h"

#include "core/frmStartUp.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/productInfo.h"
#include "platform/files/FileOps.h"
#include "platform/files/Folders.h"
#include "platform/forms/Services.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

#include <memory>

namespace {

std::function<void()> mainWindowShower;
std::function<bool()> prevInstanceTest = [] { return forms::App::PrevInstance(); };

constexpr long long kSplashMinimumMs = 800;

// A folder of the program's tree: made when missing; a failure is a run-time
// error, so start-up reports it.
std::string needFolder(const std::string& parent, const std::string& name) {
    std::string path = files::joinPath(parent, name);
    if (!files::folderExists(path) && !files::makeFolder(path)) text::raise(text::err::PathNotFound);
    return path;
}

// Writes a default setting when the value there now is blank. A write that
// fails stops the start like any other file error.
void writeDefault(const std::string& file, const std::string& section, const std::string& key,
                  const std::string& value) {
    if (!text::Trim(gfReadIniFile(file, section, key)).empty()) return;
    if (gfWriteIniFile(file, section, key, value) == 0) text::raise(text::err::PermissionDenied);
}

} // namespace

void setMainWindowShower(std::function<void()> shower) { mainWindowShower = std::move(shower); }
void setPrevInstanceTest(std::function<bool()> test) { prevInstanceTest = std::move(test); }

std::string gfGetLocalAppDataFolder() {
    std::string folder = files::userDataHome();
    // A new account may not have the XDG data folder yet.
    if (folder.empty() || !files::makeFolder(folder)) return {};
    return folder;
}

std::string gfGetMyDocumentsFolder() { return files::documentsFolder(); }

namespace {
// The splash while Main runs.
std::unique_ptr<frmStartUp> startUpWindow;
} // namespace

void psUnloadStartUp() {
    if (!startUpWindow) return;
    std::unique_ptr<frmStartUp> splash = std::move(startUpWindow);
    splash->Unload();
}

void Main() {
    try {
        const long long t0 = forms::TickCount();

        std::string localAppData = gfGetLocalAppDataFolder();
        if (text::Trim(localAppData).empty()) return;
        std::string documents = gfGetMyDocumentsFolder();
        if (text::Trim(documents).empty()) return;
        if (!files::folderExists(localAppData) || !files::folderExists(documents)) return;

        const std::string userFolder = needFolder(needFolder(localAppData, "Quillon Software"), "Lumora");
        const std::string docFolder = needFolder(needFolder(documents, "Quillon Software"), "Lumora");
        needFolder(needFolder(docFolder, "data"), "games");
        setPathGlobals(userFolder, docFolder);

        if (prevInstanceTest()) {
            gfWriteIniFile(gstrReExecFile, "ReExecute", "Really", "Yes");
            gfWriteIniFile(gstrReExecFile, "ReExecute", "Command", text::Trim(forms::App::Command()));
            return;
        }
        if (files::fileExists(gstrReExecFile)) files::removeFile(gstrReExecFile);

        startUpWindow = std::make_unique<frmStartUp>();
        startUpWindow->Show();
        startUpWindow->gsSetMsg("初期処理中…");
        startUpWindow->Refresh();

        needFolder(userFolder, "temp");
        writeDefault(gstrPlayerFile, "Management", "MaxPlayerNo", "0");
        writeDefault(gstrIniFile, "Setup", "Hole", "8");
        writeDefault(gstrIniFile, "Setup", "Round", "3");
        writeDefault(gstrIniFile, "Setup", "KeepMemberEntry", "1");

        const long long elapsed = forms::TickCount() - t0;
        if (elapsed < kSplashMinimumMs) forms::Sleep(kSplashMinimumMs - elapsed);

        psUnloadStartUp();
        if (mainWindowShower) mainWindowShower();
    } catch (const std::exception& e) {
        try {
            psUnloadStartUp();
        } catch (const std::exception&) {
            // The failure being reported is the one that matters.
        }
        const auto* runtime = dynamic_cast<const text::RuntimeError*>(&e);
        const std::string description = runtime ? runtime->Description : e.what();
        forms::MsgBox(std::string(product::Title) + "の起動に失敗しました。\r\n" + description,
                      forms::vbOKOnly | forms::vbExclamation, "システム・エラー");
    }
}
