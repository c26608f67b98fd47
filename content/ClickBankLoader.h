#pragma once

class QVArchive;
class QVSampler;

// The dimensions of the click bank: sticks, pressures per stick and ridge clicks per stroke.
struct ClickBankGeometry
{
    int numSticks = 3;
    int numPressures = 6;
    int numClicks = 36;
};

// Files every click of the archive into the sampler: stick S, pressure P, click NN becomes the one
// variant of slot NN of instrument numPressures * (S - 1) + P. Stops at the first missing entry,
// with the line "Could not read file from arch!" on standard output, and keeps what it loaded.
// Returns the number of clicks loaded.
int loadClickBank (const QVArchive& archive, QVSampler& sampler, const ClickBankGeometry& geometry);
