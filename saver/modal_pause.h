#pragma once
// The replay's message boxes: while one is open neither replay timer fires, so
// a timer restarted just before the box cannot load the next game inside the
// box's event loop and open a second box over it (and so on until the stack
// runs out). Once the box closes, the timers run as the replay left them.

#include <initializer_list>
#include <vector>

#include "dialogs.h"
#include "replay_timer.h"

namespace morvane {

class ModalPause : public Dialogs {
public:
    ModalPause(Dialogs& inner, std::initializer_list<ReplayTimer*> timers) : inner_(inner), timers_(timers) {}

    MsgAnswer message(const std::string& text, MsgIcon icon, MsgButtons buttons) override
    {
        const Hold hold(timers_);
        return inner_.message(text, icon, buttons);
    }
    std::optional<std::string> openFile(const std::string& title, const std::string& startDir,
                                        const std::string& filter) override
    {
        const Hold hold(timers_);
        return inner_.openFile(title, startDir, filter);
    }
    std::optional<std::string> saveFile(const std::string& title, const std::string& startDir,
                                        const std::string& filter) override
    {
        const Hold hold(timers_);
        return inner_.saveFile(title, startDir, filter);
    }
    std::optional<FontChoice> chooseFont(const FontChoice& current) override
    {
        const Hold hold(timers_);
        return inner_.chooseFont(current);
    }
    std::optional<std::uint32_t> chooseColor(std::uint32_t current) override
    {
        const Hold hold(timers_);
        return inner_.chooseColor(current);
    }

private:
    class Hold {
    public:
        explicit Hold(const std::vector<ReplayTimer*>& timers) : timers_(timers)
        {
            for (ReplayTimer* t : timers_)
                t->hold(true);
        }
        ~Hold()
        {
            for (ReplayTimer* t : timers_)
                t->hold(false);
        }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        const std::vector<ReplayTimer*>& timers_;
    };

    Dialogs& inner_;
    std::vector<ReplayTimer*> timers_;
};

} // namespace morvane
