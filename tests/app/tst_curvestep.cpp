// The fan and pump curve on the analysis window, driven through a whole analysis: design point
// completion with the default curve data, the curve data checks, the curve fit with the
// design-point lock and the efficiency limit, and the redraw of the curve charts with the curve
// table and the surge line.

#include "app/Analysis.h"
#include "app/ScriptedPrompter.h"

#include <QTest>

#include <cmath>

using namespace wattmere;

namespace {

bool near(double actual, double expected, double tolerance = 1e-9) {
    return std::abs(actual - expected) <= tolerance * std::max(1.0, std::abs(expected));
}

// A new analysis with S1 selected and the design fields unlocked as the system data step
// leaves them, the motor and drive power filled so that the system data are complete.
struct Session {
    ScriptedPrompter prompter;
    Analysis analysis{prompter};

    explicit Session(Application application = Application::Fan, UnitSettings units = {}) {
        analysis.model().setUnits(units);
        analysis.create();
        analysis.setUpNewAnalysis(application);
        analysis.window().setChecked(Choice::S1, true);
        analysis.binding().SystemDataSelectionChange();
        if (application == Application::Pump) {
            analysis.window().setText(Field::A121, QStringLiteral("20"));
            analysis.window().setText(Field::A123, QStringLiteral("0"));
        }
        prompter.clear();
    }

    WindowState& window() { return analysis.window(); }
    AnalysisModel& model() { return analysis.model(); }
    const CurveState& curve() const { return analysis.results().Curve; }
    QString text(Field id) { return window().text(id); }
    void set(Field id, const QString& value) { window().setText(id, value); }
    // Entries "A120=4" written into the fields without leaving them.
    void set(const QStringList& entries) {
        for (const QString& entry : entries) {
            const QStringList parts = entry.split(u'=');
            set(*fieldByName(parts[0]), parts[1]);
        }
    }
    // The user's entries of a complete design point: every exit runs its handler.
    void enterDesign(const QString& head, const QString& shaft, const QString& efficiency) {
        if (!head.isEmpty())
            analysis.enterField(Field::A120, head);
        analysis.enterField(Field::A174, efficiency);
        analysis.enterField(Field::A105, QStringLiteral("60"));
        analysis.enterField(Field::A125, QStringLiteral("60"));
        analysis.enterField(Field::A122, shaft);
    }
    const SeriesState& series(Series id) { return window().series(id); }
};

// Fan, head 4 in.wg, shaft power 50 HP, efficiency 86: design flow 68,391.50 cfm.
struct DefaultFan : Session {
    DefaultFan() {
        enterDesign(QStringLiteral("4"), QStringLiteral("50"), QStringLiteral("86"));
        prompter.clear();
    }
};

UnitSettings unitsWith(int fanPressure, int pumpPressure, int power) {
    UnitSettings units;
    units.fanPressure = fanPressure;
    units.pumpPressure = pumpPressure;
    units.power = power;
    return units;
}

QList<Field> allNumericFields() {
    QList<Field> ids;
    for (int i = 0; i < countOf<Field>(); ++i) {
        if (isNumericField(static_cast<Field>(i)))
            ids.append(static_cast<Field>(i));
    }
    return ids;
}

} // namespace

class TestCurveStep : public QObject {
    Q_OBJECT
private slots:
    void completionWritesTheDerivedValueAndDefaultCurveData_data();
    void completionWritesTheDerivedValueAndDefaultCurveData();
    void completionWithoutAHeadChangesNothing_data();
    void completionWithoutAHeadChangesNothing();
    void enteringTheDesignPointRunsTheWholeChain();
    void defaultCurveRowsFollowTheFields();

    void fitGivesTheCoefficientsOfTheDefaultCurve_data();
    void fitGivesTheCoefficientsOfTheDefaultCurve();
    void aSingularFitSetsCalcErrorAndKeepsTheCurve();
    void designEfficiencyIsLimitedToThePeak_data();
    void designEfficiencyIsLimitedToThePeak();
    void efficiencyGivenModeKeepsTheDesignFlow();
    void endBeforeStartIsReported_data();
    void endBeforeStartIsReported();

    void redrawDrawsTheDefaultCurves();
    void redrawInCentimetresOfWater();
    void surgeLineFromTheStartFlow();
    void startFlowBeyondTwiceDesignTakesTheTableHead();
    void staticHeadAboveDesignHeadIsCorrected();
    void redrawKeepsTheShapeTheCurveWasFittedFor();

