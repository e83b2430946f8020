#pragma once

#include <array>
#include <ostream>

namespace krx {

class Point3d {
public:
    Point3d() = default;
    Point3d(double x, double y, double z) : x_(x), y_(y), z_(z) {}

    void setPoint3d(double x, double y, double z) {
        x_ = x;
        y_ = y;
        z_ = z;
    }
    std::array<double, 3> getPoint3d() const { return {x_, y_, z_}; }

    double x() const { return x_; }
    double y() const { return y_; }
    double z() const { return z_; }

private:
    double x_ = 0.0;
    double y_ = 0.0;
    double z_ = 0.0;
};

// A homogeneous point.
class Point4d {
public:
    Point4d() = default;
    Point4d(double x, double y, double z, double w) : x_(x), y_(y), z_(z), w_(w) {}

    void setPoint4d(double x, double y, double z, double w) {
        x_ = x;
        y_ = y;
        z_ = z;
        w_ = w;
    }
    std::array<double, 4> getPoint4d() const { return {x_, y_, z_, w_}; }

    double x() const { return x_; }
    double y() const { return y_; }
    double z() const { return z_; }
    double w() const { return w_; }

private:
    double x_ = 0.0;
    double y_ = 0.0;
    double z_ = 0.0;
    double w_ = 0.0;
};

// Row-major: element (r, c) is flat index 3r + c.
class Matrix3d {
public:
    Matrix3d() = default;
    Matrix3d(double m00, double m01, double m02, double m10, double m11, double m12, double m20, double m21,
             double m22)
        : values_{m00, m01, m02, m10, m11, m12, m20, m21, m22} {}

    double operator[](int i) const { return values_[static_cast<std::size_t>(i)]; }

private:
    std::array<double, 9> values_{};
};

// Row-major: element (r, c) is flat index 4r + c. Matrices act on column vectors (p' = M p), so the
// fourth column carries the translation.
class Matrix4d {
public:
    Matrix4d() = default;
    Matrix4d(double m00, double m01, double m02, double m03, double m10, double m11, double m12, double m13,
             double m20, double m21, double m22, double m23, double m30, double m31, double m32, double m33)
        : values_{m00, m01, m02, m03, m10, m11, m12, m13, m20, m21, m22, m23, m30, m31, m32, m33} {}
    explicit Matrix4d(const std::array<double, 16>& values) : values_(values) {}

    double operator[](unsigned i) const { return values_[i]; }
    double operator()(unsigned row, unsigned col) const { return values_[4 * row + col]; }
    double& operator()(unsigned row, unsigned col) { return values_[4 * row + col]; }

    const std::array<double, 16>& getArray() const { return values_; }
    std::array<double, 16>& getArray() { return values_; }

private:
    std::array<double, 16> values_{};
};

bool operator==(const Point3d& a, const Point3d& b);
bool operator!=(const Point3d& a, const Point3d& b);
// Homogeneous equality: equal w compares x, y, z; different w compares x/w, y/w, z/w, and a point
// at infinity (w = 0) never equals a finite one.
bool operator==(const Point4d& a, const Point4d& b);
bool operator==(const Matrix4d& a, const Matrix4d& b);

Point3d operator-(const Point3d& a, const Point3d& b);
Point4d operator-(const Point4d& a, const Point4d& b);

Point3d operator*(const Matrix3d& m, const Point3d& p);
Point4d operator*(const Matrix4d& m, const Point4d& p);
// Uses the upper-left 3x3 block only: translation and the fourth row have no effect.
Point3d operator*(const Matrix4d& m, const Point3d& p);

// Diagnostic text. The Point overloads leave the stream's precision at 16.
std::ostream& operator<<(std::ostream& os, const Point3d& p);
std::ostream& operator<<(std::ostream& os, const Point4d& p);
std::ostream& operator<<(std::ostream& os, const Matrix4d& m);

// Angles in radians about x, y and z of the decomposition R = Rz(az) Ry(ay) Rx(ax) of the upper-left
// block of m. Scale is not removed.
void convertR2Angle(const Matrix4d& m, double& ax, double& ay, double& az);

}  // namespace krx
