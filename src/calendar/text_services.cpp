// String-table texts with "%1"/"%2", trimming, UTF-8 character counting and the
// plausibility tests for phone numbers and e-mail addresses.
#include "calendar/text_services.h"

#include "resources/string_table.h"

namespace ambon {

namespace {

bool isContinuation(unsigned char c) {
    return (c & 0xC0) == 0x80;
}

// Bytes of the character that starts at pos. A broken sequence ends at the first byte that
// cannot continue it, and a stray continuation byte is a character of its own, so every
// byte belongs to exactly one character.
std::size_t characterSize(std::string_view text, std::size_t pos) {
    unsigned char lead = static_cast<unsigned char>(text[pos]);
    std::size_t want = 1;
    if (lead >= 0xF0 && lead <= 0xF7) {
        want = 4;
    } else if (lead >= 0xE0) {
        want = lead <= 0xEF ? 3 : 1;
    } else if (lead >= 0xC0) {
        want = 2;
    }
    std::size_t size = 1;
    while (size < want && pos + size < text.size() &&
           isContinuation(static_cast<unsigned char>(text[pos + size]))) {
        ++size;
    }
    return size;
}

}  // namespace

std::string loadText(int id) {
    return std::string(stringText(id));
}

std::string loadText(int id, int second) {
    return fillText(std::string(stringText(id)), std::string(stringText(second)));
}

std::string formatText(const std::string& t1, int id) {
    if (t1.empty()) return loadText(id);
    return fillText(loadText(id), t1);
}

std::string formatText(const std::string& t1, int id, const std::string& t2) {
    if (t1.empty()) return loadText(id);
    return fillText(loadText(id), t1, &t2);
}

std::string fillText(std::string pattern, const std::string& t1, const std::string* t2) {
    // One pass over the pattern, so a "%2" inside t1 is left as the caller wrote it.
    std::string out;
    out.reserve(pattern.size() + t1.size() + (t2 ? t2->size() : 0));
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size()) {
            char next = pattern[i + 1];
            if (next == '1') {
                out += t1;
                ++i;
                continue;
            }
            if (next == '2' && t2) {
                out += *t2;
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

std::string& trimBoth(std::string& text) {
    std::size_t end = text.find_last_not_of(' ');
    if (end == std::string::npos) {
        text.clear();
        return text;
    }
    text.erase(end + 1);
    text.erase(0, text.find_first_not_of(' '));
    return text;
}

std::string trimmed(std::string_view text) {
    std::string copy(text);
    return trimBoth(copy);
}

std::string trimmedRight(std::string_view text) {
    std::size_t end = text.find_last_not_of(' ');
    if (end == std::string_view::npos) return {};
    return std::string(text.substr(0, end + 1));
}

std::size_t utf8Length(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += characterSize(text, pos)) ++count;
    return count;
}

std::string utf8Left(std::string_view text, std::size_t n) {
    std::size_t pos = 0;
    for (std::size_t count = 0; count < n && pos < text.size(); ++count) {
        pos += characterSize(text, pos);
    }
    return std::string(text.substr(0, pos));
}

bool looksLikePhone(const std::string& text) {
    return utf8Length(text) <= 15 && utf8Length(trimmed(text)) >= 7;
}

bool looksLikeEmail(const std::string& text) {
    return utf8Length(text) > 3 && text.find('@') != std::string::npos;
}

}  // namespace ambon
