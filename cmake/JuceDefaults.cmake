# Settings every JUCE-based target of the project shares.
set(WEXLA_JUCE_DEFINITIONS
    JUCE_DISPLAY_SPLASH_SCREEN=0
    JUCE_WEB_BROWSER=0
    JUCE_USE_CURL=0
    JUCE_USE_FLAC=0
    JUCE_USE_OGGVORBIS=0
    JUCE_VST3_CAN_REPLACE_VST2=0
    # The convolution runs on JUCE's own FFT, not FFTW: FFTW's execute calls allocate memory
    # (measured: about six allocations per block), which the audio thread must never do.
    JUCE_MODAL_LOOPS_PERMITTED=1)

set(WEXLA_VERSION_STRING "${PROJECT_VERSION}")
