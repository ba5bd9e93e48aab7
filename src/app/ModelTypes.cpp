#include "app/ModelTypes.h"

#include <algorithm>
#include <array>
#include <utility>

namespace wattmere {

namespace {

#define WATTMERE_NAME(name) QStringLiteral(#name),

// The names in sorted order with their identifiers, so that binding a window full of fields
// by name takes a binary search per name.
template <std::size_t N>
std::vector<std::pair<QString, int>> sortedIndex(const std::array<QString, N>& names) {
    std::vector<std::pair<QString, int>> index;
    index.reserve(N);
    for (std::size_t i = 0; i < N; ++i)
        index.emplace_back(names[i], static_cast<int>(i));
    std::sort(index.begin(), index.end());
    return index;
}

template <typename Id>
std::optional<Id> lookUp(const std::vector<std::pair<QString, int>>& index, QStringView name) {
    const auto it = std::lower_bound(
        index.begin(), index.end(), name,
        [](const std::pair<QString, int>& entry, QStringView key) { return entry.first < key; });
    if (it == index.end() || it->first != name)
        return std::nullopt;
    return static_cast<Id>(it->second);
}

const std::array<QString, countOf<Field>()>& fieldNames() {
    static const std::array<QString, countOf<Field>()> names{
        WATTMERE_NUMERIC_FIELDS(WATTMERE_NAME) WATTMERE_TEXT_FIELDS(WATTMERE_NAME)};
    return names;
}
const std::array<QString, countOf<Label>()>& labelNames() {
    static const std::array<QString, countOf<Label>()> names{WATTMERE_LABELS(WATTMERE_NAME)};
    return names;
}
const std::array<QString, countOf<Choice>()>& choiceNames() {
    static const std::array<QString, countOf<Choice>()> names{WATTMERE_CHOICES(WATTMERE_NAME)};
    return names;
}
const std::array<QString, countOf<Panel>()>& panelNames() {
    static const std::array<QString, countOf<Panel>()> names{WATTMERE_PANELS(WATTMERE_NAME)};
    return names;
}
const std::array<QString, countOf<Chart>()>& chartNames() {
    static const std::array<QString, countOf<Chart>()> names{WATTMERE_CHARTS(WATTMERE_NAME)};
    return names;
}
const std::array<QString, countOf<Series>()>& seriesNames() {
    static const std::array<QString, countOf<Series>()> names{WATTMERE_SERIES(WATTMERE_NAME)};
    return names;
}

#undef WATTMERE_NAME

} // namespace

QString nameOf(Field id) {
    return fieldNames()[indexOf(id)];
}
QString nameOf(Label id) {
    return labelNames()[indexOf(id)];
}
QString nameOf(Choice id) {
    return choiceNames()[indexOf(id)];
}
QString nameOf(Panel id) {
    return panelNames()[indexOf(id)];
}
QString nameOf(Chart id) {
    return chartNames()[indexOf(id)];
}
QString nameOf(Series id) {
    return seriesNames()[indexOf(id)];
}

std::optional<Field> fieldByName(QStringView name) {
    static const std::vector<std::pair<QString, int>> index = sortedIndex(fieldNames());
    return lookUp<Field>(index, name);
}
std::optional<Label> labelByName(QStringView name) {
    static const std::vector<std::pair<QString, int>> index = sortedIndex(labelNames());
    return lookUp<Label>(index, name);
}
std::optional<Choice> choiceByName(QStringView name) {
    static const std::vector<std::pair<QString, int>> index = sortedIndex(choiceNames());
    return lookUp<Choice>(index, name);
}
std::optional<Panel> panelByName(QStringView name) {
    static const std::vector<std::pair<QString, int>> index = sortedIndex(panelNames());
    return lookUp<Panel>(index, name);
}
std::optional<Series> seriesByName(QStringView name) {
    static const std::vector<std::pair<QString, int>> index = sortedIndex(seriesNames());
    return lookUp<Series>(index, name);
}

std::optional<Field> numericFieldOfOrder(int order) {
    if (order < 1 || order > 76 || order == 24)
        return std::nullopt;
    // A101..A123 are the first 23 enumerators, A125..A176 follow without a gap.
    return static_cast<Field>(order < 24 ? order - 1 : order - 2);
}

bool isNumericField(Field id) {
    return indexOf(id) <= indexOf(Field::A103A);
}

ChoiceGroup groupOf(Choice id) {
    switch (id) {
    case Choice::S1:
    case Choice::S2:
    case Choice::S3:
    case Choice::S4:
        return ChoiceGroup::KnownValue;
    case Choice::R1:
    case Choice::R2:
    case Choice::R3:
    case Choice::R4:
    case Choice::R5:
        return ChoiceGroup::Comparison;
    case Choice::HORIZ:
        return ChoiceGroup::Horizontal;
    case Choice::LOCKA149:
    case Choice::LOCKA144:
        return ChoiceGroup::DesignPointLock;
    case Choice::SELECTION_MTR_01:
    case Choice::SELECTION_MTR_02:
    case Choice::SELECTION_MTR_03:
        return ChoiceGroup::SpeedPair;
    default:
        return ChoiceGroup::Report;
    }
}

bool isRadio(Choice id) {
    const ChoiceGroup group = groupOf(id);
    return group != ChoiceGroup::Horizontal && group != ChoiceGroup::Report;
}

Chart chartOf(Series id) {
    switch (id) {
    case Series::PointSeries1:
    case Series::PointSeries2:
    case Series::SurgeSeries3:
        return Chart::CurveChart;
    case Series::PointSeries1A:
    case Series::PointSeries2A:
    case Series::SurgeSeries1:
        return Chart::Chart1;
    case Series::PointSeries5:
    case Series::PointSeries5A:
    case Series::SurgeSeries2:
        return Chart::Chart2;
    case Series::PointSeries3:
    case Series::PointSeries4:
    case Series::SurgeSeries4:
        return Chart::ControlChart2;
    case Series::DutySeries1:
        return Chart::DutyChart;
    case Series::DutySeries2:
        return Chart::DutyCycleChart;
    case Series::DutySeries3:
        return Chart::DutyChart3;
    case Series::PowerRequired_Compare:
    case Series::PowerRequired_Drive:
        return Chart::PowerChart1;
    case Series::PowerRequired_Anu_Compare:
    case Series::PowerRequired_Anu_Drive:
        return Chart::PowerChart2;
    case Series::PaybackChart:
    case Series::PayBackNull:
    case Series::Count:
        break;
    }
    return Chart::PayBackChart1;
}

} // namespace wattmere
