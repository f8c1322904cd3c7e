// The watch that answers a second start, and the menu bar.
#include "main/frmMain.h"

#include "core/frmAbout.h"
#include "core/globals.h"
#include "core/iniFile.h"
#include "core/openURL.h"
#include "core/productInfo.h"
#include "core/programFiles.h"
#include "platform/files/FileOps.h"
#include "platform/files/Opener.h"
#include "platform/forms/Services.h"
#include "platform/text/Strings.h"

using namespace forms;

// A second start left the re-run file: bring the window in use forward (the
// tally window while one is open) and delete the file. A file that cannot be
// deleted is answered once; the next ticks only try to delete it again.
// Nothing here is ever reported.
void frmMain::timMain_Timer() {
    try {
        if (!files::fileExists(gstrReExecFile)) {
            reExecHandled_.reset();
            return;
        }
        std::error_code ec;
        const auto written = std::filesystem::last_write_time(gstrReExecFile, ec);
        if (!reExecHandled_ || ec || *reExecHandled_ != written) {
            if (text::Trim(gfReadIniFile(gstrReExecFile, "ReExecute", "Really")) == "Yes") {
                Form* inUse = mintMainHidden != 0 ? static_cast<Form*>(tallyWindow()) : this;
                if (inUse && inUse->WindowState() == vbMinimized) inUse->setWindowState(vbNormal);
                else if (inUse) inUse->ZOrder();
            }
        }
        if (files::removeFile(gstrReExecFile)) reExecHandled_.reset();
        else if (!ec) reExecHandled_ = written;
    } catch (const std::exception&) {
    }
}

void frmMain::mnuFile_ExitApp_Click() { Unload(); }

void frmMain::mnuTool_Backup_Click() {
    const std::string prompt = "Lumoraのデータフォルダを開きます。\r\n"
                               "\"data\"フォルダを他の場所（外部ハードディスクやUSBメモリなど）にコピーして保存（退避）してください。\r\n"
                               "復元はLumoraを終了させてから、\"data\"フォルダを入れ替えてください。\r\n";
    if (MsgBox(prompt, vbOKCancel, std::string("バックアップ")) != vbOK) return;
    if (!files::opener().open(gstrDocFolder))
        MsgBox(gstrDocFolder + "\r\nフォルダを開けませんでした。", vbOKOnly, std::string("エラー"));
}

void frmMain::mnuHelp_AboutLumora_Click() { openURLOrCopy(product::MakerURL); }

void frmMain::mnuHelp_OnlineHelp_Click() { openURLOrCopy(product::OnlineHelpURL); }

void frmMain::mnuHelp_ReadMe_Click() { openURLOrCopy(text::Trim(programFile(App::Path(), "readme.html"))); }

void frmMain::mnuHelp_About_Click() {
    frmAbout box;
    box.Show(vbModal, this);
}
