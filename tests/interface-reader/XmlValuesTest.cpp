#include "interface-reader/XmlValues.hpp"

#include <gtest/gtest.h>

#include <QString>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <iomanip>
#include <sstream>
#include <string>

namespace krx::test {
namespace {

std::uint64_t bitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

std::string describe(double value) {
    std::ostringstream out;
    out << std::setprecision(17) << value << " (0x" << std::hex << bitsOf(value) << ")";
    return out.str();
}

// What numbers read as through Qt's general conversion alone: the reading that files have always had.
double qtReading(QStringView text) {
    bool ok = false;
    const double value = text.toDouble(&ok);
    return ok && std::isfinite(value) ? value : 0.0;
}

TEST(ReadNumberTest, SameDoubleAsQtsConversion) {
    // Compared bit for bit, so that -0 and 0 differ and no last-digit rounding slips through.
    struct Case {
        QStringView text;
        double expected;
    };
    const Case cases[] = {
        {u"0", 0.0},
        {u"-0", -0.0},
        {u"007", 7.0},
        {u"1.", 1.0},
        {u".5", 0.5},
        {u"-.5", -0.5},
        {u"1.25", 1.25},
        {u"-3.000000", -3.0},
        {u"-12.375", -12.375},
        {u"0.1", 0.1},
        // 2^53 + 1 lies halfway between two doubles and rounds to the even one.
        {u"9007199254740993", 9007199254740992.0},
        // The longest text the fast way takes, and one character more.
        {u"1234567890123456789012345678901234567890123456789012345678901234",
         1234567890123456789012345678901234567890123456789012345678901234.0},
        {u"12345678901234567890123456789012345678901234567890123456789012345",
         12345678901234567890123456789012345678901234567890123456789012345.0},
        {u"0.10000000000000000555111512312578270211815834045410156250000001",
         0.10000000000000000555111512312578270211815834045410156250000001},
        {u"-0.100000000000000005551115123125782702118158340454101562500000001",
         -0.100000000000000005551115123125782702118158340454101562500000001},
        {u"1e3", 1000.0},
        {u"-2.5E-2", -0.025},
        {u"+1", 1.0},
        {u" 1", 1.0},
        {u"1 ", 1.0},
        // Not a number, or not one that fits a coordinate: 0.
        {u"nan", 0.0},
        {u"inf", 0.0},
        {u"-inf", 0.0},
        {u"1e400", 0.0},
        {u"", 0.0},
        {u".", 0.0},
        {u"-", 0.0},
        {u"--1", 0.0},
        {u"1.2.3", 0.0},
        {u"1,5", 0.0},
        {u"1-", 0.0},
        {u"0x10", 0.0},
        // Digits of other scripts, and a full-width digit after an ASCII one.
        {u"\u0663", 0.0},
        {u"\u0661.\u0665", 0.0},
        {u"1\uFF12", 0.0},
    };
    for (const Case& c : cases) {
        const std::string text = c.text.toString().toStdString();
        SCOPED_TRACE("\"" + text + "\"");
        const double read = readNumber(c.text);
        EXPECT_EQ(bitsOf(read), bitsOf(qtReading(c.text)))
            << describe(read) << " against Qt's " << describe(qtReading(c.text));
        EXPECT_EQ(bitsOf(read), bitsOf(c.expected)) << describe(read) << " against " << describe(c.expected);
    }
}

}  // namespace
}  // namespace krx::test
