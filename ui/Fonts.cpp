#include "ui/Fonts.h"

#include <QDir>
#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QGuiApplication>
#include <QString>
#include <QStringList>

#include "ui/Color_qt.h"
#include "ui/Text_qt.h"

namespace {

// The subsets compiled into the program carry names of their own, so an installed full font of the same
// design is never shadowed by them and always comes first.
struct EmbeddedFace {
    const char* resourcePath;
    const char* family;
};

constexpr EmbeddedFace kKaiSubset{":/fonts/TarnwickKai.ttf", "Tarnwick Kai"};
constexpr EmbeddedFace kHandSubset{":/fonts/TarnwickHand.otf", "Tarnwick Hand"};

// Debian's stand-ins for the Windows fonts the lesson was designed with.
constexpr const char* kInstalledKai = "AR PL UKai TW";
constexpr const char* kInstalledHand = "Comic Neue";

// The first of these that is installed draws every text whose family the style decides.
constexpr const char* kUiFamilyCandidates[] = {"Segoe UI", "DejaVu Sans"};
constexpr const char* kUiFamilyWithoutApplication = "DejaVu Sans";

struct FamilyMapping {
    QString asked;
    QStringList answers;
};

// Each Kai name also lists the other, so whichever of the two a Windows machine knows its real font by
// is found for both.
QList<FamilyMapping> LessonFamilyMappings() {
    const QStringList kaiStandIns{kInstalledKai, kKaiSubset.family};
    return {
        {"DFKai-SB", QStringList{"標楷體"} + kaiStandIns},
        {"標楷體", QStringList{"DFKai-SB"} + kaiStandIns},
        {"Ink Free", {kInstalledHand, kHandSubset.family}},
    };
}

void RegisterEmbeddedFace(const EmbeddedFace& face) {
    if (QFontDatabase::hasFamily(face.family)) return;
    QFile file(face.resourcePath);
    if (!file.open(QIODevice::ReadOnly)) return;
    QFontDatabase::addApplicationFontFromData(file.readAll());
}

QString ChooseUiFamily() {
    for (const char* candidate : kUiFamilyCandidates)
        if (QFontDatabase::hasFamily(candidate)) return candidate;
    return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
}

// Qt's offscreen platform on Windows reads its fonts from one folder, by default one inside Qt's own
// installation that holds none; the scene tool and the tests would then see only the embedded subsets. The
// system's Fonts folder gives them the faces the lesson window finds. It is read when the font database is
// first used, so this must come before any font is looked up.
void ShowSystemFontsToHeadlessPlatform() {
#if defined(Q_OS_WIN)
    if (qEnvironmentVariableIsSet("QT_QPA_FONTDIR")) return;
    const QString windows = qEnvironmentVariable("WINDIR", QStringLiteral("C:/Windows"));
    qputenv("QT_QPA_FONTDIR", QDir(windows).filePath(QStringLiteral("Fonts")).toLocal8Bit());
#endif
}

bool GuiApplicationExists() {
    return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr;
}

}  // namespace

void RegisterLessonFonts() {
    ShowSystemFontsToHeadlessPlatform();
    // Adding a family that is already listed changes nothing, so this part is safe to repeat as it is.
    for (const FamilyMapping& mapping : LessonFamilyMappings())
        QFont::insertSubstitutions(mapping.asked, mapping.answers);
    // Adding a face also drops the fonts Qt has already matched, so a lookup made before this call does
    // not keep its old answer.
    RegisterEmbeddedFace(kKaiSubset);
    RegisterEmbeddedFace(kHandSubset);
}

UnicodeString FamilyAnsweringFor(const UnicodeString& family) {
    return FromQString(QFontInfo(QFont(ToQString(family))).family());
}

UnicodeString DefaultUiFamily() {
    if (!GuiApplicationExists()) return FromQString(kUiFamilyWithoutApplication);
    // Every label whose family comes from the style asks at each layout; the installed fonts do not
    // change while the program runs.
    static const UnicodeString chosen = FromQString(ChooseUiFamily());
    return chosen;
}
