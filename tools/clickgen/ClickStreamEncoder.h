#pragma once

#include <algorithm>
#include <cstdint>
#include <stdexcept>
#include <vector>

// Writer side of the click stream format: a 16-byte header ("yplo", stream length, frame count,
// block length, channel count, sample bits) and a bit stream of sign-magnitude samples whose width is
// chosen per block and channel. Header-only so that the engine's tests can round-trip through it.
namespace clickgen
{
    // Appends bits from the least significant end of each byte; a field goes most significant bit first.
    class BitWriter
    {
    public:
        void writeBits (uint32_t value, int numBits)
        {
            for (int i = numBits - 1; i >= 0; --i)
                writeBit ((value >> i) & 1u);
        }

        void writeBit (uint32_t bit)
        {
            if (bitCount % 8 == 0)
                bytes.push_back (0);

            bytes.back() = (uint8_t) (bytes.back() | ((bit & 1u) << (bitCount % 8)));
            ++bitCount;
        }

        uint64_t getBitCount() const { return bitCount; }
        const std::vector<uint8_t>& getBytes() const { return bytes; }

    private:
        std::vector<uint8_t> bytes;
        uint64_t bitCount = 0;
    };

    inline int bitLength (uint32_t magnitude)
    {
        int n = 0;
        for (; magnitude != 0; magnitude >>= 1)
            ++n;
        return n;
    }

    inline void putLittleEndian (std::vector<uint8_t>& out, uint32_t value, int numBytes)
    {
        for (int i = 0; i < numBytes; ++i)
            out.push_back ((uint8_t) (value >> (8 * i)));
    }

    // Encodes interleaved samples (frames × channels) as one entry. Each block's width for a channel is
    // the bit length of its largest magnitude (0 for a silent block), and zero always carries sign 0.
    // The stream ends at the next byte boundary.
    inline std::vector<uint8_t> encodeClickStream (const std::vector<int32_t>& samples, int channels,
                                                   int blockLength = 32, int sampleBits = 16)
    {
        if (channels < 1 || channels > 255 || blockLength < 1 || blockLength > 65535
            || sampleBits < 1 || sampleBits > 32 || samples.size() % (size_t) channels != 0)
            throw std::invalid_argument ("encodeClickStream: bad layout");

        const auto frames = (uint32_t) (samples.size() / (size_t) channels);
        BitWriter writer;
        std::vector<int> widths ((size_t) channels);

        for (uint32_t blockStart = 0; blockStart < frames; blockStart += (uint32_t) blockLength)
        {
            const auto blockEnd = std::min<uint64_t> (frames, (uint64_t) blockStart + (uint64_t) blockLength);

            for (int c = 0; c < channels; ++c)
            {
                uint32_t largest = 0;
                for (auto f = blockStart; f < blockEnd; ++f)
                {
                    const auto s = (int64_t) samples[f * (size_t) channels + (size_t) c];
                    largest = std::max (largest, (uint32_t) (s < 0 ? -s : s));
                }

                widths[(size_t) c] = bitLength (largest);
                if (widths[(size_t) c] > 31)
                    throw std::invalid_argument ("encodeClickStream: magnitude needs more than 31 bits");

                writer.writeBits ((uint32_t) widths[(size_t) c], 5);
            }

            for (auto f = blockStart; f < blockEnd; ++f)
            {
                for (int c = 0; c < channels; ++c)
                {
                    const auto s = (int64_t) samples[f * (size_t) channels + (size_t) c];
                    writer.writeBits ((uint32_t) (s < 0 ? -s : s), widths[(size_t) c]);
                    writer.writeBit (s < 0 ? 1u : 0u);
                }
            }
        }

        const auto& stream = writer.getBytes();
        std::vector<uint8_t> entry { 'y', 'p', 'l', 'o' };
        putLittleEndian (entry, (uint32_t) stream.size(), 4);
        putLittleEndian (entry, frames, 4);
        putLittleEndian (entry, (uint32_t) blockLength, 2);
        entry.push_back ((uint8_t) channels);
        entry.push_back ((uint8_t) sampleBits);
        entry.insert (entry.end(), stream.begin(), stream.end());
        return entry;
    }
}
