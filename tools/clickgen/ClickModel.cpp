#include "ClickModel.h"

#include <cmath>

#include "DetMath.h"
#include "Random.h"
#include "Resonator.h"

namespace clickgen
{
    namespace
    {
        struct Mode
        {
            double frequency;    // Hz
            double decayMs;      // time to fall by 1/e
            double level;
            int axialOrder;      // half-waves along the body; 0 for the cavity's breathing
            double shapeStart = 0.1;  // where along the body its pattern starts, in half-waves
        };

        struct StickMaterial
        {
            const char* name;
            double contactMsLight, contactMsHard;     // contact time at the lightest and hardest pressure
            double tickLevel;                          // the contact's own radiation
            double tickCutoffLight, tickCutoffHard;    // Hz
            double slideLevel, slideCutoff;            // friction noise while riding up the ridge
            double bounceChance;
            Mode ring[3];                              // the stick's own modes
        };

        // A hardwood stick, a steel tine and a thick bamboo stick.
        const StickMaterial sticks[numSticks] {
            { "hardwood stick", 1.0, 0.30, 0.45, 3000.0, 12000.0, 1.00, 2200.0, 0.35,
              { { 2650.0, 3.0, 0.12, 0 }, { 6900.0, 1.5, 0.06, 0 }, { 0.0, 1.0, 0.0, 0 } } },
            { "steel tine", 0.40, 0.12, 0.50, 7000.0, 15000.0, 0.80, 6000.0, 0.60,
              { { 4350.0, 10.0, 0.70, 0 }, { 7800.0, 7.0, 0.45, 0 }, { 11600.0, 5.0, 0.25, 0 } } },
            { "bamboo stick", 2.0, 0.75, 0.25, 1500.0, 6000.0, 0.30, 1200.0, 0.20,
              { { 980.0, 5.0, 0.25, 0 }, { 2700.0, 2.5, 0.08, 0 }, { 0.0, 1.0, 0.0, 0 } } },
        };

        // The gourd's air: its cavity (Helmholtz) resonance and the first air mode along the body.
        const Mode airModes[] {
            { 285.0, 7.0, 0.55, 0 },
            { 610.0, 5.0, 0.25, 1 },
        };

        // The gourd's shell: many closely spaced, well damped modes, most of them between 1 and
        // 5 kHz, fewer and weaker above. They belong to the one body, so they are drawn once, from
        // a fixed seed; the higher a mode, the more half-waves it has along the body.
        std::vector<Mode> makeShellModes()
        {
            Random random (0x6011dull);
            std::vector<Mode> modes;
            constexpr int count = 36;

            for (int k = 0; k < count; ++k)
            {
                // Spread evenly on a logarithmic scale from 900 Hz to 7.5 kHz, each nudged a little.
                const double position = (k + random.between (0.2, 0.8)) / count;
                const double frequency = 900.0 * detExp (position * 2.1202635);
                const double decayMs = 1.4 + 3.6 * std::sqrt (1000.0 / frequency);
                const double level = 0.3 * std::sqrt (1000.0 / frequency) * random.between (0.5, 1.0)
                                     * (frequency > 5000.0 ? 0.6 : 1.0);
                modes.push_back ({ frequency, decayMs, level, 1 + (int) (frequency / 1800.0), random.between (0.0, 0.5) });
            }

            return modes;
        }

        constexpr int clickLength = 6000;

        double lerp (double a, double b, double t) { return a + (b - a) * t; }

        // How strongly a ridge at x (0 to 1 along the body) drives a mode: by the mode's pattern along
        // the body (never quite zero, as the ridges sit on a curved shell rather than on a node line),
        // and by the shell's taper: thick and dark at the handle end, thin and bright at the far end.
        double modeWeight (const Mode& mode, double x)
        {
            if (mode.axialOrder == 0)
                return 0.75 + 0.25 * detSin (pi * x);

            const double pattern = 0.3 + 0.7 * std::fabs (detSin (pi * (mode.shapeStart + mode.axialOrder * 0.8 * x)));
            const double taper = detExp (1.4 * (x - 0.5) * detLog (mode.frequency / 2000.0));
            return pattern * taper;
        }

        // Adds a half-sine force pulse of unit area (unit momentum) starting at start (samples).
        void addContactPulse (std::vector<double>& force, double start, double lengthSamples, double area)
        {
            const double peak = area * pi / (2.0 * lengthSamples);
            const int first = (int) std::ceil (start);

            for (int n = first; n < clickLength && n < start + lengthSamples; ++n)
                force[(size_t) n] += peak * detSin (pi * (n - start) / lengthSamples);
        }

        uint64_t seedFor (const ClickId& click)
        {
            return 0x5eed0000ull + (uint64_t) click.stick * 1000003ull + (uint64_t) click.pressure * 1009ull
                   + (uint64_t) click.ridge;
        }
    }

    const char* getStickName (int stick)
    {
        return sticks[stick].name;
    }

