// clickgen: makes Wexla's click archive and room response, reports on them and renders a demo.
//
//   clickgen generate <resources dir>                     writes samples.zmub and room.wav
//   clickgen report <samples.zmub> <room.wav>             prints the sound report; fails if a target is missed
//   clickgen demo <samples.zmub> <room.wav> <out.wav>     renders a few scrapes across the ridges

#include <cstdio>
#include <exception>
#include <string>

#include "ClickBank.h"
#include "ContentReport.h"
#include "RoomModel.h"
#include "ScrapeDemo.h"
#include "WavFile.h"

namespace
{
    int usage()
    {
        std::fputs ("usage: clickgen generate <resources dir>\n"
                    "       clickgen report <samples.zmub> <room.wav>\n"
                    "       clickgen demo <samples.zmub> <room.wav> <out.wav>\n", stderr);
        return 2;
    }
}

int main (int argc, char** argv)
{
    using namespace clickgen;

    try
    {
        const std::string command = argc > 1 ? argv[1] : "";

        if (command == "generate" && argc == 3)
        {
            const std::string directory = argv[2];
            writeFile (directory + "/samples.zmub", buildClickArchive (buildClickBank()));
            writeFile (directory + "/room.wav", writeWav16 (synthesizeRoom()));
            return 0;
        }

        if (command == "report" && argc == 4)
        {
            bool passed = false;
            std::fputs (makeContentReport (readFile (argv[2]), readWav16 (readFile (argv[3])), passed).c_str(), stdout);
            return passed ? 0 : 1;
        }

        if (command == "demo" && argc == 5)
        {
            writeFile (argv[4], writeWav16 (renderScrapeDemo (readFile (argv[2]), readWav16 (readFile (argv[3])))));
            return 0;
        }

        return usage();
    }
    catch (const std::exception& e)
    {
        std::fprintf (stderr, "clickgen: %s\n", e.what());
        return 1;
    }
}
