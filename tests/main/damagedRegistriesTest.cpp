// Registry files damaged by hand or by other programs: every record stays
// listed, a new one never lands on an old one, and a file that cannot be
// read is named and never written to.
#include "core/iniFile.h"
#include "core/registries.h"
#include "core/registryFile.h"
#include "main/frmBelong.h"
#include "main/frmCourceRegi.h"
#include "main/frmGetName.h"
#include "main/frmPlayers.h"
#include "main/frmRegiGroup.h"
#include "main/frmRegiPlayer.h"
#include "main/frmSeriesRegi.h"
#include "platform/forms/Simulation.h"
#include "registryFixture.h"

#include <functional>
#include <memory>

namespace sim = forms::sim;
using testsupport::readBytes;
using testsupport::writeBytes;

namespace {

class DamagedRegistryTest : public RegistryTest {
protected:
    struct Kind {
        const char* label;
        const RegistryFile& registry;
        std::function<void(DamagedRegistryTest&)> write;   // three records, counter "3"
        std::function<int(DamagedRegistryTest&)> listed;   // how many records the registry lists
        std::function<void(DamagedRegistryTest&)> addNew;  // adds "新規" through the window
        int openingReads;                                  // the window's own listing when it opens
    };

    static std::vector<Kind> kinds() {
        // A named registry's window: how many entries it lists, or an add through it.
        const auto named = [](auto make, bool add) {
            return [make, add](DamagedRegistryTest& t) {
                auto w = make();
                int count = 0;
                t.desk.runModal(*w, [&] {
                    count = w->lstList.ListCount();
                    if (add) {
                        t.desk.modal.add<frmGetName>([](frmGetName& d) {
                            sim::typeText(d.txtAddGroup, "新規");
                            sim::click(d.btnOK);
                        });
                        sim::click(w->btnAdd);
                    }
                    sim::click(w->btnClose);
                });
                return count;
            };
        };
        const auto series = [] { return std::make_unique<frmSeriesRegi>(); };
        const auto courses = [] { return std::make_unique<frmCourceRegi>(); };
        return {
            {"players", playerRegistry,
             [](DamagedRegistryTest& t) {
                 t.data.writePlayers({{1, "一郎", "", 1, 0, "", ""}, {2, "二郎", "", 1, 0, "", ""},
                                      {3, "三郎", "", 1, 0, "", "", 2}});
             },
             [](DamagedRegistryTest&) {
                 loadPlayers();
                 return static_cast<int>(gtypPlayers.size());
             },
             [](DamagedRegistryTest& t) {
                 frmPlayers w;
                 t.desk.runModal(w, [&] {
                     t.desk.modal.add<frmRegiPlayer>([](frmRegiPlayer& d) {
                         sim::typeText(d.txtName, "新規");
                         sim::click(d.optGender[0]);
                         sim::click(d.btnOK);
                     });
                     sim::click(w.btnAdd);
                     sim::click(w.btnClose);
                 });
             },
             0},
            {"affiliations", groupRegistry,
             [](DamagedRegistryTest& t) { t.data.writeGroups({{1, "一", "", 0}, {2, "二", "", 0}, {3, "三", "", 2}}); },
             [](DamagedRegistryTest&) {
                 loadGroups();
                 return static_cast<int>(gtypBelongs.size());
             },
             [](DamagedRegistryTest& t) {
                 frmBelong w;
                 t.desk.runModal(w, [&] {
                     t.desk.modal.add<frmRegiGroup>([](frmRegiGroup& d) {
                         sim::typeText(d.txtAddGroup, "新規");
                         sim::click(d.btnOK);
                     });
                     sim::click(w.btnAdd);
                     sim::click(w.btnClose);
                 });
             },
             0},
            {"series", seriesRegistry,
             [](DamagedRegistryTest& t) { t.data.writeSeries({{1, "一", 0}, {2, "二", 0}, {3, "三", 0}}); },
             named(series, false), [add = named(series, true)](DamagedRegistryTest& t) { add(t); }, 1},
            {"courses", courseRegistry,
             [](DamagedRegistryTest& t) { t.data.writeCources({{1, "一", 0}, {2, "二", 0}, {3, "三", 0}}); },
             named(courses, false), [add = named(courses, true)](DamagedRegistryTest& t) { add(t); }, 1},
        };
    }

    // The lines of record k as the file holds them.
    static std::string recordBlock(const std::string& bytes, const std::string& section) {
        const std::size_t start = bytes.find("[" + section + "]");
        const std::size_t end = bytes.find("\r\n[", start);
        return bytes.substr(start, end == std::string::npos ? std::string::npos : end + 2 - start);
    }
};

} // namespace