    void curveDataChecks_data();
    void curveDataChecks();
};

// ---------------------------------------------------------------------------------------------

void TestCurveStep::completionWritesTheDerivedValueAndDefaultCurveData_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<int>("fanPressure");
    QTest::addColumn<int>("power");
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("fan S1") << false << 0 << 0 << "S1"
                            << QStringList{"A120=4", "A122=50", "A174=86.0"}
                            << QStringList{"A175=68,391.50", "A149=68,391.50",  "A150=68,391.50",
                                           "A151=34,195.75", "A154=136,783.00", "A159=136,783.00",
                                           "A158=0.00",      "A155=4.80",       "A156=4.00",
                                           "A157=0.00",      "A146=68.8",       "A144=86.0",
                                           "A145=86.0"};
    QTest::newRow("fan S2") << false << 0 << 0 << "S2"
                            << QStringList{"A120=4", "A122=50", "A175=67,596"}
                            << QStringList{"A144=85.0", "A145=85.0",      "A174=85.0",
                                           "A146=68.0", "A149=67,596.00", "A159=135,192.00",
                                           "A155=4.80"};
    QTest::newRow("fan S2 above 100 %")
        << false << 0 << 0 << "S2" << QStringList{"A120=4", "A122=50", "A175=87,468"}
        << QStringList{"A174=110.0", "A144=110.0", "A146=88.0"};
    QTest::newRow("fan S3") << false << 0 << 0 << "S3"
                            << QStringList{"A120=4", "A174=85", "A175=67,596"}
                            << QStringList{"A122=50.0", "A144=85", "A146=68.0", "A151=33,798.00"};
    QTest::newRow("fan S3 in kW") << false << 0 << 1 << "S3"
                                  << QStringList{"A120=4", "A174=85", "A175=67,596"}
                                  << QStringList{"A122=37.3"};
    QTest::newRow("fan S4") << false << 0 << 0 << "S4"
                            << QStringList{"A175=67,596", "A174=85", "A122=50"}
                            << QStringList{"A120=4.00", "A155=4.80", "A156=4.00", "A157=0.00",
                                           "A149=67,596.00"};
    QTest::newRow("fan S4 without flow")
        << false << 0 << 0 << "S4" << QStringList{"A175=0", "A174=85", "A122=50"}
        << QStringList{"A120=0.00", "A155=0.00", "A156=0.00", "A149=0.00", "A159=0.00"};
    // The fields stay in cm wg while the flow is computed from the head in in.wg.
    QTest::newRow("fan S1 in cm wg")
        << false << 1 << 0 << "S1" << QStringList{"A120=10.16", "A122=50", "A174=86.0"}
        << QStringList{"A175=68,391.50", "A155=12.19", "A156=10.16", "A157=0.00"};
    QTest::newRow("fan S1 in kW") << false << 0 << 1 << "S1"
                                  << QStringList{"A120=4", "A122=37.3", "A174=86.0"}
                                  << QStringList{"A175=68,391.50"};
    QTest::newRow("pump S1") << true << 0 << 0 << "S1"
                             << QStringList{"A120=100", "A122=50", "A174=80"}
                             << QStringList{"A175=1,584.00", "A149=1,584.00", "A151=792.00",
                                            "A155=120.00",   "A156=100.00",   "A146=64.0"};
}

void TestCurveStep::completionWritesTheDerivedValueAndDefaultCurveData() {
    QFETCH(bool, pump);
    QFETCH(int, fanPressure);
    QFETCH(int, power);
    QFETCH(QString, selection);
    QFETCH(QStringList, entries);
    QFETCH(QStringList, expected);
    // Pump heads in ft wg.
    Session session(pump ? Application::Pump : Application::Fan, unitsWith(fanPressure, 1, power));
    session.window().setChecked(*choiceByName(selection), true);
    session.set(entries);
    session.analysis.curves().CompleteDesignPoint();
    for (const QString& entry : expected) {
        const QStringList parts = entry.split(u'=');
        QCOMPARE(session.text(*fieldByName(parts[0])), parts[1]);
    }
    QVERIFY(session.prompter.messages().isEmpty());
    QVERIFY(!session.window().flags().calcError);
}

