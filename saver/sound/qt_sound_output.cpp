#include "qt_sound_output.h"

#include <QSoundEffect>
#include <QUrl>

namespace morvane {

QtSoundOutput::QtSoundOutput() = default;
QtSoundOutput::~QtSoundOutput() = default;

void QtSoundOutput::play(const std::string& path)
{
    const QString file = QString::fromStdString(path);
    auto it = effects_.find(file);
    if (it == effects_.end()) {
        auto effect = std::make_unique<QSoundEffect>();
        effect->setSource(QUrl::fromLocalFile(file));
        it = effects_.emplace(file, std::move(effect)).first;
    }
    if (playing_)
        playing_->stop();
    playing_ = it->second.get();
    // A sound still loading starts when loaded; one that cannot be loaded is silent.
    playing_->play();
}

} // namespace morvane
