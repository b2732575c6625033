#include "initext.h"

#include <cstdint>
#include <limits>

namespace {

std::string_view Trim(std::string_view s) {
    const auto isSpace = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && isSpace(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && isSpace(s.back()))
        s.remove_suffix(1);
    return s;
}

char Lower(char c) {
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Lower(a[i]) != Lower(b[i]))
            return false;
    return true;
}

// The name inside "[name]", or nothing when the line is no section header.
std::optional<std::string_view> HeaderName(std::string_view line) {
    line = Trim(line);
    if (line.size() < 2 || line.front() != '[')
        return std::nullopt;
    const auto close = line.find(']');
    if (close == std::string_view::npos)
        return std::nullopt;
    return Trim(line.substr(1, close - 1));
}

bool IsComment(std::string_view line) {
    line = Trim(line);
    return !line.empty() && (line.front() == ';' || line.front() == '#');
}

} // namespace

IniText::IniText(std::string_view text) {
    if (text.empty())
        return;
    std::size_t start = 0;
    while (start < text.size()) {
        auto end = text.find('\n', start);
        const bool last = end == std::string_view::npos;
        if (last)
            end = text.size();
        Line line{std::string(text.substr(start, end - start)), false};
        if (!last && !line.text.empty() && line.text.back() == '\r') {
            line.text.pop_back();
            line.crlf = true;
        }
        lines_.push_back(std::move(line));
        endsWithNewline_ = !last;
        start = end + 1;
    }
    crlf_ = !lines_.empty() && lines_.front().crlf;
}

int IniText::FindSection(std::string_view section) const {
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        const auto name = HeaderName(lines_[i].text);
        if (name && SameName(*name, Trim(section)))
            return static_cast<int>(i);
    }
    return -1;
}

int IniText::SectionEnd(int header) const {
    for (std::size_t i = static_cast<std::size_t>(header) + 1; i < lines_.size(); ++i)
        if (HeaderName(lines_[i].text))
            return static_cast<int>(i);
    return static_cast<int>(lines_.size());
}

int IniText::FindKey(int header, std::string_view key) const {
    const int end = SectionEnd(header);
    for (int i = header + 1; i < end; ++i) {
        const std::string& text = lines_[static_cast<std::size_t>(i)].text;
        if (IsComment(text))
            continue;
        const auto eq = text.find('=');
        if (eq != std::string::npos &&
            SameName(Trim(std::string_view(text).substr(0, eq)), Trim(key)))
            return i;
    }
    return -1;
}

std::optional<std::string> IniText::Value(std::string_view section, std::string_view key) const {
    const int header = FindSection(section);
    if (header < 0)
        return std::nullopt;
    const int line = FindKey(header, key);
    if (line < 0)
        return std::nullopt;
    const std::string& text = lines_[static_cast<std::size_t>(line)].text;
    return std::string(Trim(std::string_view(text).substr(text.find('=') + 1)));
}

void IniText::SetValue(std::string_view section, std::string_view key, std::string_view value) {
    int header = FindSection(section);
    if (header < 0) {
        TerminateLastLine();
        // A new section goes at the end, set off from the one before by a blank line.
        if (!lines_.empty() && !Trim(lines_.back().text).empty())
            lines_.push_back({"", crlf_});
        lines_.push_back({"[" + std::string(section) + "]", crlf_});
        lines_.push_back({std::string(key) + "=" + std::string(value), crlf_});
        endsWithNewline_ = true;
        return;
    }
    const int line = FindKey(header, key);
    if (line >= 0) {
        // Keep the key's own spelling and spacing; replace only what follows "=".
        std::string& text = lines_[static_cast<std::size_t>(line)].text;
        std::size_t valueStart = text.find('=') + 1;
        while (valueStart < text.size() && (text[valueStart] == ' ' || text[valueStart] == '\t'))
            ++valueStart;
        text = text.substr(0, valueStart) + std::string(value);
        return;
    }
    // A new key goes after the last non-blank line of its section.
    int insertAt = SectionEnd(header);
    while (insertAt - 1 > header &&
           Trim(lines_[static_cast<std::size_t>(insertAt - 1)].text).empty())
        --insertAt;
    if (insertAt == static_cast<int>(lines_.size()))
        TerminateLastLine();
    lines_.insert(lines_.begin() + insertAt,
                  Line{std::string(key) + "=" + std::string(value), crlf_});
}

void IniText::TerminateLastLine() {
    if (!endsWithNewline_ && !lines_.empty())
        lines_.back().crlf = crlf_;
    endsWithNewline_ = true;
}

std::string IniText::Text() const {
    std::string out;
    for (std::size_t i = 0; i < lines_.size(); ++i) {
        out += lines_[i].text;
        if (i + 1 < lines_.size() || endsWithNewline_)
            out += lines_[i].crlf ? "\r\n" : "\n";
    }
    return out;
}

std::optional<int> ParseIniInteger(std::string_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    unsigned base = 10;
    if (text.size() >= 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
        base = 16;
        text.remove_prefix(2);
    } else if (!text.empty() && text.front() == '$') {
        base = 16;
        text.remove_prefix(1);
    }
    if (text.empty())
        return std::nullopt;
    // Decimal must fit a signed 32-bit number; hexadecimal may use all 32 bits
    // (0xFFFFFFFF is -1, as colour values with the top bit set are written).
    const std::uint64_t limit =
        base == 16 ? 0xFFFFFFFFULL
                   : static_cast<std::uint64_t>(std::numeric_limits<std::int32_t>::max()) +
                         (negative ? 1 : 0);
    std::uint64_t n = 0;
    for (char c : text) {
        unsigned digit;
        if (c >= '0' && c <= '9')
            digit = static_cast<unsigned>(c - '0');
        else if (base == 16 && c >= 'a' && c <= 'f')
            digit = static_cast<unsigned>(c - 'a' + 10);
        else if (base == 16 && c >= 'A' && c <= 'F')
            digit = static_cast<unsigned>(c - 'A' + 10);
        else
            return std::nullopt;
        n = n * base + digit;
        if (n > limit)
            return std::nullopt;
    }
    const auto bits = static_cast<std::uint32_t>(negative ? (~n + 1) : n);
    return static_cast<int>(static_cast<std::int32_t>(bits));
}
