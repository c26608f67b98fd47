#pragma once

// Exponential and sine built from +, -, * and / only, so that the generated content comes out the
// same bit for bit with any C library (IEEE double arithmetic without contraction is reproducible;
// libm functions need not be).
namespace clickgen
{
    double detExp (double x);
    double detLog (double x);   // natural logarithm, x > 0
    double detSin (double x);
    double detCos (double x);

    // 10^(dB / 20).
    double dbToGain (double dB);

    constexpr double pi = 3.14159265358979323846;
}