void TestCurveStep::completionWithoutAHeadChangesNothing_data() {
    QTest::addColumn<QString>("selection");
    QTest::addColumn<QString>("head");
    QTest::newRow("S1 empty") << "S1"
                              << "";
    QTest::newRow("S1 zero") << "S1"
                             << "0";
    QTest::newRow("S2 empty") << "S2"
                              << "";
    QTest::newRow("S3 zero") << "S3"
                             << "0.00";
}

void TestCurveStep::completionWithoutAHeadChangesNothing() {
    QFETCH(QString, selection);
    QFETCH(QString, head);
    Session session;
    session.window().setChecked(*choiceByName(selection), true);
    session.set({"A122=50", "A174=86.0", "A175=67,596", "A155=9.99", "A149=1.00"});
    session.set(Field::A120, head);
    QStringList before;
    for (Field id : allNumericFields())
        before << session.text(id);
    session.analysis.curves().CompleteDesignPoint();
    QStringList after;
    for (Field id : allNumericFields())
        after << session.text(id);
    QCOMPARE(after, before);
}

void TestCurveStep::enteringTheDesignPointRunsTheWholeChain() {
    DefaultFan fan;
    QCOMPARE(fan.text(Field::A175), QStringLiteral("68,391.50"));
    QCOMPARE(fan.text(Field::A153), QStringLiteral("68,391.50"));
    QCOMPARE(fan.text(Field::A156), QStringLiteral("4.00"));
    QCOMPARE(fan.text(Field::A154), QStringLiteral("136,783.00"));
    QCOMPARE(fan.text(Field::A147), QStringLiteral("86.0"));
    QCOMPARE(fan.text(Field::A148), QStringLiteral("77.4"));
    QVERIFY(!fan.window().flags().calcError);
    QVERIFY(!fan.window().flags().defaultsPending);
    QVERIFY(!fan.window().label(Label::NOTE2).visible);
    QVERIFY(fan.prompter.messages().isEmpty());
    const CurveState& curve = fan.curve();
    QCOMPARE(curve.DesignFlow, 68391.5);
    QCOMPARE(curve.DesignHead, 4.0);
    QCOMPARE(curve.ShaftPower, 50.0);
    QVERIFY(near(curve.DesignEfficiency, 0.86));
    QVERIFY(near(curve.PeakEfficiency, 0.86));
    QVERIFY(near(curve.AddEfficiency, 0.688));
    QCOMPARE(curve.PeakEfficiencyFlow, 68391.5);
    QCOMPARE(curve.AddEfficiencyFlow, 34195.75);
    QCOMPARE(curve.CurveStartFlow, 0.0);
    QCOMPARE(curve.CurveEndFlow, 136783.0);
    QVERIFY(near(curve.StaticHead, 0.8));
    QVERIFY(near(curve.RemovedPressureDrop, 0.4));
}

void TestCurveStep::defaultCurveRowsFollowTheFields() {
    Session session;
    // A150 takes the text of A149 as it stands; the others are formatted numbers.
    session.set({"A153=1,000.00", "A149=1234.5", "A120=5"});
    session.analysis.curves().applyDefaultCurveRows();
    QCOMPARE(session.text(Field::A154), QStringLiteral("2,000.00"));
    QCOMPARE(session.text(Field::A159), QStringLiteral("2,000.00"));
    QCOMPARE(session.text(Field::A150), QStringLiteral("1234.5"));
    QCOMPARE(session.text(Field::A151), QStringLiteral("617.25"));
    QCOMPARE(session.text(Field::A155), QStringLiteral("6.00"));
}

// ---------------------------------------------------------------------------------------------

void TestCurveStep::fitGivesTheCoefficientsOfTheDefaultCurve_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<QList<double>>("coefficients");
    QTest::newRow("fan cubic") << false << true << QList<double>{-0.1, -0.1, 0.0, 1.2};
    QTest::newRow("fan quadratic") << false << false << QList<double>{-0.4, 0.2, 1.2, 0.0};
    QTest::newRow("pump cubic") << true << true << QList<double>{-0.1, -0.1, 0.0, 1.2};
    QTest::newRow("pump quadratic") << true << false << QList<double>{-0.4, 0.2, 1.2, 0.0};
}

