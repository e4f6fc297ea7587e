#include "referencegeometry.h"

#include <cmath>

namespace {

using Matrix = double[3][3];

void multiply(const Matrix a, const Matrix b, Matrix out)
{
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            out[i][j] = a[i][0] * b[0][j] + a[i][1] * b[1][j] + a[i][2] * b[2][j];
}

} // namespace

void ReferenceGeometry::leverArm(double pitch, double yaw, double roll, double *dEast,
                                 double *dNorth, double *dHeight, double ox, double oy, double oz)
{
    const double k = M_PI / 180.0;
    const double p = pitch * k, y = yaw * k, r = roll * k;
    const Matrix rx = {{1, 0, 0}, {0, std::cos(r), -std::sin(r)}, {0, std::sin(r), std::cos(r)}};
    const Matrix ry = {{std::cos(p), 0, std::sin(p)}, {0, 1, 0}, {-std::sin(p), 0, std::cos(p)}};
    const Matrix rz = {{std::cos(y), -std::sin(y), 0}, {std::sin(y), std::cos(y), 0}, {0, 0, 1}};
    Matrix zy, m;
    multiply(rz, ry, zy);
    multiply(zy, rx, m);
    const double body[3] = {ox, oy, -oz}; // forward, right, down
    double ned[3];
    for (int i = 0; i < 3; ++i)
        ned[i] = m[i][0] * body[0] + m[i][1] * body[1] + m[i][2] * body[2];
    *dNorth = ned[0];
    *dEast = ned[1];
    *dHeight = -ned[2];
}

void ReferenceGeometry::designLeverArm(double pitch, double yaw, double roll, double *dEast,
                                       double *dNorth, double *dHeight, double ox, double oy,
                                       double oz)
{
    const double k = M_PI / 180.0;
    const double a = -pitch * k, b = -yaw * k, c = -roll * k;
    const double u = ox * std::cos(a) + oz * std::sin(a);
    const double w = oz * std::cos(a) - ox * std::sin(a);
    const double v = oy * std::cos(c) + w * std::sin(c);
    *dHeight = w * std::cos(c) - oy * std::sin(c);
    *dEast = u * std::sin(b) + v * std::cos(b);
    *dNorth = u * std::cos(b) - v * std::sin(b);
}
