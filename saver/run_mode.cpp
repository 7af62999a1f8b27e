#include "run_mode.h"

#include <cctype>

namespace morvane {

std::string trimmed(const std::string& text)
{
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const auto last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

std::string upperCased(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

RunMode runModeFor(const std::string& commandLine)
{
    const std::string line = upperCased(trimmed(commandLine));
    const std::string sw = line.substr(0, 2);
    if (sw.empty() || sw == "/C")
        return RunMode::Settings;
    if (sw == "/S")
        return RunMode::FullScreen;
    if (sw == "/P")
        return RunMode::Preview;
    if (sw == "/E")
        return RunMode::SettingsOnImport;
    return RunMode::FullScreen;
}

std::optional<std::int64_t> ParseWindowHandle(const std::string& text)
{
    const std::string t = trimmed(text);
    std::size_t i = t.size();
    while (i >= 1 && t[i - 1] >= '0' && t[i - 1] <= '9')
        --i;
    const std::string digits = t.substr(i);
    if (digits.empty() || digits.size() > 10)
        return std::nullopt;
    const std::int64_t value = std::stoll(digits);
    if (value > 0xFFFFFFFFLL)
        return std::nullopt;
    return value;
}

std::string dataFolder(const std::string& storedAppPath, const std::string& programFolder)
{
    std::string folder = storedAppPath.empty() ? programFolder : storedAppPath;
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
        folder += '/';
    return folder;
}

} // namespace morvane
