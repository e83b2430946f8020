#pragma once

// Plane and spatial coordinates in model units, boxes and transformations.
struct API_Coord {
    double x;
    double y;
};

struct API_Coord3D {
    double x;
    double y;
    double z;
};

struct API_Box {
    double xMin;
    double yMin;
    double xMax;
    double yMax;
};

// A 3 x 4 transformation, row by row.
struct API_Tranmat {
    double tmx[12];
};
