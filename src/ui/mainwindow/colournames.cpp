// SPDX-License-Identifier: MIT
#include "colournames.h"

#include "model/palette.h"
#include "model/segment.h"

namespace tintforge {

QString swatchName(const Swatch &swatch)
{
    return QString::fromLatin1(swatch.name.data(), qsizetype(swatch.name.size()));
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
