#include "tests/interface-reader/ReaderTestSupport.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace krx::test {
namespace {

class ProjectFileTest : public ReaderTest {
protected:
    void SetUp() override {
        ReaderTest::SetUp();
        folder_ = tmp() + "/project";
        std::filesystem::create_directories(folder_);
    }

    // A project file with two sections, a point and a comment after them that ends the walk.
    std::string writeProject(const std::string& name) {
        const std::string path = folder_ + "/" + name;
        writeFile(path,
                  "<Project version='1'><Elements>"
                  "<E type='section' name='first'><Process status='running'><References>"
                  "<R type='vsq'>cuts/first.vsq</R></References></Process></E>"
                  "<E type='point' name='P'/>"
                  "<E type='section' name='second'/>"
                  "<!-- end --><E type='section' name='hidden'/></Elements></Project>");
        return path;
    }

    std::string batch(const std::string& projectPath, const std::string& type = "kpj") {
        return interfaceXml("<E type='ticket'><Remove>{T}</Remove></E>",
                            "<Project><Created>today</Created><FilePath type='" + type + "'>" + projectPath +
                                "</FilePath></Project>");
    }

    std::vector<std::string> names() {
        std::vector<std::string> result;
        for (const Element& element : queued()) {
            if (const auto* section = std::get_if<Section>(&element)) {
                result.push_back(section->name());
            } else if (std::holds_alternative<Ticket>(element)) {
                result.push_back("ticket");
            } else {
                result.push_back("other");
            }
        }
        return result;
    }

    std::string folder_;
};

TEST_F(ProjectFileTest, ParsedOncePerNewPathBeforeTheBatch) {
    _krxsettings_.setValue("parseCompleteKPJOnFirstLoad", SettingValue(true));
    const std::string project = writeProject("scan.kpj");
    parser_->processInterfaceData(QByteArray::fromStdString(batch(project)));
    EXPECT_EQ(names(), (std::vector<std::string>{"first", "second", "ticket"}));
    EXPECT_EQ(parser_->projectPath().toStdString(), project);
    EXPECT_EQ(countLines(log(), "Start parsing KPJ file"), 1);

    parser_->processInterfaceData(QByteArray::fromStdString(batch(project)));
    EXPECT_EQ(names(), (std::vector<std::string>{"ticket"}));

    // Another project in between makes the first one new again.
    const std::string other = writeProject("other.KPJ");
    parser_->processInterfaceData(QByteArray::fromStdString(batch(other)));
    parser_->processInterfaceData(QByteArray::fromStdString(batch(project)));
    EXPECT_EQ(names(), (std::vector<std::string>{"first", "second", "ticket", "first", "second", "ticket"}));
}

TEST_F(ProjectFileTest, NotParsedWithoutTheSettingOrTheType) {
    const std::string project = writeProject("scan.kpj");
    struct Case {
        const char* label;
        SettingValue setting;
        std::string type;
    };
    const Case cases[] = {
        {"setting false", SettingValue(false), "kpj"},
        {"type in capitals", SettingValue(true), "KPJ"},
        {"no type", SettingValue(true), ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.label);
        _krxsettings_.setValue("parseCompleteKPJOnFirstLoad", c.setting);
        parser_->processInterfaceData(QByteArray::fromStdString(batch(project, c.type)));
        EXPECT_EQ(names(), (std::vector<std::string>{"ticket"}));
        EXPECT_TRUE(parser_->projectPath().isEmpty());
    }
}

TEST_F(ProjectFileTest, ReadKPJFile) {
    const std::string project = writeProject("scan.KPJ");
    ASSERT_TRUE(parser_->readKPJFile(QString::fromStdString(project)));
    const std::vector<Element> elements = queued();
    ASSERT_EQ(elements.size(), 2u);
    // References in the project file are relative to its folder.
    EXPECT_EQ(std::get<Section>(elements[0]).vsqPath(), folder_ + "/cuts/first.vsq");

    writeFile(folder_ + "/scan.xml", readFile(project));
    writeFile(folder_ + "/broken.kpj", "<Project><Elements>");
    for (const std::string& path :
         {folder_ + "/scan.xml", folder_ + "/broken.kpj", folder_ + "/missing.kpj"}) {
        SCOPED_TRACE(path);
        EXPECT_FALSE(parser_->readKPJFile(QString::fromStdString(path)));
        EXPECT_TRUE(queued().empty());
    }
    EXPECT_TRUE(log().empty());
}

}  // namespace
}  // namespace krx::test
