#include "translation/TranslationRows.hpp"
#include "translation/Translator.hpp"
#include "translation/TranslatorProxy.hpp"

#include "diagnostics/DebugSingleton.hpp"
#include "tests/support/IsolatedEnvironment.hpp"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

#include <fstream>
#include <optional>
#include <sstream>
#include <string>

namespace {

const std::string kBundleTranslations = KRX_TEST_BUNDLE_TRANSLATIONS_DIR;
const std::string kFixtures = KRX_TEST_TRANSLATION_FIXTURES_DIR;

// Every test logs into its own temporary directory and can read back what the translator wrote.
class TranslatorTest : public krx::test::IsolatedEnvironment {
protected:
    void SetUp() override {
        IsolatedEnvironment::SetUp();
        log_.emplace(tmp());
    }
    void TearDown() override {
        log_.reset();
        IsolatedEnvironment::TearDown();
    }

    std::string logText() {
        std::ifstream in(log_->log().getFilePath());
        std::ostringstream text;
        text << in.rdbuf();
        return text.str();
    }

private:
    std::optional<krx::DebugSingleton::ScopedInstance> log_;
};

TEST_F(TranslatorTest, RealFilesTranslateMenuPaletteAndSettingsTexts) {
    struct Case {
        const char* file;
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        {"Lumivo_de", "Orthophotos window", "Orthofoto-Fenster"},
        {"Lumivo_de", "Layer name", "Ebenenname"},
        {"Lumivo_de", "Delete selected from list and project", "Auswahl aus Liste und Projekt löschen"},
        // The dialog asks with the single "import"; the file knows the row under the doubled wording.
        {"Lumivo_de", "Create Worksheets and import images to them:",
         "Arbeitsblätter erstellen und Bilder darauf importieren:"},
        {"Lumivo_de", "Create Worksheets and import images to them",
         "Arbeitsblätter erstellen und Bilder darauf importieren"},
        {"Lumivo_pl", "Receive 3D points", "Odbieraj punkty 3D"},
        {"Lumivo_pl", "Language:", "Język:"},
        {"Lumivo_pl",
         "Create Worksheets and import images to them:", "Twórz arkusze robocze i importuj do nich obrazy:"},
        {"Lumivo_pl", "Import", "Importuj"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + ": " + c.key);
        krx::Translator translator;
        ASSERT_TRUE(translator.loadTranslation(c.file, kBundleTranslations));
        EXPECT_EQ(translator.returnTranslation(c.key), c.expected);
    }
    // The host has no application object, and the translator must not need one.
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
}

// Guards the translation files against drifting from the table: a source text or context spelled
// differently in a file would silently leave that text in English.
TEST_F(TranslatorTest, RealFilesTranslateEveryRowOfTheTable) {
    for (const char* file : {"Lumivo_de", "Lumivo_pl"}) {
        QTranslator loader;
        ASSERT_TRUE(loader.load(QString::fromUtf8(file), QString::fromStdString(kBundleTranslations)))
            << file;
        for (std::size_t i = 0; i < krx::translationRowCount(); ++i) {
            const krx::TranslationRow& row = krx::translationRows()[i];
            EXPECT_FALSE(loader.translate(row.context, row.sourceText).isEmpty())
                << file << " lacks " << row.context << " / " << row.sourceText;
        }
    }
}

TEST_F(TranslatorTest, FixtureLookupsFollowTheRowsContextsAndFallbacks) {
    krx::Translator translator;
    ASSERT_TRUE(translator.loadTranslation("Lumivo_fixture", kFixtures));

    struct Case {
        const char* key;
        const char* expected;
    };
    const Case cases[] = {
        // The palette's column shares the key with the later settings row, which wins.
        {"Import", "Einstellungs-Import"},
        // "Settings" is a menu row; the settings dialog's own translation of it is never read.
        {"Settings", "Menü-Einstellungen"},
        // The doubled wording is what the file is asked for, not the key's own text.
        {"Create Worksheets and import images to them:", "Doppelter Wortlaut:"},
        // Empty and unfinished translations count as missing.
        {"Info", "Info"},
        {"Close", "Close"},
        // A row the file does not have.
        {"Search", "Search"},
        // The file translates it, but it is no row of the table.
        {"Not a row of the table", "Not a row of the table"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.key);
        EXPECT_EQ(translator.returnTranslation(c.key), c.expected);
    }
}

TEST_F(TranslatorTest, LoaderPrefersTheCompiledSuffix) {
    // The folder holds both "Lumivo_suffix.qm" and a file named exactly "Lumivo_suffix".
    krx::Translator translator;
    ASSERT_TRUE(translator.loadTranslation("Lumivo_suffix", kFixtures));
    EXPECT_EQ(translator.returnTranslation("Settings"), "Aus der .qm-Datei");
}

TEST_F(TranslatorTest, LanguageWithoutFileIsEnglishAndDoesNotFallBackToAShorterName) {
    // The fixture folder holds "Lumivo.qm"; Qt's default delimiters would cut "Lumivo_fr" down to it.
    QTranslator defaultLoader;
    ASSERT_TRUE(defaultLoader.load(QStringLiteral("Lumivo_fr"), QString::fromStdString(kFixtures)));

    struct Case {
        const char* file;
        std::string folder;
    };
    const Case cases[] = {
        {"Lumivo_en", kBundleTranslations},
        {"Lumivo_fr", kBundleTranslations},
        {"Lumivo_fr", kFixtures},
        {"Lumivo_", kFixtures},
        {"Lumivo_de", kFixtures + "/missing"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " in " + c.folder);
        krx::Translator translator;
        EXPECT_FALSE(translator.loadTranslation(c.file, c.folder));
        for (std::size_t i = 0; i < krx::translationRowCount(); ++i) {
            const char* key = krx::translationRows()[i].key;
            EXPECT_EQ(translator.returnTranslation(key), key);
        }
    }
    EXPECT_NE(logText().find("Loaded translation succesfully: false\n"), std::string::npos);
    EXPECT_EQ(logText().find("Loaded translation succesfully: true"), std::string::npos);
}

TEST_F(TranslatorTest, SuccessfulLoadIsLogged) {
    krx::Translator translator;
    ASSERT_TRUE(translator.loadTranslation("Lumivo_pl", kBundleTranslations));
    EXPECT_NE(logText().find("Loaded translation succesfully: true\n"), std::string::npos);
}

TEST_F(TranslatorTest, LookupsBeforeAnyLoadAreEnglish) {
    const krx::Translator translator;
    EXPECT_EQ(translator.returnTranslation("Orthophotos window"), "Orthophotos window");
    EXPECT_EQ(translator.returnTranslation("Create Worksheets and import images to them:"),
              "Create Worksheets and import images to them:");
    // The add-on's global answers the same way from program load on.
    EXPECT_EQ(_krxtranslator_.translate("Receive Viewport"), "Receive Viewport");
    EXPECT_EQ(logText().find("Loaded translation"), std::string::npos);
}

TEST_F(TranslatorTest, ReloadReplacesEveryRow) {
    krx::TranslatorProxy proxy;
    ASSERT_TRUE(proxy.loadTranslation("Lumivo_de", kBundleTranslations));
    ASSERT_EQ(proxy.translate("Close"), "Schließen");

    ASSERT_TRUE(proxy.loadTranslation("Lumivo_pl", kBundleTranslations));
    EXPECT_EQ(proxy.translate("Close"), "Zamknij");

    // A failed load must not leave the previous language behind.
    EXPECT_FALSE(proxy.loadTranslation("Lumivo_en", kBundleTranslations));
    EXPECT_EQ(proxy.translate("Close"), "Close");
    EXPECT_EQ(proxy.translate("Settings"), "Settings");
}

TEST_F(TranslatorTest, PrintWritesOneLinePerKeyInKeyOrder) {
    krx::Translator translator;
    ASSERT_TRUE(translator.loadTranslation("Lumivo_fixture", kFixtures));
    translator.print();

    const std::string text = logText();
    // 40 rows, two of which share the key "Import": 39 keys, and "" < "Close" < ... in byte order.
    EXPECT_NE(text.find("key val: 0 Close. ----- .\n"), std::string::npos);
    EXPECT_NE(text.find(" Import. ----- Einstellungs-Import.\n"), std::string::npos);
    EXPECT_NE(text.find("key val: 38 "), std::string::npos);
    EXPECT_EQ(text.find("key val: 39 "), std::string::npos);
}

}  // namespace
