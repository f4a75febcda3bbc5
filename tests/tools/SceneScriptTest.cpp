// Scene scripts driving the whole program, and the state they dump.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <fstream>
#include <sstream>
#include <string>

#include "tests/support/LessonFixture.h"
#include "tools/scene/SceneScript.h"

namespace {

class SceneScriptTest : public LessonTest {
protected:
    std::string Path(const char* name) const { return folder.filePath(name).toStdString(); }

    // Runs the script; the whole test fails at the first bad line.
    void Run(const std::string& script) {
        const auto failure = RunSceneScript(*session, script, "test.scene");
        ASSERT_FALSE(failure) << *failure;
    }

    QJsonObject ReadDump(const char* name) const {
        QFile file(folder.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << name;
        return QJsonDocument::fromJson(file.readAll()).object();
    }

    QTemporaryDir folder;
};

TEST_F(SceneScriptTest, SetClickWaitAndDumpActAsAUserAndTheClockWould) {
    Run("seed 3\n"
        "activate\n"
        "click btnStep3   # still hidden: ignored\n"
        "set Label2 \"Velmora 示範 \\\"2\\\"\"\n"
        "set tbTimeScale 4.4\n"
        "wait 1.25\n"
        "click btnStep3\n"
        "engine Create_AdditionFormula_Animation paneCAL 0 0 0 1 [7] \"Ink Free\" 30 0xFF000080 44 44 Center "
        "Center\n"
        "frames " +
        Path("frames") +
        " 4 0.5\n"
        "dump " +
        Path("state.json") + "\n");
    const QJsonObject state = ReadDump("state.json");
    EXPECT_EQ(state["time"].toDouble(), 1.75);
    EXPECT_EQ(state["BoxSize"].toInt(), 44);
    EXPECT_EQ(state["vvTimeScale"].toDouble(), 0.5);  // the slider's OnChange ran

    const QJsonObject controls = state["controls"].toObject();
    EXPECT_EQ(controls["Label2"]["text"].toString(), u"Velmora 示範 \"2\"");
    EXPECT_EQ(controls["Label2"]["class"].toString(), "TLabel");
    EXPECT_EQ(controls["tbTimeScale"]["value"].toDouble(), double(4.4f));
    EXPECT_FALSE(controls["btnStep3"]["visible"].toBool());
    EXPECT_EQ(controls["btnStep3"]["class"].toString(), "TButton");
    EXPECT_TRUE(controls["timStep4"]["enabled"].toBool());
    EXPECT_EQ(controls["timStep4"]["interval"].toInt(), 8500);  // last product at 17 s × 0.5
    EXPECT_EQ(controls["SeedNbr"]["items"].toArray().size(), 5);
    EXPECT_EQ(controls["StyleBook1"].toObject(), (QJsonObject{{"class", "TStyleBook"}}));

    const QJsonObject engine = state["engine"].toObject();
    EXPECT_EQ(engine["jobCounter"].toInt(), 60);
    EXPECT_EQ(engine["time_Scale"].toDouble(), 0.5);
    EXPECT_TRUE(engine["timerEnabled"].toBool());
    EXPECT_EQ(engine["jobs"].toArray().size(), 60);
    EXPECT_EQ(engine["jobs"][59].toObject(), (QJsonObject{{"z", 60}, {"type", 101}, {"start", 8.5}}));
    // Headings are due at once and products every 1.5 s from 1 s: at 0.5 s in, only products wait.
    EXPECT_EQ(engine["pending"].toArray().size(), 30);
    EXPECT_EQ(engine["pending"][0].toInt(), 31);

    EXPECT_EQ(state["messages"].toArray(), QJsonArray{"Not sufficient parameters"});
    EXPECT_EQ(QDir(folder.filePath("frames")).entryList({"frame_*.png"}, QDir::Files),
              (QStringList{"frame_00000.png", "frame_00001.png"}));
}

TEST_F(SceneScriptTest, ThePanelAfterAWalkthroughHoldsHeadingsAndTheProductsDueSoFar) {
    Run("activate\n"
        "set txtNbr1 5\nset txtNbr2 6\nset txtNbr3 2\n"
        "wait 1\nclick btnStep3\nwait 3.2\n"  // products enter at 1.5 s, 3.75 s, …
        "dump " +
        Path("walk.json") + "\n");
    const QJsonArray panel = ReadDump("walk.json")["panel"].toArray();
    ASSERT_EQ(panel.size(), 60);  // six headings and six products, five characters each

    const QJsonObject firstHeading = panel[0].toObject();
    EXPECT_EQ(firstHeading["class"].toString(), "TLabel");
    EXPECT_EQ(firstHeading["text"].toString(), u"排");
    EXPECT_EQ(firstHeading["fontFamily"].toString(), u"標楷體");
    EXPECT_EQ(firstHeading["fontColor"].toString(), "0xFF000080");
    EXPECT_EQ(firstHeading["horzAlign"].toString(), "Center");
    EXPECT_EQ(firstHeading["vertAlign"].toString(), "Center");
    EXPECT_EQ(firstHeading["glow"], QJsonValue());
    EXPECT_EQ(firstHeading["rotation"].toDouble(), 0);
    EXPECT_EQ(panel[4]["text"].toString(), "1");
    EXPECT_EQ(panel[4]["x"].toDouble(), 176);

    const QJsonObject growth{{"property", "Font.Size"}, {"enabled", true}, {"running", false},
                             {"startValue", 26.4},      {"stopValue", 33}, {"duration", 0.3}};
    const QJsonObject fade{{"property", "Opacity"}, {"enabled", true}, {"running", false},
                           {"startValue", 0},       {"stopValue", 1},  {"duration", 0.6}};
    const char* firstProduct[] = {"5", "x", "6", "x", "2"};
    for (int i = 0; i < 5; ++i) {
        const QJsonObject label = panel[30 + i].toObject();
        EXPECT_EQ(label["text"].toString(), firstProduct[i]);
        EXPECT_EQ(label["x"].toDouble(), 44 + 44 * i);
        EXPECT_EQ(label["y"].toDouble(), 44);
        EXPECT_EQ(label["width"].toDouble(), 44);
        EXPECT_EQ(label["height"].toDouble(), 44);
        EXPECT_TRUE(label["visible"].toBool());
        EXPECT_EQ(label["opacity"].toDouble(), 1);
        EXPECT_EQ(label["fontSize"].toDouble(), 33);
        EXPECT_EQ(label["fontFamily"].toString(), "Ink Free");
        EXPECT_EQ(label["animations"].toArray(), (QJsonArray{growth, fade}));
    }

    const QJsonObject secondProduct = panel[35].toObject();  // 5x2x6 under the second heading
    EXPECT_EQ(secondProduct["text"].toString(), "5");
    EXPECT_EQ(secondProduct["y"].toDouble(), 264);
    EXPECT_FALSE(secondProduct["visible"].toBool());
    EXPECT_EQ(secondProduct["fontSize"].toDouble(), 26.4);
    EXPECT_FALSE(secondProduct["animations"][0]["enabled"].toBool());
}

TEST_F(SceneScriptTest, AMalformedLineStopsTheScriptNamingItsNumber) {
    struct Case {
        const char* line;
        const char* message;
    };
    const Case cases[] = {
        {"clik btnStep1", "test.scene:4: unknown command 'clik'"},
        {"wait", "test.scene:4: wait takes 1 argument, got 0"},
        {"wait soon", "test.scene:4: wait: expected a number, got 'soon'"},
        {"click btnStep1 twice", "test.scene:4: click takes 1 argument, got 2"},
        {"set txtNbr9 5", "test.scene:4: set: unknown component 'txtNbr9'"},
        {"click txtNbr1", "test.scene:4: click: cannot click 'txtNbr1': it is not a button"},
        {"engine Create_Label_Animation paneCAL 0", "Create_Label_Animation takes 13 arguments, got 2"},
        {"engine Hide_Label_Animation label:1 0 x",
         "Hide_Label_Animation argument 3: expected a number, got 'x'"},
        // Every number has its range: nothing overflows, nothing runs for ever, nothing passes unnoticed.
        {"wait 1e15", "wait: expected seconds from 0 up to 86400, got '1e15'"},
        {"wait 1e300", "wait: expected seconds from 0 up to 86400, got '1e300'"},
        {"wait -1", "wait: expected seconds from 0 up to 86400, got '-1'"},
        {"frames out 1e300 1", "frames: expected frames a second from 0.01 up to 120, got '1e300'"},
        {"frames out 1e-300 1", "frames: expected frames a second from 0.01 up to 120, got '1e-300'"},
        {"frames out 1 1e300", "frames: expected seconds above 0 up to 3600, got '1e300'"},
        {"frames out 1 0", "frames: expected seconds above 0 up to 3600, got '0'"},
        {"frames out 100 3600", "frames: at most 10000 frames a command, asked for 360000"},
        {"frames \"\" 1 1", "frames: expected a file or folder name, got '\"\"'"},
        {"png \"\"", "png: expected a file or folder name, got '\"\"'"},
        {"set tbTimeScale 7", "set: expected a value from 1 up to 6, got '7'"},
        {"dump /dev/full", "dump: cannot write '/dev/full'"},
        {"png /dev/full", "png: cannot write '/dev/full'"},
    };
    for (const Case& c : cases) {
        session.reset();  // a fresh program for every line
        SetUp();
        const std::string script = std::string("activate\n# a comment\n\n") + c.line + "\nwait 5\n";
        const auto failure = RunSceneScript(*session, script, "test.scene");
        ASSERT_TRUE(failure) << c.line;
        EXPECT_NE(failure->find(c.message), std::string::npos) << *failure;
        EXPECT_EQ(failure->rfind("test.scene:4: ", 0), 0u) << *failure;
        EXPECT_EQ(session->Seconds(), 0) << "the line after the bad one ran: " << c.line;
    }
}

TEST_F(SceneScriptTest, TheToolReportsABadLineOnItsErrorStreamAndFails) {
    const std::string script = Path("bad.scene");
    std::ofstream(script) << "activate\nclik btnStep1\n";
    session.reset();  // the tool makes its own program
    std::ostringstream errors;
    EXPECT_NE(RunSceneScriptFile(script, errors), 0);
    EXPECT_EQ(errors.str(), script + ":2: unknown command 'clik'\n");

    std::ostringstream missing;
    EXPECT_NE(RunSceneScriptFile(Path("none.scene"), missing), 0);
    EXPECT_NE(missing.str().find("none.scene"), std::string::npos);

    std::ostringstream folderGiven;
    EXPECT_NE(RunSceneScriptFile(folder.path().toStdString(), folderGiven), 0) << "a folder is not a script";
    EXPECT_NE(folderGiven.str().find("cannot read the script"), std::string::npos) << folderGiven.str();
}

}  // namespace

namespace {

using RecordingTest = SceneScriptTest;

TEST_F(RecordingTest, FramesAreWholeWindowsAndASecondRecordingContinuesTheSequence) {
    Run("activate\n"
        "wait 1\n"
        "frames " +
        Path("lesson") +
        " 10 0.3\n"
        "key PageDown\n"
        "frames " +
        Path("lesson") +
        " 10 0.25\n"
        "key F11\n"
        "dump " +
        Path("state.json") + "\n");
    const QStringList frames = QDir(folder.filePath("lesson")).entryList({"frame_*.png"}, QDir::Files);
    ASSERT_EQ(frames.size(), 6);  // 3 + 3, at 0, 0.1, 0.2 s of each recording
    EXPECT_EQ(frames.back(), "frame_00005.png");
    const QImage frame(folder.filePath("lesson/" + frames.back()));
    EXPECT_EQ(frame.size(), QSize(1024, 768));
    const QJsonObject state = ReadDump("state.json");
    EXPECT_EQ(state["engine"]["jobCounter"].toInt(), 60) << "PageDown pressed 排列方法";
    EXPECT_TRUE(state["view"]["fullScreen"].toBool());
    EXPECT_FALSE(state["view"]["blanked"].toBool());
}

// A teacher records the lesson again into the same folder: the video made
// from it must show this run's lesson only.
TEST_F(RecordingTest, ARunStartsAFreshSequenceInAFolderAnEarlierRunFilled) {
    QDir().mkpath(folder.filePath("lesson"));
    for (const char* name : {"frame_00000.png", "frame_00001.png", "frame_00007.png", "notes.txt"})
        std::ofstream(folder.filePath(QString("lesson/") + name).toStdString()) << "earlier";
    Run("activate\n"
        "frames " +
        Path("lesson") +
        " 10 0.2\n"
        "frames " +
        Path("lesson") + " 10 0.1\n");
    EXPECT_EQ(QDir(folder.filePath("lesson")).entryList(QDir::Files),
              (QStringList{"frame_00000.png", "frame_00001.png", "frame_00002.png", "notes.txt"}));
    EXPECT_FALSE(QImage(folder.filePath("lesson/frame_00000.png")).isNull()) << "this run's own frame";
}

TEST_F(RecordingTest, AnUnknownKeyNameStopsTheScript) {
    const auto failure = RunSceneScript(*session, "activate\nkey NoSuchKey\n", "test.scene");
    ASSERT_TRUE(failure);
    EXPECT_NE(failure->find("test.scene:2"), std::string::npos) << *failure;
}

}  // namespace
