#include "sound_tab.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include "dialog_parts.h"
#include "dialogs.h"
#include "qt_dialogs.h"
#include "settings_store.h"

namespace morvane {

namespace {

constexpr std::size_t kSounds = 3;
const char* const kCaptions[kSounds] = {"Play move sound:", "Play capture sound:", "Play castle sound:"};
const char* const kChooserNames[kSounds] = {"Command11", "Command12", "Command13"};
const char* const kKeys[kSounds] = {"wavfile1", "wavfile2", "wavfile3"};
const char* const kDefaultFiles[kSounds] = {"move.wav", "capture.wav", "castle.wav"};
// The play symbol; any font with a right-pointing triangle draws it.
const QChar kPlaySymbol(0x25B6);

bool truthValue(const std::string& text)
{
    return numericValue(text) != 0;
}

} // namespace

SoundTab::SoundTab(Dialogs& dialogs, QString appPath, PlaySound play, QWidget* parent)
    : QWidget(parent), dialogs_(dialogs), appPath_(std::move(appPath)), play_(std::move(play))
{
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(productHeading(this));
    auto* title = new QLabel(QStringLiteral("Sound controls"), this);
    QFont bold = title->font();
    bold.setBold(true);
    title->setFont(bold);
    layout->addWidget(title);

    Mute_ = new QCheckBox(QStringLiteral("Mute all sounds"), this);
    Mute_->setObjectName(QStringLiteral("Mute"));
    layout->addWidget(Mute_);

    Frame8_ = new QGroupBox(this);
    Frame8_->setObjectName(QStringLiteral("Frame8"));
    auto* grid = new QGridLayout(Frame8_);
    for (std::size_t i = 0; i < kSounds; ++i) {
        const int row = static_cast<int>(i);
        Sound_[i] = new QCheckBox(QString::fromLatin1(kCaptions[i]), Frame8_);
        Sound_[i]->setObjectName(QStringLiteral("Sound") + QString::number(row + 1));
        Sound_[i]->setChecked(true);
        grid->addWidget(Sound_[i], row, 0);

        Label30_[i] = new QLabel(Frame8_);
        Label30_[i]->setObjectName(arrayName("Label30", row));
        Label30_[i]->setTextFormat(Qt::PlainText);
        Label30_[i]->setFrameShape(QFrame::Panel);
        Label30_[i]->setFrameShadow(QFrame::Sunken);
        Label30_[i]->setMinimumWidth(260);
        Label30_[i]->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        grid->addWidget(Label30_[i], row, 1);

        choose_[i] = new QToolButton(Frame8_);
        choose_[i]->setText(QStringLiteral("..."));
        choose_[i]->setObjectName(QString::fromLatin1(kChooserNames[i]));
        grid->addWidget(choose_[i], row, 2);

        Command18_[i] = new QToolButton(Frame8_);
        Command18_[i]->setText(QString(kPlaySymbol));
        Command18_[i]->setObjectName(arrayName("Command18", row));
        Command18_[i]->setToolTip(QStringLiteral("Play"));
        grid->addWidget(Command18_[i], row, 3);

        connect(choose_[i], &QToolButton::clicked, this, [this, row] { chooseSoundFile(row); });
        connect(Command18_[i], &QToolButton::clicked, this, [this, row] { Command18_Click(row); });
    }
    grid->setColumnStretch(1, 1);
    layout->addWidget(Frame8_);
    layout->addStretch(1);

    connect(Mute_, &QCheckBox::toggled, this, &SoundTab::Mute_Click);
}

void SoundTab::load(const Config& config)
{
    auto state = [](const QCheckBox* box) { return box->isChecked() ? "1" : "0"; };
    Mute_->setChecked(truthValue(config.get("sound", state(Mute_))));
    for (std::size_t i = 0; i < kSounds; ++i) {
        const std::string key = "sound" + std::to_string(i + 1);
        Sound_[i]->setChecked(truthValue(config.get(key, state(Sound_[i]))));
    }
    for (std::size_t i = 0; i < kSounds; ++i) {
        const std::string fallback = appPath_.toStdString() + kDefaultFiles[i];
        const QString path = displayText(config.get(kKeys[i], fallback));
        Label30_[i]->setText(path);
        Label30_[i]->setToolTip(path);
    }
    Mute_Click();
}

void SoundTab::Mute_Click()
{
    Frame8_->setVisible(!Mute_->isChecked());
}

void SoundTab::chooseSoundFile(int sound)
{
    const auto i = static_cast<std::size_t>(sound);
    const QFileInfo current(Label30_[i]->text());
    const QString startDir =
        current.dir().exists() && !Label30_[i]->text().isEmpty() ? current.absolutePath() : appPath_;
    const auto chosen =
        dialogs_.openFile("Choose sound file", startDir.toStdString(), "Sound files (*.wav);;All files (*)");
    if (!chosen || chosen->empty())
        return;
    const QString path = QString::fromStdString(*chosen);
    Label30_[i]->setText(path);
    Label30_[i]->setToolTip(path);
}

void SoundTab::Command18_Click(int index)
{
    const QString path = soundFile(index);
    if (!path.isEmpty() && play_)
        play_(path);
}

bool SoundTab::muted() const
{
    return Mute_->isChecked();
}
bool SoundTab::plays(int sound) const
{
    return Sound_[static_cast<std::size_t>(sound)]->isChecked();
}
QString SoundTab::soundFile(int sound) const
{
    return Label30_[static_cast<std::size_t>(sound)]->text();
}

} // namespace morvane
