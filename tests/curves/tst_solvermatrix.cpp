// The fit's linear algebra: determinants by first-row expansion and Cramer's rule, including
// the explicit failures that replace the original floating-point faults.

#include "curves/SolverMatrix.h"

#include <QTest>

#include <array>
#include <cmath>
#include <limits>
#include <vector>

using namespace wattmere;

Q_DECLARE_METATYPE(wattmere::SolverMatrix)

class TestSolverMatrix : public QObject {
    Q_OBJECT
private slots:
    void determinantOfKnownMatrices_data();
    void determinantOfKnownMatrices();
    void minorDropsOneRowAndColumn();
    void sizesAreLimitedToTheFixedStorage();
    void cramerSolvesSquareSystems_data();
    void cramerSolvesSquareSystems();
    void cramerFailsExplicitly_data();
    void cramerFailsExplicitly();
};

void TestSolverMatrix::determinantOfKnownMatrices_data() {
    QTest::addColumn<SolverMatrix>("matrix");
    QTest::addColumn<double>("determinant");
    QTest::newRow("2x2") << SolverMatrix{{3, 8}, {4, 6}} << -14.0;
    QTest::newRow("2x2 order of the products") << SolverMatrix{{0, 1}, {1, 0}} << -1.0;
    QTest::newRow("3x3") << SolverMatrix{{6, 1, 1}, {4, -2, 5}, {2, 8, 7}} << -306.0;
    QTest::newRow("3x3 singular") << SolverMatrix{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}} << 0.0;
    QTest::newRow("4x4") << SolverMatrix{{1, 0, 2, -1}, {3, 0, 0, 5}, {2, 1, 4, -3}, {1, 0, 5, 0}}
                         << 30.0;
    QTest::newRow("4x4 zero first element")
        << SolverMatrix{{0, 2, 1, 3}, {1, 0, 2, 1}, {3, 1, 0, 2}, {2, 3, 1, 0}} << -62.0;
    QTest::newRow("5x5 triangular") << SolverMatrix{{2, 7, 1, 8, 2},
                                                    {0, 3, 1, 4, 1},
                                                    {0, 0, -1, 5, 9},
                                                    {0, 0, 0, 4, 2},
                                                    {0, 0, 0, 0, 0.5}}
                                    << -12.0;
    QTest::newRow("1x1") << SolverMatrix{{5}} << 5.0;
    QTest::newRow("2x3 is not square") << SolverMatrix{{1, 2, 3}, {4, 5, 6}} << 0.0;
    QTest::newRow("3x2 is not square") << SolverMatrix{{1, 2}, {3, 4}, {5, 6}} << 0.0;
}

void TestSolverMatrix::determinantOfKnownMatrices() {
    QFETCH(SolverMatrix, matrix);
    QFETCH(double, determinant);
    QCOMPARE(Determinant(matrix), determinant);
}

void TestSolverMatrix::minorDropsOneRowAndColumn() {
    const SolverMatrix matrix{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}};
    const SolverMatrix minor = matrix.minor(0, 1);
    QCOMPARE(minor.rowCount(), 2);
    QCOMPARE(minor.columnCount(), 2);
    QCOMPARE(minor.at(0, 0), 4.0);
    QCOMPARE(minor.at(0, 1), 6.0);
    QCOMPARE(minor.at(1, 0), 7.0);
    QCOMPARE(minor.at(1, 1), 9.0);
}

void TestSolverMatrix::sizesAreLimitedToTheFixedStorage() {
    const SolverMatrix big(25, 3);
    QCOMPARE(big.rowCount(), SolverMatrix::maxDimension);
    QCOMPARE(big.columnCount(), 3);
    const SolverMatrix negative(-1, 2);
    QCOMPARE(negative.rowCount(), 0);
    // Ragged rows: the first row sets the width, short rows are padded with 0.
    const SolverMatrix ragged{{1, 2}, {3}};
    QCOMPARE(ragged.columnCount(), 2);
    QCOMPARE(ragged.at(1, 1), 0.0);
}

void TestSolverMatrix::cramerSolvesSquareSystems_data() {
    QTest::addColumn<SolverMatrix>("matrix");
    QTest::addColumn<std::vector<double>>("rightHandSide");
    QTest::addColumn<std::vector<double>>("unknowns");
    QTest::newRow("2x2") << SolverMatrix{{2, 1}, {1, 3}} << std::vector<double>{3, 5}
                         << std::vector<double>{0.8, 1.4};
    QTest::newRow("3x3") << SolverMatrix{{2, 1, -1}, {-3, -1, 2}, {-2, 1, 2}}
                         << std::vector<double>{8, -11, -3} << std::vector<double>{2, 3, -1};
    QTest::newRow("4x4") << SolverMatrix{{1, 1, 1, 1}, {1, 2, 4, 8}, {1, 3, 9, 27}, {0, 1, 2, 3}}
                         << std::vector<double>{4, 15, 40, 6} << std::vector<double>{1, 1, 1, 1};
}

void TestSolverMatrix::cramerSolvesSquareSystems() {
    QFETCH(SolverMatrix, matrix);
    QFETCH(std::vector<double>, rightHandSide);
    QFETCH(std::vector<double>, unknowns);
    const std::optional<SolverVector> solution = solveByCramer(matrix, rightHandSide);
    QVERIFY(solution);
    QCOMPARE(solution->size, static_cast<int>(unknowns.size()));
    for (int j = 0; j < solution->size; ++j)
        QVERIFY2(std::abs((*solution)[j] - unknowns[static_cast<std::size_t>(j)]) < 1e-12,
                 qPrintable(QString::number(j)));
}

void TestSolverMatrix::cramerFailsExplicitly_data() {
    QTest::addColumn<SolverMatrix>("matrix");
    QTest::addColumn<std::vector<double>>("rightHandSide");
    const double infinity = std::numeric_limits<double>::infinity();
    QTest::newRow("singular") << SolverMatrix{{1, 2, 3}, {4, 5, 6}, {7, 8, 9}}
                              << std::vector<double>{1, 2, 3};
    QTest::newRow("not square") << SolverMatrix{{1, 2, 3}, {4, 5, 6}} << std::vector<double>{1, 2};
    QTest::newRow("empty") << SolverMatrix() << std::vector<double>{};
    QTest::newRow("right-hand side too short")
        << SolverMatrix{{2, 1}, {1, 3}} << std::vector<double>{3};
    QTest::newRow("infinite right-hand side")
        << SolverMatrix{{2, 1}, {1, 3}} << std::vector<double>{infinity, 1};
    QTest::newRow("not-a-number coefficient")
        << SolverMatrix{{std::nan(""), 1}, {1, 3}} << std::vector<double>{1, 1};
    QTest::newRow("overflowing unknowns")
        << SolverMatrix{{1e-200, 0}, {0, 1}} << std::vector<double>{1e300, 1};
}

void TestSolverMatrix::cramerFailsExplicitly() {
    QFETCH(SolverMatrix, matrix);
    QFETCH(std::vector<double>, rightHandSide);
    QVERIFY(!solveByCramer(matrix, rightHandSide));
}

QTEST_APPLESS_MAIN(TestSolverMatrix)
#include "tst_solvermatrix.moc"
