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
        return held([&] { return inner_.message(text, icon, buttons); });
    }
    std::optional<std::string> openFile(const std::string& title, const std::string& startDir,
                                        const std::string& filter) override
    {
        return held([&] { return inner_.openFile(title, startDir, filter); });
    }
    std::optional<std::string> saveFile(const std::string& title, const std::string& startDir,
                                        const std::string& filter) override
    {
        return held([&] { return inner_.saveFile(title, startDir, filter); });
    }
    std::optional<FontChoice> chooseFont(const FontChoice& current) override
    {
        return held([&] { return inner_.chooseFont(current); });
    }
    std::optional<std::uint32_t> chooseColor(std::uint32_t current) override
    {
        return held([&] { return inner_.chooseColor(current); });
    }

private:
    // Runs `show` with every replay timer held, and lets them go however it ends.
    template <typename Show> auto held(Show show) -> decltype(show())
    {
        for (ReplayTimer* t : timers_)
            t->hold(true);
        struct Release {
            const std::vector<ReplayTimer*>& timers;
            ~Release()
            {
                for (ReplayTimer* t : timers)
                    t->hold(false);
            }
        } release{timers_};
        return show();
    }

    Dialogs& inner_;
    std::vector<ReplayTimer*> timers_;
};

} // namespace morvane
