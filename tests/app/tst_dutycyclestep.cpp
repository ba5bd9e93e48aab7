// The duty cycle on the analysis window: yearly hours and their labels, the band labels with
// the entry texts cut to five characters, the total's colour and the duty charts.

#include "StepFixture.h"

#include <QTest>

#include <memory>

using namespace wattmere;
using namespace wattmere::testing;

class TestDutyCycleStep : public QObject {
    Q_OBJECT
private slots:
    void yearlyHours_data();
    void yearlyHours();
    void theDutyScreenHasItsOwnRunningTimes();
    void theTotalColoursTheLabelAndTheDutyBars_data();
    void theTotalColoursTheLabelAndTheDutyBars();
    void bandLabelsShowTheCutEntryTexts();
    void theChartsGetOneBarPerBandAndTheirTitles();
    void hoursBeyondAnIntegerSetCalcErrorAndKeepTheLabels();
};

void TestDutyCycleStep::yearlyHours_data() {
    QTest::addColumn<QString>("hours");
    QTest::addColumn<QString>("days");
    QTest::addColumn<QString>("weeks");
    QTest::addColumn<int>("hoursPerYear");
    QTest::addColumn<QString>("total");
    QTest::addColumn<QString>("hoursLabel");
    QTest::addColumn<QString>("band50Hours");

    // The 52-week year of continuous running counts as a full year, but reads "Hrs".
    QTest::newRow("24 x 7 x 52") << "24"
                                 << "7.0"
                                 << "52" << 8760 << "8,760"
                                 << "8,760 Hrs"
                                 << "2,015";
    QTest::newRow("12 x 5 x 52") << "12"
                                 << "5.0"
                                 << "52" << 3120 << "3,120"
                                 << "3,120 Hrs"
                                 << "718";
    // Only a product that is itself a full year reads "Hrs/Year".
    QTest::newRow("product of 8760") << "24"
                                     << "7.0"
                                     << "52.143" << 8760 << "8,760"
                                     << "8,760 Hrs/Year"
                                     << "2,015";
    QTest::newRow("product rounded half to even") << "1"
                                                  << "2.5"
                                                  << "1" << 2 << "2"
                                                  << "2 Hrs"
                                                  << "0";
}

void TestDutyCycleStep::yearlyHours() {
    QFETCH(QString, hours);
    QFETCH(QString, days);
    QFETCH(QString, weeks);
    QFETCH(int, hoursPerYear);
    QFETCH(QString, total);
    QFETCH(QString, hoursLabel);
    QFETCH(QString, band50Hours);

    auto f = std::make_unique<StepFixture>();
    f->window().setText(Field::A101, hours);
    f->window().setText(Field::A102, days);
    f->window().setText(Field::A103, weeks);
    f->duty.compute();

    const DutyCycle& duty = f->results().Duty;
    QCOMPARE(duty.HoursPerYear, hoursPerYear);
    QCOMPARE(f->caption(Label::SYSTEMFLOWTOTAL), total);
    QCOMPARE(f->caption(Label::TOTHOURS), hoursLabel);
    QCOMPARE(f->caption(Label::TOTHOURS2), hoursLabel);
    // 23 % of the year at the 50 % band.
    QCOMPARE(f->caption(Label::OT50H), band50Hours);
    double bandHours = 0.0;
    for (int k = 1; k <= bandCount; ++k)
        bandHours += duty.BandHours[k];
    QCOMPARE(bandHours, double(hoursPerYear));
    QVERIFY(!f->window().flags().calcError);
}

void TestDutyCycleStep::theDutyScreenHasItsOwnRunningTimes() {
    auto f = std::make_unique<StepFixture>();
    f->window().setText(Field::A101A, "12");
    f->window().setText(Field::A102A, "5.0");
    f->window().setText(Field::A103A, "52");

    f->duty.compute();
    QCOMPARE(f->results().Duty.HoursPerYear, 8760);

    f->window().setVisible(Panel::DutyCyclePanel, true);
    f->duty.compute();
    QCOMPARE(f->results().Duty.HoursPerYear, 3120);
    QCOMPARE(f->caption(Label::TOTHOURS), QString("3,120 Hrs"));
}

void TestDutyCycleStep::theTotalColoursTheLabelAndTheDutyBars_data() {
    QTest::addColumn<QString>("share90");
    QTest::addColumn<QString>("total");
    QTest::addColumn<bool>("complete");

    QTest::newRow("100") << "3"
                         << "100 %" << true;
    QTest::newRow("99") << "2"
                        << "99 %" << false;
    QTest::newRow("101") << "4"
                         << "101 %" << false;
    QTest::newRow("12.5 counts as 12") << "12.5"
                                       << "109 %" << false;
}

