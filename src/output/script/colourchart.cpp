// SPDX-License-Identifier: MIT
#include "colourchart.h"

#include "lines.h"
#include "model/palette.h"

namespace tintforge {

namespace {

std::string renderChart()
{
    std::string chart;
    for (const Swatch &line : Palette) {
        chart += "echo \"";
        chart += line.label;
        chart += line.code;
        chart += line.label;
        chart += " abc123 color=";
        chart += line.chartColour;
        chart += ' ';
        chart += line.chartName;
        chart += '"';
        chart += LineEnd;
    }
    return chart;
}

} // namespace

const std::string &colourChart()
{
    static const std::string chart = renderChart();
    return chart;
}

} // namespace tintforge
