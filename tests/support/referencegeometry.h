#pragma once

/**
 * The lever-arm correction written out independently of the program's code, so tests can
 * compare the program's output with numbers they computed themselves. Neither turns the
 * offset by the grid convergence: use them on a central meridian or without a zone.
 */
class ReferenceGeometry
{
public:
    /// The aircraft convention through the full matrix Rz(yaw) Ry(pitch) Rx(roll). Offsets
    /// in metres (A forward, B right, Z up); angles in degrees. Returns east, north, height.
    static void leverArm(double pitch, double yaw, double roll, double *dEast, double *dNorth,
                         double *dHeight, double ox = 0.030, double oy = 0.0, double oz = -0.169);
    /// The earlier formula that main/leverArmDesign selects.
    static void designLeverArm(double pitch, double yaw, double roll, double *dEast, double *dNorth,
                               double *dHeight, double ox = 0.030, double oy = 0.0,
                               double oz = -0.169);
};
