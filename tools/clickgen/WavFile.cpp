#include "WavFile.h"

#include <cstring>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "ClickStreamEncoder.h"

namespace clickgen
{
    namespace
    {
        uint32_t readLittleEndian (const std::vector<uint8_t>& bytes, size_t offset, int numBytes)
        {
            if (offset + (size_t) numBytes > bytes.size())
                throw std::runtime_error ("WAVE file cut short");

            uint32_t value = 0;
            for (int i = 0; i < numBytes; ++i)
                value |= (uint32_t) bytes[offset + (size_t) i] << (8 * i);
            return value;
        }

        void putTag (std::vector<uint8_t>& out, const char* tag)
        {
            out.insert (out.end(), tag, tag + 4);
        }
    }

    std::vector<uint8_t> writeWav16 (const WavData& wav)
    {
        const auto dataBytes = (uint32_t) (wav.samples.size() * 2);
        std::vector<uint8_t> out;
        putTag (out, "RIFF");
        putLittleEndian (out, 36 + dataBytes, 4);
        putTag (out, "WAVE");
        putTag (out, "fmt ");
        putLittleEndian (out, 16, 4);
        putLittleEndian (out, 1, 2);
        putLittleEndian (out, (uint32_t) wav.channels, 2);
        putLittleEndian (out, (uint32_t) wav.sampleRate, 4);
        putLittleEndian (out, (uint32_t) (wav.sampleRate * wav.channels * 2), 4);
        putLittleEndian (out, (uint32_t) (wav.channels * 2), 2);
        putLittleEndian (out, 16, 2);
        putTag (out, "data");
        putLittleEndian (out, dataBytes, 4);

        for (auto s : wav.samples)
            putLittleEndian (out, (uint32_t) (uint16_t) s, 2);

        return out;
    }

    WavData readWav16 (const std::vector<uint8_t>& bytes)
    {
        if (bytes.size() < 12 || std::memcmp (bytes.data(), "RIFF", 4) != 0 || std::memcmp (bytes.data() + 8, "WAVE", 4) != 0)
            throw std::runtime_error ("not a RIFF WAVE file");

        WavData wav;
        bool haveFormat = false;

        for (size_t pos = 12; pos + 8 <= bytes.size();)
        {
            const auto chunkSize = readLittleEndian (bytes, pos + 4, 4);
            const auto body = pos + 8;

            if (std::memcmp (bytes.data() + pos, "fmt ", 4) == 0)
            {
                if (readLittleEndian (bytes, body, 2) != 1 || readLittleEndian (bytes, body + 14, 2) != 16)
                    throw std::runtime_error ("only 16-bit PCM is read");

                wav.channels = (int) readLittleEndian (bytes, body + 2, 2);
                wav.sampleRate = (int) readLittleEndian (bytes, body + 4, 4);
                haveFormat = wav.channels > 0;
            }
            else if (std::memcmp (bytes.data() + pos, "data", 4) == 0)
            {
                if (! haveFormat || body + chunkSize > bytes.size())
                    throw std::runtime_error ("bad data chunk");

                for (size_t i = 0; i + 1 < chunkSize; i += 2)
                    wav.samples.push_back ((int16_t) readLittleEndian (bytes, body + i, 2));

                return wav;
            }

            pos = body + chunkSize + (chunkSize & 1);
        }

        throw std::runtime_error ("no data chunk");
    }

    std::vector<uint8_t> readFile (const std::string& path)
    {
        std::ifstream in (path, std::ios::binary);
        if (! in)
            throw std::runtime_error ("cannot read " + path);

        return std::vector<uint8_t> ((std::istreambuf_iterator<char> (in)), std::istreambuf_iterator<char>());
    }

    void writeFile (const std::string& path, const std::vector<uint8_t>& bytes)
    {
        std::ofstream out (path, std::ios::binary);
        out.write (reinterpret_cast<const char*> (bytes.data()), (std::streamsize) bytes.size());
        if (! out)
            throw std::runtime_error ("cannot write " + path);
    }
}
