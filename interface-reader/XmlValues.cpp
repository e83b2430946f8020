#include "interface-reader/XmlValues.hpp"

#include <cmath>

namespace krx {

double readNumber(QStringView text) {
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

bool pointFromBlankSeparated(QStringView text, Point3d* point) {
    const qsizetype first = text.indexOf(QLatin1Char(' '));
    const qsizetype second = first < 0 ? -1 : text.indexOf(QLatin1Char(' '), first + 1);
    if (second < 0 || point == nullptr) {
        return false;
    }
    const qsizetype third = text.indexOf(QLatin1Char(' '), second + 1);
    const QStringView z = third < 0 ? text.mid(second + 1) : text.mid(second + 1, third - second - 1);
    point->setPoint3d(readNumber(text.first(first)), readNumber(text.mid(first + 1, second - first - 1)),
                      readNumber(z));
    return true;
}

QString elementText(const QDomElement& element) {
    const QDomNode first = element.firstChild();
    if (first.isText() && first.nextSibling().isNull()) {
        return first.toText().data();
    }
    return element.text();
}

double round9(double value) {
    double integral = 0.0;
    const double fractional = std::modf(value, &integral);
    const float scaled = static_cast<float>(fractional * 1e9);
    return static_cast<double>(std::round(scaled)) / 1e9 + integral;
}

}  // namespace krx
