// The QSoundEffect player: returns at once, a new sound replaces the old, a file
// that cannot be played is silence, and no audio device blocks nothing.
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>

#include "qt_sound_output.h"

namespace {

// A short mono 8 kHz 16-bit WAV of silence.
void writeWav(const std::string& path, int milliseconds)
{
    const std::uint32_t samples = 8000u * static_cast<std::uint32_t>(milliseconds) / 1000u;
    const std::uint32_t dataBytes = samples * 2;
    std::ofstream out(path, std::ios::binary);
    auto u32 = [&out](std::uint32_t v) { out.write(reinterpret_cast<const char*>(&v), 4); };
    auto u16 = [&out](std::uint16_t v) { out.write(reinterpret_cast<const char*>(&v), 2); };
    out.write("RIFF", 4);
    u32(36 + dataBytes);
    out.write("WAVEfmt ", 8);
    u32(16);
    u16(1);
    u16(1);
    u32(8000);
    u32(16000);
    u16(2);
    u16(16);
    out.write("data", 4);
    u32(dataBytes);
    out << std::string(dataBytes, '\0');
}

void runEvents(int milliseconds)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < milliseconds)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
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
    runEvents(100);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
