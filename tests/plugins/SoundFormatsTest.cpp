// The sound formats the library reads: PCM WAV with its header checks, and CWV.
#include <gtest/gtest.h>

#include <functional>

#include "CwvFile.h"
#include "FrameReader.h"
#include "SoundFiles.h"
#include "SoundImage.h"
#include "WavFile.h"

using aulo::SoundImage;

namespace {

void Put16(std::vector<uint8_t>& v, size_t at, uint16_t x) {
    v[at] = uint8_t(x);
    v[at + 1] = uint8_t(x >> 8);
}
void Put32(std::vector<uint8_t>& v, size_t at, uint32_t x) {
    Put16(v, at, uint16_t(x));
    Put16(v, at + 2, uint16_t(x >> 16));
}

bool Parses(const std::vector<uint8_t>& image) {
    SoundImage sound;
    return aulo::ParseSound(image.data(), image.size(), sound);
}

std::vector<uint8_t> PcmWav(uint32_t rate, uint16_t bits, uint16_t channels, uint32_t frames) {
    const uint32_t bytes = frames * channels * bits / 8;
    std::vector<uint8_t> image = aulo::MakeWavHeader(rate, bits, channels, bytes);
    image.resize(image.size() + bytes, bits == 8 ? 128 : 0);
    return image;
}

}  // namespace

TEST(WavFormat, AcceptsPcmAtTheThreeRatesInEveryLayout) {
    for (uint32_t rate : {44100u, 22050u, 11025u})
        for (uint16_t bits : {uint16_t(8), uint16_t(16)})
            for (uint16_t channels : {uint16_t(1), uint16_t(2)}) {
                SoundImage sound;
                const std::vector<uint8_t> image = PcmWav(rate, bits, channels, 100);
                ASSERT_TRUE(aulo::ParseSound(image.data(), image.size(), sound)) << rate << " " << bits;
                EXPECT_EQ(100u, sound.format.frames);
                EXPECT_EQ(rate, sound.format.rate);
                EXPECT_EQ(image.data() + 44, sound.samples);
                EXPECT_EQ(image.size(), aulo::DeclaredSoundSize(image.data()));
            }
}

TEST(WavFormat, SkipsUnknownChunksAndIgnoresAPartialLastFrame) {
    std::vector<uint8_t> image = PcmWav(22050, 16, 2, 10);
    // A "LIST" chunk of odd size (with its pad byte) between "fmt " and "data".
    const std::vector<uint8_t> list = {'L', 'I', 'S', 'T', 3, 0, 0, 0, 'a', 'b', 'c', 0};
    image.insert(image.begin() + 36, list.begin(), list.end());
    Put32(image, 4, uint32_t(image.size() - 8));
    SoundImage sound;
    ASSERT_TRUE(aulo::ParseWav(image.data(), image.size(), sound));
    EXPECT_EQ(10u, sound.format.frames);

    image.push_back(0);  // one byte more data than whole frames
    image.push_back(0);
    Put32(image, 4, uint32_t(image.size() - 8));
    Put32(image, 40 + list.size(), 42);
    ASSERT_TRUE(aulo::ParseWav(image.data(), image.size(), sound));
    EXPECT_EQ(10u, sound.format.frames);
    EXPECT_EQ(40u, sound.sampleBytes);
}

TEST(WavFormat, RefusesMalformedAndUnsupportedHeaders) {
    const std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> damages = {
        {"not RIFF", [](auto& v) { v[0] = 'X'; }},
        {"not WAVE", [](auto& v) { v[8] = 'X'; }},
        {"RIFF size past the end", [](auto& v) { Put32(v, 4, uint32_t(v.size())); }},
        {"RIFF size too small", [](auto& v) { Put32(v, 4, 2); }},
        {"float samples", [](auto& v) { Put16(v, 20, 3); }},
        {"extensible format", [](auto& v) { Put16(v, 20, 0xFFFE); }},
        {"three channels", [](auto& v) { Put16(v, 22, 3); Put16(v, 32, 6); Put32(v, 28, 22050 * 6); }},
        {"48000 Hz", [](auto& v) { Put32(v, 24, 48000); Put32(v, 28, 48000 * 4); }},
        {"8000 Hz", [](auto& v) { Put32(v, 24, 8000); Put32(v, 28, 8000 * 4); }},
        {"24 bits", [](auto& v) { Put16(v, 34, 24); Put16(v, 32, 6); Put32(v, 28, 22050 * 6); }},
        {"block align", [](auto& v) { Put16(v, 32, 2); }},
        {"byte rate", [](auto& v) { Put32(v, 28, 1000); }},
        {"short fmt chunk", [](auto& v) { Put32(v, 16, 12); }},
        {"data chunk past the end", [](auto& v) { Put32(v, 40, 100000); }},
        {"no data frames", [](auto& v) { Put32(v, 40, 3); }},
        {"no fmt chunk", [](auto& v) { v[12] = 'x'; }},
        {"huge chunk size", [](auto& v) { Put32(v, 16, 0xFFFFFFF0u); }},
    };
    for (const auto& damage : damages) {
        std::vector<uint8_t> image = PcmWav(22050, 16, 2, 50);
        ASSERT_TRUE(Parses(image));
        damage.second(image);
        EXPECT_FALSE(Parses(image)) << damage.first;
    }
    const std::vector<uint8_t> whole = PcmWav(22050, 16, 2, 50);
    for (size_t size : {size_t(0), size_t(3), size_t(11), size_t(20), size_t(43), whole.size() - 1}) {
        SoundImage sound;
        EXPECT_FALSE(aulo::ParseSound(whole.data(), size, sound)) << size;
    }
    const std::vector<uint8_t> data = PcmWav(22050, 16, 2, 50);
    std::vector<uint8_t> reordered(data.begin(), data.begin() + 12);  // "data" before "fmt "
    reordered.insert(reordered.end(), data.begin() + 36, data.end());
    reordered.insert(reordered.end(), data.begin() + 12, data.begin() + 36);
    EXPECT_FALSE(Parses(reordered));
}

