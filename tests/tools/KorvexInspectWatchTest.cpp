#include "tests/support/IsolatedEnvironment.hpp"
#include "tests/support/WaitUntil.hpp"
#include "tests/tools/ToolProcess.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

#include <csignal>

namespace krx::test {
namespace {

QByteArray pointBatch(const QString& name) {
    return "<Interface version=\"1\"><Elements><E type=\"point\" name=\"" + name.toUtf8() +
           "\"><Geometry number=\"4\"><Shape><Point3d>1 2 3</Point3d></Shape>"
           "<Origin3d>0 0 0</Origin3d></Geometry></E></Elements></Interface>";
}

class KorvexInspectWatch : public IsolatedEnvironment {
protected:
    QString korvexFolder() const { return QString::fromStdString(home()) + "/.Korvex"; }
    QString interfaceFile() const { return korvexFolder() + "/korvexplexa.vsq"; }

    // Written next to its place and renamed into it, as a careful writer does.
    void dropBatch(const QByteArray& content) {
        QFile file(korvexFolder() + "/incoming.tmp");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        ASSERT_TRUE(QFile::rename(file.fileName(), interfaceFile()));
    }

    bool waitForLines(QProcess& process, int count) {
        return waitUntil([&] {
            process.waitForReadyRead(10);
            output_ += process.readAllStandardOutput();
            return output_.count('\n') >= count;
        });
    }

    QStringList names() const {
        QStringList out;
        for (const QByteArray& line : output_.split('\n')) {
            if (!line.isEmpty()) {
                out << QJsonDocument::fromJson(line).object()["id"].toString();
            }
        }
        return out;
    }

    QByteArray output_;
};

TEST_F(KorvexInspectWatch, ConsumesEachBatchAndEndsCleanlyOnASignal) {
    for (const int signal : {SIGINT, SIGTERM}) {
        SCOPED_TRACE(signal);
        output_.clear();
        ASSERT_TRUE(QDir().mkpath(korvexFolder()));
        QProcess process;
        process.start(toolPath(), {"--watch"});
        ASSERT_TRUE(process.waitForStarted());

        dropBatch(pointBatch("first"));
        ASSERT_TRUE(waitForLines(process, 1)) << process.readAllStandardError().toStdString();
        // Consumed as the add-on consumes it: gone once its element is out.
        EXPECT_TRUE(waitUntil([&] { return !QFileInfo::exists(interfaceFile()); }));
        dropBatch(pointBatch("second"));
        ASSERT_TRUE(waitForLines(process, 2));
        EXPECT_EQ(names(), QStringList({"first", "second"}));

        ::kill(static_cast<pid_t>(process.processId()), signal);
        ASSERT_TRUE(process.waitForFinished(60000));
        EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(process.exitCode(), 0);
        const QString err = QString::fromUtf8(process.readAllStandardError());
        EXPECT_TRUE(err.contains("watching " + interfaceFile())) << err.toStdString();
        EXPECT_TRUE(err.endsWith("korvex-inspect: stopped\n")) << err.toStdString();
        // The watcher never writes the user's settings.
        EXPECT_FALSE(QFileInfo::exists(korvexFolder() + "/KorvexLumivo"));
    }
}

}  // namespace
}  // namespace krx::test
