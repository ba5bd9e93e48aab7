#include "app/WindowState.h"

#include <utility>

namespace wattmere {

namespace {

template <typename T> bool assign(T& target, const T& value) {
    if (target == value)
        return false;
    target = value;
    return true;
}

} // namespace

WindowState::WindowState(QObject* parent) : QObject(parent) {
    // The design captions and states; a new analysis replaces those that depend on the application.
    const std::pair<Choice, const char*> captions[] = {
        {Choice::R1, "Constant Volume"},
        {Choice::R2, "Cycling"},
        {Choice::R3, "2 Speed Motor"},
        {Choice::R4, "Outlet Dampers"},
        {Choice::R5, "Inlet Guide Vanes"},
        {Choice::HORIZ, "The fan curve at point 1 is horizontal"},
        {Choice::SELECTION_MTR_01, "2 pole/4 pole (100%/50% speed)"},
        {Choice::SELECTION_MTR_02, "4 pole/8 pole (100%/50% speed)"},
        {Choice::SELECTION_MTR_03, "4 pole/6 pole (100%/67% speed)"},
        {Choice::G1, "Duty Cycle"},
        {Choice::G2, "Fan/Control Curve"},
        {Choice::G3, "Power Required"},
        {Choice::G4, "Energy Consumption"},
        {Choice::G5, "Simple Payback"},
    };
    for (const auto& [id, caption] : captions)
        m_choices[indexOf(id)].caption = QString::fromUtf8(caption);
    const std::pair<Label, const char*> labelCaptions[] = {
        {Label::Label11, "Flow"},
        {Label::NOTE1, "Check:"},
        {Label::SurgeLabel, " * = System Design Limits"},
        {Label::SurgeLabel2, " * = System Design Limits"},
        {Label::ERROR_LABEL, "ERROR"},
        {Label::ERROR_LABEL2, "ERROR"},
        {Label::ERROR_LABEL3, "ERROR"},
        {Label::ERROR_LABEL4, "ERROR"},
        {Label::ERROR_LABEL5, "ERROR"},
    };
    for (const auto& [id, caption] : labelCaptions)
        m_labels[indexOf(id)].caption = QString::fromUtf8(caption);
    struct SeriesDesign {
        Series id;
        const char* title;
        Rgb colour;
        int penWidth;
    };
    const SeriesDesign seriesDesigns[] = {
        {Series::PointSeries1, "Control ", colours::red, 2},
        {Series::PointSeries2, "Fan ", colours::blue, 2},
        {Series::SurgeSeries3, "Surge ", colours::black, 2},
        {Series::PointSeries1A, "Control ", colours::red, 2},
        {Series::PointSeries2A, "Fan", colours::blue, 2},
        {Series::SurgeSeries1, "Surge", colours::black, 2},
        {Series::PointSeries5, "Control ", colours::red, 2},
        {Series::PointSeries5A, "Fan", colours::blue, 2},
        {Series::SurgeSeries2, "Surge", colours::black, 2},
        {Series::PointSeries3, "Control ", colours::red, 2},
        {Series::PointSeries4, "Fan", colours::blue, 2},
        {Series::SurgeSeries4, "Surge", colours::black, 2},
        {Series::DutySeries1, "", colours::blue, 1},
        {Series::DutySeries2, "", colours::blue, 1},
        {Series::DutySeries3, "", colours::blue, 1},
        {Series::PowerRequired_Compare, "", colours::red, 2},
        {Series::PowerRequired_Drive, "Drive", colours::blue, 2},
        {Series::PowerRequired_Anu_Compare, "", colours::red, 1},
        {Series::PowerRequired_Anu_Drive, "Drive", colours::blue, 1},
        {Series::PaybackChart, "Savings", colours::red, 1},
        {Series::PayBackNull, "", colours::blue, 1},
    };
    for (const SeriesDesign& design : seriesDesigns) {
        SeriesState& series = m_series[indexOf(design.id)];
        series.title = QString::fromLatin1(design.title);
        series.colour = design.colour;
        series.penWidth = design.penWidth;
    }
    // Hidden until something shows them: the two-speed error labels and the curve note.
    for (Label id : {Label::ERROR_LABEL, Label::ERROR_LABEL2, Label::ERROR_LABEL3,
                     Label::ERROR_LABEL4, Label::ERROR_LABEL5, Label::NOTE1, Label::NOTE2})
        m_labels[indexOf(id)].visible = false;
    m_choices[indexOf(Choice::S1)].checked = true;
    m_choices[indexOf(Choice::HORIZ)].checked = true;
    m_choices[indexOf(Choice::LOCKA149)].checked = true;
    m_choices[indexOf(Choice::SELECTION_MTR_02)].checked = true;
}

void WindowState::setText(Field id, const QString& text) {
    if (assign(m_fields[indexOf(id)].text, text))
        emit fieldChanged(id);
}

void WindowState::setEnabled(Field id, bool enabled) {
    if (assign(m_fields[indexOf(id)].enabled, enabled))
        emit fieldChanged(id);
}

void WindowState::setColour(Field id, Rgb colour) {
    if (assign(m_fields[indexOf(id)].colour, colour))
        emit fieldChanged(id);
}

void WindowState::setTextColour(Field id, Rgb colour) {
    if (assign(m_fields[indexOf(id)].textColour, colour))
        emit fieldChanged(id);
}

void WindowState::setTag(Field id, int slot) {
    m_fields[indexOf(id)].tag = slot;
}

void WindowState::setCaption(Label id, const QString& caption) {
    if (assign(m_labels[indexOf(id)].caption, caption))
        emit labelChanged(id);
}

void WindowState::setVisible(Label id, bool visible) {
    if (assign(m_labels[indexOf(id)].visible, visible))
        emit labelChanged(id);
}

void WindowState::setColour(Label id, Rgb colour) {
    if (assign(m_labels[indexOf(id)].colour, colour))
        emit labelChanged(id);
}

void WindowState::setChecked(Choice id, bool checked) {
    if (checked && isRadio(id)) {
        const ChoiceGroup group = groupOf(id);
        for (int i = 0; i < countOf<Choice>(); ++i) {
            const auto other = static_cast<Choice>(i);
            if (other != id && groupOf(other) == group && assign(m_choices[i].checked, false))
                emit choiceChanged(other);
        }
    }
    if (assign(m_choices[indexOf(id)].checked, checked))
        emit choiceChanged(id);
}

void WindowState::setEnabled(Choice id, bool enabled) {
    if (assign(m_choices[indexOf(id)].enabled, enabled))
        emit choiceChanged(id);
}

void WindowState::setVisible(Choice id, bool visible) {
    if (assign(m_choices[indexOf(id)].visible, visible))
        emit choiceChanged(id);
}

void WindowState::setCaption(Choice id, const QString& caption) {
    if (assign(m_choices[indexOf(id)].caption, caption))
        emit choiceChanged(id);
}

std::optional<Choice> WindowState::checkedIn(ChoiceGroup group) const {
    for (int i = 0; i < countOf<Choice>(); ++i) {
        const auto id = static_cast<Choice>(i);
        if (groupOf(id) == group && m_choices[i].checked)
            return id;
    }
    return std::nullopt;
}

void WindowState::setVisible(Panel id, bool visible) {
    if (assign(m_panels[indexOf(id)], visible))
        emit panelChanged(id);
}

void WindowState::setCalcPage(int page) {
    if (assign(m_calcPage, page))
        emit pageChanged();
}

void WindowState::setGraphPage(int page) {
    if (assign(m_graphPage, page))
        emit pageChanged();
}

void WindowState::setModified(bool modified) {
    if (assign(m_flags.modified, modified))
        emit modifiedChanged(modified);
}

} // namespace wattmere
