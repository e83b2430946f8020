#pragma once

#include <QJsonObject>
#include <QString>
#include <QStringList>

#include <vector>

namespace krx::test {

// One finished run of korvex-inspect, started with the test's own HOME and TMPDIR.
struct ToolRun {
    bool crashed = false;
    int exitCode = -1;
    QStringList lines;  // standard output, line by line
    QString err;
    std::vector<QJsonObject> objects;  // the lines as JSON objects; a line that is not one fails the test
    QStringList kinds() const;
};

QString toolPath();
QString examplesDir();

ToolRun runTool(const QStringList& arguments, const QString& workingDirectory = examplesDir());

}  // namespace krx::test