void TestCurveStep::fitGivesTheCoefficientsOfTheDefaultCurve() {
    QFETCH(bool, pump);
    QFETCH(bool, horizontal);
    QFETCH(QList<double>, coefficients);
    Session session(pump ? Application::Pump : Application::Fan, unitsWith(0, 1, 0));
    session.enterDesign(pump ? QStringLiteral("100") : QString(), QStringLiteral("50"),
                        QStringLiteral("86"));
    session.window().setChecked(Choice::HORIZ, horizontal);
    session.analysis.RecalculateAll();
    QVERIFY(!session.window().flags().calcError);

    const CurveState& curve = session.curve();
    QVERIFY(near(curve.Points.q1, 0.0));
    QVERIFY(near(curve.Points.h1, 1.2));
    QVERIFY(near(curve.Points.q2, 2.0));
    QVERIFY(near(curve.Points.h2, 0.0));
    const CurveCoefficients& k = curve.Coefficients;
    QVERIFY2(near(k.a, coefficients[0]) && near(k.b, coefficients[1]) &&
                 near(k.c, coefficients[2]) && near(k.d, coefficients[3]),
             qPrintable(QStringLiteral("%1 %2 %3 %4").arg(k.a).arg(k.b).arg(k.c).arg(k.d)));
    QCOMPARE(curve.Horizontal, horizontal);
    // The three-point quadratic whatever the shape.
    QVERIFY(near(curve.Quadratic.qa, -0.4));
    QVERIFY(near(curve.Quadratic.qb, 0.2));
    QVERIFY(near(curve.Quadratic.qc, 1.2));
}

void TestCurveStep::aSingularFitSetsCalcErrorAndKeepsTheCurve() {
    DefaultFan fan;
    const CurveCoefficients before = fan.curve().Coefficients;
    // Point 1 at the design point itself passes the checks with the curve not horizontal, but
    // leaves two equal rows in the quadratic's system.
    fan.window().setChecked(Choice::HORIZ, false);
    fan.set(Field::A152, fan.text(Field::A149));
    fan.set(Field::A155, fan.text(Field::A156));
    QVERIFY(fan.analysis.curves().CheckCurveData(false));
    fan.analysis.RecalculateAll();
    QVERIFY(fan.window().flags().calcError);
    QCOMPARE(fan.curve().Coefficients.a, before.a);
    QCOMPARE(fan.curve().Coefficients.d, before.d);
    QVERIFY(fan.curve().Horizontal);
}

void TestCurveStep::designEfficiencyIsLimitedToThePeak_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<QString>("efficiency");
    QTest::addColumn<QString>("peak");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QString>("designFlow");
    QTest::addColumn<QString>("designEfficiency");
    QTest::newRow("fan above peak") << false << "86"
                                    << "80.0"
                                    << "IDS_26"
                                    << "63,620.00"
                                    << "80.0";
    QTest::newRow("pump above peak") << true << "80"
                                     << "75.5"
                                     << "IDS_28"
                                     << "1,494.90"
                                     << "75.5";
    // Equal efficiencies read the same: 53.3 % is not above 53.3 %.
    QTest::newRow("fan equal to peak") << false << "53.3"
                                       << "53.3"
                                       << ""
                                       << "42,386.82"
                                       << "53.3";
    QTest::newRow("fan below peak") << false << "86"
                                    << "86.1"
                                    << ""
                                    << "68,391.50"
                                    << "86.0";
}

void TestCurveStep::designEfficiencyIsLimitedToThePeak() {
    QFETCH(bool, pump);
    QFETCH(QString, efficiency);
    QFETCH(QString, peak);
    QFETCH(QString, note);
    QFETCH(QString, designFlow);
    QFETCH(QString, designEfficiency);
    Session session(pump ? Application::Pump : Application::Fan, unitsWith(0, 1, 0));
    session.enterDesign(pump ? QStringLiteral("100") : QStringLiteral("4"), QStringLiteral("50"),
                        efficiency);
    QVERIFY(!session.window().flags().calcError);
    session.set(Field::A145, peak);
    session.analysis.RecalculateAll();

    QCOMPARE(session.text(Field::A149), designFlow);
    QCOMPARE(session.text(Field::A144), designEfficiency);
    QCOMPARE(session.text(Field::A153), designFlow);
    QCOMPARE(session.curve().DesignFlow, session.model().number(Field::A149));
    QVERIFY(near(session.curve().DesignEfficiency, designEfficiency.toDouble() / 100.0));
    const QString noteText = note.isEmpty() ? QString() : session.model().text(qPrintable(note));
    QCOMPARE(session.window().caption(Label::NOTE2), noteText);
    QCOMPARE(session.window().label(Label::NOTE1).visible, !note.isEmpty());
    QCOMPARE(session.window().isVisible(Panel::BEVELNOTE), !note.isEmpty());
    QVERIFY(session.prompter.messages().isEmpty()); // a note, never a dialog
    QVERIFY(!session.window().flags().calcError);
}

