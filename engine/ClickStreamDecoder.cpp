#include "ClickStreamDecoder.h"

#include <cmath>
#include <cstring>

namespace
{
    uint32_t readLittleEndian32 (const uint8_t* p) noexcept
    {
        return (uint32_t) p[0] | ((uint32_t) p[1] << 8) | ((uint32_t) p[2] << 16) | ((uint32_t) p[3] << 24);
    }

    constexpr int widthBits = 5;
}

//==============================================================================
uint32_t BitReader::readBit() noexcept
{
    if (position >= (uint64_t) length * 8)
        return 0;

    const auto bit = (uint32_t) (data[position >> 3] >> (position & 7)) & 1u;
    ++position;
    return bit;
}

uint32_t BitReader::readBits (int numBits) noexcept
{
    uint32_t value = 0;

    if (position + (uint64_t) numBits <= (uint64_t) length * 8)
    {
        // The whole field lies inside the stream: no bounds test per bit.
        for (int i = 0; i < numBits; ++i)
        {
            value = (value << 1) | ((uint32_t) (data[position >> 3] >> (position & 7)) & 1u);
            ++position;
        }

        return value;
    }

    for (int i = 0; i < numBits; ++i)
        value = (value << 1) | readBit();

    return value;
}

//==============================================================================
ClickStreamDecoder::ClickStreamDecoder() noexcept
{
    reset (nullptr, 0);
}

void ClickStreamDecoder::reset (const uint8_t* entry, uint32_t entrySize) noexcept
{
    header = {};
    stream = nullptr;
    reader = {};
    frameIndex = 0;

    if (entry != nullptr && entrySize >= sizeof (ClickStreamHeader))
    {
        std::memcpy (header.magic, entry, 4);
        header.streamLength = readLittleEndian32 (entry + 4);
        header.frameCount = readLittleEndian32 (entry + 8);
        header.blockLength = (uint16_t) (entry[12] | (entry[13] << 8));
        header.channelCount = entry[14];
        header.sampleBits = entry[15];

        stream = entry + sizeof (ClickStreamHeader);
        reader.data = stream;
        reader.length = header.streamLength;

        const auto available = entrySize - (uint32_t) sizeof (ClickStreamHeader);
        if (reader.length > available)
            reader.length = available;
    }

    // 2^(bits - 1) is formed in double precision; the subtraction happens in float.
    scale = (float) std::ldexp (1.0, (int) header.sampleBits - 1) - 1.0f;

    // Zero sample bits would give a scale of -0.5; treat such a stream as unscaled instead.
    if (! (scale > 0.0f))
        scale = 1.0f;
}

bool ClickStreamDecoder::isBlockStart() const noexcept
{
    // A block length of 0 makes the whole click one block.
    if (header.blockLength == 0)
        return frameIndex == 0;

    return frameIndex % header.blockLength == 0;
}

void ClickStreamDecoder::readWidths() noexcept
{
    for (int c = 0; c < header.channelCount; ++c)
        widths[c] = (int32_t) reader.readBits (widthBits);
}

void ClickStreamDecoder::rewind() noexcept
{
    reader.position = 0;
    frameIndex = 0;
}

void ClickStreamDecoder::decodeFrame (float* out) noexcept
{
    const int channels = header.channelCount;

    // A click without frames has nothing to play and nothing to advance over.
    if (header.frameCount == 0)
    {
        for (int c = 0; c < channels; ++c)
            out[c] = 0.0f;

        return;
    }

    // Only a skip can leave the index at the end; the frame after the last one is the first one.
    if ((uint32_t) frameIndex >= header.frameCount)
        rewind();

    if (channels > 0 && isBlockStart())
        readWidths();

    for (int c = 0; c < channels; ++c)
    {
        const int w = widths[c];
        const auto magnitude = w > 0 ? reader.readBits (w) : 0u;
        const auto negative = reader.readBit() != 0;
        const auto value = negative ? -(int64_t) magnitude : (int64_t) magnitude;
        out[c] = (float) value / scale;
    }

    ++frameIndex;

    if ((uint32_t) frameIndex == header.frameCount)
        rewind();
}

void ClickStreamDecoder::skipFrames (int count) noexcept
{
    const int64_t remaining = (int64_t) header.frameCount - frameIndex;
    if (count > remaining)
        count = (int) (remaining > 0 ? remaining : 0);

    const int channels = header.channelCount;

    while (count > 0)
    {
        if (channels > 0 && isBlockStart())
            readWidths();

        // Every frame of a block takes the same number of bits, so the rest of the block (or as
        // much of it as is skipped) is passed in one step.
        int framesInRun = count;

        if (header.blockLength > 0)
        {
            const int toBlockEnd = header.blockLength - frameIndex % header.blockLength;
            if (toBlockEnd < framesInRun)
                framesInRun = toBlockEnd;
        }

        uint64_t bitsPerFrame = 0;
        for (int c = 0; c < channels; ++c)
            bitsPerFrame += (uint64_t) (widths[c] > 0 ? widths[c] : 0) + 1;

        reader.position += bitsPerFrame * (uint64_t) framesInRun;
        frameIndex += framesInRun;
        count -= framesInRun;
    }
}
