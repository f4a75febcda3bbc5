#include <gtest/gtest.h>

#include <QByteArray>
#include <QCoreApplication>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QRawFont>
#include <QString>
#include <QStringList>
#include <QTextLayout>
#include <memory>
#include <string>
#include <vector>

#include "ui/Fonts.h"
#include "ui/Text_qt.h"

namespace {

std::string Utf8(const QString& text) {
    return text.toStdString();
}

const UnicodeString kKaiNames[] = {u"DFKai-SB", u"標楷體"};
constexpr char16_t kHandName[] = u"Ink Free";

// Every text the lesson shows in a Kai face: buttons, banner, window caption, credit, block headings.
const UnicodeString kKaiCaptions[] = {
    u"出題",
    u"排列方法",
    u"計算結果",
    u"離開",
    u"Velmora　乘法結合性質示範教材",
    u"Velmora　聯乘示範教材",
    u"程式設計：Orsalind",
    u"排列方法1",
    u"排列方法2",
    u"排列方法3",
    u"排列方法4",
    u"排列方法5",
    u"排列方法6",
};

// Numbers, operands written by the formula builders, and the operator signs.
const UnicodeString kHandCaptions[] = {u"0123456789", u"x=,+-.E", u"-1.5E+15", u"¡Ò"};

// Texts whose family comes from the style.
const UnicodeString kUiCaptions[] = {u"SLOW", u"FAST", u"淺", u"深", u"Not sufficient parameters"};

QStringList Texts(const std::vector<UnicodeString>& texts) {
    QStringList list;
    for (const UnicodeString& text : texts) list << ToQString(text);
    return list;
}

QString PrintableAscii() {
    QString ascii;
    for (char16_t c = 0x20; c < 0x7F; ++c) ascii.append(QChar(c));
    return ascii;
}

struct CaptionSet {
    UnicodeString family;
    std::vector<UnicodeString> texts;
};

std::vector<CaptionSet> LessonCaptionSets() {
    std::vector<CaptionSet> sets;
    for (const UnicodeString& kai : kKaiNames)
        sets.push_back({kai, {std::begin(kKaiCaptions), std::end(kKaiCaptions)}});
    sets.push_back({kHandName, {std::begin(kHandCaptions), std::end(kHandCaptions)}});
    return sets;
}

// The characters of `texts` that the face answering for `font` lacks, before any fallback to other faces.
QString UncoveredCharacters(const QFont& font, const std::vector<UnicodeString>& texts) {
    const QFontMetrics metrics(font);
    QString uncovered;
    for (const UnicodeString& text : texts)
        for (char32_t c : ToQString(text).toUcs4())
            if (!metrics.inFontUcs4(c)) uncovered += QString::fromUcs4(&c, 1);
    return uncovered;
}

// Glyph 0 is the "missing character" box, whichever face a run of the text fell back to.
int MissingGlyphs(const QString& text, const QFont& font) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    int missing = 0;
    for (const QGlyphRun& run : layout.glyphRuns())
        for (quint32 glyph : run.glyphIndexes()) missing += glyph == 0 ? 1 : 0;
    return missing;
}

QRawFont EmbeddedSubset(const QString& resourcePath) {
    QFile file(resourcePath);
    if (!file.open(QIODevice::ReadOnly)) return {};
    return QRawFont(file.readAll(), 24);
}

class FontsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        if (QCoreApplication::instance() == nullptr) {
            if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
            ownApplication_ = std::make_unique<QGuiApplication>(argc_, argv_);
        }
        if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) RegisterLessonFonts();
    }
    static void TearDownTestSuite() { ownApplication_.reset(); }

    void SetUp() override {
        ASSERT_NE(qobject_cast<QGuiApplication*>(QCoreApplication::instance()), nullptr)
            << "fonts need a QGuiApplication, not a bare QCoreApplication";
    }

private:
    static inline int argc_ = 1;
    static inline char programName_[] = "tarnwick_tests";
    static inline char* argv_[] = {programName_, nullptr};
    static inline std::unique_ptr<QGuiApplication> ownApplication_;
};

TEST_F(FontsTest, EveryCaptionIsHeldByTheFaceThatAnswersForItsFamily) {
    for (const CaptionSet& set : LessonCaptionSets()) {
        const QFont font(ToQString(set.family));
        EXPECT_EQ(Utf8(UncoveredCharacters(font, set.texts)), "")
            << Utf8(ToQString(set.family)) << " answered by "
            << Utf8(ToQString(FamilyAnsweringFor(set.family)));
    }
}

TEST_F(FontsTest, EveryTextIsDrawnWithoutMissingGlyphsIncludingStyleFamilyTexts) {
    std::vector<CaptionSet> sets = LessonCaptionSets();
    sets.push_back({DefaultUiFamily(), {std::begin(kUiCaptions), std::end(kUiCaptions)}});
    for (const CaptionSet& set : sets)
        for (const UnicodeString& text : set.texts)
            EXPECT_EQ(MissingGlyphs(ToQString(text), QFont(ToQString(set.family))), 0)
                << Utf8(ToQString(text)) << " in " << Utf8(ToQString(set.family));
}

