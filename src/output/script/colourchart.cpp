// SPDX-License-Identifier: MIT
#include "colourchart.h"

#include "lines.h"
#include "model/chartlines.h"

namespace tintforge {

namespace {

std::string renderChart()
{
    std::string chart;
    for (const ChartLine &line : ChartLines) {
        chart += "echo \"";
        chart += line.label;
        chart += line.code;
        chart += line.label;
        chart += " abc123 color=";
        chart += line.colour;
        chart += ' ';
        chart += line.name;
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
