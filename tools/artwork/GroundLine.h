#pragma once

#include "editor/SnowGroundLine.h"

namespace wexla::artwork
{

/** The snow overlay's ground line, which the logo is drawn to and the snow mask is derived from. */
constexpr int groundLineWidth = snowGroundLineWidth;
constexpr int groundLineHeight = snowGroundLineHeight;
constexpr auto groundLine = snowGroundLine;

} // namespace wexla::artwork