TEST_F(FontsTest, EmbeddedSubsetsAloneCoverTheirCaptionsAndAscii) {
    struct Case {
        QString resourcePath;
        UnicodeString family;
        std::vector<UnicodeString> texts;
    };
    const Case cases[] = {
        {":/fonts/TarnwickKai.ttf", u"Tarnwick Kai", {std::begin(kKaiCaptions), std::end(kKaiCaptions)}},
        {":/fonts/TarnwickHand.otf", u"Tarnwick Hand", {std::begin(kHandCaptions), std::end(kHandCaptions)}},
    };
    for (const Case& c : cases) {
        const QRawFont subset = EmbeddedSubset(c.resourcePath);
        ASSERT_TRUE(subset.isValid()) << Utf8(c.resourcePath) << " is missing from the resources";
        EXPECT_EQ(subset.familyName(), ToQString(c.family));
        const QStringList texts = Texts(c.texts) << PrintableAscii();
        QString uncovered;
        for (const QString& text : texts)
            for (char32_t ch : text.toUcs4())
                if (!subset.supportsCharacter(ch)) uncovered += QString::fromUcs4(&ch, 1);
        EXPECT_EQ(Utf8(uncovered), "") << Utf8(ToQString(c.family));
        EXPECT_EQ(Utf8(ToQString(FamilyAnsweringFor(c.family))), Utf8(ToQString(c.family)))
            << "the subset answers to its own name";
    }
}

TEST_F(FontsTest, AnInstalledStandInAnswersBeforeTheEmbeddedSubset) {
    struct Case {
        UnicodeString asked;
        QString installedStandIn;
        UnicodeString subset;
    };
    const Case cases[] = {
        {u"DFKai-SB", "AR PL UKai TW", u"Tarnwick Kai"},
        {u"標楷體", "AR PL UKai TW", u"Tarnwick Kai"},
        {u"Ink Free", "Comic Neue", u"Tarnwick Hand"},
    };
    for (const Case& c : cases) {
        if (QFontDatabase::hasFamily(ToQString(c.asked)))
            continue;  // the real font is there and answers itself
        const UnicodeString expected =
            QFontDatabase::hasFamily(c.installedStandIn) ? FromQString(c.installedStandIn) : c.subset;
        EXPECT_EQ(Utf8(ToQString(FamilyAnsweringFor(c.asked))), Utf8(ToQString(expected)))
            << Utf8(ToQString(c.asked));
    }
}

TEST_F(FontsTest, KaiAndHandNamesAnswerWithFacesOtherThanTheUiFamily) {
    const UnicodeString ui = DefaultUiFamily();
    const UnicodeString kai = FamilyAnsweringFor(u"DFKai-SB");
    EXPECT_NE(Utf8(ToQString(kai)), Utf8(ToQString(ui)));
    EXPECT_EQ(Utf8(ToQString(FamilyAnsweringFor(u"標楷體"))), Utf8(ToQString(kai)));
    EXPECT_NE(Utf8(ToQString(FamilyAnsweringFor(kHandName))), Utf8(ToQString(ui)));
    EXPECT_NE(Utf8(ToQString(FamilyAnsweringFor(kHandName))), Utf8(ToQString(kai)));
}

TEST_F(FontsTest, UiFamilyIsAnInstalledFaceThatAnswersForItself) {
    const UnicodeString ui = DefaultUiFamily();
    EXPECT_TRUE(QFontDatabase::hasFamily(ToQString(ui))) << Utf8(ToQString(ui));
    EXPECT_EQ(Utf8(ToQString(FamilyAnsweringFor(ui))), Utf8(ToQString(ui)));
}

// Application font ids count up from 0 and stay taken, so a second registration would show as a second id.
int RegistrationsOf(const QString& family) {
    constexpr int kIdsToScan = 64;
    int registrations = 0;
    for (int id = 0; id < kIdsToScan; ++id)
        registrations += QFontDatabase::applicationFontFamilies(id).contains(family) ? 1 : 0;
    return registrations;
}

TEST_F(FontsTest, RegisteringAgainAddsNoFaceAndNoSubstitution) {
    const QStringList substitutionsBefore = QFont::substitutes("DFKai-SB") + QFont::substitutes("Ink Free");
    RegisterLessonFonts();
    RegisterLessonFonts();
    EXPECT_EQ(RegistrationsOf("Tarnwick Kai"), 1);
    EXPECT_EQ(RegistrationsOf("Tarnwick Hand"), 1);
    EXPECT_EQ(QFont::substitutes("DFKai-SB") + QFont::substitutes("Ink Free"), substitutionsBefore);
}

}  // namespace
