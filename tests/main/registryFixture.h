#pragma once
#include "core/gameRecords.h"
#include "core/globals.h"
#include "platform/files/FileOps.h"
#include "platform/forms/testing/TestDesktop.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

// A temporary home with the program's folders, a test desktop (recorder,
// fixed clock at 2010/10/10, modal scripts) and the shared records emptied.
class RegistryTest : public ::testing::Test {
protected:
    RegistryTest() : data(home) {
        gintDlgRet = 99;
    }
    ~RegistryTest() override { files::fault::clear(); }

    // The file's bytes are code page 932 of the expected lines.
    static void expectFile(const std::string& path, const std::vector<std::string>& lines) {
        EXPECT_EQ(testsupport::readBytes(path), testsupport::DataFolder::cp932Lines(lines));
    }

    testsupport::TempHome home;
    testsupport::DataFolder data;
    forms::doubles::TestDesktop desk;
};