void TestCurveStep::efficiencyGivenModeKeepsTheDesignFlow() {
    DefaultFan fan;
    fan.window().setChecked(Choice::LOCKA144, true);
    fan.window().setEnabled(Field::A144, true);
    fan.set({"A144=80.0", "A149=1.00"});
    fan.analysis.curves().FitCurve();
    QCOMPARE(fan.curve().DesignFlow, 68391.5);
    QVERIFY(near(fan.curve().DesignEfficiency, 0.8));
    QCOMPARE(fan.text(Field::A144), QStringLiteral("80.0"));
    QCOMPARE(fan.text(Field::A149), QStringLiteral("1.00"));
    QCOMPARE(fan.text(Field::A148), QStringLiteral("72.0"));
}

void TestCurveStep::endBeforeStartIsReported_data() {
    QTest::addColumn<bool>("pump");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("startText");
    QTest::newRow("fan") << false << "IDS_25"
                         << "0";
    QTest::newRow("pump") << true << "IDS_27"
                          << "2,000.00";
}

void TestCurveStep::endBeforeStartIsReported() {
    QFETCH(bool, pump);
    QFETCH(QString, message);
    QFETCH(QString, startText);
    Session session(pump ? Application::Pump : Application::Fan, unitsWith(0, 1, 0));
    session.enterDesign(pump ? QStringLiteral("100") : QStringLiteral("4"), QStringLiteral("50"),
                        QStringLiteral("86"));
    session.set({"A158=3,000.00", "A159=2,000.00"});
    session.prompter.clear();
    session.analysis.curves().FitCurve();
    QCOMPARE(session.prompter.messageIds(), QStringList{message});
    QCOMPARE(session.prompter.messages().first().text,
             QStringLiteral("Curve end point needs to be greater than the start point."));
    QCOMPARE(session.text(Field::A158), startText);
    QCOMPARE(session.curve().CurveStartFlow, 2000.0);
    QCOMPARE(session.curve().CurveEndFlow, 2000.0);
    QVERIFY(!session.window().flags().calcError);
}

// ---------------------------------------------------------------------------------------------

