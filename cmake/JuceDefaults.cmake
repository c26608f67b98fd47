# Settings every JUCE-based target of the project shares.
set(WEXLA_JUCE_DEFINITIONS
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_VST3_CAN_REPLACE_VST2=0
    JUCE_MODAL_LOOPS_PERMITTED=1
    # The convolution's FFT is several times faster with FFTW, loaded at run time when present.
    JUCE_DSP_USE_SHARED_FFTW=1)

set(WEXLA_VERSION_STRING "${PROJECT_VERSION}")
