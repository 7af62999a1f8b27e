#include "editor_decoder_host.h"

namespace morvane {

void EditorDecoderHost::requestSound(int kind, SoundCause cause)
{
    if (cause == SoundCause::Promotion && playMoveSound_)
        playMoveSound_(kind);
}

void EditorDecoderHost::invalidMove()
{
    dialogs_.message(kInvalidMoveText, MsgIcon::Critical, MsgButtons::Ok);
}

} // namespace morvane