void TestCurveStep::redrawDrawsTheDefaultCurves() {
    DefaultFan fan;
    for (Series id :
         {Series::PointSeries2, Series::PointSeries2A, Series::PointSeries4, Series::PointSeries5A})
        QCOMPARE(fan.series(id).points.size(), std::size_t(201));
    for (Series id :
         {Series::PointSeries1, Series::PointSeries1A, Series::PointSeries3, Series::PointSeries5})
        QCOMPARE(fan.series(id).points.size(), std::size_t(111));
    // The fan curve from shut-off (1.2 x the design head) to free delivery at twice the flow.
    const std::vector<QPointF>& curve = fan.series(Series::PointSeries2).points;
    QCOMPARE(curve.front(), QPointF(0.0, 4.8));
    QVERIFY(near(curve[100].y(), 4.0));
    QCOMPARE(curve.back().x(), 200.0);
    QVERIFY(near(curve.back().y(), 0.0));
    const std::vector<QPointF>& byFlow = fan.series(Series::PointSeries2A).points;
    QCOMPARE(byFlow.back().x(), 136783.0);
    QVERIFY(near(byFlow[50].x(), 34195.75));
    // The control curve: static head 0.8 rising to the design head at 100 %.
    const std::vector<QPointF>& control = fan.series(Series::PointSeries1A).points;
    QVERIFY(near(control.front().y(), 0.8));
    QVERIFY(near(control[100].x(), 68391.5));
    QVERIFY(near(control[100].y(), 4.0));
    QVERIFY(near(fan.series(Series::PointSeries3).points.back().y(), 0.8 + 1.21 * 3.2));

    // The table runs on to 800 % although only 0 ... 200 % is drawn.
    const CurveTable& table = fan.curve().FanTable;
    QVERIFY(near(table.row(800).flow, 8.0 * 68391.5));
    QVERIFY(near(table.headAt(800), 4.0 * (-0.1 * 512 - 0.1 * 64 + 1.2)));

    const ChartState& chart1 = fan.window().chart(Chart::Chart1);
    QVERIFY(!chart1.bottom.automaticMaximum);
    QCOMPARE(chart1.bottom.maximum, 136783.0);
    QCOMPARE(chart1.bottom.title, QStringLiteral("Flow (cfm)"));
    QCOMPARE(fan.window().chart(Chart::Chart2).bottom.title, QStringLiteral("Flow (cfm)"));

    for (Series id :
         {Series::SurgeSeries1, Series::SurgeSeries2, Series::SurgeSeries3, Series::SurgeSeries4}) {
        QCOMPARE(fan.series(id).points, std::vector<QPointF>{QPointF(0.0, 0.0)});
        QCOMPARE(fan.series(id).colour, colours::black);
        QCOMPARE(fan.series(id).penWidth, 2);
    }
    QCOMPARE(fan.curve().Surge.surgeStartPressure(), 4.0);
    for (Series id :
         {Series::PointSeries1, Series::PointSeries3, Series::PointSeries1A, Series::PointSeries5})
        QCOMPARE(fan.series(id).colour, colours::red);
    for (Series id :
         {Series::PointSeries2, Series::PointSeries4, Series::PointSeries2A, Series::PointSeries5A})
        QCOMPARE(fan.series(id).colour, colours::blue);
    QCOMPARE(fan.series(Series::PointSeries2).penWidth, 2);

    // A shorter end flow leaves the table whole and draws less, with the axis at the end flow.
    fan.set(Field::A159, QStringLiteral("102,587.25"));
    fan.analysis.RecalculateAll();
    QCOMPARE(fan.series(Series::PointSeries2).points.size(), std::size_t(151));
    QCOMPARE(fan.window().chart(Chart::Chart1).bottom.maximum, 102587.25);
    QVERIFY(near(fan.curve().FanTable.row(800).flow, 8.0 * 68391.5));
}

void TestCurveStep::redrawInCentimetresOfWater() {
    Session session(Application::Fan, unitsWith(1, 0, 0));
    session.enterDesign(QStringLiteral("10.16"), QStringLiteral("50"), QStringLiteral("86"));
    QVERIFY(!session.window().flags().calcError);
    QCOMPARE(session.window().chart(Chart::Chart1).left.title, QStringLiteral("cm wg"));
    const CurveState& curve = session.curve();
    QVERIFY(near(curve.DesignHead, 4.0));
    QVERIFY(near(curve.StaticHead, session.model().number(Field::A121) / 2.54));
    // The curve and control points are the in.wg values of the table times 2.54.
    const std::vector<QPointF>& byPercent = session.series(Series::PointSeries2).points;
    const std::vector<QPointF>& byFlow = session.series(Series::PointSeries5A).points;
    QCOMPARE(byPercent.size(), std::size_t(201));
    for (std::size_t i = 0; i < byPercent.size(); ++i) {
        const CurvePoint& row = curve.FanTable.row(static_cast<int>(i));
        QVERIFY(near(byPercent[i].y(), 2.54 * row.head));
        QVERIFY(near(byFlow[i].x(), row.flow));
        QVERIFY(near(byFlow[i].y(), 2.54 * row.head));
    }
    QVERIFY(near(byPercent.front().y(), 12.19)); // point 1 as the field shows it
    QVERIFY(near(byPercent[100].y(), 10.16));
    const std::vector<QPointF>& control = session.series(Series::PointSeries1A).points;
    QCOMPARE(control.size(), std::size_t(111));
    for (std::size_t i = 0; i < control.size(); ++i)
        QVERIFY(near(control[i].y(), 2.54 * curve.Control.point(static_cast<int>(i)).head));
    QVERIFY(near(control.front().y(), session.model().number(Field::A121)));
}

