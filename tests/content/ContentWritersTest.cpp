// The content generator's file writers and synthesizer: the AVI's RIFF structure and index,
// icon and cursor directories, and synthesized sounds that the sound library's own readers
// accept with the length they were made with; and the generator's own mathematics, close
// to the runtime's.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "AviWriter.h"
#include "CwvFile.h"
#include "DetMath.h"
#include "IconFile.h"
#include "MachineSounds.h"
#include "SoundSynth.h"
#include "WavFile.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& v, size_t at) {
    return uint32_t(v[at]) | uint32_t(v[at + 1]) << 8 | uint32_t(v[at + 2]) << 16 | uint32_t(v[at + 3]) << 24;
}

uint16_t U16(const std::vector<uint8_t>& v, size_t at) { return uint16_t(v[at] | v[at + 1] << 8); }

bool CodeAt(const std::vector<uint8_t>& v, size_t at, const char* code) {
    return at + 4 <= v.size() && std::memcmp(&v[at], code, 4) == 0;
}

size_t Find(const std::vector<uint8_t>& v, const char* code) {
    for (size_t i = 0; i + 4 <= v.size(); ++i)
        if (CodeAt(v, i, code)) return i;
    return v.size();
}

TEST(AviWriter, FramesAreIndexedKeyFramesOfTheMoviesList) {
    content::AviWriter avi(6, 2, 10);
    EXPECT_EQ(avi.FrameBytes(), 48u);
    std::vector<uint8_t> frame(avi.FrameBytes());
    for (uint8_t i = 0; i < 3; ++i) {
        std::fill(frame.begin(), frame.end(), i);
        avi.AddFrame(frame.data());
    }
    const std::vector<uint8_t> v = avi.Image();
    ASSERT_TRUE(CodeAt(v, 0, "RIFF") && CodeAt(v, 8, "AVI "));
    EXPECT_EQ(U32(v, 4), v.size() - 8);
    const size_t avih = Find(v, "avih");
    EXPECT_EQ(U32(v, avih + 8), 100000u);  // microseconds per frame
    EXPECT_EQ(U32(v, avih + 8 + 16), 3u);  // frames
    EXPECT_EQ(U32(v, avih + 8 + 32), 6u);
    EXPECT_EQ(U32(v, avih + 8 + 36), 2u);
    const size_t strf = Find(v, "strf");
    EXPECT_EQ(U16(v, strf + 8 + 14), 32u);  // bits per pixel, uncompressed
    const size_t movi = Find(v, "movi");
    const size_t idx1 = Find(v, "idx1");
    ASSERT_EQ(U32(v, idx1 + 4), 3u * 16);
    for (uint32_t i = 0; i < 3; ++i) {
        const size_t entry = idx1 + 8 + i * 16;
        EXPECT_TRUE(CodeAt(v, entry, "00db"));
        EXPECT_EQ(U32(v, entry + 4), 0x10u);
        const size_t chunk = movi + U32(v, entry + 8);
        EXPECT_TRUE(CodeAt(v, chunk, "00db"));
        EXPECT_EQ(U32(v, chunk + 4), 48u);
        EXPECT_EQ(v[chunk + 8], i);
    }
}

TEST(IconFile, IconsAndCursorsCarryTheirImagesMasksAndHotSpot) {
    content::IconImage image;
    image.size = 16;
    image.pixels.assign(256, 0xFF112233u);
    image.pixels[0] = 0;  // top-left transparent
    const std::vector<uint8_t> ico = content::IconFileImage({image, image});
    EXPECT_EQ(U16(ico, 2), 1u);
    EXPECT_EQ(U16(ico, 4), 2u);
    const uint32_t bytes = 40 + 16 * 16 * 4 + 16 * 4;
    EXPECT_EQ(U32(ico, 6 + 8), bytes);
    EXPECT_EQ(U32(ico, 6 + 16 + 12), 6u + 32 + bytes);
    ASSERT_EQ(ico.size(), 6u + 32 + 2 * bytes);
    const size_t bits = U32(ico, 6 + 12);
    EXPECT_EQ(U32(ico, bits + 8), 32u);  // twice the height
    // The mask's last row is the picture's top row: only its first pixel is transparent.
    const size_t lastMaskRow = bits + 40 + 16 * 16 * 4 + 15 * 4;
    EXPECT_EQ(ico[lastMaskRow], 0x80);
    EXPECT_EQ(ico[bits + 40 + 16 * 16 * 4], 0x00);

    const std::vector<uint8_t> cur = content::CursorFileImage(image, 3, 5);
    EXPECT_EQ(U16(cur, 2), 2u);
    EXPECT_EQ(U16(cur, 6 + 4), 3u);
    EXPECT_EQ(U16(cur, 6 + 6), 5u);
}

