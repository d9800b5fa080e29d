// Reading and rewriting INI files line by line.
#include "store/ini_file.h"

#include <climits>
#include <cstdint>

#include "store/cp1252.h"

namespace ambon {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (foldAscii(static_cast<std::uint8_t>(a[i])) !=
            foldAscii(static_cast<std::uint8_t>(b[i])))
            return false;
    }
    return true;
}

// A value must stay on its own line.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

}  // namespace

IniFile::Line IniFile::classify(std::string raw) {
    Line line;
    std::string_view text = trimBlanks(raw);
    if (!text.empty() && text.front() == '[') {
        // A header without its closing bracket still opens a section, named by the rest of
        // the line, so that the keys below it are not taken for the previous section's.
        text.remove_prefix(1);
        auto close = text.find(']');
        line.kind = Kind::Section;
        line.name = std::string(trimBlanks(text.substr(0, close)));
    } else if (!text.empty() && text.front() == ';') {
        line.kind = Kind::Other;
    } else if (auto eq = text.find('='); eq != std::string_view::npos) {
        line.kind = Kind::Key;
        line.name = std::string(trimBlanks(text.substr(0, eq)));
        line.value = std::string(trimBlanks(text.substr(eq + 1)));
    }
    line.raw = std::move(raw);
    return line;
}

IniFile IniFile::parse(std::string_view diskBytes) {
    IniFile ini;
    std::size_t start = 0;
    while (start < diskBytes.size()) {
        auto end = diskBytes.find('\n', start);
        std::size_t next = end == std::string_view::npos ? diskBytes.size() : end + 1;
        if (end == std::string_view::npos) end = diskBytes.size();
        std::string_view text = diskBytes.substr(start, end - start);
        if (!text.empty() && text.back() == '\r') text.remove_suffix(1);
        ini.lines_.push_back(classify(std::string(text)));
        start = next;
    }
    return ini;
}

std::string IniFile::serialize() const {
    std::size_t size = 0;
    for (const auto& line : lines_) size += line.raw.size() + 2;
    std::string out;
    out.reserve(size);
    for (const auto& line : lines_) {
        out += line.raw;
        out += "\r\n";
    }
    return out;
}

std::optional<std::size_t> IniFile::findSection(std::string_view name1252) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section && sameName(lines_[i].name, name1252)) return i;
    }
    return std::nullopt;
}

std::optional<std::size_t> IniFile::findKey(std::size_t sectionLine,
                                            std::string_view key1252) const {
    for (std::size_t i = sectionLine + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section) break;
        if (lines_[i].kind == Kind::Key && sameName(lines_[i].name, key1252)) return i;
    }
    return std::nullopt;
}

const IniFile::Line* IniFile::findKeyLine(std::string_view section, std::string_view key) const {
    auto sectionLine = findSection(utf8ToCp1252(section));
    if (!sectionLine) return nullptr;
    auto keyLine = findKey(*sectionLine, utf8ToCp1252(key));
    return keyLine ? &lines_[*keyLine] : nullptr;
}

bool IniFile::hasSection(std::string_view section) const {
    return findSection(utf8ToCp1252(section)).has_value();
}

bool IniFile::hasKey(std::string_view section, std::string_view key) const {
    return findKeyLine(section, key) != nullptr;
}

std::string IniFile::getString(std::string_view section, std::string_view key,
                               const std::string& def) const {
    const Line* line = findKeyLine(section, key);
    return line ? cp1252ToUtf8(line->value) : def;
}

int IniFile::getInt(std::string_view section, std::string_view key, int def) const {
    const Line* line = findKeyLine(section, key);
    if (!line) return def;
    std::string_view text = line->value;
    std::size_t i = 0;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    if (i >= text.size() || text[i] < '0' || text[i] > '9') return def;
    std::int64_t magnitude = 0;
    constexpr std::int64_t kLimit = static_cast<std::int64_t>(INT_MAX) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        magnitude = magnitude * 10 + (text[i] - '0');
        if (magnitude > kLimit) magnitude = kLimit;
    }
    if (negative) return static_cast<int>(-magnitude);
    return magnitude > INT_MAX ? INT_MAX : static_cast<int>(magnitude);
}

void IniFile::setRaw(std::string_view section, std::string_view key, std::string value1252) {
    std::string section1252 = utf8ToCp1252(section);
    std::string key1252 = utf8ToCp1252(key);
    auto sectionLine = findSection(section1252);
    if (!sectionLine) {
        lines_.push_back(classify("[" + section1252 + "]"));
        lines_.push_back(classify(key1252 + "=" + value1252));
        return;
    }
    if (auto keyLine = findKey(*sectionLine, key1252)) {
        // Keep the key as the file spells it; only the value changes.
        Line& line = lines_[*keyLine];
        line = classify(line.name + "=" + value1252);
        return;
    }
    std::size_t insertAt = *sectionLine + 1;
    for (std::size_t i = *sectionLine + 1; i < lines_.size(); ++i) {
        if (lines_[i].kind == Kind::Section) break;
        if (lines_[i].kind == Kind::Key) insertAt = i + 1;
    }
    lines_.insert(lines_.begin() + static_cast<std::ptrdiff_t>(insertAt),
                  classify(key1252 + "=" + value1252));
}

void IniFile::setString(std::string_view section, std::string_view key, std::string_view value) {
    setRaw(section, key, oneLine(utf8ToCp1252(value)));
}

void IniFile::setInt(std::string_view section, std::string_view key, int value) {
    setRaw(section, key, std::to_string(value));
}

}  // namespace ambon
