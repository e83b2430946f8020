#include "interface-reader/XmlValues.hpp"

#include <charconv>
#include <cmath>
#include <cstddef>

namespace krx {
namespace {

// Plain decimals ("-12.375", "0", "007.5") are what files hold by the hundred thousand, and Qt's general
// conversion costs thousands of instructions per number. For them the shortest correctly rounded
// conversion gives the same double as Qt's; everything else (blanks, '+', exponents, "nan", a lone '.',
// any non-ASCII character) goes the general way. Longer texts too: the buffer stays small and no plain
// decimal of that length can overflow.
constexpr qsizetype kMaxPlainDecimal = 64;

bool readPlainDecimal(QStringView text, double* value) {
    const qsizetype size = text.size();
    if (size == 0 || size > kMaxPlainDecimal) {
        return false;
    }
    char buffer[kMaxPlainDecimal];
    const char16_t* const chars = text.utf16();
    qsizetype i = 0;
    if (chars[0] == u'-') {
        buffer[i] = '-';
        ++i;
    }
    const qsizetype integerStart = i;
    for (; i < size && chars[i] >= u'0' && chars[i] <= u'9'; ++i) {
        buffer[i] = static_cast<char>(chars[i]);
    }
    if (i == integerStart) {
        return false;
    }
    if (i < size) {
        if (chars[i] != u'.') {
            return false;
        }
        buffer[i] = '.';
        ++i;
        const qsizetype fractionStart = i;
        for (; i < size && chars[i] >= u'0' && chars[i] <= u'9'; ++i) {
            buffer[i] = static_cast<char>(chars[i]);
        }
        if (i == fractionStart || i < size) {
            return false;
        }
    }
    const std::from_chars_result result = std::from_chars(buffer, buffer + size, *value);
    return result.ec == std::errc() && result.ptr == buffer + size;
}

}  // namespace

double readNumber(QStringView text) {
    double plain = 0.0;
    if (readPlainDecimal(text, &plain)) {
        return plain;
    }
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