void TestCurveStep::surgeLineFromTheStartFlow() {
    DefaultFan fan;
    fan.set(Field::A158, QStringLiteral("34,195.75")); // 50 % of design flow
    fan.analysis.RecalculateAll();
    QVERIFY(!fan.window().flags().calcError);
    const CurveState& curve = fan.curve();
    QCOMPARE(curve.StartFlowRatio, 0.5);
    QVERIFY(near(curve.Surge.surgeStartPressure(), 1.1625 * 4.0));
    QVERIFY(near(curve.Surge.surgeConstant(), 4.65 * 4.0));
    for (Series id :
         {Series::SurgeSeries1, Series::SurgeSeries2, Series::SurgeSeries3, Series::SurgeSeries4})
        QCOMPARE(fan.series(id).points.size(), std::size_t(151));
    const QPointF lastByPercent = fan.series(Series::SurgeSeries3).points.back();
    QVERIFY(near(lastByPercent.x(), 50.0));
    QVERIFY(near(lastByPercent.y(), 4.65));
    const QPointF lastByFlow = fan.series(Series::SurgeSeries1).points.back();
    QVERIFY(near(lastByFlow.x(), 34195.75));
    QVERIFY(near(lastByFlow.y(), 4.65));
    // The curve is drawn from the start flow on.
    QCOMPARE(fan.series(Series::PointSeries2).points.size(), std::size_t(151));
    QCOMPARE(fan.series(Series::PointSeries2).points.front().x(), 50.0);
}

void TestCurveStep::startFlowBeyondTwiceDesignTakesTheTableHead() {
    DefaultFan fan;
    fan.set(Field::A158, QStringLiteral("34,195.75"));
    fan.analysis.RecalculateAll();
    // 250 % of design flow: no surge points, but the start head is the curve's own there and
    // not the one left from the 50 % start.
    fan.set({"A158=170,978.75", "A159=205,174.50"});
    fan.analysis.RecalculateAll();
    QVERIFY(!fan.window().flags().calcError);
    const CurveState& curve = fan.curve();
    QCOMPARE(curve.StartFlowRatio, 2.5);
    QVERIFY(near(curve.Surge.surgeStartPressure(), 4.0 * (-0.1 * 15.625 - 0.1 * 6.25 + 1.2)));
    QCOMPARE(curve.Surge.surgeStartPressure(), curve.FanTable.headAt(250));
    QCOMPARE(fan.series(Series::SurgeSeries1).points.size(), std::size_t(1));
    QCOMPARE(fan.series(Series::PointSeries2).points.size(), std::size_t(51));
}

void TestCurveStep::staticHeadAboveDesignHeadIsCorrected() {
    DefaultFan fan;
    fan.set(Field::A121, QStringLiteral("5.00"));
    fan.analysis.curves().redrawCurves();
    QCOMPARE(fan.prompter.messageIds(), QStringList{"IDS_15"});
    QCOMPARE(fan.text(Field::A121), QStringLiteral("4.00"));
    QCOMPARE(fan.curve().StaticHead, fan.curve().DesignHead);
    // The control curve is flat at the design head.
    for (const QPointF& point : fan.series(Series::PointSeries1).points)
        QVERIFY(near(point.y(), 4.0));
    QVERIFY(!fan.window().flags().calcError);
}

void TestCurveStep::redrawKeepsTheShapeTheCurveWasFittedFor() {
    DefaultFan fan;
    // The shape switch changes but no new fit is made (its checks failed): the cubic is still
    // drawn as the cubic it is.
    fan.window().setChecked(Choice::HORIZ, false);
    fan.analysis.curves().redrawCurves();
    const std::vector<QPointF>& curve = fan.series(Series::PointSeries2).points;
    QVERIFY(near(curve[50].y(), 4.0 * 1.1625));
    QVERIFY(near(fan.curve().FanTable.headAt(50), 4.0 * 1.1625));
    // The next fit takes the new shape: the quadratic through the same points.
    fan.analysis.RecalculateAll();
    QVERIFY(!fan.curve().Horizontal);
    QVERIFY(near(fan.series(Series::PointSeries2).points[50].y(), 4.0 * 1.2));
}

// ---------------------------------------------------------------------------------------------

