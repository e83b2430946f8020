#include "settings/SettingKeys.hpp"
#include "settings/Settings.hpp"
#include "tools/korvex-inspect/Inspector.hpp"
#include "tools/korvex-inspect/WatchMode.hpp"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFileInfo>

#include <iostream>

namespace {

constexpr int kExitUsage = 2;

const char* const kDescription =
    "Shows what the Korvex Lumivo add-on makes of the files that Sorvane writes: each file is read with the\n"
    "add-on's own readers, without deleting it, and every element the add-on would queue is printed as one\n"
    "JSON object per line on standard output, in queue order.\n"
    "\n"
    "How a FILE is read, by its suffix:\n"
    "  .kpj  a project file: its sections are read\n"
    "  .vsq  a section description file, read as a processed section reads it: the sections and mergers it\n"
    "        lists are printed, then one line {\"kind\":\"vsq\",\"path\",\"ok\",\"sheets\"} with its sheets\n"
    "  else  an interface file (a file named korvexplexa.vsq is always one)\n"
    "Paths inside an interface file are taken as written; relative ones against the working directory.\n"
    "\n"
    "The user's settings file is read as the add-on reads it, and never written. The debug log is written\n"
    "as by the add-on.\n"
    "\n"
    "Exit status: 0 when every file was read, 1 when a file could not be read or is not well-formed XML\n"
    "(the message names the file and, for XML, the line, column and parser message; the other files are\n"
    "still read), 2 for a wrong command line.";

// Read the user's settings as the add-on does at start-up, but never write them back. Reading without a
// file would create its folder, so a missing file simply leaves the defaults.
void readUserSettings() {
    if (QFileInfo::exists(QString::fromStdString(_krxsettings_.filePath()))) {
        _krxsettings_.readSettingsFromFile();
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    krx::inspect::blockStopSignals();

    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("korvex-inspect"));
    QCoreApplication::setApplicationVersion(QString::fromStdString(_krxsettings_.getVersion()));

    QCommandLineParser parser;
    parser.setApplicationDescription(QString::fromUtf8(kDescription));
    parser.addHelpOption();
    parser.addVersionOption();
    const QCommandLineOption kpjOption(
        QStringLiteral("kpj"),
        QStringLiteral(
            "Parse the project file that an interface file names, as the add-on does on a project's "
            "first load (the setting parseCompleteKPJOnFirstLoad taken as true, for this run only)."));
    const QCommandLineOption watchOption(
        QStringLiteral("watch"),
        QStringLiteral(
            "Run the add-on's watcher on ~/.Korvex/korvexplexa.vsq instead of reading FILEs: each "
            "interface file that appears is consumed (read and deleted) exactly as the add-on does, "
            "and its elements are printed as they arrive. SIGINT (Ctrl-C) or SIGTERM ends it, with "
            "exit status 0."));
    parser.addOption(kpjOption);
    parser.addOption(watchOption);
    parser.addPositionalArgument(QStringLiteral("FILE"), QStringLiteral("Files to read, in order."),
                                 QStringLiteral("FILE…"));

    if (!parser.parse(QCoreApplication::arguments())) {
        std::cerr << "korvex-inspect: " << parser.errorText().toStdString() << "\n"
                  << "Try 'korvex-inspect --help'." << std::endl;
        return kExitUsage;
    }
    // Qt's own handling prints the help (with --help-all, Qt's options too) or the version, and exits 0.
    for (const char* builtIn : {"help", "help-all", "version"}) {
        if (parser.isSet(QString::fromLatin1(builtIn))) {
            parser.process(app);
        }
    }

    const QStringList files = parser.positionalArguments();
    const bool watch = parser.isSet(watchOption);
    if (watch == !files.isEmpty()) {
        std::cerr << "korvex-inspect: " << (watch ? "--watch takes no FILE" : "no FILE given") << "\n"
                  << "Try 'korvex-inspect --help'." << std::endl;
        return kExitUsage;
    }

    readUserSettings();
    if (parser.isSet(kpjOption)) {
        _krxsettings_.setValue(krx::settingkeys::kParseCompleteKPJOnFirstLoad, krx::SettingValue(true));
    }

    if (watch) {
        return krx::inspect::watchInterfaceFile(std::cout, std::cerr);
    }
    krx::inspect::Inspector inspector(std::cout, std::cerr);
    bool allRead = true;
    for (const QString& file : files) {
        allRead = inspector.inspect(file) && allRead;
    }
    return allRead ? 0 : 1;
}
