#include "interchange/Geometry.hpp"

#include <cmath>

namespace krx {

bool operator==(const Point3d& a, const Point3d& b) {
    return a.x() == b.x() && a.y() == b.y() && a.z() == b.z();
}

bool operator!=(const Point3d& a, const Point3d& b) {
    return !(a == b);
}

bool operator==(const Point4d& a, const Point4d& b) {
    if (a.w() == b.w()) {
        return a.x() == b.x() && a.y() == b.y() && a.z() == b.z();
    }
    if (a.w() == 0.0 || b.w() == 0.0) {
        return false;
    }
    return a.x() / a.w() == b.x() / b.w() && a.y() / a.w() == b.y() / b.w() && a.z() / a.w() == b.z() / b.w();
}

bool operator==(const Matrix4d& a, const Matrix4d& b) {
    return a.getArray() == b.getArray();
}

Point3d operator-(const Point3d& a, const Point3d& b) {
    return {a.x() - b.x(), a.y() - b.y(), a.z() - b.z()};
}

Point4d operator-(const Point4d& a, const Point4d& b) {
    return {a.x() - b.x(), a.y() - b.y(), a.z() - b.z(), a.w() - b.w()};
}

Point3d operator*(const Matrix3d& m, const Point3d& p) {
    return {m[0] * p.x() + m[1] * p.y() + m[2] * p.z(), m[3] * p.x() + m[4] * p.y() + m[5] * p.z(),
            m[6] * p.x() + m[7] * p.y() + m[8] * p.z()};
}

Point4d operator*(const Matrix4d& m, const Point4d& p) {
    const std::array<double, 4> v = p.getPoint4d();
    std::array<double, 4> r{};
    for (unsigned i = 0; i < 4; ++i) {
        for (unsigned k = 0; k < 4; ++k) {
            r[i] += m(i, k) * v[k];
        }
    }
    return {r[0], r[1], r[2], r[3]};
}

Point3d operator*(const Matrix4d& m, const Point3d& p) {
    const std::array<double, 3> v = p.getPoint3d();
    std::array<double, 3> r{};
    for (unsigned i = 0; i < 3; ++i) {
        for (unsigned k = 0; k < 3; ++k) {
            r[i] += m(i, k) * v[k];
        }
    }
    return {r[0], r[1], r[2]};
}

std::ostream& operator<<(std::ostream& os, const Point3d& p) {
    os.precision(16);
    return os << "[ " << p.x() << " ; " << p.y() << " ; " << p.z() << "]\n";
}

std::ostream& operator<<(std::ostream& os, const Point4d& p) {
    os.precision(16);
    return os << "[ " << p.x() << " ; " << p.y() << " ; " << p.z() << " ; " << p.w() << "]\n";
}

std::ostream& operator<<(std::ostream& os, const Matrix4d& m) {
    os << "[\n";
    for (unsigned r = 0; r < 4; ++r) {
        for (unsigned c = 0; c < 4; ++c) {
            os << m(r, c) << ' ';
        }
        os << '\n';
    }
    return os << "]\n";
}

void convertR2Angle(const Matrix4d& m, double& ax, double& ay, double& az) {
    ax = std::atan2(m(2, 1), m(2, 2));
    ay = std::atan2(-m(2, 0), std::sqrt(m(0, 0) * m(0, 0) + m(1, 0) * m(1, 0)));
    az = std::atan2(m(1, 0), m(0, 0));
}

}  // namespace krx
