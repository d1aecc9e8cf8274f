// SPDX-License-Identifier: MIT
#include "colournames.h"

#include "model/palette.h"
#include "model/segment.h"

#include <array>
#include <string_view>

namespace tintforge {

namespace {

// The chart's names that are not spelled as colours, as the user hears and reads them. The chart
// keeps its own spelling in color.cfg, where the game's users know it; "bight blue" is cyan,
// and spelled "bright blue" it would sound like the fifth swatch.
struct SpokenName {
    std::string_view chartName;
    std::string_view spoken;
};
constexpr std::array<SpokenName, 2> SpokenNames{{
    {"bight blue", "bright cyan"},
    {"ash yello grey", "ash yellow grey"},
}};

QString name(std::string_view text)
{
    return QString::fromLatin1(text.data(), qsizetype(text.size()));
}

} // namespace

QString swatchName(const Swatch &swatch)
{
    for (const SpokenName &spelling : SpokenNames) {
        if (spelling.chartName == swatch.chartName)
            return name(spelling.spoken);
    }
    return name(swatch.chartName).trimmed();
}

QString colourNameOf(const Segment &segment)
{
    const PreviewColour &preview = segment.previewColour();
    for (const Swatch &swatch : Palette) {
        if (swatch.code == segment.colourCode() && (!preview || *preview == swatch.preview))
            return swatchName(swatch);
    }
    return QString();
}

} // namespace tintforge