void TestCurveStep::curveDataChecks_data() {
    QTest::addColumn<QStringList>("entries");
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<bool>("showDialogs");
    QTest::addColumn<bool>("valid");
    QTest::addColumn<QString>("note");
    QTest::addColumn<QStringList>("dialogs");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("defaults") << QStringList{} << true << true << true << "" << QStringList{}
                              << QStringList{"A153=68,391.50"};
    QTest::newRow("design flow copied to the curve")
        << QStringList{"A153=1.00", "A149=68391.5"} << true << false << true << "" << QStringList{}
        << QStringList{"A153=68391.5"};
    QTest::newRow("point 1 at design flow, horizontal")
        << QStringList{"A152=68,391.50"} << true << false << false << "IDS_60" << QStringList{}
        << QStringList{};
    QTest::newRow("point 1 at design flow, horizontal, dialogs")
        << QStringList{"A152=68,391.50"} << true << true << false << "IDS_60"
        << QStringList{"IDS_60"} << QStringList{};
    QTest::newRow("point 2 at design flow, same head")
        << QStringList{"A154=68,391.50", "A157=4.00"} << true << true << false << "IDS_64"
        << QStringList{"IDS_64"} << QStringList{};
    QTest::newRow("point 2 at design flow, other head")
        << QStringList{"A154=68,391.50"} << true << true << false << "IDS_63"
        << QStringList{"IDS_63"} << QStringList{};
    QTest::newRow("additional point at peak flow, dialogs")
        << QStringList{"A151=68,391.50"} << true << true << false << "" << QStringList{"IDS_73"}
        << QStringList{};
    QTest::newRow("additional point at peak flow") << QStringList{"A151=68,391.50"} << true << false
                                                   << false << "" << QStringList{} << QStringList{};
    QTest::newRow("end below design flow")
        << QStringList{"A159=50,000.00", "A158=10,000.00"} << true << false << true << "IDS_10"
        << QStringList{"IDS_10"} << QStringList{"A159=136,783.00", "A158=0"};
    QTest::newRow("end below design flow, then point 1")
        << QStringList{"A159=50,000.00", "A152=70,000.00"} << true << false << false << "IDS_60"
        << QStringList{"IDS_10"} << QStringList{"A159=136,783.00", "A158=0"};
    QTest::newRow("additional efficiency half the peak")
        << QStringList{"A146=43"} << true << true << true << "" << QStringList{}
        << QStringList{"A146=43"};
    QTest::newRow("additional efficiency below half the peak")
        << QStringList{"A146=42.9", "A145=86"} << true << true << false << "IDS_75"
        << QStringList{"IDS_75"} << QStringList{"A146=42.9", "A145=86.0"};
    QTest::newRow("peak below the design efficiency")
        << QStringList{"A145=80", "A150=70,000.00", "A146=64.0"} << true << false << false
        << "IDS_70" << QStringList{} << QStringList{"A144=86.0", "A145=80.0"};
    QTest::newRow("design efficiency above the peak")
        << QStringList{"A144=80.0", "A145=80", "A150=70,000.00", "A146=64.0"} << true << true
        << false << "IDS_71" << QStringList{"IDS_71"} << QStringList{"A144=86.0"};
    QTest::newRow("curve not horizontal, point 1 beyond design")
        << QStringList{"A152=80,000.00", "A155=3.00"} << false << false << true << ""
        << QStringList{} << QStringList{};
}

void TestCurveStep::curveDataChecks() {
    QFETCH(QStringList, entries);
    QFETCH(bool, horizontal);
    QFETCH(bool, showDialogs);
    QFETCH(bool, valid);
    QFETCH(QString, note);
    QFETCH(QStringList, dialogs);
    QFETCH(QStringList, expected);
    DefaultFan fan;
    fan.model().showCurveNote(QStringLiteral("an earlier note"));
    fan.window().setChecked(Choice::HORIZ, horizontal);
    fan.set(entries);
    QCOMPARE(fan.analysis.curves().CheckCurveData(showDialogs), valid);
    const QString noteText = note.isEmpty() ? QString() : fan.model().text(qPrintable(note));
    QCOMPARE(fan.window().caption(Label::NOTE2), noteText);
    QCOMPARE(fan.window().label(Label::NOTE2).visible, !note.isEmpty());
    QCOMPARE(fan.window().isVisible(Panel::BEVELNOTE), !note.isEmpty());
    QCOMPARE(fan.prompter.messageIds(), dialogs);
    for (const PromptMessage& message : fan.prompter.messages()) {
        QCOMPARE(message.kind, PromptKind::Information);
        QCOMPARE(message.buttons, PromptButtons::Ok);
    }
    for (const QString& entry : expected) {
        const QStringList parts = entry.split(u'=');
        QCOMPARE(fan.text(*fieldByName(parts[0])), parts[1]);
    }
}

QTEST_GUILESS_MAIN(TestCurveStep)
#include "tst_curvestep.moc"
