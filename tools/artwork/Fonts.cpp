#include "Fonts.h"

#include "ArtworkFonts.h"

namespace wexla::artwork
{

juce::Typeface::Ptr Fonts::rubikBold()
{
    static juce::Typeface::Ptr typeface = juce::Typeface::createSystemTypefaceFor (ArtworkFonts::RubikBold_ttf,
                                                                                  (size_t) ArtworkFonts::RubikBold_ttfSize);
    return typeface;
}

juce::Typeface::Ptr Fonts::rubikRegular()
{
    static juce::Typeface::Ptr typeface = juce::Typeface::createSystemTypefaceFor (ArtworkFonts::RubikRegular_ttf,
                                                                                  (size_t) ArtworkFonts::RubikRegular_ttfSize);
    return typeface;
}

juce::Font Fonts::bold (float height)
{
    return juce::Font (rubikBold()).withHeight (height);
}

juce::Font Fonts::regular (float height)
{
    return juce::Font (rubikRegular()).withHeight (height);
}

} // namespace wexla::artwork
