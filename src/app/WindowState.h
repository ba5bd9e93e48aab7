#pragma once
// The analysis window without the window: the text, enabled state and colour of every entry
// field, the captions of the labels, the choices, which panels and pages show, the chart data
// and the window-wide flags. Every change that a view must repaint is announced by a signal;
// setting a value equal to the one held announces nothing.

#include "app/ModelTypes.h"

#include <QObject>

#include <array>

namespace wattmere {

struct WindowFlags {
    bool modified = false;        // ask to save before the analysis is lost
    bool defaultsPending = false; // the next recalculation applies the default curve data
    bool calcError = false;       // a calculation step failed on the current data
    bool advancedModeOn = false;  // the user has worked in the advanced curve panel
    bool stepChange = false;      // a page change is under way
    bool loading = false;         // an analysis file is being applied
    bool created = false;         // the window exists (restore commands need it)
};

class WindowState : public QObject {
    Q_OBJECT
public:
    explicit WindowState(QObject* parent = nullptr);

    const FieldState& field(Field id) const { return m_fields[indexOf(id)]; }
    const QString& text(Field id) const { return field(id).text; }
    bool isEmpty(Field id) const { return text(id).isEmpty(); }
    void setText(Field id, const QString& text);
    void setEnabled(Field id, bool enabled);
    void setColour(Field id, Rgb colour);
    void setTextColour(Field id, Rgb colour);
    void setTag(Field id, int slot);

    const LabelState& label(Label id) const { return m_labels[indexOf(id)]; }
    const QString& caption(Label id) const { return label(id).caption; }
    void setCaption(Label id, const QString& caption);
    void setVisible(Label id, bool visible);
    void setColour(Label id, Rgb colour);

    const ChoiceState& choice(Choice id) const { return m_choices[indexOf(id)]; }
    bool isChecked(Choice id) const { return choice(id).checked; }
    // Checking a radio button clears the others of its group.
    void setChecked(Choice id, bool checked);
    void setEnabled(Choice id, bool enabled);
    void setVisible(Choice id, bool visible);
    void setCaption(Choice id, const QString& caption);
    // The checked button of a radio group, if any.
    std::optional<Choice> checkedIn(ChoiceGroup group) const;

    bool isVisible(Panel id) const { return m_panels[indexOf(id)]; }
    void setVisible(Panel id, bool visible);

    // The current page of the step pages and of the graph pages.
    int calcPage() const { return m_calcPage; }
    void setCalcPage(int page);
    int graphPage() const { return m_graphPage; }
    void setGraphPage(int page);

    const ChartState& chart(Chart id) const { return m_charts[indexOf(id)]; }
    ChartState& editChart(Chart id) { return m_charts[indexOf(id)]; }
    void chartEdited(Chart id) { emit chartChanged(id); }

    const SeriesState& series(Series id) const { return m_series[indexOf(id)]; }
    // Series are filled in place (their storage is kept between fills) and announced once.
    SeriesState& editSeries(Series id) { return m_series[indexOf(id)]; }
    void seriesEdited(Series id) { emit seriesChanged(id); }

    const WindowFlags& flags() const { return m_flags; }
    WindowFlags& editFlags() { return m_flags; }
    void setModified(bool modified);

signals:
    void fieldChanged(wattmere::Field id);
    void labelChanged(wattmere::Label id);
    void choiceChanged(wattmere::Choice id);
    void panelChanged(wattmere::Panel id);
    void pageChanged();
    void chartChanged(wattmere::Chart id);
    void seriesChanged(wattmere::Series id);
    void modifiedChanged(bool modified);

private:
    std::array<FieldState, countOf<Field>()> m_fields;
    std::array<LabelState, countOf<Label>()> m_labels;
    std::array<ChoiceState, countOf<Choice>()> m_choices;
    std::array<bool, countOf<Panel>()> m_panels{};
    std::array<ChartState, countOf<Chart>()> m_charts;
    std::array<SeriesState, countOf<Series>()> m_series;
    int m_calcPage = 0;
    int m_graphPage = 0;
    WindowFlags m_flags;
};

} // namespace wattmere
