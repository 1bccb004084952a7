#include "batch/name_dates.h"

#include "edit/exif_date.h"

namespace brevino {
namespace {

constexpr std::string_view kFullWidthColon = "：";

// Reads the text of a name piece by piece; every step fails without moving on a mismatch.
class Cursor {
  public:
    Cursor(std::string_view text, size_t at) : text_(text), at_(at) {}

    bool number(size_t width, int& value) {
        if (at_ + width > text_.size()) return false;
        int result = 0;
        for (size_t i = at_; i < at_ + width; ++i) {
            if (text_[i] < '0' || text_[i] > '9') return false;
            result = result * 10 + (text_[i] - '0');
        }
        value = result;
        at_ += width;
        return true;
    }
    bool literal(std::string_view piece) {
        if (text_.substr(at_, piece.size()) != piece) return false;
        at_ += piece.size();
        return true;
    }
    // One of the single characters in `choices`; answers it, or 0.
    char oneOf(std::string_view choices) {
        if (at_ >= text_.size() || choices.find(text_[at_]) == std::string_view::npos) return 0;
        return text_[at_++];
    }
    bool colon() { return literal(":") || literal(kFullWidthColon); }

  private:
    std::string_view text_;
    size_t at_;
};

// YYYY:MM:DD HH:MM:SS with either kind of colon.
bool renameForm(Cursor c, ExifDateTime& d) {
    return c.number(4, d.year) && c.colon() && c.number(2, d.month) && c.colon() &&
           c.number(2, d.day) && c.literal(" ") && c.number(2, d.hour) && c.colon() &&
           c.number(2, d.minute) && c.colon() && c.number(2, d.second);
}

// YYYYMMDD_HHMMSS or YYYYMMDD-HHMMSS
bool compactForm(Cursor c, ExifDateTime& d) {
    return c.number(4, d.year) && c.number(2, d.month) && c.number(2, d.day) && c.oneOf("_-") &&
           c.number(2, d.hour) && c.number(2, d.minute) && c.number(2, d.second);
}

// YYYY-MM-DD then " ", "_" or "T", then HH.MM.SS, HH-MM-SS or HH:MM:SS
bool dashedForm(Cursor c, ExifDateTime& d) {
    if (!(c.number(4, d.year) && c.literal("-") && c.number(2, d.month) && c.literal("-") &&
          c.number(2, d.day) && c.oneOf(" _T") && c.number(2, d.hour)))
        return false;
    const char separator = c.oneOf(".-:");
    return separator != 0 && c.number(2, d.minute) && c.literal(std::string_view(&separator, 1)) &&
           c.number(2, d.second);
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

std::optional<std::string> exifDateFromName(std::string_view name) {
    for (size_t at = 0; at + 15 <= name.size(); ++at) {
        // A year starts a number: it is not the tail of a longer one.
        if (!isDigit(name[at]) || (at > 0 && isDigit(name[at - 1]))) continue;
        for (auto form : {renameForm, compactForm, dashedForm}) {
            ExifDateTime date;
            if (form(Cursor(name, at), date) && isRealDateTime(date)) return formatExifDate(date);
        }
    }
    return std::nullopt;
}

}  // namespace brevino
