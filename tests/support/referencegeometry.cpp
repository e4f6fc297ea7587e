#include "referencegeometry.h"

#include <cmath>

void ReferenceGeometry::leverArm(double pitch, double yaw, double roll, double *dEast,
                                 double *dNorth, double *dHeight, double ox, double oy, double oz)
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
