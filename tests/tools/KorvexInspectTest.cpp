#include "tests/support/IsolatedEnvironment.hpp"
#include "tests/tools/ToolProcess.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QProcess>

#include <gtest/gtest.h>

namespace krx::test {
namespace {

const QStringList kBatchKinds = {"point",   "point",           "point",    "merger", "section",
                                 "section", "vectorizergroup", "viewport", "ticket"};

class KorvexInspect : public IsolatedEnvironment {
protected:
    QString writeFile(const QString& name, const QByteArray& content) {
        const QString path = QString::fromStdString(tmp()) + "/" + name;
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        return path;
    }

    QString settingsPath() const {
        return QString::fromStdString(home()) + "/.Korvex/KorvexLumivo/settings.json";
    }

    QStringList homeEntries() const {
        QStringList entries;
        const QDir folder(QString::fromStdString(home()));
        for (const QFileInfo& info :
             folder.entryInfoList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
            entries << info.fileName();
        }
        return entries;
    }
};

TEST_F(KorvexInspect, PrintsTheExampleBatchInQueueOrder) {
    const ToolRun run = runTool({"korvexplexa.vsq"});
    ASSERT_FALSE(run.crashed);
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(run.kinds(), kBatchKinds);

    // The processed section's description file fills three sheets of four tiles, each tile an image that
    // is really there; its merger reached the queue before the section.
    const QJsonObject north = run.objects[4];
    EXPECT_EQ(north["name"].toString(), "Hall north");
    EXPECT_FALSE(north["isLayout"].toBool());
    const QJsonArray sheets = north["sheets"].toArray();
    ASSERT_EQ(sheets.size(), 3);
    QStringList types;
    for (const QJsonValue& sheet : sheets) {
        types << sheet["type"].toString();
        const QJsonArray tiles = sheet["tiles"].toArray();
        ASSERT_EQ(tiles.size(), 4);
        for (const QJsonValue& tile : tiles) {
            const QString path = tile["filePath"].toString();
            EXPECT_TRUE(QFileInfo(path).isAbsolute()) << path.toStdString();
            EXPECT_TRUE(QFileInfo::exists(path)) << path.toStdString();
        }
    }
    EXPECT_EQ(types, QStringList({"color", "reflectivity", "shading"}));
    EXPECT_EQ(run.objects[3]["parentUUID"].toString(), north["UUID"].toString());
    EXPECT_TRUE(run.objects[5]["isLayout"].toBool());
    EXPECT_EQ(run.objects[8]["status"].toString(), "remove");

    // Reading is not consuming: the file is still there, and no settings file was written.
    EXPECT_TRUE(QFileInfo::exists(examplesDir() + "/korvexplexa.vsq"));
    EXPECT_TRUE(homeEntries().isEmpty()) << homeEntries().join(' ').toStdString();
    EXPECT_TRUE(QFileInfo::exists(QString::fromStdString(tmp()) + "/KorvexLumivo.log"));
}

TEST_F(KorvexInspect, ParsesTheNamedProjectFileOncePerRun) {
    // --kpj reads the project's sections before the batch; the second interface file names the same
    // project, so one parser object does not read it again.
    const ToolRun run = runTool({"--kpj", "korvexplexa.vsq", "korvexplexa.vsq"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    QStringList expected = {"merger", "section", "section"};
    expected << kBatchKinds << kBatchKinds;
    EXPECT_EQ(run.kinds(), expected);
    ASSERT_GE(run.objects.size(), 3u);
    EXPECT_EQ(run.objects[2]["name"].toString(), "Facade east");
    EXPECT_FALSE(run.objects[2]["isProcessed"].toBool());
}

TEST_F(KorvexInspect, FollowsTheUsersSettingsButNeverWritesThem) {
    const QByteArray settings =
        "{\n    \"parseCompleteKPJOnFirstLoad\": true,\n    \"language\": \"de\"\n}\n";
    QDir().mkpath(QFileInfo(settingsPath()).absolutePath());
    {
        QFile file(settingsPath());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(settings);
    }
    const QDateTime modified = QFileInfo(settingsPath()).lastModified();

    const ToolRun run = runTool({"korvexplexa.vsq"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.kinds().mid(0, 3), QStringList({"merger", "section", "section"}));

    QFile file(settingsPath());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), settings);
    EXPECT_EQ(QFileInfo(settingsPath()).lastModified(), modified);
}

TEST_F(KorvexInspect, ReadsADescriptionFileAsAProcessedSectionDoes) {
    const ToolRun run = runTool({"sections/north/north.vsq"});
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    ASSERT_EQ(run.kinds(), QStringList({"merger", "vsq"}));
    const QJsonObject report = run.objects[1];
    EXPECT_EQ(report["path"].toString(), "sections/north/north.vsq");
    EXPECT_TRUE(report["ok"].toBool());
    EXPECT_EQ(report["sheets"].toArray().size(), 3);

    const QString refused = writeFile("refused.vsq",
                                      "<SelfDefinitionProperties><Elements/><Sheets/>"
                                      "</SelfDefinitionProperties>");
    const ToolRun bad = runTool({refused});
    EXPECT_EQ(bad.exitCode, 1);
    ASSERT_EQ(bad.kinds(), QStringList({"vsq"}));
    EXPECT_FALSE(bad.objects[0]["ok"].toBool());
    EXPECT_TRUE(bad.err.contains(refused)) << bad.err.toStdString();
}

TEST_F(KorvexInspect, ReportsEachBrokenFileAndReadsTheOthers) {
    struct Case {
        const char* name;
        QByteArray content;  // empty name of a file that is never written: the file is missing
        bool create;
        QString expectedMessage;
    };
    const Case cases[] = {
        {"missing.xml", "", false, ": cannot be read: "},
        {"empty.xml", "", true, ": is empty, no XML document"},
        {"cut.xml", "<Root>\n  <Elements>\n    <E type=\"point\"", true, ":3:"},
        {"mismatch.kpj", "<Root>\n<Elements></Element>\n</Root>", true, ":2:"},
        {"doctype.xml",
         "<?xml version=\"1.0\"?>\n<!DOCTYPE r [<!ENTITY a \"aaaa\">]>\n<Root><Elements/></Root>", true,
         ":2:1: refused: "},
        {"folder", "", false, ": is a folder, not a file"},
    };
    QDir().mkpath(QString::fromStdString(tmp()) + "/folder");
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QString path =
            c.create ? writeFile(c.name, c.content) : QString::fromStdString(tmp()) + "/" + c.name;
        // The good file after the broken one is still read, and its elements printed.
        const ToolRun run = runTool({path, "korvexplexa.vsq"});
        ASSERT_FALSE(run.crashed);
        EXPECT_EQ(run.exitCode, 1);
        EXPECT_EQ(run.kinds(), kBatchKinds);
        EXPECT_TRUE(run.err.startsWith("korvex-inspect: " + path + c.expectedMessage))
            << run.err.toStdString();
        EXPECT_EQ(run.err.count('\n'), 1) << run.err.toStdString();
    }
}

TEST_F(KorvexInspect, RefusesAWrongCommandLine) {
    struct Case {
        QStringList arguments;
        const char* message;
    };
    const Case cases[] = {
        {{}, "no FILE given"},
        {{"--watch", "korvexplexa.vsq"}, "--watch takes no FILE"},
        {{"--no-such-option", "korvexplexa.vsq"}, "no-such-option"},
    };
    for (const auto& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.message;
        EXPECT_TRUE(run.err.contains(c.message)) << run.err.toStdString();
        EXPECT_TRUE(run.lines.isEmpty());
    }
}

TEST_F(KorvexInspect, HelpExplainsEveryOption) {
    QProcess process;
    process.start(toolPath(), {"--help"});
    ASSERT_TRUE(process.waitForFinished(60000));
    EXPECT_EQ(process.exitCode(), 0);
    const QString help = QString::fromUtf8(process.readAllStandardOutput());
    for (const char* word :
         {"--kpj", "--watch", "--help", "--version", "FILE", ".kpj", ".vsq", "SIGTERM", "Exit status"}) {
        EXPECT_TRUE(help.contains(word)) << word;
    }
}

}  // namespace
}  // namespace krx::test
