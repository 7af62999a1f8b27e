#include "match_filter.h"

#include <QStringList>

#include <algorithm>

#include "game_file_reader.h"
#include "qt_dialogs.h"

namespace morvane {

namespace {

// A tag section longer than this is read only so far: no real header needs it.
constexpr std::int64_t kHeaderBytes = 64 * 1024;

// The value between the first quote after the name and its closing quote;
// backslash escapes a quote or a backslash.
std::string quotedValue(std::string_view line)
{
    std::string value;
    std::size_t i = line.find('"');
    if (i == std::string_view::npos)
        return value;
    for (++i; i < line.size() && line[i] != '"'; ++i) {
        if (line[i] == '\\' && i + 1 < line.size() && (line[i + 1] == '"' || line[i + 1] == '\\'))
            ++i;
        value += line[i];
    }
    return value;
}

} // namespace

GameTags readGameTags(std::string_view text)
{
    GameTags tags;
    struct Named {
        std::string_view name;
        std::string GameTags::*value;
    };
    static constexpr Named kNamed[] = {{"Event", &GameTags::event}, {"Site", &GameTags::site},
                                       {"Date", &GameTags::date},   {"Round", &GameTags::round},
                                       {"White", &GameTags::white}, {"Black", &GameTags::black}};
    for (std::size_t from = 0; from < text.size();) {
        std::size_t eol = std::min(text.find('\n', from), text.size());
        std::string_view line = text.substr(from, eol - from);
        from = eol + 1;
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t' || line.front() == '\r'))
            line.remove_prefix(1);
        if (line.empty())
            continue;
        if (line.front() != '[')
            break;
        const std::size_t nameEnd = std::min(line.find_first_of(" \t\""), line.size());
        const std::string_view name = line.substr(1, nameEnd - 1);
        for (const Named& named : kNamed)
            if (name == named.name && (tags.*named.value).empty())
                tags.*named.value = quotedValue(line);
    }
    return tags;
}

void MatchFilter::clear()
{
    folded_.clear();
    end_.clear();
}

bool MatchFilter::load(const std::string& path, const std::vector<GameSpan>& games, std::int64_t blockBytes,
                       const Progress& onGame)
{
    clear();
    end_.reserve(games.size());
    GameFileReader file;
    const bool readable = file.exists(path);
    // One block holds the tag sections of many games; a game whose section
    // runs past the block starts the next block.
    std::string_view block;
    std::int64_t blockBegin = 1;
    bool blockAtEnd = false;
    for (const GameSpan& span : games) {
        if (onGame)
            onGame(static_cast<std::int64_t>(end_.size()), static_cast<std::int64_t>(games.size()));
        const std::int64_t length = std::clamp<std::int64_t>(span.end - span.begin, 0, kHeaderBytes);
        const bool inBlock = span.begin >= blockBegin &&
                             (span.begin + length <= blockBegin + static_cast<std::int64_t>(block.size()) ||
                              (blockAtEnd && span.begin <= blockBegin + static_cast<std::int64_t>(block.size())));
        if (readable && length > 0 && !inBlock) {
            const auto read = file.read(span.begin, std::max(blockBytes, length));
            block = read.value_or(std::string_view());
            blockBegin = span.begin;
            blockAtEnd = static_cast<std::int64_t>(block.size()) < std::max(blockBytes, length);
        }
        std::string_view header;
        if (readable && length > 0 && span.begin >= blockBegin) {
            const auto offset = static_cast<std::size_t>(span.begin - blockBegin);
            if (offset <= block.size())
                header = block.substr(offset, static_cast<std::size_t>(length));
        }
        const GameTags tags = readGameTags(header);
        std::string record;
        for (const std::string* value : {&tags.event, &tags.site, &tags.date, &tags.round, &tags.white, &tags.black})
            (record += *value) += '\n';
        // Plain ASCII folds by itself; anything else goes through Unicode case folding.
        if (std::all_of(record.begin(), record.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; })) {
            for (char& c : record)
                if (c >= 'A' && c <= 'Z')
                    c = static_cast<char>(c - 'A' + 'a');
            folded_ += record;
        } else {
            folded_ += displayText(record).toCaseFolded().toStdString();
        }
        end_.push_back(folded_.size());
    }
    return readable;
}

std::vector<std::size_t> MatchFilter::matching(const QString& typed) const
{
    std::vector<std::string> words;
    for (const QString& word : typed.toCaseFolded().split(QLatin1Char(' '), Qt::SkipEmptyParts))
        words.push_back(word.trimmed().toStdString());
    std::vector<std::size_t> found;
    const std::string_view all(folded_);
    std::size_t begin = 0;
    for (std::size_t i = 0; i < end_.size(); ++i) {
        const std::string_view record = all.substr(begin, end_[i] - begin);
        begin = end_[i];
        if (std::all_of(words.begin(), words.end(),
                        [record](const std::string& w) { return record.find(w) != std::string_view::npos; }))
            found.push_back(i);
    }
    return found;
}

} // namespace morvane
