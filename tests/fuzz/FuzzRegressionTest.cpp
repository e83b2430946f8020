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
protected:
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

TEST_F(FuzzRegression, InterfaceData) {
    replay(inputs({"examples", "tests/fuzz/seeds/interface_data", "tests/fuzz/regressions/interface_data"},
                  {"korvexplexa.vsq", "*.xml", "crash-*", "*.bin"}),
           [](const QByteArray& data) { readInterfaceData(data); });
}

TEST_F(FuzzRegression, VsqFile) {
    replay(inputs({"examples/sections", "tests/fuzz/seeds/vsq_file", "tests/fuzz/regressions/vsq_file"},
                  {"*.vsq", "crash-*", "*.bin"}),
           [this](const QByteArray& data) { readVsqFile(data, scratch()); });
}

TEST_F(FuzzRegression, KpjFile) {
    replay(inputs({"examples/project", "tests/fuzz/seeds/kpj_file", "tests/fuzz/regressions/kpj_file"},
                  {"*.kpj", "crash-*", "*.bin"}),
           [this](const QByteArray& data) { readKpjFile(data, scratch()); });
}

}  // namespace
}  // namespace krx::fuzz
