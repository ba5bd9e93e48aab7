#include "curves/SolverMatrix.h"

#include <QtGlobal>

#include <algorithm>
#include <cmath>

namespace wattmere {

namespace {

std::uint16_t limitedCount(int count) {
    return static_cast<std::uint16_t>(std::clamp(count, 0, SolverMatrix::maxDimension));
}

std::size_t indexOf(int row, int column) {
    return static_cast<std::size_t>(row * SolverMatrix::maxDimension + column);
}

} // namespace

SolverMatrix::SolverMatrix(int rows, int columns)
    : m_rows(limitedCount(rows)), m_columns(limitedCount(columns)) {}

SolverMatrix::SolverMatrix(std::initializer_list<std::initializer_list<double>> rows)
    : m_rows(limitedCount(static_cast<int>(rows.size()))),
      m_columns(limitedCount(rows.size() == 0 ? 0 : static_cast<int>(rows.begin()->size()))) {
    int r = 0;
    for (const auto& row : rows) {
        if (r >= m_rows)
            break;
        int c = 0;
        for (double value : row) {
            if (c >= m_columns)
                break;
            m_values[indexOf(r, c++)] = value;
        }
        ++r;
    }
}

double SolverMatrix::at(int row, int column) const {
    Q_ASSERT(row >= 0 && row < m_rows && column >= 0 && column < m_columns);
    return m_values[indexOf(row, column)];
}

void SolverMatrix::set(int row, int column, double value) {
    Q_ASSERT(row >= 0 && row < m_rows && column >= 0 && column < m_columns);
    m_values[indexOf(row, column)] = value;
}

SolverMatrix SolverMatrix::minor(int row, int column) const {
    SolverMatrix result(m_rows > 0 ? m_rows - 1 : 0, m_columns > 0 ? m_columns - 1 : 0);
    int target = 0;
    for (int r = 0; r < m_rows; ++r) {
        if (r == row)
            continue;
        int c = 0;
        for (int source = 0; source < m_columns; ++source) {
            if (source != column)
                result.m_values[indexOf(target, c++)] = m_values[indexOf(r, source)];
        }
        ++target;
    }
    return result;
}

namespace {

// The determinant of the square part of the matrix made of the rows from firstRow on and the
// given columns: the expansion along its first row, recursing on the minors by their column
// lists instead of copies, so a fit builds no matrices while it expands.
double expandedDeterminant(const SolverMatrix& matrix, int firstRow, const int* columns, int n) {
    if (n == 1)
        return matrix.at(firstRow, columns[0]);
    if (n == 2)
        return matrix.at(firstRow, columns[0]) * matrix.at(firstRow + 1, columns[1]) -
               matrix.at(firstRow + 1, columns[0]) * matrix.at(firstRow, columns[1]);
    std::array<int, SolverMatrix::maxDimension> minorColumns{};
    double sum = 0.0;
    double sign = 1.0;
    for (int j = 0; j < n; ++j) {
        int k = 0;
        for (int c = 0; c < n; ++c) {
            if (c != j)
                minorColumns[static_cast<std::size_t>(k++)] = columns[c];
        }
        sum += sign * matrix.at(firstRow, columns[j]) *
               expandedDeterminant(matrix, firstRow + 1, minorColumns.data(), n - 1);
        sign = -sign;
    }
    return sum;
}

} // namespace

double Determinant(const SolverMatrix& matrix) {
    if (!matrix.isSquare())
        return 0.0;
    const int n = matrix.rowCount();
    if (n == 0)
        return 1.0;
    std::array<int, SolverMatrix::maxDimension> columns{};
    for (int c = 0; c < n; ++c)
        columns[static_cast<std::size_t>(c)] = c;
    return expandedDeterminant(matrix, 0, columns.data(), n);
}

std::optional<SolverVector> solveByCramer(const SolverMatrix& coefficients,
                                          std::span<const double> rightHandSide) {
    const int n = coefficients.rowCount();
    if (!coefficients.isSquare() || n == 0 || rightHandSide.size() != static_cast<std::size_t>(n))
        return std::nullopt;
    // A zero denominator raised a floating-point fault on the original platform; here it is
    // tested for, so that a singular fit reports failure instead of yielding infinities.
    const double denominator = Determinant(coefficients);
    if (denominator == 0.0 || !std::isfinite(denominator))
        return std::nullopt;
    SolverVector result;
    result.size = n;
    for (int j = 0; j < n; ++j) {
        SolverMatrix numerator = coefficients;
        for (int i = 0; i < n; ++i)
            numerator.set(i, j, rightHandSide[static_cast<std::size_t>(i)]);
        const double unknown = Determinant(numerator) / denominator;
        if (!std::isfinite(unknown))
            return std::nullopt;
        result.values[static_cast<std::size_t>(j)] = unknown;
    }
    return result;
}

} // namespace wattmere
