#pragma once

#include <cstdint>

// The 16 bytes in front of every encoded click, as they stand in the entry (little-endian fields).
struct ClickStreamHeader
{
    char magic[4];            // "yplo"
    uint32_t streamLength;    // bytes of bit stream after the header
    uint32_t frameCount;
    uint16_t blockLength;     // frames that share one set of bit widths
    uint8_t channelCount;
    uint8_t sampleBits;       // bit depth that sets the scale
};

static_assert (sizeof (ClickStreamHeader) == 16, "the header is exactly the entry's first 16 bytes");

// A cursor over a bit stream: bits are taken from the least significant end of each byte, and a
// field of several bits is assembled most significant bit first. Reading past the end yields zero
// bits and never touches the bytes beyond it.
struct BitReader
{
    bool ownsData = false;    // the bytes belong to the archive, never to the reader
    const uint8_t* data = nullptr;
    uint32_t length = 0;      // bytes
    uint64_t position = 0;    // index of the next bit

    uint32_t readBit() noexcept;

    // Reads a field of numBits (0 to 32) bits, most significant bit first.
    uint32_t readBits (int numBits) noexcept;
};

// Decodes one encoded click frame by frame, straight from the archive bytes. One per voice; it never
// allocates, so it is safe on the audio thread.
class ClickStreamDecoder
{
public:
    // The format allows up to 255 samples per frame; every one gets its own width.
    static constexpr int maxChannels = 255;

    ClickStreamDecoder() noexcept;

    // Points the decoder at an entry (its 16-byte header followed by the bit stream) and rewinds it.
    // When entrySize is given, reads are kept inside those bytes even if the header claims a longer
    // stream; a null entry or one shorter than its header decodes as an empty click.
    void reset (const uint8_t* entry, uint32_t entrySize = UINT32_MAX) noexcept;

    // Writes one sample per channel (getHeader().channelCount floats) and advances by one frame.
    // After the last frame the stream starts over at its first frame.
    void decodeFrame (float* out) noexcept;

    // Advances over frames without producing samples, stopping at the end of the click.
    void skipFrames (int count) noexcept;

    int getFrameIndex() const noexcept { return frameIndex; }
    const ClickStreamHeader& getHeader() const noexcept { return header; }

private:
    void readWidths() noexcept;
    bool isBlockStart() const noexcept;
    void rewind() noexcept;

    int32_t frameIndex = 0;
    const uint8_t* stream = nullptr;
    ClickStreamHeader header {};
    int32_t widths[maxChannels] {};
    float scale = 1.0f;
    BitReader reader;
};
