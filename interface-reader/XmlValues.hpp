#pragma once

#include "interchange/Geometry.hpp"

#include <QDomElement>
#include <QString>
#include <QStringList>

namespace krx {

// How Sorvane's files write values. Numbers use '.' as decimal separator whatever the user's locale;
// text that is not a number, and a number that does not fit a double, reads as 0.
double readNumber(QStringView text);

// Base 10, surrounding white space allowed; text that is not a 32-bit integer reads as 0.
int readInteger(const QString& text);

// Split at every single blank, empty parts kept: a doubled blank or a blank at either end adds a part.
QStringList splitAtBlanks(const QString& text);

// The first three parts as x, y and z. Fails, leaving the point alone, when there are fewer than three.
bool pointFromParts(const QStringList& parts, Point3d* point);
// The same for the parts of splitAtBlanks(text), without building them.
bool pointFromBlankSeparated(QStringView text, Point3d* point);

// The element's text content. Most elements hold one text node, whose data is shared instead of copied.
QString elementText(const QDomElement& element);

// The rounding with which a section's horizontal control points are compared: the fractional part is
// scaled by 1e9 and rounded in single precision, so heights that differ only in the far digits match.
double round9(double value);

}  // namespace krx
