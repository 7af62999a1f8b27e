#include "xscreensaver_file.h"

#include <QString>

#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <vector>

#include "file_io.h"

namespace morvane {

namespace {

namespace fs = std::filesystem;

constexpr const char* kProgramsKey = "programs:";
constexpr const char* kEntry = "\t\t\t\tmorvane3 --root\t\t\t\t    \\n";

std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

std::string textOf(const std::vector<std::string>& lines)
{
    std::string text;
    for (const std::string& line : lines)
        text += line + '\n';
    return text;
}

// A resource value goes on when its line ends in a backslash.
bool continues(const std::string& line)
{
    return !line.empty() && line.back() == '\\';
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

// Whether a line of the list names morvane3: after an optional "-" (switched
// off), an optional visual ("GL:") and an optional quoted name comes the command.
bool namesMorvane3(const std::string& line)
{
    std::size_t i = 0;
    const auto skipBlanks = [&] {
        while (i < line.size() && isBlank(line[i]))
            ++i;
    };
    const auto word = [&] {
        const std::size_t start = i;
        while (i < line.size() && !isBlank(line[i]) && line[i] != '\\')
            ++i;
        return line.substr(start, i - start);
    };
    skipBlanks();
    if (i < line.size() && line[i] == '-') {
        ++i;
        skipBlanks();
    }
    std::size_t before = i;
    if (const std::string visual = word(); visual.empty() || visual.back() != ':')
        i = before;
    skipBlanks();
    if (i < line.size() && line[i] == '"') {
        const std::size_t close = line.find('"', i + 1);
        i = close == std::string::npos ? line.size() : close + 1;
        skipBlanks();
    }
    const std::string command = word();
    return command.substr(command.find_last_of('/') + 1) == "morvane3";
}

struct Span {
    std::size_t first = 0;
    std::size_t last = 0;
};

std::optional<Span> programsSpan(const std::vector<std::string>& lines)
{
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (lines[i].rfind(kProgramsKey, 0) != 0)
            continue;
        Span span{i, i};
        while (continues(lines[span.last]) && span.last + 1 < lines.size())
            ++span.last;
        return span;
    }
    return std::nullopt;
}

std::string afterKey(const std::string& line)
{
    std::string rest = line.substr(std::string(kProgramsKey).size());
    rest.erase(0, rest.find_first_not_of(" \t"));
    return rest;
}

} // namespace

std::optional<ProgramsEdit> withMorvane3(const std::string& fileText)
{
    std::vector<std::string> lines = linesOf(fileText);
    const std::optional<Span> span = programsSpan(lines);
    if (!span)
        return std::nullopt;
    if (namesMorvane3(afterKey(lines[span->first])))
        return ProgramsEdit{fileText, false};
    for (std::size_t i = span->first + 1; i <= span->last; ++i)
        if (namesMorvane3(lines[i]))
            return ProgramsEdit{fileText, false};
    std::string& first = lines[span->first];
    std::string entry = kEntry;
    if (continues(first)) {
        entry += '\\';
    } else {
        // The whole list stood on the key's line: it now goes on to ours.
        const std::string rest = afterKey(first);
        first += rest.empty() ? "\t\\" : (rest.size() >= 2 && rest.substr(rest.size() - 2) == "\\n" ? "\\" : "\\n\\");
    }
    lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(span->first + 1), entry);
    return ProgramsEdit{textOf(lines), true};
}

std::optional<ProgramsEdit> withoutMorvane3(const std::string& fileText)
{
    std::vector<std::string> lines = linesOf(fileText);
    const std::optional<Span> span = programsSpan(lines);
    if (!span)
        return std::nullopt;
    bool changed = false;
    for (std::size_t i = span->last; i > span->first; --i) {
        if (!namesMorvane3(lines[i]))
            continue;
        // Taking out the list's last line ends the list on the line before it.
        if (!continues(lines[i]))
            lines[i - 1].pop_back();
        lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(i));
        changed = true;
    }
    return ProgramsEdit{changed ? textOf(lines) : fileText, changed};
}

int updateXScreenSaverFile(const std::string& path, bool add, std::ostream& out, std::ostream& err)
{
    std::error_code ec;
    if (!fs::exists(path, ec)) {
        err << "morvane3: there is no " << path
            << " yet. Run xscreensaver-settings and change any setting there, so that XScreenSaver writes it, then "
               "run this again. Nothing was changed.\n";
        return 1;
    }
    const fs::path real = fs::canonical(path, ec);
    std::ifstream in(real, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    if (ec || !in) {
        err << "morvane3: cannot read " << path << ". Nothing was changed.\n";
        return 1;
    }
    const std::optional<ProgramsEdit> edit = add ? withMorvane3(text.str()) : withoutMorvane3(text.str());
    if (!edit) {
        err << "morvane3: " << path
            << " has no \"programs:\" list. Choose any display mode in xscreensaver-settings so that it writes "
               "the list, then run this again. Nothing was changed.\n";
        return 1;
    }
    if (!edit->changed) {
        out << "Morvane3 is " << (add ? "already" : "not") << " among the display modes in " << path << ".\n";
        return 0;
    }
    const fs::path backup = real.string() + ".bak";
    fs::copy_file(real, backup, fs::copy_options::overwrite_existing, ec);
    if (ec || !replaceFileContents(QString::fromStdString(real.string()), edit->text).ok) {
        err << "morvane3: cannot write " << path << ". It was not changed.\n";
        return 1;
    }
    out << "Morvane3 " << (add ? "added to" : "taken out of") << " the display modes in " << path
        << "; the old file is " << backup.string() << ".\n";
    return 0;
}

} // namespace morvane