TEST_F(DamagedRegistryTest, AnAddNeverLandsOnARecordAndEveryRecordStaysListed) {
    struct Damage {
        const char* what;
        std::function<std::string(const std::string& bytes, const std::string& counterLine)> apply;
    } damages[] = {
        {"counter missing", [](const std::string& b, const std::string& c) {
             std::string d = b;
             return d.erase(d.find(c), c.size());
         }},
        {"counter NaN", [](const std::string& b, const std::string& c) {
             std::string d = b;
             return d.replace(d.find(c), c.size(), c.substr(0, c.find('=') + 1) + "NaN\r\n");
         }},
        {"counter -0", [](const std::string& b, const std::string& c) {
             std::string d = b;
             return d.replace(d.find(c), c.size(), c.substr(0, c.find('=') + 1) + "-0\r\n");
         }},
        {"counter below a record", [](const std::string& b, const std::string& c) {
             std::string d = b;
             return d.replace(d.find(c), c.size(), c.substr(0, c.find('=') + 1) + "1\r\n");
         }},
        {"byte-order mark", [](const std::string& b, const std::string&) { return "\xEF\xBB\xBF" + b; }},
        {"junk before the first section",
         [](const std::string& b, const std::string&) { return "x=1\r\n\x82\xa0 garbage\r\n" + b; }},
    };
    for (const Kind& kind : kinds()) {
        const std::string& file = kind.registry.file();
        const std::string counterLine = kind.registry.counterKey + "=3\r\n";
        for (const Damage& damage : damages) {
            SCOPED_TRACE(std::string(kind.label) + ": " + damage.what);
            desk.boxes.clear();
            kind.write(*this);
            const std::string before = damage.apply(readBytes(file), counterLine);
            writeBytes(file, before);

            EXPECT_EQ(kind.listed(*this), 3);
            kind.addNew(*this);

            const std::string after = readBytes(file);
            for (int k = 1; k <= 3; ++k) {
                const std::string block = recordBlock(before, kind.registry.sectionPrefix + std::to_string(k));
                EXPECT_NE(after.find(block), std::string::npos) << k;
            }
            EXPECT_EQ(gfReadIniFile(file, kind.registry.sectionPrefix + "4", "Name"), "新規");
            EXPECT_EQ(gfReadIniFile(file, "Management", kind.registry.counterKey), "4");
            EXPECT_TRUE(desk.messages().empty());
            EXPECT_EQ(desk.modal.pending(), 0u);
        }
    }
}

TEST_F(DamagedRegistryTest, AFileThatCannotBeReadIsNamedOnceAndNeverWritten) {
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.label);
        const std::string& file = kind.registry.file();
        const std::string unreadable = "ファイルを読み込めません。\r\n" + file;
        kind.write(*this);
        const std::string before = readBytes(file);
        desk.boxes.clear();
        files::fault::arm(files::fault::Kind::Open, 0, -1, file);

        // Loading or listing it shows nothing, and says so once.
        EXPECT_EQ(kind.listed(*this), 0);
        EXPECT_EQ(kind.listed(*this), 0);
        ASSERT_EQ(desk.messages().size(), 1u);
        EXPECT_EQ(desk.lastMessage().prompt, unreadable);

        // An add is refused before its dialog, with the same words.
        desk.boxes.clear();
        kind.addNew(*this);
        ASSERT_EQ(desk.messages().size(), 1u);
        EXPECT_EQ(desk.lastMessage().prompt, unreadable);
        EXPECT_EQ(desk.modal.pending(), 1u); // the dialog never opened
        desk.modal = {};
        EXPECT_EQ(readBytes(file), before);

        // Once it reads, all is as before, and a later failure is named again.
        files::fault::clear();
        desk.boxes.clear();
        EXPECT_EQ(kind.listed(*this), 3);
        files::fault::arm(files::fault::Kind::Open, 0, -1, file);
        EXPECT_EQ(kind.listed(*this), 0);
        EXPECT_EQ(desk.messages().size(), 1u);
        files::fault::clear();
    }
}

TEST_F(DamagedRegistryTest, EachListingAndEachAddReadsTheFileOnce) {
    // However large the file, an operation costs one read of it, not one per value.
    for (const Kind& kind : kinds()) {
        SCOPED_TRACE(kind.label);
        kind.write(*this);
        for (int round = 0; round < 2; ++round) {
            files::probe::countReads(kind.registry.file());
            EXPECT_EQ(kind.listed(*this), 3 + round);
            EXPECT_EQ(files::probe::reads(), 1);
            files::probe::countReads(kind.registry.file());
            kind.addNew(*this);
            EXPECT_EQ(files::probe::reads(), kind.openingReads + 1);
        }
        files::probe::countReads("\n"); // no path holds it: counting ends
    }
}
