// Every input the fuzzers ever crashed on, and their seeds, through the same three entries in an ordinary
// build: so the sanitizer presets check the mended faults on each run, with or without clang's libFuzzer.

#include "tests/fuzz/FuzzTargets.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

#include <QDir>
#include <QDirIterator>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace krx::fuzz {
namespace {

class FuzzRegression : public test::IsolatedEnvironment {
public:
    // The files below each folder, recursively, that carry one of the suffixes.
    static QStringList inputs(const QStringList& folders, const QStringList& nameFilters) {
        QStringList files;
        for (const QString& folder : folders) {
            QDirIterator it(QStringLiteral(KRX_SOURCE_DIR "/") + folder, nameFilters, QDir::Files,
                            QDirIterator::Subdirectories);
            while (it.hasNext()) {
                files << it.next();
            }
        }
        files.sort();
        return files;
    }

protected:
    void replay(const QStringList& files, const std::function<void(const QByteArray&)>& target) {
        EXPECT_FALSE(files.isEmpty());
        for (const QString& path : files) {
            SCOPED_TRACE(path.toStdString());
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            target(file.readAll());
        }
    }

    QString scratch() const { return QString::fromStdString(tmp()); }
};

// The examples by their names; every file of the seed and regression folders, whatever libFuzzer named it
// (crash-, timeout-, oom-, leak-), hidden ones such as .gitkeep aside.
QStringList inputsOf(const char* target, const QStringList& examples) {
    QStringList files = FuzzRegression::inputs({"examples"}, examples);
    files << FuzzRegression::inputs(
        {QStringLiteral("tests/fuzz/seeds/") + target, QStringLiteral("tests/fuzz/regressions/") + target},
        {"*"});
    return files;
}

TEST_F(FuzzRegression, InterfaceData) {
    replay(inputsOf("interface_data", {"korvexplexa.vsq"}),
           [](const QByteArray& data) { readInterfaceData(data); });
}

TEST_F(FuzzRegression, VsqFile) {
    QStringList files = inputsOf("vsq_file", {"*.vsq"});
    files.removeIf([](const QString& path) { return path.endsWith("/korvexplexa.vsq"); });
    replay(files, [this](const QByteArray& data) { readVsqFile(data, scratch()); });
}

TEST_F(FuzzRegression, KpjFile) {
    replay(inputsOf("kpj_file", {"*.kpj"}), [this](const QByteArray& data) { readKpjFile(data, scratch()); });
}

}  // namespace
}  // namespace krx::fuzz