    std::vector<double> synthesizeClick (const ClickId& click)
    {
        const auto& stick = sticks[click.stick];
        Random random (seedFor (click));

        const double q = click.pressure / (double) (numPressures - 1);
        const double x = (click.ridge + 0.5) / numRidges;
        const double msToSamples = sampleRate / 1000.0;

        // The ridges are tallest in the middle of the body and lower towards both ends.
        const double ridgeHeight = 0.85 + 0.3 * detSin (pi * x);

        std::vector<double> force ((size_t) clickLength, 0.0);
        std::vector<double> direct ((size_t) clickLength, 0.0);

        // Riding up the ridge: friction noise swelling until the stick drops off the crest. A faster,
        // harder stroke gets there sooner.
        const double slideSamples = lerp (4.5, 2.5, q) * random.between (0.85, 1.15) * msToSamples * ridgeHeight;
        const int slideStart = 8;
        const double impactAt = slideStart + slideSamples;
        {
            // The ridges are sharper towards the far end, and a faster stroke rasps brighter.
            const double slideCutoff = stick.slideCutoff * (1.0 + 1.5 * q) * (0.75 + 0.5 * x);
            OnePole lowPass1, lowPass2, highPass;
            lowPass1.setCutoff (slideCutoff, sampleRate);
            lowPass2.setCutoff (slideCutoff, sampleRate);
            highPass.setCutoff (400.0, sampleRate);
            const double level = stick.slideLevel * (0.5 + 1.3 * q);

            for (int n = slideStart; n < (int) impactAt; ++n)
            {
                const double progress = (n - slideStart) / slideSamples;
                const double noise = highPass.highPass (lowPass2.lowPass (lowPass1.lowPass (random.bell()))) * level * progress * progress;
                direct[(size_t) n] += noise;
                force[(size_t) n] += 0.02 * noise;
            }
        }

        // The drop onto the next ridge: one contact, sometimes followed by a small rebound.
        const double contactMs = lerp (stick.contactMsLight, stick.contactMsHard, q)
                                 * random.between (0.95, 1.05) * (1.1 - 0.1 * ridgeHeight);
        const double contactSamples = contactMs * msToSamples;
        std::vector<double> contact ((size_t) clickLength, 0.0);
        addContactPulse (contact, impactAt, contactSamples, 1.0);

        if (random.uniform() < stick.bounceChance * (0.5 + 0.5 * q))
        {
            const double gap = random.between (0.3, 1.0) * msToSamples;
            addContactPulse (contact, impactAt + contactSamples + gap, 0.7 * contactSamples, random.between (0.1, 0.25));
        }

        // The stick radiates the contact directly: a small radiator, so only the treble of the force
        // pulse gets out, up to where the tip's own stiffness rounds it off. A shorter contact has
        // more treble, so harder strokes tick brighter.
        {
            OnePole lowPass, highPass1, highPass2;
            lowPass.setCutoff (lerp (stick.tickCutoffLight, stick.tickCutoffHard, q), sampleRate);
            highPass1.setCutoff (1500.0, sampleRate);
            highPass2.setCutoff (1500.0, sampleRate);

            for (size_t n = 0; n < contact.size(); ++n)
            {
                direct[n] += 60.0 * stick.tickLevel * lowPass.lowPass (highPass2.highPass (highPass1.highPass (contact[n])));
                force[n] += contact[n];
            }
        }

        std::vector<double> out ((size_t) clickLength, 0.0);

        auto ringModes = [&] (const Mode* modes, int count, double levelScale, bool isBody)
        {
            for (int m = 0; m < count; ++m)
            {
                const auto& mode = modes[m];
                if (mode.level <= 0.0)
                    continue;

                Resonator resonator;
                // Drawn one by one, as the order of evaluating arguments is up to the compiler.
                const double frequency = mode.frequency * (1.0 + 0.004 * random.bell());
                const double decaySeconds = mode.decayMs * 0.001 * (1.0 + 0.05 * random.bell());
                resonator.set (frequency, decaySeconds, sampleRate);
                const double weight = isBody ? modeWeight (mode, x) : 1.0;
                const double level = levelScale * mode.level * weight * (1.0 + 0.06 * random.bell());

                for (size_t n = 0; n < out.size(); ++n)
                    out[n] += level * resonator.process (force[n]);
            }
        };

        static const auto shellModes = makeShellModes();
        ringModes (airModes, 2, 1.0, true);
        ringModes (shellModes.data(), (int) shellModes.size(), 1.0, true);
        ringModes (stick.ring, 3, 1.0, false);

        // Radiation has no DC: a gentle high-pass at about 35 Hz.
        double previousIn = 0.0, previousOut = 0.0;
        for (size_t n = 0; n < out.size(); ++n)
        {
            const double in = out[n] + direct[n];
            previousOut = in - previousIn + 0.995 * previousOut;
            previousIn = in;
            out[n] = previousOut;
        }

        return out;
    }
}
