#pragma once
// The editor's twin of the replay decoder reports through this host: quietly,
// except for "Invalid Move", and never by ending the program (the game being
// entered in the settings dialog would be lost).

#include <functional>

#include "decoder_host.h"
#include "dialogs.h"

namespace morvane {

class EditorDecoderHost : public DecoderHost {
public:
    // `playMoveSound` (kind 1 move) may be empty: then the editor is silent.
    EditorDecoderHost(Dialogs& dialogs, std::function<void(int)> playMoveSound)
        : dialogs_(dialogs), playMoveSound_(std::move(playMoveSound))
    {
    }

    void showStatus(const std::string&) override {}
    void requestSound(int kind, SoundCause cause) override;
    void illegalMove() override {}
    void invalidMove() override;
    void decodeFailed() override {}

private:
    Dialogs& dialogs_;
    std::function<void(int)> playMoveSound_;
};

} // namespace morvane
