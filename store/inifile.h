// The settings file on disk.  There is no cache: every read reads the file and
// every write rewrites it at once, atomically (a temporary file in the same
// folder, flushed, then renamed over), so the file on disk is always either
// the old or the new version.
#pragma once

#include <filesystem>
#include <stdexcept>
#include <string>
#include <string_view>

// A write the file system refused.  Its text is "Unable to write to <path>".
class EStoreWriteError : public std::runtime_error {
public:
    explicit EStoreWriteError(const std::filesystem::path& path);
};

class TIniFile {
public:
    explicit TIniFile(std::filesystem::path path);

    const std::filesystem::path& Path() const { return path_; }

    int ReadInteger(std::string_view section, std::string_view key, int defaultValue) const;
    bool ReadBool(std::string_view section, std::string_view key, bool defaultValue) const;
    // At most 2047 characters.
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    void WriteInteger(std::string_view section, std::string_view key, int value);
    void WriteBool(std::string_view section, std::string_view key, bool value);
    // Line breaks in a value would split the line and damage the file; they are
    // written as spaces.
    void WriteString(std::string_view section, std::string_view key, std::string_view value);

    static constexpr std::size_t MaxStringLength = 2047;

private:
    std::string Load() const;
    void Store(const std::string& text);

    std::filesystem::path path_;
};
