#include "inifile.h"

#include "initext.h"

#include <cerrno>
#include <fcntl.h>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <unistd.h>

EStoreWriteError::EStoreWriteError(const std::filesystem::path& path)
    : std::runtime_error("Unable to write to " + path.string()) {}

TIniFile::TIniFile(std::filesystem::path path) : path_(std::move(path)) {}

std::string TIniFile::Load() const {
    std::ifstream in(path_, std::ios::binary);
    if (!in)
        return {};
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

namespace {

bool WriteAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// A file without any write permission bit counts as read-only, even for a user
// (root) whom the system would let write it.
bool IsReadOnlyFile(const std::filesystem::path& path) {
    struct stat st {};
    if (::stat(path.c_str(), &st) != 0)
        return false;
    return (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 || ::access(path.c_str(), W_OK) != 0;
}

} // namespace

void TIniFile::Store(const std::string& text) {
    if (IsReadOnlyFile(path_))
        throw EStoreWriteError(path_);
    const std::filesystem::path folder =
        path_.has_parent_path() ? path_.parent_path() : std::filesystem::path(".");
    std::string pattern = (folder / ("." + path_.filename().string() + ".XXXXXX")).string();
    const int fd = ::mkstemp(pattern.data());
    if (fd < 0)
        throw EStoreWriteError(path_);
    // The new file keeps the old one's permissions (or the usual ones).
    struct stat st {};
    mode_t mode = 0666;
    if (::stat(path_.c_str(), &st) == 0) {
        mode = st.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode &= ~mask;
    }
    const bool ok = ::fchmod(fd, mode) == 0 && WriteAll(fd, text) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !ok || ::rename(pattern.c_str(), path_.c_str()) != 0) {
        ::unlink(pattern.c_str());
        throw EStoreWriteError(path_);
    }
}

int TIniFile::ReadInteger(std::string_view section, std::string_view key, int defaultValue) const {
    const auto value = IniText(Load()).Value(section, key);
    if (!value)
        return defaultValue;
    return ParseIniInteger(*value).value_or(defaultValue);
}

bool TIniFile::ReadBool(std::string_view section, std::string_view key, bool defaultValue) const {
    return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

std::string TIniFile::ReadString(std::string_view section, std::string_view key,
                                 std::string_view defaultValue) const {
    std::string value = IniText(Load()).Value(section, key).value_or(std::string(defaultValue));
    if (value.size() > MaxStringLength)
        value.resize(MaxStringLength);
    return value;
}

void TIniFile::WriteInteger(std::string_view section, std::string_view key, int value) {
    WriteString(section, key, std::to_string(value));
}

void TIniFile::WriteBool(std::string_view section, std::string_view key, bool value) {
    WriteString(section, key, value ? "1" : "0");
}

void TIniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
    std::string clean(value);
    for (char& c : clean)
        if (c == '\n' || c == '\r')
            c = ' ';
    IniText text(Load());
    text.SetValue(section, key, clean);
    Store(text.Text());
}
