#include "SharedFonts.h"

#include "BinaryData.h"

int SharedFonts::useCount = 0;
std::unique_ptr<SharedFonts::Holder> SharedFonts::holder;

juce::Font SharedFonts::acquire()
{
    ++useCount;

    if (holder == nullptr)
    {
        auto typeface = juce::Typeface::createSystemTypefaceFor (BinaryData::RubikRegular_ttf,
                                                                 (size_t) BinaryData::RubikRegular_ttfSize);
        holder = std::make_unique<Holder> (Holder { juce::Font (typeface) });
    }

    return holder->font;
}

void SharedFonts::release() noexcept
{
    if (useCount > 0 && --useCount == 0)
        holder.reset();
}

int SharedFonts::getUseCount() noexcept
{
    return useCount;
}