TEST(SoundSynth, EnvelopesShapeVoicesAndTheFilesKeepTheirLength) {
    const content::Envelope e{0.1, 0.1, 0.5, 0.2};
    EXPECT_DOUBLE_EQ(e.At(0.05, 1.0), 0.5);   // half way up
    EXPECT_DOUBLE_EQ(e.At(0.15, 1.0), 0.75);  // half way down to the sustain
    EXPECT_DOUBLE_EQ(e.At(0.5, 1.0), 0.5);
    EXPECT_NEAR(e.At(0.9, 1.0), 0.25, 1e-9);  // half way through the release
    EXPECT_EQ(e.At(1.0, 1.0), 0.0);

    content::SampleBuffer b = content::Silence(11025, 2, 0.5);
    content::AddVoice(b, content::Voice{content::Wave::Sine, 441, 441, 0.1, 0.2, 0.5, 1.0});
    content::Normalize(b, 0.5);
    const std::vector<int16_t> pcm = content::ToPcm16(b);
    ASSERT_EQ(pcm.size(), 2u * 5512);
    EXPECT_EQ(pcm[2 * 1000], 0);  // before the voice starts
    int16_t left = 0, right = 0;
    for (size_t i = 0; i < pcm.size(); i += 2) left = std::max(left, pcm[i]), right = std::max(right, pcm[i + 1]);
    EXPECT_EQ(left, 0);  // panned hard right
    EXPECT_NEAR(right, 16384, 1);

    std::vector<uint8_t> wav = aulo::MakeWavHeader(b.rate, 16, 2, uint32_t(pcm.size() * 2));
    wav.insert(wav.end(), reinterpret_cast<const uint8_t*>(pcm.data()),
               reinterpret_cast<const uint8_t*>(pcm.data() + pcm.size()));
    aulo::SoundImage parsed;
    ASSERT_TRUE(aulo::ParseWav(wav.data(), wav.size(), parsed));
    EXPECT_EQ(parsed.format.frames, 5512u);
    const std::vector<uint8_t> cwv = aulo::EncodeCwv(pcm.data(), b.Frames(), 2, b.rate);
    ASSERT_TRUE(aulo::ParseCwv(cwv.data(), cwv.size(), parsed));
    EXPECT_EQ(parsed.format.frames, 5512u);
}

// The sounds the machines' scripts name, of the lengths the machines play them for: the
// cabinet's in each machine's own key (the coin's drop alike in every machine).
TEST(MachineSounds, EachMachineHasItsFourCabinetSoundsAndTheCreditsTheirChime) {
    ASSERT_EQ(content::kMachinePitchCount, 22u);  // the built-in machines and Foxfire Grove
    const std::vector<content::NamedSound> foxfire = content::CabinetSounds("foxfire");
    const std::vector<content::NamedSound> bars = content::CabinetSounds("bars");
    const char* const names[] = {"_spin.wav", "_stop.wav", "_coin.wav", "_win.wav"};
    const uint32_t frames[] = {13230, 3307, 8820, 22050};
    ASSERT_EQ(foxfire.size(), 4u);
    ASSERT_EQ(bars.size(), 4u);
    for (size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(foxfire[i].file, std::string("foxfire") + names[i]);
        EXPECT_EQ(bars[i].file, std::string("bars") + names[i]);
        EXPECT_EQ(foxfire[i].samples.rate, 22050u);
        EXPECT_EQ(foxfire[i].samples.channels, 1u);
        EXPECT_EQ(foxfire[i].samples.Frames(), frames[i]) << names[i];
        EXPECT_EQ(content::ToPcm16(foxfire[i].samples) == content::ToPcm16(bars[i].samples), i == 2) << names[i];
    }
    EXPECT_THROW(content::CabinetSounds("nosuchmachine"), std::invalid_argument);
    const content::NamedSound chime = content::CreditsChime();
    EXPECT_EQ(chime.file, "credits_chime.wav");
    EXPECT_EQ(chime.samples.Frames(), 11025u);
}

}  // namespace

namespace {

// Within `ulps` units in the last place of the runtime's result (or of 1 near zero).
void ExpectClose(double mine, double runtime, double ulps, const char* what, double x) {
    const double scale = std::max(1.0, std::fabs(runtime));
    EXPECT_LE(std::fabs(mine - runtime), ulps * 2.220446049250313e-16 * scale) << what << "(" << x << ")";
}

}  // namespace

// Over the angles the drawings use (a few turns either way) and the phases of the sounds
// (tens of thousands of turns), and the exponents of the semitones.
TEST(DetMath, AgreesWithTheRuntimeWithinAFewUnitsInTheLastPlace) {
    for (double x = -40; x <= 40; x += 0.0173) {
        ExpectClose(content::DetSin(x), std::sin(x), 4, "sin", x);
        ExpectClose(content::DetCos(x), std::cos(x), 4, "cos", x);
        ExpectClose(content::DetExp(x), std::exp(x), 4, "exp", x);
    }
    for (double x = 1e-6; x < 120000; x = x * 1.37 + 0.11) {
        ExpectClose(content::DetSin(x), std::sin(x), 64, "sin", x);
        ExpectClose(content::DetCos(x), std::cos(x), 64, "cos", x);
        ExpectClose(content::DetLog(x), std::log(x), 4, "log", x);
    }
    for (int v = -48; v <= 48; ++v) ExpectClose(content::DetPow(2.0, v / 12.0), std::pow(2.0, v / 12.0), 8, "pow", v);
    EXPECT_EQ(content::DetSin(0), 0.0);
    EXPECT_EQ(content::DetCos(0), 1.0);
    EXPECT_EQ(content::DetExp(0), 1.0);
    EXPECT_EQ(content::DetLog(1), 0.0);
}
