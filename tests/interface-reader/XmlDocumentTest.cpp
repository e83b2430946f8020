#include "interface-reader/XmlDocument.hpp"
#include "tests/interface-reader/ReaderTestSupport.hpp"

#include <gtest/gtest.h>

#include <string>

namespace krx::test {
namespace {

std::string entityBomb() {
    std::string dtd = "<!DOCTYPE Root [<!ENTITY e0 \"lol\">";
    for (int i = 1; i < 10; ++i) {
        const std::string previous = "&e" + std::to_string(i - 1) + ";";
        std::string value;
        for (int j = 0; j < 10; ++j) {
            value += previous;
        }
        dtd += "<!ENTITY e" + std::to_string(i) + " \"" + value + "\">";
    }
    return "<?xml version='1.0'?>" + dtd +
           "]><Root><Elements><E type='point' name='&e9;'/></Elements></Root>";
}

std::string nested(int depth) {
    std::string xml;
    for (int i = 0; i < depth; ++i) {
        xml += "<a>";
    }
    for (int i = 0; i < depth; ++i) {
        xml += "</a>";
    }
    return xml;
}

QByteArray utf16(const std::string& text) {
    const QString string = QString::fromStdString(text);
    QByteArray data("\xFF\xFE", 2);
    data.append(reinterpret_cast<const char*>(string.utf16()), string.size() * 2);
    return data;
}

TEST(XmlDocumentTest, RefusedOrRejected) {
    struct Case {
        const char* label;
        QByteArray data;
        bool refused;
    };
    const Case cases[] = {
        {"entity expansion bomb", QByteArray::fromStdString(entityBomb()), true},
        {"external entity",
         "<?xml version='1.0'?><!DOCTYPE Root [<!ENTITY x SYSTEM 'file:///etc/passwd'>]><Root>&x;</Root>",
         true},
        {"external document type", "<!DOCTYPE Root SYSTEM 'http://example.invalid/root.dtd'><Root/>", true},
        {"a bare document type", "<!DOCTYPE Root><Root/>", true},
        {"nested too deeply", QByteArray::fromStdString(nested(100000)), true},
        {"UTF-16", utf16("<!DOCTYPE Root [<!ENTITY x SYSTEM 'file:///etc/passwd'>]><Root>&x;</Root>"), true},
        {"a declared encoding that is not ASCII-compatible", "<?xml version='1.0' encoding='UTF-7'?><Root/>",
         true},
        {"undeclared entity", "<Root>&x;</Root>", false},
        {"unclosed", "<Root><Elements>", false},
        {"empty", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QDomDocument document;
        XmlError error;
        EXPECT_FALSE(parseXmlDocument(c.data, document, &error));
        EXPECT_EQ(error.refused, c.refused);
        EXPECT_FALSE(error.message.isEmpty());
        EXPECT_GE(error.line, 1);
    }
}

TEST(XmlDocumentTest, Accepted) {
    struct Case {
        const char* label;
        QByteArray data;
    };
    const Case cases[] = {
        {"declaration and comments", "<?xml version='1.0' encoding='utf-8'?><!-- <!DOCTYPE x> --><Root/>"},
        {"markup inside character data", "<Root><![CDATA[<!DOCTYPE x><a><b>]]></Root>"},
        {"'>' and '/' in attribute values", "<Root a='x>y' b=\"/>\"><c d='>'/></Root>"},
        {"byte order mark", "\xEF\xBB\xBF<Root/>"},
        {"processing instruction", "<?xml version='1.0'?><?style x?><Root/>"},
        {"deep but within the limit", QByteArray::fromStdString(nested(kMaxXmlDepth))},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        QDomDocument document;
        XmlError error;
        EXPECT_TRUE(parseXmlDocument(c.data, document, &error)) << error.message.toStdString();
        EXPECT_FALSE(document.documentElement().isNull());
    }
}

TEST(XmlDocumentTest, ErrorsNameLineAndColumn) {
    QDomDocument document;
    XmlError error;
    ASSERT_FALSE(parseXmlDocument("<Root>\n  <Elements>\n  </Element>\n</Root>", document, &error));
    EXPECT_FALSE(error.refused);
    EXPECT_EQ(error.line, 3);
    EXPECT_GT(error.column, 1);

    ASSERT_FALSE(parseXmlDocument("<Root>\n<!DOCTYPE x>", document, &error));
    EXPECT_TRUE(error.refused);
    EXPECT_EQ(error.line, 2);
    EXPECT_EQ(error.column, 1);
}

using XmlSafetyTest = ReaderTest;

// The readers refuse what the parser refuses, without queuing anything or expanding anything.
TEST_F(XmlSafetyTest, InterfaceAndDescriptionFilesWithEntities) {
    parser_->processInterfaceData(QByteArray::fromStdString(entityBomb()));
    parser_->processInterfaceData(
        "<!DOCTYPE Root [<!ENTITY x SYSTEM 'file:///etc/hostname'>]><Root><Elements><E "
        "type='ticket'><Remove>&x;"
        "</Remove></E></Elements></Root>");
    EXPECT_TRUE(queued().empty());

    const std::string path = tmp() + "/bomb.vsq";
    writeFile(path, entityBomb());
    Section section;
    EXPECT_FALSE(parser_->readVSQFile(QString::fromStdString(path), &section, {Elements::POINT}));
    EXPECT_TRUE(queued().empty());
}

}  // namespace
}  // namespace krx::test
