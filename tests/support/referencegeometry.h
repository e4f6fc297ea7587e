#pragma once

/**
 * The lever-arm correction written out independently of the program's code, so tests can
 * compare the program's output with numbers they computed themselves.
 */
class ReferenceGeometry
{
public:
    /// Offsets in metres (body x, y, z); angles in degrees. Returns east, north, height deltas.
    static void leverArm(double pitch, double yaw, double roll, double *dEast, double *dNorth,
                         double *dHeight, double ox = 0.030, double oy = 0.0, double oz = -0.169);
};
