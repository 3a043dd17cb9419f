#include "AmbientLoop.h"

namespace content {

namespace {

const double kLoopSeconds = 8.0;

}  // namespace

SampleBuffer AmbientLoop() {
    SampleBuffer b = Silence(22050, 2, kLoopSeconds);
    Voice bed{Wave::Noise, 0, 0, 0, kLoopSeconds, 0.12, 0, Envelope{0.001, 0.001, 1.0, 0.001}};
    AddVoice(b, bed, 7);
    static const double kChimes[][3] = {{0.4, 1318.5, -0.6}, {1.7, 1568.0, 0.5}, {2.9, 1046.5, 0.1},
                                        {4.1, 1760.0, -0.3}, {5.6, 1318.5, 0.7}, {6.5, 2093.0, -0.5}};
    for (const auto& c : kChimes) {
        Voice chime{Wave::Sine, c[1], c[1], c[0], 1.2, 0.25, c[2], Envelope{0.004, 0.3, 0.25, 0.8}};
        AddVoice(b, chime);
        chime.startHz = chime.endHz = c[1] * 1.5;
        chime.level = 0.1;
        AddVoice(b, chime);
    }
    Normalize(b, 0.5);
    return b;
}

}  // namespace content
