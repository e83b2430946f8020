#include "interchange/Geometry.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace krx {
namespace {

constexpr double kPi = 3.14159265358979323846;

Matrix4d rotationX(double a) {
    return {1, 0, 0, 0, 0, std::cos(a), -std::sin(a), 0, 0, std::sin(a), std::cos(a), 0, 0, 0, 0, 1};
}
Matrix4d rotationY(double a) {
    return {std::cos(a), 0, std::sin(a), 0, 0, 1, 0, 0, -std::sin(a), 0, std::cos(a), 0, 0, 0, 0, 1};
}
Matrix4d rotationZ(double a) {
    return {std::cos(a), -std::sin(a), 0, 0, std::sin(a), std::cos(a), 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

Matrix4d product(const Matrix4d& a, const Matrix4d& b) {
    Matrix4d r;
    for (unsigned i = 0; i < 4; ++i) {
        for (unsigned j = 0; j < 4; ++j) {
            for (unsigned k = 0; k < 4; ++k) {
                r(i, j) += a(i, k) * b(k, j);
            }
        }
    }
    return r;
}

TEST(Point4dEquality, ComparesHomogeneously) {
    struct Case {
        Point4d a, b;
        bool equal;
    };
    const Case cases[] = {
        {{2, 4, 6, 2}, {1, 2, 3, 1}, true},  {{1, 2, 3, 1}, {1, 2, 3, 1}, true},
        {{1, 2, 3, 0}, {1, 2, 3, 0}, true},  {{1, 2, 3, 0}, {1, 2, 3, 1}, false},
        {{1, 2, 3, 1}, {1, 2, 3, 0}, false}, {{0, 0, 0, 0}, {0, 0, 0, 2}, false},
        {{2, 4, 7, 2}, {1, 2, 3, 1}, false}, {{1, 2, 3, 1}, {1, 2, 4, 1}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.a == c.b, c.equal) << c.a << c.b;
    }
}

TEST(MatrixProducts, Point3dProductIgnoresTranslationAndFourthRow) {
    Matrix4d m;
    m(0, 3) = 5;
    EXPECT_EQ(m * Point3d(0, 0, 0), Point3d(0, 0, 0));
    EXPECT_TRUE(m * Point4d(0, 0, 0, 1) == Point4d(5, 0, 0, 0));
    const Point4d moved = m * Point4d(0, 0, 0, 1);
    EXPECT_EQ(moved.x(), 5);
    EXPECT_EQ(moved.w(), 0);

    const Matrix4d full(1, 2, 3, 10, 4, 5, 6, 20, 7, 8, 9, 30, 1, 1, 1, 2);
    EXPECT_EQ(full * Point3d(1, 1, 1), Point3d(6, 15, 24));
    const Point4d p = full * Point4d(1, 1, 1, 1);
    EXPECT_EQ(p.getPoint4d(), (std::array<double, 4>{16, 35, 54, 5}));
}

TEST(MatrixProducts, Matrix3dIsFullProductAndRowMajor) {
    const Matrix3d m(1, 2, 3, 4, 5, 6, 7, 8, 9);
    EXPECT_EQ(m[1], 2);
    EXPECT_EQ(m[3], 4);
    EXPECT_EQ(m * Point3d(1, 0, -1), Point3d(-2, -2, -2));
}

TEST(MatrixAccess, FlatIndexAndRowColumnAgree) {
    Matrix4d m(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15);
    for (unsigned r = 0; r < 4; ++r) {
        for (unsigned c = 0; c < 4; ++c) {
            EXPECT_EQ(m(r, c), m[4 * r + c]);
            EXPECT_EQ(m.getArray()[4 * r + c], 4 * r + c);
        }
    }
    m(2, 3) = 99;
    EXPECT_EQ(m[11], 99);
    EXPECT_FALSE(m == Matrix4d(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
    EXPECT_TRUE(Matrix4d() == Matrix4d());
}

TEST(Differences, AreComponentWiseIncludingW) {
    EXPECT_EQ(Point3d(3, 2, 1) - Point3d(1, 1, 1), Point3d(2, 1, 0));
    const Point4d d = Point4d(3, 2, 1, 4) - Point4d(1, 1, 1, 1);
    EXPECT_EQ(d.getPoint4d(), (std::array<double, 4>{2, 1, 0, 3}));
}

TEST(ConvertR2Angle, RecoversRotationsAboutEachAxis) {
    struct Case {
        const char* name;
        Matrix4d m;
        double ax, ay, az;
    };
    const Case cases[] = {
        {"identity", rotationX(0), 0, 0, 0},
        {"z +90", rotationZ(kPi / 2), 0, 0, kPi / 2},
        {"z -30", rotationZ(-kPi / 6), 0, 0, -kPi / 6},
        {"x +45", rotationX(kPi / 4), kPi / 4, 0, 0},
        {"x 180", rotationX(kPi), kPi, 0, 0},
        {"y +60", rotationY(kPi / 3), 0, kPi / 3, 0},
        {"y -20", rotationY(-kPi / 9), 0, -kPi / 9, 0},
        {"z*y*x", product(product(rotationZ(0.3), rotationY(-0.2)), rotationX(0.7)), 0.7, -0.2, 0.3},
    };
    for (const auto& c : cases) {
        double ax = 1, ay = 1, az = 1;
        convertR2Angle(c.m, ax, ay, az);
        EXPECT_NEAR(ax, c.ax, 1e-12) << c.name;
        EXPECT_NEAR(ay, c.ay, 1e-12) << c.name;
        EXPECT_NEAR(az, c.az, 1e-12) << c.name;
    }
}

TEST(ConvertR2Angle, IgnoresTranslation) {
    Matrix4d m = rotationZ(kPi / 2);
    m(0, 3) = 100;
    m(1, 3) = -50;
    double ax, ay, az;
    convertR2Angle(m, ax, ay, az);
    EXPECT_NEAR(az, kPi / 2, 1e-12);
    EXPECT_NEAR(ax, 0, 1e-12);
}

TEST(StreamOutput, WritesDiagnosticTexts) {
    std::ostringstream os;
    os << Point3d(1.5, -2, 1.0 / 3);
    EXPECT_EQ(os.str(), "[ 1.5 ; -2 ; 0.3333333333333333]\n");
    EXPECT_EQ(os.precision(), 16);

    std::ostringstream os4;
    os4 << Point4d(1, 2, 3, 0.25);
    EXPECT_EQ(os4.str(), "[ 1 ; 2 ; 3 ; 0.25]\n");

    std::ostringstream om;
    om.precision(3);
    om << Matrix4d(1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 1.0 / 3);
    EXPECT_EQ(om.str(), "[\n1 2 3 4 \n5 6 7 8 \n9 10 11 12 \n13 14 15 0.333 \n]\n");
    EXPECT_EQ(om.precision(), 3);
}

}  // namespace
}  // namespace krx
