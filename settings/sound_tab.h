#pragma once
// The "Sound" tab: mute, which sounds play, and their WAV files.

#include <QWidget>

#include <array>
#include <functional>
#include <string>

class QCheckBox;
class QGroupBox;
class QLabel;
class QToolButton;

namespace morvane {

class Config;
class Dialogs;

class SoundTab : public QWidget {
    Q_OBJECT
public:
    // `play` starts a WAV file and returns at once; a file that cannot be played is silent.
    using PlaySound = std::function<void(const QString& path)>;

    SoundTab(Dialogs& dialogs, QString appPath, PlaySound play, QWidget* parent = nullptr);

    void load(const Config& config);

    bool muted() const;
    bool plays(int sound) const;        // 0 move, 1 capture, 2 castling
    QString soundFile(int sound) const; // the path shown for it

    void Mute_Click();
    void Command11_Click() { chooseSoundFile(0); }
    void Command12_Click() { chooseSoundFile(1); }
    void Command13_Click() { chooseSoundFile(2); }
    void Command18_Click(int index);

private:
    void chooseSoundFile(int sound);

    Dialogs& dialogs_;
    QString appPath_;
    PlaySound play_;
    QCheckBox* Mute_ = nullptr;
    QGroupBox* Frame8_ = nullptr;
    std::array<QCheckBox*, 3> Sound_{};
    std::array<QLabel*, 3> Label30_{};
    std::array<QToolButton*, 3> choose_{};
    std::array<QToolButton*, 3> Command18_{};
};

} // namespace morvane
