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

std::optional<std::uint32_t> parseWindowId(const std::string& text)
{
    const std::string t = trimmed(text);
    const bool hex = t.size() > 2 && t[0] == '0' && (t[1] == 'x' || t[1] == 'X');
    const std::string digits = hex ? t.substr(2) : t;
    if (digits.empty() || digits.size() > (hex ? 8u : 10u))
        return std::nullopt;
    std::uint64_t value = 0;
    for (const char c : digits) {
        const auto u = static_cast<unsigned char>(c);
        if (!(hex ? std::isxdigit(u) : std::isdigit(u)))
            return std::nullopt;
        const int digit = std::isdigit(u) ? c - '0' : std::tolower(u) - 'a' + 10;
        value = value * (hex ? 16 : 10) + static_cast<std::uint64_t>(digit);
    }
    if (value == 0 || value > 0xFFFFFFFFull)
        return std::nullopt;
    return static_cast<std::uint32_t>(value);
}

std::string installedDataFolder(const std::string& programFolder,
                                const std::function<bool(const std::string& folder)>& holdsGames)
{
    if (holdsGames(programFolder))
        return programFolder;
    std::string folder = programFolder;
    while (!folder.empty() && (folder.back() == '/' || folder.back() == '\\'))
        folder.pop_back();
    const auto slash = folder.find_last_of("/\\");
    if (slash == std::string::npos)
        return programFolder;
    const std::string installed = folder.substr(0, slash + 1) + "share/morvane3";
    return holdsGames(installed) ? installed : programFolder;
}

std::string dataFolder(const std::string& storedAppPath, const std::string& programFolder)
{
    std::string folder = storedAppPath.empty() ? programFolder : storedAppPath;
    if (folder.empty() || (folder.back() != '/' && folder.back() != '\\'))
        folder += '/';
    return folder;
}

} // namespace morvane
