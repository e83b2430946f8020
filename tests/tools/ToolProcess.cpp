#include "tests/tools/ToolProcess.hpp"

#include <QJsonDocument>
#include <QProcess>

#include <gtest/gtest.h>

namespace krx::test {

QString toolPath() {
    return QStringLiteral(KRX_INSPECT_PATH);
}

QString examplesDir() {
    return QStringLiteral(KRX_SOURCE_DIR "/examples");
}

QStringList ToolRun::kinds() const {
    QStringList out;
    for (const QJsonObject& object : objects) {
        out << object.value("kind").toString();
    }
    return out;
}

ToolRun runTool(const QStringList& arguments, const QString& workingDirectory) {
    QProcess process;
    process.setWorkingDirectory(workingDirectory);
    process.start(toolPath(), arguments);
    ToolRun run;
    if (!process.waitForFinished(120000)) {
        ADD_FAILURE() << "korvex-inspect did not finish";
        process.kill();
        process.waitForFinished();
        run.crashed = true;
        return run;
    }
    run.crashed = process.exitStatus() != QProcess::NormalExit;
    run.exitCode = process.exitCode();
    run.err = QString::fromUtf8(process.readAllStandardError());
    const QString out = QString::fromUtf8(process.readAllStandardOutput());
    run.lines = out.split('\n', Qt::SkipEmptyParts);
    for (const QString& line : run.lines) {
        QJsonParseError error;
        const QJsonDocument document = QJsonDocument::fromJson(line.toUtf8(), &error);
        EXPECT_TRUE(document.isObject()) << error.errorString().toStdString() << ": " << line.toStdString();
        run.objects.push_back(document.object());
    }
    return run;
}

}  // namespace krx::test
