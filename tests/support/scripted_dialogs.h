#pragma once
// Dialogs for tests: records every message and answers from a script.

#include <deque>
#include <string>
#include <vector>

#include "dialogs.h"

namespace testutil {

class ScriptedDialogs : public morvane::Dialogs {
public:
    struct Message {
        std::string text;
        morvane::MsgIcon icon;
        morvane::MsgButtons buttons;
    };

    std::vector<Message> messages;
    std::deque<morvane::MsgAnswer> answers;               // next answers to messages; default Ok/Yes
    std::deque<std::optional<std::string>> files;         // next answers to open/save
    std::deque<std::optional<morvane::FontChoice>> fonts; // next answers to the font dialog
    std::deque<std::optional<std::uint32_t>> colors;      // next answers to the colour dialog
    std::vector<std::string> fileDialogStartDirs;

    morvane::MsgAnswer message(const std::string& text, morvane::MsgIcon icon, morvane::MsgButtons buttons) override
    {
        messages.push_back({text, icon, buttons});
        if (!answers.empty())
            return next(answers);
        const bool ok = buttons == morvane::MsgButtons::Ok || buttons == morvane::MsgButtons::OkCancel;
        return ok ? morvane::MsgAnswer::Ok : morvane::MsgAnswer::Yes;
    }
    std::optional<std::string> openFile(const std::string&, const std::string& startDir, const std::string&) override
    {
        return nextFile(startDir);
    }
    std::optional<std::string> saveFile(const std::string&, const std::string& startDir, const std::string&) override
    {
        return nextFile(startDir);
    }
    std::optional<morvane::FontChoice> chooseFont(const morvane::FontChoice&) override { return next(fonts); }
    std::optional<std::uint32_t> chooseColor(std::uint32_t) override { return next(colors); }

    std::vector<std::string> texts() const
    {
        std::vector<std::string> out;
        for (const auto& m : messages)
            out.push_back(m.text);
        return out;
    }

private:
    std::optional<std::string> nextFile(const std::string& startDir)
    {
        fileDialogStartDirs.push_back(startDir);
        return next(files);
    }
    template <typename T> static T next(std::deque<T>& queue)
    {
        if (queue.empty())
            return T{};
        T v = queue.front();
        queue.pop_front();
        return v;
    }
};

} // namespace testutil
