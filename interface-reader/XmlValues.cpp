#include "interface-reader/XmlValues.hpp"

#include <cmath>

namespace krx {

double readNumber(const QString& text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    // "nan" and "inf" parse, but no coordinate, matrix or size of a file may be one.
    if (!ok || !std::isfinite(value)) {
        return 0.0;
    }
    return value;
}

int readInteger(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok, 10);
    return ok ? value : 0;
}

QStringList splitAtBlanks(const QString& text) {
    return text.split(QLatin1Char(' '), Qt::KeepEmptyParts);
}

bool pointFromParts(const QStringList& parts, Point3d* point) {
    if (parts.size() < 3 || point == nullptr) {
        return false;
    }
    point->setPoint3d(readNumber(parts[0]), readNumber(parts[1]), readNumber(parts[2]));
    return true;
}

double round9(double value) {
    double integral = 0.0;
    const double fractional = std::modf(value, &integral);
    const float scaled = static_cast<float>(fractional * 1e9);
    return static_cast<double>(std::round(scaled)) / 1e9 + integral;
}

}  // namespace krx
