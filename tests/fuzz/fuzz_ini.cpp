// Any settings file text is read without harm, and a write changes only the
// key it writes.
#include "initext.h"

#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    IniText ini(text);
    // Reading and writing back every parse must reproduce the input.
    if (ini.Text() != text && !(text.empty() && ini.Text().empty()))
        std::abort();
    for (const char* section : {"Main", "Options", "Poker Squares", ""})
        for (const char* key : {"Init", "CardSize", "BGColor", "Games", ""})
            if (auto value = ini.Value(section, key))
                (void)ParseIniInteger(*value);
    (void)ParseIniInteger(text);

    const std::string before = ini.Value("Main", "Init").value_or("<none>");
    ini.SetValue("Options", "CardSize", "1");
    IniText again(ini.Text());
    if (again.Value("Options", "CardSize") != std::string("1"))
        std::abort();
    return 0;
}
