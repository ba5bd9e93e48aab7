// Fitting the curve through its three normalised points: the default curves, the conditions
// every fit must meet, and the singular cases that must fail rather than give infinities.

#include "curves/CurveFit.h"

#include <QTest>

#include <cmath>

using namespace wattmere;

Q_DECLARE_METATYPE(wattmere::NormalisedCurvePoints)
Q_DECLARE_METATYPE(wattmere::CurveCoefficients)

namespace {

NormalisedCurvePoints pointsOf(double q1, double h1, double q2, double h2) {
    NormalisedCurvePoints points;
    points.q1 = q1;
    points.h1 = h1;
    points.q2 = q2;
    points.h2 = h2;
    return points;
}

bool near(double actual, double expected) {
    return std::abs(actual - expected) < 1e-12;
}

} // namespace

class TestCurveFit : public QObject {
    Q_OBJECT
private slots:
    void defaultCurves_data();
    void defaultCurves();
    void fitPassesThroughItsPoints_data();
    void fitPassesThroughItsPoints();
    void singularPointsFail_data();
    void singularPointsFail();
    void normalisation();
};

void TestCurveFit::defaultCurves_data() {
    QTest::addColumn<bool>("horizontal");
    QTest::addColumn<CurveCoefficients>("coefficients");
    QTest::newRow("horizontal at point 1") << true << CurveCoefficients{-0.1, -0.1, 0.0, 1.2};
    QTest::newRow("quadratic") << false << CurveCoefficients{-0.4, 0.2, 1.2, 0.0};
}

void TestCurveFit::defaultCurves() {
    QFETCH(bool, horizontal);
    QFETCH(CurveCoefficients, coefficients);
    // Shut-off at 1.2 x the design head, free delivery at twice the design flow.
    const std::optional<FittedCurve> fit = fitCurve(pointsOf(0.0, 1.2, 2.0, 0.0), horizontal);
    QVERIFY(fit);
    QVERIFY(near(fit->coefficients.a, coefficients.a));
    QVERIFY(near(fit->coefficients.b, coefficients.b));
    QVERIFY(near(fit->coefficients.c, coefficients.c));
    QVERIFY(near(fit->coefficients.d, coefficients.d));
    // The three-point quadratic whatever the shape.
    QVERIFY(near(fit->quadratic.qa, -0.4));
    QVERIFY(near(fit->quadratic.qb, 0.2));
    QVERIFY(near(fit->quadratic.qc, 1.2));
    QVERIFY(near(curveHeadRatio(fit->coefficients, horizontal, 0.5), horizontal ? 1.1625 : 1.2));
}

void TestCurveFit::fitPassesThroughItsPoints_data() {
    QTest::addColumn<NormalisedCurvePoints>("points");
    QTest::newRow("shut-off and free delivery") << pointsOf(0.0, 1.2, 2.0, 0.0);
    QTest::newRow("point 1 left of the design point") << pointsOf(0.4, 1.3, 1.6, 0.5);
    QTest::newRow("steep") << pointsOf(0.1, 3.0, 1.2, 0.2);
    QTest::newRow("point 2 left of the design point") << pointsOf(0.2, 1.5, 0.7, 1.2);
}

void TestCurveFit::fitPassesThroughItsPoints() {
    QFETCH(NormalisedCurvePoints, points);
    for (bool horizontal : {true, false}) {
        const std::optional<FittedCurve> fit = fitCurve(points, horizontal);
        QVERIFY(fit);
        const CurveCoefficients& k = fit->coefficients;
        QVERIFY(near(curveHeadRatio(k, horizontal, points.q1), points.h1));
        QVERIFY(near(curveHeadRatio(k, horizontal, 1.0), 1.0));
        QVERIFY(near(curveHeadRatio(k, horizontal, points.q2), points.h2));
        if (horizontal)
            QVERIFY(near(3 * k.a * points.q1 * points.q1 + 2 * k.b * points.q1 + k.c, 0.0));
        else
            QCOMPARE(k.d, 0.0);
        const QuadraticCoefficients& q = fit->quadratic;
        for (auto [x, h] : {std::pair{points.q1, points.h1}, std::pair{1.0, 1.0},
                            std::pair{points.q2, points.h2}})
            QVERIFY(near((q.qa * x + q.qb) * x + q.qc, h));
    }
}

void TestCurveFit::singularPointsFail_data() {
    QTest::addColumn<NormalisedCurvePoints>("points");
    QTest::addColumn<bool>("horizontal");
    // Point 1 at the design point passes the data checks when the curve is not horizontal.
    QTest::newRow("point 1 at the design point") << pointsOf(1.0, 1.0, 2.0, 0.0) << false;
    QTest::newRow("point 1 at the design point, horizontal")
        << pointsOf(1.0, 1.0, 2.0, 0.0) << true;
    QTest::newRow("point 2 at the design flow") << pointsOf(0.0, 1.2, 1.0, 1.0) << false;
    QTest::newRow("points 1 and 2 at one flow") << pointsOf(0.5, 1.1, 0.5, 1.1) << true;
}

void TestCurveFit::singularPointsFail() {
    QFETCH(NormalisedCurvePoints, points);
    QFETCH(bool, horizontal);
    QVERIFY(!fitCurve(points, horizontal));
}

void TestCurveFit::normalisation() {
    const std::optional<NormalisedCurvePoints> points =
        normaliseCurvePoints(0.0, 4.8, 136783.0, 0.0, 68391.5, 4.0);
    QVERIFY(points);
    QCOMPARE(points->q1, 0.0);
    QCOMPARE(points->h1, 1.2);
    QCOMPARE(points->qd, 1.0);
    QCOMPARE(points->hd, 1.0);
    QCOMPARE(points->q2, 2.0);
    QCOMPARE(points->h2, 0.0);
    QVERIFY(!normaliseCurvePoints(0.0, 4.8, 136783.0, 0.0, 68391.5, 0.0));
    QVERIFY(!normaliseCurvePoints(10.0, 4.8, 136783.0, 0.0, 0.0, 4.0));
}

QTEST_APPLESS_MAIN(TestCurveFit)
#include "tst_curvefit.moc"
