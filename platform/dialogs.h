#pragma once
// Message boxes and the common dialogs, as the program's forms ask for them. The
// product shows real Qt dialogs; tests script the answers and record the texts.
// Qt-free on purpose, so rules that report to the user build without a display.

#include <cstdint>
#include <optional>
#include <string>

namespace morvane {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };
// YesNoDefaultNo: Yes and No with No as the default button, for a Yes that throws work away.
enum class MsgButtons { Ok, YesNo, OkCancel, YesNoCancel, YesNoDefaultNo };
enum class MsgAnswer { Ok, Yes, No, Cancel };

struct FontChoice {
    std::string name;
    double size = 12;
    bool bold = false;
    bool italic = false;
};

class Dialogs {
public:
    virtual ~Dialogs() = default;

    // Lines of `text` are separated by "\r\n" as the program writes them.
    virtual MsgAnswer message(const std::string& text, MsgIcon icon = MsgIcon::None,
                              MsgButtons buttons = MsgButtons::Ok) = 0;

    // Paths chosen by the user, or nothing on cancel. `filter` is like
    // "PGN files (*.pgn);;All files (*)".
    virtual std::optional<std::string> openFile(const std::string& title, const std::string& startDir,
                                                const std::string& filter) = 0;
    virtual std::optional<std::string> saveFile(const std::string& title, const std::string& startDir,
                                                const std::string& filter) = 0;
    virtual std::optional<FontChoice> chooseFont(const FontChoice& current) = 0;
    // Colours are 0x00BBGGRR numbers (red + 256 green + 65536 blue).
    virtual std::optional<std::uint32_t> chooseColor(std::uint32_t current) = 0;
};

// For places where nobody can answer a picker (no display, a window that does
// not get the keyboard): every choice is cancelled, only messages remain.
class MessageOnlyDialogs : public Dialogs {
public:
    std::optional<std::string> openFile(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<std::string> saveFile(const std::string&, const std::string&, const std::string&) override
    {
        return std::nullopt;
    }
    std::optional<FontChoice> chooseFont(const FontChoice&) override { return std::nullopt; }
    std::optional<std::uint32_t> chooseColor(std::uint32_t) override { return std::nullopt; }
};

} // namespace morvane
