// The text of an INI file, kept line by line so that a rewrite changes only the
// line it writes: comments, blank lines, spacing and unknown keys all survive.
// Section and key names match without regard to case; the first match wins.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

class IniText {
public:
    explicit IniText(std::string_view text = {});

    // The value of the key, trimmed of surrounding spaces and tabs, or nothing.
    std::optional<std::string> Value(std::string_view section, std::string_view key) const;
    // Replaces the value of an existing key in place, or appends the key at the
    // end of its section (the section at the end of the file if it is new).
    void SetValue(std::string_view section, std::string_view key, std::string_view value);

    std::string Text() const;

private:
    struct Line {
        std::string text; // without its line ending
        bool crlf = false;
    };
    // Index of the section header, or -1.
    int FindSection(std::string_view section) const;
    // Index of the key's line within the section starting after header, or -1.
    int FindKey(int header, std::string_view key) const;
    int SectionEnd(int header) const;
    // Before a line is added after the last one, that line gets its ending.
    void TerminateLastLine();

    std::vector<Line> lines_;
    bool endsWithNewline_ = true;
    bool crlf_ = false; // the file's own line ending, used for new lines
};

// Integer reading as the settings file has always understood it: decimal with
// an optional sign, or hexadecimal after "0x", "0X" or "$"; anything else is
// not a number.
std::optional<int> ParseIniInteger(std::string_view text);
