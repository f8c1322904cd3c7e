#include "support/DataFolder.h"

#include <algorithm>
#include <filesystem>
#include <stdexcept>

#include "platform/text/Cp932.h"

namespace testsupport {

namespace {

std::string num(long long v) { return std::to_string(v); }

template <class Entry>
int32_t highestId(const std::vector<Entry>& entries, std::optional<int32_t> maxNo) {
    if (maxNo) return *maxNo;
    int32_t top = 0;
    for (const Entry& e : entries) top = std::max(top, e.id);
    return top;
}

IniSection management(const std::string& key, int32_t value) {
    return {"Management", {{key, num(value)}}};
}

} // namespace

DataFolder::DataFolder(const std::string& home)
    : user_(home + "/.local/share/Quillon Software/Lumora"),
      doc_(home + "/Documents/Quillon Software/Lumora") {
    for (const std::string& folder : {user_ + "/temp", doc_ + "/data/games"})
        std::filesystem::create_directories(folder);
}

std::string DataFolder::gamePath(int32_t number) const {
    std::string digits = num(number);
    if (digits.size() < 5) digits.insert(0, 5 - digits.size(), '0');
    return gamesFolder() + "/game" + digits + ".lmg";
}

std::string DataFolder::cp932Lines(const std::vector<std::string>& lines) {
    std::string bytes;
    for (const std::string& line : lines) {
        auto encoded = text::encode932(line);
        if (!encoded) throw std::invalid_argument("not storable in code page 932: " + line);
        bytes += *encoded + "\r\n";
    }
    return bytes;
}

std::vector<std::string> DataFolder::iniLines(const std::vector<IniSection>& sections) {
    std::vector<std::string> lines;
    for (const IniSection& s : sections) {
        lines.push_back("[" + s.name + "]");
        for (const auto& [key, value] : s.values) lines.push_back(key + "=" + value);
    }
    return lines;
}

std::vector<std::string> DataFolder::gameLines(const GameEntry& g) {
    IniSection head{"Management",
                    {{"Date", g.date},
                     {"Tittle", g.title},
                     {"MaxScoreNo", num(g.maxScoreNo.value_or(static_cast<int32_t>(g.scores.size())))},
                     {"SeriesID", num(g.seriesId)},
                     {"CourceID", num(g.courceId)},
                     {"Hole", num(g.hole)},
                     {"Round", num(g.round)},
                     {"TeamHowtoRank", num(g.teamHowtoRank)},
                     {"CategoryGender", num(g.categoryGender)},
                     {"CategoryAgeLow", num(g.categoryAgeLow)},
                     {"CategoryAgeHigh", num(g.categoryAgeHigh)},
                     {"JudgeDaSu", num(g.judgeDaSu)},
                     {"JudgeBirthday", num(g.judgeBirthday)},
                     {"HandiCapKind", num(g.handiCapKind)}}};
    for (std::size_t k = 0; k < 10; ++k)
        head.values.emplace_back("RoundName" + num(static_cast<long long>(k) + 1),
                                 k < g.roundNames.size() ? g.roundNames[k] : "");
    std::vector<IniSection> sections{head};
    for (std::size_t k = 0; k < g.scores.size(); ++k) {
        const GameEntry::Score& s = g.scores[k];
        IniSection score{"Score" + num(static_cast<long long>(k) + 1),
                         {{"IDNo", num(s.id)}, {"Holes", s.holes}}};
        if (!s.team.empty()) score.values.emplace_back("TeamID", s.team);
        score.values.emplace_back("Handicap", num(s.handicap));
        sections.push_back(score);
    }
    return iniLines(sections);
}

std::string DataFolder::readText(const std::string& path) { return text::decode932(readBytes(path)); }

void DataFolder::writeLines(const std::string& path, const std::vector<std::string>& lines) const {
    writeBytes(path, cp932Lines(lines));
}

void DataFolder::writeIni(const std::string& path, const std::vector<IniSection>& sections) const {
    writeLines(path, iniLines(sections));
}

void DataFolder::writePlayers(const std::vector<PlayerEntry>& players, std::optional<int32_t> maxNo) const {
    std::vector<IniSection> sections{management("MaxPlayerNo", highestId(players, maxNo))};
    for (const PlayerEntry& p : players)
        sections.push_back({"player" + num(p.id),
                            {{"Name", p.name},
                             {"State", num(p.state)},
                             {"Birthday", p.birthday},
                             {"Gender", num(p.gender)},
                             {"BelongID", num(p.belongId)},
                             {"Sort", p.sort},
                             {"Location", p.location}}});
    writeIni(doc_ + "/data/playsers.dat", sections);
}

void DataFolder::writeGroups(const std::vector<GroupEntry>& groups, std::optional<int32_t> maxNo) const {
    std::vector<IniSection> sections{management("MaxGroupNo", highestId(groups, maxNo))};
    for (const GroupEntry& g : groups)
        sections.push_back({"group" + num(g.id),
                            {{"Name", g.name}, {"ShortName", g.shortName}, {"State", num(g.state)}}});
    writeIni(doc_ + "/data/group.dat", sections);
}

void DataFolder::writeSeries(const std::vector<NamedEntry>& series, std::optional<int32_t> maxNo) const {
    std::vector<IniSection> sections{management("MaxSeriesNo", highestId(series, maxNo))};
    for (const NamedEntry& s : series)
        sections.push_back({"Series" + num(s.id), {{"Name", s.name}, {"State", num(s.state)}}});
    writeIni(doc_ + "/data/series.dat", sections);
}

void DataFolder::writeCources(const std::vector<NamedEntry>& cources, std::optional<int32_t> maxNo) const {
    std::vector<IniSection> sections{management("MaxCourceNo", highestId(cources, maxNo))};
    for (const NamedEntry& c : cources)
        sections.push_back({"Cource" + num(c.id), {{"Name", c.name}, {"State", num(c.state)}}});
    writeIni(doc_ + "/data/cource.dat", sections);
}

void DataFolder::writeManager(const std::string& maxGameNo) const {
    writeIni(gamesFolder() + "/manager.dat", {{"Management", {{"MaxGameNo", maxGameNo}}}});
}

void DataFolder::writeGame(int32_t number, const GameEntry& game) const {
    writeLines(gamePath(number), gameLines(game));
}

} // namespace testsupport
