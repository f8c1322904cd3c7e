#pragma once
#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

// A text of a row that is held by the tens of thousands (a season row's
// date and team, a score row's hole texts and team): sixteen bytes that copy
// as plain bytes and need no destructor, so rows are made, moved and dropped
// without touching their texts one by one. A text of up to kInlineSize bytes
// is kept in place; a longer one points to one kept copy of it, shared by
// every row with the same text and kept while the program runs. Long ones
// are rare and few: dates and team names are short, and hole texts are
// strokes the program writes as short numbers, so a long one only comes from
// a damaged or hand-edited game file. It reads as the text it was given,
// exactly.
class RowText {
public:
    static constexpr std::size_t kInlineSize = 15;

    RowText() = default;
    RowText(std::string_view text) { assign(text); }
    RowText(const std::string& text) : RowText(std::string_view(text)) {}
    RowText(const char* text) : RowText(std::string_view(text)) {}

    RowText& operator=(std::string_view text) {
        assign(text);
        return *this;
    }
    RowText& operator=(const std::string& text) { return *this = std::string_view(text); }
    RowText& operator=(const char* text) { return *this = std::string_view(text); }

    std::string_view view() const {
        if (size_ != kLong) return {bytes_, size_};
        const std::string* kept = nullptr;
        std::memcpy(&kept, bytes_, sizeof kept);
        return *kept;
    }
    operator std::string_view() const { return view(); }
    operator std::string() const { return std::string(view()); }

    bool empty() const { return size_ == 0; }
    void clear() { size_ = 0; }

    friend bool operator==(const RowText& a, std::string_view b) { return a.view() == b; }

private:
    static constexpr unsigned char kLong = 0xFF;

    void assign(std::string_view text) {
        if (text.size() <= kInlineSize) {
            // copy_n, not memcpy: an empty view may have no data at all.
            std::copy_n(text.data(), text.size(), bytes_);
            size_ = static_cast<unsigned char>(text.size());
        } else {
            const std::string* kept = keep(text);
            std::memcpy(bytes_, &kept, sizeof kept);
            size_ = kLong;
        }
    }
    // The one kept copy of a long text.
    static const std::string* keep(std::string_view text);

    char bytes_[kInlineSize];
    unsigned char size_ = 0; // the length of a text kept in place, else kLong
};
