// tarnwick-scene: runs the program headless on a virtual clock, driven by a
// script, and leaves pictures and state dumps of the moments it asks for.
#include <QApplication>
#include <iostream>

#include "tools/scene/LessonSession.h"
#include "tools/scene/SceneScript.h"

int main(int argc, char** argv) {
    // Qt takes its own options (`-platform NAME`) out of the arguments first,
    // so that only the script is left.
    const auto platform = StartHeadlessPlatform(argc, argv);
    if (argc != 2) {
        std::cerr << "usage: tarnwick-scene [-platform NAME] SCRIPT\n";
        return 2;
    }
    return RunSceneScriptFile(argv[1], std::cerr);
}
