// Tarnwick: a lesson on continued multiplication for the classroom projector.
#include "animation/uf_AnimationEffect.h"
#include "app/About.h"
#include "app/MultipleDemo.h"
#include "app/Version.h"
#include "ui/Application.h"
#include "ui/CommandLine.h"

int main(int argc, char** argv) {
    const TProgramInfo program = LessonProgramInfo();
    if (const std::optional<int> status = AnswerCommandLine(argc, argv, program)) return *status;
    TApplication application(argc, argv);
    Application->Identify(program.name, program.version, TarnwickAppId);
    Application->Initialize();
    Application->CreateForm(fMultipleDemo);
    Application->CreateForm(fAnimation);
    return Application->Run();
}
