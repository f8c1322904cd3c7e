#include "core/courseRules.h"

#include <numeric>

#include "core/helpers.h"
#include "core/players.h"
#include "platform/text/Format.h"
#include "platform/text/Numbers.h"
#include "platform/text/RuntimeError.h"
#include "platform/text/Strings.h"

int32_t playerCount(const typGameInfo& game, int32_t scoresMax) {
    const double players = text::divide(static_cast<double>(scoresMax) + 1, game.Round);
    text::checkIndex(game.Round, 1, 10);
    text::checkIndex(game.Hole, 0, 18);
    return text::CLng(players);
}

int32_t holeStrokes(std::string_view hole) {
    int32_t strokes = 0;
    return plainStrokes(hole, strokes) ? strokes : text::CLng(text::Val(hole));
}

bool holeCounts(std::string_view hole) {
    int32_t strokes = 0;
    if (plainStrokes(hole, strokes)) return strokes >= 1;
    // Rounding half to even gives 1 or more exactly above one half.
    return text::Val(hole) > 0.5;
}

namespace {

// A score row's holes in order, as courseStrokes reads them.
class RowCells {
public:
    explicit RowCells(const typScoreData& row) : hole_(row.Holes.data()) {}
    std::string_view next() { return (hole_++)->view(); }
    template <class Take>
    int takeDigits(int n, Take take) {
        int taken = 0;
        for (; taken < n; ++taken) {
            const std::string_view text = hole_->view();
            if (text.size() != 1) break;
            const unsigned digit = static_cast<unsigned char>(text[0]) - unsigned{'1'};
            if (digit > 8) break;
            ++hole_;
            take(digit + 1);
        }
        return taken;
    }

    const RowText* position() const { return hole_; }
    RowCells from(const RowText* position) const {
        RowCells cells = *this;
        cells.hole_ = position;
        return cells;
    }

private:
    const RowText* hole_;
};

} // namespace

bool courseHoleStrokes(const typScoreData& row, int16_t hole, std::array<int32_t, 18>& strokes) {
    RowCells cells(row);
    return courseStrokes(hole, cells, strokes);
}

std::optional<int32_t> completeCourseStrokes(const typScoreData& row, int16_t hole) {
    RowCells cells(row);
    CourseStrokes course;
    if (!courseStrokes(hole, cells, course)) return std::nullopt;
    // Every hole of a complete course has 1 stroke or more, so the sum goes
    // beyond 32 bits exactly when one of its partial sums does.
    return checkedSum(0, course.sum);
}

int32_t gameHandicapShare(int32_t handicap, int32_t coursesDone, int16_t round) {
    return text::CLng(text::divide(static_cast<double>(coursesDone) * handicap, round));
}

int32_t courseHandicap(int16_t kind, int32_t rowHandicap, int16_t round) {
    switch (kind) {
    case 1: return rowHandicap;
    case 2: return gameHandicapShare(rowHandicap, 1, round);
    default: return 0;
    }
}

std::string birthdayKey(int32_t IDNo, bool played) {
    if (played) {
        std::string birthday = gfGetPlayerBirthday(IDNo);
        if (!text::Trim(birthday).empty()) return birthday;
    }
    return "9999/99/99";
}

std::string keyNumber(long long value, std::string_view mask) {
    return value >= 0 ? text::Format(value, mask) : keyRatio(value, 1, mask);
}

std::string keyRatio(long long numerator, long long denominator, std::string_view mask) {
    if (denominator == 0) text::raise(text::err::DivisionByZero);
    if (denominator < 0) {
        numerator = -numerator;
        denominator = -denominator;
    }
    if (numerator >= 0) return text::FormatRatio(numerator, denominator, mask);
    // One mask range (10 ^ integer zeros) per leading "-".
    long long range = 1;
    for (char c : mask.substr(0, mask.find('.')))
        if (c == '0') range *= 10;
    const long long span = range * denominator;
    const long long below = (-numerator + span - 1) / span;
    return std::string(static_cast<std::size_t>(below), '-') +
           text::FormatRatio(numerator + below * span, denominator, mask);
}

std::string averageKeyPiece(long long total, long long rounds, std::string_view mask) {
    if (rounds >= 1) return keyRatio(total, rounds, mask);
    std::string nines(mask);
    for (char& c : nines)
        if (c == '0') c = '9';
    return nines;
}

std::vector<int32_t> sortByKeys(const std::vector<std::string>& keys) {
    std::vector<int32_t> order(keys.size());
    std::iota(order.begin(), order.end(), 0);
    if (!keys.empty()) csQuickSort_Asc(0, static_cast<int32_t>(keys.size()) - 1, order, keys);
    return order;
}

std::vector<int32_t> sharedRanks(const std::vector<int32_t>& order, const std::vector<std::string>& keys) {
    std::vector<int32_t> ranks(order.size());
    for (std::size_t k = 0; k < order.size(); ++k)
        ranks[k] = k > 0 && keys[static_cast<std::size_t>(order[k])] == keys[static_cast<std::size_t>(order[k - 1])]
                       ? ranks[k - 1]
                       : static_cast<int32_t>(k) + 1;
    return ranks;
}