void TestDutyCycleStep::theTotalColoursTheLabelAndTheDutyBars() {
    QFETCH(QString, share90);
    QFETCH(QString, total);
    QFETCH(bool, complete);

    auto f = std::make_unique<StepFixture>();
    f->window().setText(Field::A111, share90);
    f->duty.compute();

    QCOMPARE(f->caption(Label::DUTYTOTAL), total);
    QCOMPARE(f->window().label(Label::DUTYTOTAL).colour, complete ? colours::black : colours::red);
    const SeriesState& bars = f->window().series(Series::DutySeries2);
    QCOMPARE(bars.colour, complete ? colours::blue : colours::red);
    QCOMPARE(bars.brushColour, complete ? colours::black : colours::red);
    QCOMPARE(bars.brush, complete ? BrushStyle::Solid : BrushStyle::DiagonalCross);
    // The calculation runs with the shares as entered.
    QCOMPARE(f->results().Duty.HoursPerYear, 8760);
    QVERIFY(!f->window().flags().calcError);

    // Back to 100: the colours return.
    f->window().setText(Field::A111, "3");
    f->duty.compute();
    QCOMPARE(f->window().label(Label::DUTYTOTAL).colour, colours::black);
    QCOMPARE(f->window().series(Series::DutySeries2).brush, BrushStyle::Solid);
}

void TestDutyCycleStep::bandLabelsShowTheCutEntryTexts() {
    auto f = std::make_unique<StepFixture>();
    f->window().setText(Field::A111, "3.00001"); // the 90 % band's share
    f->window().setText(Field::A169, "100000");  // the 10 % band's flow
    f->duty.compute();

    QCOMPARE(f->caption(Label::OT90P), QString("3.000"));
    QCOMPARE(f->caption(Label::FL10P), QString("10000"));
    QCOMPARE(f->caption(Label::OT100P), QString("0"));
    QCOMPARE(f->caption(Label::FL90P), QString("90"));
    const DutyCycle& duty = f->results().Duty;
    QCOMPARE(duty.DutyPercent[9], 3);
    QCOMPARE(duty.BandFlowPercent[1], 10000);
    QCOMPARE(duty.BandFlowPercent[9], 90);
    // Band hours: 3 % and 21 % of 8760.
    QCOMPARE(f->caption(Label::OT90H), QString("263"));
    QCOMPARE(f->caption(Label::OT70H), QString("1,840"));
    QCOMPARE(f->caption(Label::OT10H), QString("0"));
}

void TestDutyCycleStep::theChartsGetOneBarPerBandAndTheirTitles() {
    auto f = std::make_unique<StepFixture>();
    f->window().editSeries(Series::DutySeries1).points.emplace_back(1.0, 1.0);
    f->duty.compute();

    const int shares[] = {0, 0, 5, 16, 23, 23, 21, 9, 3, 0}; // bands 1..10
    for (Series id : {Series::DutySeries1, Series::DutySeries2, Series::DutySeries3}) {
        const std::vector<QPointF>& points = f->window().series(id).points;
        QCOMPARE(points.size(), std::size_t(bandCount));
        for (int k = 1; k <= bandCount; ++k)
            QCOMPARE(points[k - 1], QPointF(10 * k, shares[k - 1]));
    }
    for (Chart id : {Chart::DutyChart, Chart::DutyChart3, Chart::DutyCycleChart}) {
        const ChartState& chart = f->window().chart(id);
        QCOMPARE(chart.titleLines, QStringList{"Duty Cycle"});
        QCOMPARE(chart.bottom.title, QString("Flow (%)"));
        QCOMPARE(chart.left.title, QString("Time (%)"));
    }
}

void TestDutyCycleStep::hoursBeyondAnIntegerSetCalcErrorAndKeepTheLabels() {
    auto f = std::make_unique<StepFixture>();
    f->duty.compute();
    f->window().setText(Field::A101, "1e300");
    f->window().setText(Field::A102, "1e300");
    f->window().setText(Field::A111, "2");
    f->duty.compute();

    QVERIFY(f->window().flags().calcError);
    QCOMPARE(f->results().Duty.HoursPerYear, 8760);
    QCOMPARE(f->results().Duty.DutyTotal, 100);
    QCOMPARE(f->caption(Label::TOTHOURS), QString("8,760 Hrs"));
    QCOMPARE(f->caption(Label::DUTYTOTAL), QString("100 %"));
}

QTEST_GUILESS_MAIN(TestDutyCycleStep)
#include "tst_dutycyclestep.moc"
