#include "DetMath.h"

#include <cmath>

namespace clickgen
{
    double detExp (double x)
    {
        if (x < -700.0)
            return 0.0;

        if (x > 700.0)
            return HUGE_VAL;

        // x = k ln2 + r with |r| <= ln2 / 2; ln2 split in two so that k ln2 is exact enough.
        constexpr double ln2Hi = 6.93147180369123816490e-01;
        constexpr double ln2Lo = 1.90821492927058770002e-10;
        const double k = std::floor (x * 1.44269504088896338700 + 0.5);
        const double r = (x - k * ln2Hi) - k * ln2Lo;

        double term = 1.0, sum = 1.0;
        for (int n = 1; n < 20; ++n)
        {
            term = term * r / n;
            sum += term;
        }

        return std::ldexp (sum, (int) k);
    }

    double detLog (double x)
    {
        if (! (x > 0.0))
            return -HUGE_VAL;

        // x = m 2^e with m in [sqrt(1/2), sqrt(2)); ln m = 2 atanh s with s = (m - 1) / (m + 1), |s| < 0.172.
        int e = 0;
        double m = std::frexp (x, &e);
        if (m < 0.70710678118654752440)
        {
            m *= 2.0;
            --e;
        }

        const double s = (m - 1.0) / (m + 1.0);
        const double s2 = s * s;
        double term = s, sum = s;
        for (int n = 1; n < 12; ++n)
        {
            term *= s2;
            sum += term / (2 * n + 1);
        }

        return 2.0 * sum + e * 0.69314718055994530942;
    }

    namespace
    {
        // x minus the nearest multiple of 2 pi, in [-pi, pi]. 2 pi is split into parts of 33
        // significant bits, so that k times each part is exact for |k| < 2^20.
        double reduceAngle (double x)
        {
            constexpr double twoPi = 6.28318530717958647693;
            constexpr double twoPiHi = 6.2831853069365025;
            constexpr double twoPiMid = 2.4308402025215864e-10;
            constexpr double twoPiLo = 8.089064995183803e-21;
            const double k = std::floor (x / twoPi + 0.5);
            return ((x - k * twoPiHi) - k * twoPiMid) - k * twoPiLo;
        }

        // Taylor series from the given first term and power; at |r| = pi the terms fall below
        // 1e-17 of the sum well within 15 of them.
        double series (double r, double first, int firstPower)
        {
            const double r2 = r * r;
            double term = first, sum = first;
            for (int n = firstPower + 2; n < firstPower + 32; n += 2)
            {
                term = -term * r2 / ((double) (n - 1) * n);
                sum += term;
            }

            return sum;
        }
    }

    double detSin (double x)
    {
        const double r = reduceAngle (x);
        return series (r, r, 1);
    }

    double detCos (double x)
    {
        return series (reduceAngle (x), 1.0, 0);
    }

    double dbToGain (double dB)
    {
        return detExp (dB * (2.30258509299404568402 / 20.0));
    }
}
