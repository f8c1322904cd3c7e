#pragma once
#include <gtest/gtest.h>

#include "core/gameFile.h"
#include "core/gameRecords.h"
#include "platform/files/FileOps.h"
#include "support/DataFolder.h"
#include "support/TempHome.h"

// A fresh data folder with the path globals pointing into it, and the game
// records emptied, for every test of the stored games.
class GameFileTest : public testing::Test {
protected:
    GameFileTest() {
        files::fault::clear();
    }
    ~GameFileTest() override { files::fault::clear(); }

    static typScorePack pack(int32_t id, std::string holes, std::string team = "", int32_t handicap = 0) {
        return typScorePack{id, std::move(holes), std::move(team), handicap};
    }

    testsupport::TempHome home;
    testsupport::DataFolder data{home};
};
