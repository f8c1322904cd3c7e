#pragma once
#include <functional>
#include <string>

// The program's entry point: finds and builds the folders, sets the path
// globals, hands a second start over to the running instance, writes the
// default settings behind the splash and opens the main window.
void Main();

// Unloads the splash that Main shows, when it is up.
void psUnloadStartUp();

// The folder look-ups: the per-user data folder and the documents folder
// (created when missing); "" on failure.
std::string gfGetLocalAppDataFolder();
std::string gfGetMyDocumentsFolder();

// The main window lives above the core: the program installs how to show it
// (modeless). Without one, Main ends after the splash.
void setMainWindowShower(std::function<void()> shower);
// Whether another instance runs; the platform's test unless replaced (tests).
void setPrevInstanceTest(std::function<bool()> test);