TEST(CwvFormat, RoundTripStaysCloseToTheSourceAndIsAQuarterOfItsSize) {
    for (uint16_t channels : {uint16_t(1), uint16_t(2)}) {
        const TestSound tone = MakeTone(300, 440.0, 0.5, 22050, channels);
        const std::vector<uint8_t> image = CwvImage(tone, 500);
        SoundImage sound;
        ASSERT_TRUE(aulo::ParseSound(image.data(), image.size(), sound));
        EXPECT_EQ(tone.Frames(), sound.format.frames);
        EXPECT_EQ(image.size(), aulo::DeclaredSoundSize(image.data()));
        EXPECT_LT(image.size(), tone.samples.size() * 2 * 3 / 10);

        aulo::FrameReader reader(sound, 22050);
        ASSERT_EQ(tone.Frames(), reader.GetLength());
        double error = 0;
        for (uint32_t f = 0; f < tone.Frames(); ++f) {
            int32_t left, right;
            reader.Next(left, right);
            error += std::abs(left - tone.samples[size_t(f) * channels]);
            EXPECT_EQ(left, right);
        }
        EXPECT_LT(error / tone.Frames(), 300.0);  // well below 1% of full scale on average
    }
}

TEST(CwvFormat, RefusesDamagedImages) {
    const std::vector<uint8_t> good = CwvImage(MakeTone(50, 300.0, 0.3), 256);
    ASSERT_TRUE(Parses(good));
    const std::vector<std::pair<const char*, std::function<void(std::vector<uint8_t>&)>>> damages = {
        {"magic", [](auto& v) { v[3] = '2'; }},
        {"size past the end", [](auto& v) { Put32(v, 4, uint32_t(v.size() + 1)); }},
        {"size short of the blocks", [](auto& v) { Put32(v, 4, uint32_t(v.size() - 1)); }},
        {"rate", [](auto& v) { Put32(v, 8, 32000); }},
        {"channels", [](auto& v) { Put16(v, 12, 3); }},
        {"no block frames", [](auto& v) { Put16(v, 14, 0); }},
        {"too many block frames", [](auto& v) { Put16(v, 14, 9000); }},
        {"no frames", [](auto& v) { Put32(v, 16, 0); }},
        {"more frames than blocks", [](auto& v) { Put32(v, 16, 100000); }},
        {"step index", [](auto& v) { v[22] = 89; }},
        {"state pad byte", [](auto& v) { v[23] = 1; }},
    };
    for (const auto& damage : damages) {
        std::vector<uint8_t> image = good;
        damage.second(image);
        EXPECT_FALSE(Parses(image)) << damage.first;
    }
    SoundImage sound;
    EXPECT_FALSE(aulo::ParseSound(good.data(), good.size() - 1, sound));
    EXPECT_FALSE(aulo::ParseSound(good.data(), 19, sound));
}

TEST(FrameReader, ConvertsRatesLayoutsAndSampleSizesToTheOutput) {
    // 44100 Hz averages pairs, 11025 Hz repeats each frame, mono goes to both sides.
    TestSound fast = MakeLevel(10, 1000, 44100, 1);
    fast.samples[0] = 3000;
    SoundImage sound;
    std::vector<uint8_t> image = WavImage(fast);
    ASSERT_TRUE(aulo::ParseSound(image.data(), image.size(), sound));
    aulo::FrameReader down(sound, 22050);
    EXPECT_EQ(fast.Frames() / 2, down.GetLength());
    int32_t left, right;
    down.Next(left, right);
    EXPECT_EQ(2000, left);
    EXPECT_EQ(2000, right);

    const TestSound slow = MakeLevel(10, -500, 11025, 2);
    image = WavImage(slow);
    ASSERT_TRUE(aulo::ParseSound(image.data(), image.size(), sound));
    aulo::FrameReader up(sound, 44100);
    EXPECT_EQ(slow.Frames() * 4, up.GetLength());
    for (uint64_t i = 0; i < up.GetLength(); ++i) {
        up.Next(left, right);
        ASSERT_EQ(-500, left);
    }

    image = PcmWav(22050, 8, 1, 4);
    image[44] = 0;
    image[45] = 255;
    ASSERT_TRUE(aulo::ParseSound(image.data(), image.size(), sound));
    aulo::FrameReader bytes(sound, 22050);
    bytes.Next(left, right);
    EXPECT_EQ(-32768, left);
    bytes.Next(left, right);
    EXPECT_EQ(127 * 256, right);
}
