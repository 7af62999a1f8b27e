// The QSoundEffect player returns at once, a new sound replaces the old, and a
// file that cannot be played, or no audio device, is silence.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

#include "qt_sound_output.h"

namespace {

// Silence as a mono 8 kHz 16-bit WAV.
void writeWav(const std::string& path, std::uint32_t milliseconds)
{
    const std::uint32_t bytes = 16 * milliseconds;
    const std::uint32_t header[] = {0x46464952, 36 + bytes, 0x45564157, 0x20746d66, 16,   0x00010001,
                                    8000,       16000,      0x00100002, 0x61746164, bytes};
    std::ofstream out(path, std::ios::binary); // little-endian words
    out.write(reinterpret_cast<const char*>(header), sizeof header);
    out << std::string(bytes, '\0');
}

TEST(QtSoundOutput, PlaysWithoutWaiting)
{
    QTemporaryDir dir;
    const std::string move = dir.filePath("move.wav").toStdString();
    const std::string castle = dir.filePath("castle.wav").toStdString();
    writeWav(move, 2000);
    writeWav(castle, 300);
    morvane::QtSoundOutput output;
    QElapsedTimer timer;
    timer.start();
    output.play(move);
    output.play(castle); // cuts off the move sound
    output.play(move);
    output.play(dir.filePath("missing.wav").toStdString());
    EXPECT_LT(timer.elapsed(), 500);
    while (timer.elapsed() < 100)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
