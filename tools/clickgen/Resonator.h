#pragma once

#include "DetMath.h"

namespace clickgen
{
    // One damped mode: a unit impulse rings as r^n sin((n + 1) theta), amplitude 1 at the start,
    // falling by 1/e every decaySeconds.
    struct Resonator
    {
        double a1 = 0.0, a2 = 0.0, inputGain = 0.0;
        double y1 = 0.0, y2 = 0.0;

        void set (double frequency, double decaySeconds, double sampleRate)
        {
            const double r = detExp (-1.0 / (decaySeconds * sampleRate));
            const double theta = 2.0 * pi * frequency / sampleRate;
            a1 = 2.0 * r * detCos (theta);
            a2 = -r * r;
            inputGain = detSin (theta);
            y1 = y2 = 0.0;
        }

        double process (double x)
        {
            const double y = a1 * y1 + a2 * y2 + inputGain * x;
            y2 = y1;
            y1 = y;
            return y;
        }
    };

    // First-order low-pass; its complement (input minus output) is the matching high-pass.
    struct OnePole
    {
        double coefficient = 0.0, state = 0.0;

        void setCutoff (double frequency, double sampleRate)
        {
            coefficient = 1.0 - detExp (-2.0 * pi * frequency / sampleRate);
            state = 0.0;
        }

        double lowPass (double x)
        {
            state += coefficient * (x - state);
            return state;
        }

        double highPass (double x) { return x - lowPass (x); }
    };
}
