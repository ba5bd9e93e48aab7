#pragma once
// The small dense matrix of the curve fit, its determinant by expansion along the first row and
// Cramer's rule. Storage is fixed (at most 20 x 20) so no fit ever allocates.

#include <array>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <span>

namespace wattmere {

class SolverMatrix {
public:
    static constexpr int maxDimension = 20;

    SolverMatrix() = default;
    // A rows x columns matrix of zeros; counts are limited to 0 ... maxDimension.
    SolverMatrix(int rows, int columns);
    // Row by row; the first row gives the column count, missing entries are 0, extra ones and
    // anything beyond maxDimension are dropped.
    SolverMatrix(std::initializer_list<std::initializer_list<double>> rows);

    int rowCount() const { return m_rows; }
    int columnCount() const { return m_columns; }
    bool isSquare() const { return m_rows == m_columns; }

    // Zero-based indices inside the current size.
    double at(int row, int column) const;
    void set(int row, int column, double value);

    // The matrix without the given row and column.
    SolverMatrix minor(int row, int column) const;

private:
    std::uint16_t m_rows = 0;
    std::uint16_t m_columns = 0;
    std::array<double, maxDimension * maxDimension> m_values{};
};

// 0 for a matrix that is not square; a11 a22 - a21 a12 for 2 x 2; otherwise the expansion along
// the first row with alternating signs, recursing on the minors. No pivoting, no tolerance.
// A 1 x 1 matrix gives its element and an empty one 1, so that the expansion stays sound.
double Determinant(const SolverMatrix& matrix);

// The unknowns of an n x n system, at most maxDimension of them.
struct SolverVector {
    int size = 0;
    std::array<double, SolverMatrix::maxDimension> values{};

    double operator[](int index) const { return values[static_cast<std::size_t>(index)]; }
};

// Cramer's rule: unknown j = Determinant(matrix with column j replaced by the right-hand side)
// / Determinant(matrix). Fails on a matrix that is not square or empty, a right-hand side of
// another length, a zero or non-finite denominator and any non-finite unknown.
std::optional<SolverVector> solveByCramer(const SolverMatrix& coefficients,
                                          std::span<const double> rightHandSide);

} // namespace wattmere
